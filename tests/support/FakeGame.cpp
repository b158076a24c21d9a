#include "FakeGame.h"

#include <windows.h>

#include <filesystem>

namespace fs = std::filesystem;

std::vector<GameRun> WaitForGameRuns(const std::string& log, size_t nRuns, int timeoutMs)
{
    std::vector<std::string> fields = WaitForFields(log, 2 * nRuns, timeoutMs, '\0');
    std::vector<GameRun> runs;
    for (size_t i = 0; i + 1 < fields.size(); i += 2)
        runs.push_back({fields[i], fields[i + 1]});
    return runs;
}

std::string WindowsPath(const std::string& path)
{
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(path.c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
}

FakeGame::FakeGame(const ScratchDir& scratch, const std::string& folder)
{
    fs::path dir = fs::path(scratch.Path()) / folder;
    fs::create_directories(dir);
    // KELVANE_FAKE_QUAKE2 is set by CMake for the tests that start the game.
    fs::copy_file(Env("KELVANE_FAKE_QUAKE2"), dir / "quake2.exe", fs::copy_options::overwrite_existing);
    m_folder = WindowsPath((dir / "").string());
    m_exe = m_folder + "quake2.exe";
    m_log = scratch.File("game-runs.log");
    WriteFile(m_log, "");
    SetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", WindowsPath(m_log).c_str());
}
