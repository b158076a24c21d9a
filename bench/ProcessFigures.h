// What the benchmark's own process holds: the measure of an evening that stays flat.
#pragma once

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

struct ProcessFigures {
    SIZE_T privateKb = 0;
    SIZE_T workingSetKb = 0;
    DWORD threads = 0;
    DWORD handles = 0;
};

inline ProcessFigures MeasureProcess()
{
    ProcessFigures figures;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory)) {
        figures.privateKb = memory.PagefileUsage / 1024;
        figures.workingSetKb = memory.WorkingSetSize / 1024;
    }
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL bMore = ::Thread32First(hSnapshot, &thread); bMore; bMore = ::Thread32Next(hSnapshot, &thread))
        figures.threads += thread.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    ::CloseHandle(hSnapshot);
    // Wine does not count a process's handles (GetProcessHandleCount gives 0): those
    // that answer are counted.
    for (UINT_PTR nValue = 4; nValue < 0x8000; nValue += 4) {
        DWORD dwFlags = 0;
        figures.handles += ::GetHandleInformation(reinterpret_cast<HANDLE>(nValue), &dwFlags) ? 1 : 0;
    }
    return figures;
}
