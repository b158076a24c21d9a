#include "MainWindow_posix.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {
std::mutex g_queueMutex;
std::condition_variable g_queueChanged;
std::deque<PostedMessage> g_queue;
}

BOOL AfxPostToMainWnd(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Notified under the lock: once a reader holds the message, the poster no
    // longer touches the queue, which may then be torn down at exit.
    std::lock_guard<std::mutex> lock(g_queueMutex);
    g_queue.push_back({message, wParam, lParam});
    g_queueChanged.notify_one();
    return TRUE;
}

bool AfxWaitPostedMessage(PostedMessage& out, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(g_queueMutex);
    if (!g_queueChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                                 [] { return !g_queue.empty(); }))
        return false;
    out = g_queue.front();
    g_queue.pop_front();
    return true;
}
