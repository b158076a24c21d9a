// A copy of the fake quake2.exe in a folder of a test's scratch directory, and
// the runs it logged (its command line and current directory each time).
#pragma once

#include <string>
#include <vector>

#include "TestPaths.h"

struct GameRun {
    std::string commandLine;
    std::string directory;
};

class FakeGame {
public:
    // Copies the fake game to <scratch>\<folder>\quake2.exe (folder may be empty)
    // and points its log at the scratch directory.
    FakeGame(const ScratchDir& scratch, const std::string& folder);
    ~FakeGame();
    // Windows paths, as the monitor stores and starts them.
    const std::string& ExePath() const { return m_exe; }
    const std::string& Folder() const { return m_folder; }
    // The runs logged so far, waiting up to timeoutMs for at least nRuns.
    std::vector<GameRun> WaitForRuns(size_t nRuns, int timeoutMs = 10000) const;

private:
    std::string m_folder;
    std::string m_exe;
    std::string m_log;
};
