// Stands in for quake2.exe wherever a test starts the game: appends its command
// line and its current directory, each ended by a zero byte (a command line may
// hold line breaks), to the file named by KELVANE_FAKE_GAME_LOG, or else to
// fake-game-runs.log in its current directory. One write per run, and readers
// count only ended fields, so a run is read whole or not at all.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szLog[MAX_PATH] = "fake-game-runs.log";
    GetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", szLog, MAX_PATH);
    char szDir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, szDir);
    std::string run = GetCommandLineA();
    run += '\0';
    run += szDir;
    run += '\0';
    FILE* f = std::fopen(szLog, "ab");
    if (!f)
        return 2;
    bool bWritten = std::fwrite(run.data(), 1, run.size(), f) == run.size();
    return std::fclose(f) == 0 && bWritten ? 0 : 1;
}
