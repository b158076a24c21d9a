// A stand-in for quake2.exe: writes its whole command line to quake2-args.txt in
// its current directory. The file appears complete or not at all, so a waiting
// test never reads half of it.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* commandLine = GetCommandLineA();
    FILE* file = std::fopen("quake2-args.tmp", "wb");
    if (!file)
        return 1;
    std::fwrite(commandLine, 1, std::strlen(commandLine), file);
    std::fclose(file);
    return MoveFileExA("quake2-args.tmp", "quake2-args.txt", MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
