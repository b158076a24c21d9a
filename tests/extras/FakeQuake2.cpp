// Stands in for quake2.exe in the join tests: appends its command line and its
// current directory, one per line, to the file named by KELVANE_FAKE_GAME_LOG.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szLog[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("KELVANE_FAKE_GAME_LOG", szLog, MAX_PATH))
        return 1;
    char szDir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, szDir);
    FILE* f = std::fopen(szLog, "ab");
    if (!f)
        return 2;
    std::fprintf(f, "%s\n%s\n", GetCommandLineA(), szDir);
    std::fclose(f);
    return 0;
}
