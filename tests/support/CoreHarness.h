// The monitor's core as tests drive it: a view that records what the core shows,
// the core itself with its files in a scratch folder, and the query notices that
// its queries post, handed to it as the main window would.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FakeServers.h"
#include "TestPaths.h"
#include "ui/core/MonitorCore.h"

// The fake servers of tests/ui/core.scenario, by what they answer.
const int kSlowFleet = 28400;   // ten, after 300 ms
const int kAlpha = 28420;       // "Alpha Base" after 5 ms, with Bob, Al and Cy
const int kZeta = 28421;        // "zeta lower" after 150 ms, with Dee
const int kSilent = 28422;      // never
const int kTen = 28423;         // "10 Base" after 250 ms
const int kOtherGame = 28424;   // at once, for another game: no answer
const int kTwo = 28425;         // "2 Base" after 5 ms
const int kGameText = 28426;    // names in the game's own letters
const int kSlowBase = 28427;    // "Slow Base" after 400 ms, with Ann and Ben
const int kFullHouse = 28428;   // full for two replies, then a slot free
const int kBuddyBase = 28429;   // Bob, then Alice joins him from the second reply on
const int kQuickFleet = 28430;  // ten, after 100 ms
const int kSlowerFleet = 28440; // ten, after 600 ms
const int kNobody = 28499;      // nothing listens there

class RecordingView : public CMonitorView {
public:
    void ShowStatus(const CString& strStatus, BOOL) override { statuses.push_back(status = strStatus.str()); }
    void ShowCaption(const CString& strCaption) override { caption = strCaption.str(); }
    void ShowListModeButton(const char* pszCaption) override { button = pszCaption; }
    void ShowProgress(int nRange) override { progressRange = nRange, progressPos = 0, progressShown = true; }
    void StepProgress() override { ++progressPos; }
    void HideProgress() override { progressShown = false, ++progressHides; }
    void SetTimer(UINT nTimer, DWORD dwDelayMs) override { timers[nTimer] = dwDelayMs; }
    void KillTimer(UINT nTimer) override { timers.erase(nTimer); }
    void Report(const CString& strMessage) override { reports.push_back(strMessage.str()); }
    CGameServer* SelectedServer() const override { return selected; }
    void ShowWatching(BOOL bWatching, const CString& strTip) override { watching = bWatching, tip = strTip.str(); }
    void ShowNotice(const CString& strText) override { notices.push_back(strText.str()); }

    std::string status, caption, button;
    std::vector<std::string> statuses; // every status shown, in order
    int progressRange = 0, progressPos = 0, progressHides = 0;
    bool progressShown = false;
    std::map<UINT, DWORD> timers;
    std::vector<std::string> reports;
    CGameServer* selected = nullptr; // the server list's selected row
    bool watching = false;
    std::string tip;
    std::vector<std::string> notices;
};

// A core whose home folder (the current folder when it is made, as for the
// program) holds the settings file and the server list: a scratch folder of the
// test's own.
class CoreHarness {
public:
    explicit CoreHarness(const std::string& name);
    // Shuts the core down and drops the notices its queries left behind, which
    // would name records that no longer exist.
    ~CoreHarness();

    // The settings file before the core reads it.
    void Setting(const char* pszKey, const char* pszValue);
    std::string StoredSetting(const char* pszKey) const;
    // Adds records for the addresses, as the master list does.
    void AddServers(const std::vector<std::string>& addresses);
    void AddServers(const std::vector<int>& ports);
    // Start-up as the main window runs it, without the web: the settings, the
    // master list's records, serverlist.txt and buddies.txt of the home folder;
    // then changes are saved.
    void StartUp(const std::vector<int>& masterList);
    // The window's Cancel: the final write, then the records go.
    void Close();

    // Hands the core the notices its queries post, until pred holds or timeoutMs passed.
    bool PumpUntil(const std::function<bool()>& pred, int timeoutMs);
    // Hands over the notices already queued, waiting for none.
    void PumpQueued();
    // Runs one poll to its end; false when it did not end in time.
    bool Poll(int timeoutMs = 5000);
    // Queries running now.
    int CountQuerying();
    // Waits, handing over nothing, until no query runs: their notices stay queued.
    bool WaitForQueries(int timeoutMs);
    // Fires the core's save timer once it is due and hands over the saver's notice:
    // false when no save was scheduled or none ended in time.
    bool SaveWhenDue(int timeoutMs = 3000);

    // A click on a column heading of either list, as the list reports it.
    void ClickServerColumn(int nColumn);
    void ClickPlayerColumn(int nColumn);

    CGameServer* Server(int nPort);
    // The server list's row of the fake server on that port, or -1.
    int RowOf(int nPort);
    std::vector<int> PortsInRowOrder();
    // The rows' texts in one column, in the order shown.
    static std::vector<std::string> Column(const CRowTable& rows, int nColumn);
    std::vector<std::string> RowTexts(int nRow);

    ScratchDir dir;
    RecordingView view;
    std::string ini;
    CMonitorCore core;
    // The records whose notices the core was handed, in the order handed.
    std::vector<CGameServer*> notices;
    // The saver's notices handed to the core.
    size_t savesEnded = 0;

private:
    // Hands over the next posted message, waiting at most timeoutMs; false when none came.
    bool HandOverOne(int timeoutMs);
};
