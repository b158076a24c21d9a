// How long a window leaves a message unanswered: the benchmarks' measure of a
// window that keeps up with its user.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "WindowPump.h"
#include "framework/Framework.h"

using Clock = std::chrono::steady_clock;

inline double MsBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Sends the window an empty message again and again: the longest wait for the
// answer is the longest time its thread was busy at a stretch.
class BusyProbe {
public:
    explicit BusyProbe(HWND hWnd) : m_thread([this, hWnd] { Probe([hWnd] { return hWnd; }); }) {}
    // Waits for the window that findWindow() names to appear.
    explicit BusyProbe(std::function<HWND()> findWindow)
        : m_thread([this, findWindow] { Probe(findWindow); }) {}
    ~BusyProbe() { Stop(); }
    BusyProbe(const BusyProbe&) = delete;
    BusyProbe& operator=(const BusyProbe&) = delete;
    // Call on the window's thread: it keeps answering until the probe has ended.
    double Stop()
    {
        m_bStop = true;
        PumpUntil([this] { return m_bEnded.load(); }, 10000);
        if (m_thread.joinable())
            m_thread.join();
        return m_longestMs;
    }

private:
    void Probe(const std::function<HWND()>& findWindow)
    {
        HWND hWnd = nullptr;
        while (!m_bStop && !(hWnd = findWindow()))
            ::Sleep(1);
        while (!m_bStop) {
            Clock::time_point start = Clock::now();
            DWORD_PTR result = 0;
            ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            m_longestMs = std::max(m_longestMs, MsBetween(start, Clock::now()));
            ::Sleep(2);
        }
        m_bEnded = true;
    }
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bEnded{false};
    double m_longestMs = 0;
    std::thread m_thread;
};
