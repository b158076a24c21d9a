#include "FakeGame.h"

#include <windows.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

static std::string WindowsPath(const fs::path& p)
{
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(p.string().c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
}

static fs::path FakeGameBinary()
{
    char szSelf[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    return fs::path(szSelf).parent_path() / "fake_quake2.exe";
}

FakeGame::FakeGame(const ScratchDir& scratch, const std::string& folder)
{
    fs::path dir = folder.empty() ? fs::path(scratch.Path()) : fs::path(scratch.Path()) / folder;
    fs::create_directories(dir);
    fs::copy_file(FakeGameBinary(), dir / "quake2.exe", fs::copy_options::overwrite_existing);
    m_folder = WindowsPath(dir);
    if (m_folder.back() != '\\')
        m_folder += '\\';
    m_exe = m_folder + "quake2.exe";
    m_log = WindowsPath(fs::path(scratch.Path()) / "game-runs.log");
    DeleteFileA(m_log.c_str());
    SetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", m_log.c_str());
}

FakeGame::~FakeGame()
{
    SetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", nullptr);
}

std::vector<GameRun> FakeGame::WaitForRuns(size_t nRuns, int timeoutMs) const
{
    std::vector<GameRun> runs;
    DWORD start = GetTickCount();
    for (;;) {
        runs.clear();
        std::istringstream in(ReadFile(m_log));
        GameRun run;
        while (std::getline(in, run.commandLine) && std::getline(in, run.directory))
            runs.push_back(run);
        if (runs.size() >= nRuns || GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return runs;
        Sleep(50);
    }
}
