// The fake quake2.exe (FakeQuake2.cpp) and the runs it logs.
#pragma once

#include <string>
#include <vector>

#include "TestPaths.h"

// Where the fake game logs when KELVANE_FAKE_GAME_LOG is not set: its current folder.
#define FAKE_GAME_DEFAULT_LOG "fake-game-runs.log"

struct GameRun {
    std::string commandLine;
    std::string directory;
};

// The runs logged in the file so far, waiting up to timeoutMs for at least nRuns.
std::vector<GameRun> WaitForGameRuns(const std::string& log, size_t nRuns, int timeoutMs = 10000);

// The fake game (KELVANE_FAKE_QUAKE2) copied to <scratch>\<folder>\quake2.exe,
// logging to a file of the scratch folder; Windows paths.
class FakeGame {
public:
    FakeGame(const ScratchDir& scratch, const std::string& folder);
    const std::string& ExePath() const { return m_exe; }
    const std::string& Folder() const { return m_folder; } // ends with a backslash
    std::vector<GameRun> WaitForRuns(size_t nRuns, int timeoutMs = 10000) const
    {
        return WaitForGameRuns(m_log, nRuns, timeoutMs);
    }

private:
    std::string m_folder, m_exe, m_log;
};

// A path as Windows spells it, made absolute.
std::string WindowsPath(const std::string& path);
