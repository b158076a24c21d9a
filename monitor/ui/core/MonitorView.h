// What the monitor's core asks of the main window that shows it. The window
// turns clicks and keys into calls on the core; the core tells the window what to
// show through these, and the two lists follow the core's row tables by themselves.
#pragma once

#include "framework/CString.h"

class CGameServer;

class CMonitorView {
public:
    virtual ~CMonitorView() = default;

    // The status line's text: at once, or with the window's next batch of
    // changes (a poll changes it for every server).
    virtual void ShowStatus(const CString& strStatus, BOOL bAtOnce) = 0;
    virtual void ShowCaption(const CString& strCaption) = 0;
    // The list mode button names the view that its next click shows.
    virtual void ShowListModeButton(const char* pszCaption) = 0;
    // The poll's progress: shown at 0 of nRange, one step more, hidden.
    virtual void ShowProgress(int nRange) = 0;
    virtual void StepProgress() = 0;
    virtual void HideProgress() = 0;
    // The core's timer: TimerFired(nTimer) on the core after dwDelayMs; a new
    // request replaces the last, KillTimer cancels it.
    virtual void SetTimer(UINT nTimer, DWORD dwDelayMs) = 0;
    virtual void KillTimer(UINT nTimer) = 0;
    // Tells the user in a message box.
    virtual void Report(const CString& strMessage) = 0;
    // The record of the server list's selected row, or null.
    virtual CGameServer* SelectedServer() const = 0;
    // Watching for games: the menu item's check mark, and while bWatching the
    // notification-area icon with its tooltip.
    virtual void ShowWatching(BOOL bWatching, const CString& strTip) = 0;
    // A poll's news, as a notice from the notification-area icon.
    virtual void ShowNotice(const CString& strText) = 0;
};

// Windows over the main one that follow records' replies (Find Player, the wait
// for a free slot): told after the rows show a record's new reply.
class CServerWatcher {
public:
    virtual ~CServerWatcher() = default;
    virtual void ServerNoticed(CGameServer* pServer) = 0;
};
