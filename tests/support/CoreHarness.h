// The monitor's core as tests drive it: a view that records what the core shows,
// the core itself with its files in a scratch folder, and the query notices that
// its queries post, handed to it as the main window would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "ui/core/MonitorCore.h"

class RecordingView : public CMonitorView {
public:
    void ShowStatus(const CString& strStatus, BOOL) override { status = strStatus.str(); }
    void ShowCaption(const CString& strCaption) override { caption = strCaption.str(); }
    void ShowListModeButton(const char* pszCaption) override { button = pszCaption; }
    void ShowProgress(int nRange) override { progressRange = nRange, progressPos = 0, progressShown = true; }
    void StepProgress() override { ++progressPos; }
    void HideProgress() override { progressShown = false, ++progressHides; }
    void SetTimer(UINT nTimer, DWORD dwDelayMs) override { timers[nTimer] = dwDelayMs; }
    void KillTimer(UINT nTimer) override { timers.erase(nTimer); }
    void Report(const CString& strMessage) override { reports.push_back(strMessage.str()); }

    std::string status, caption, button;
    int progressRange = 0, progressPos = 0, progressHides = 0;
    bool progressShown = false;
    std::map<UINT, DWORD> timers;
    std::vector<std::string> reports;
};

// A core whose home folder and settings file are a scratch folder of the test's own.
class CoreHarness {
public:
    explicit CoreHarness(const std::string& name);
    ~CoreHarness();

    // The settings file before the core reads it.
    void Setting(const char* pszKey, const char* pszValue);
    std::string StoredSetting(const char* pszKey) const;
    // Adds records for the addresses, as the master list does.
    void AddServers(const std::vector<std::string>& addresses);
    // Hands the core the notices its queries post, until pred holds or timeoutMs passed.
    bool PumpUntil(const std::function<bool()>& pred, int timeoutMs);
    // Runs one poll to its end; false when it did not end in time.
    bool Poll(int timeoutMs = 5000);
    // The rows' texts in one column, in the order shown.
    static std::vector<std::string> Column(const CRowTable& rows, int nColumn);

    ScratchDir dir;
    RecordingView view;
    std::string ini;
    CMonitorCore core;
};
