// The bookkeeping of a poll: whether one runs, which record is next, how many
// notices it still awaits, and which query each notice ends. The monitor's core
// runs the poll and asks this class what a notice means. GUI thread only.
#pragma once

#include <unordered_map>
#include <unordered_set>

#include "query/GameServer.h"

class CPollState {
public:
    virtual ~CPollState() = default;

    BOOL IsPolling() const { return m_bPolling; }

    // Starts a poll of the collection's nRecords records unless one runs (FALSE).
    // With no records there is nothing to await: the poll has ended at once.
    BOOL Begin(int nRecords);
    // Whether the first queries of a poll should go on: fewer than the thread
    // budget started and records left. A budget of millions costs nothing past the last.
    BOOL WantsFirstQuery(int nStarted, int nBudget, int nRecords) const;
    // The collection index of the poll's next record, now taken; -1 past the last.
    int TakeNext(int nRecords);
    // A query of the poll's record runs: started by the poll, or else one that a
    // click started and whose notice now belongs to the poll.
    void AwaitQuery(CGameServer* pServer, BOOL bStartedByPoll);
    // Counts one of the poll's notices; TRUE when it was the last and the poll
    // has ended.
    BOOL CountNotice();

    // A clicked single query of the record has started; it is no poll's business.
    void AwaitClick(CGameServer* pServer);
    // The same for a window that follows the record, not the user's click.
    void AwaitWatcherQuery(CGameServer* pServer);

    enum Notice {
        NOTICE_OF_POLL,         // counts against the poll
        NOTICE_OF_CLICK,        // a clicked query's: show the record
        NOTICE_OF_WATCHER,      // a following window's query's: show the record's row
        NOTICE_OF_CLICK_HIDDEN, // a clicked query's, but the poll queries the record anew and shows it
        NOTICE_OTHER,           // nobody awaits it (the poll has moved on): show the record
        NOTICE_DROPPED,         // shut-down has begun: the record may be gone
    };
    // What a WM_QUERYDONE of the record means, taking it off what is awaited.
    Notice TakeNotice(CGameServer* pServer);

    // At shut-down: nothing is awaited any more and every later notice is dropped.
    void Close();

private:
    enum Asker { ASKED_BY_NOBODY, ASKED_BY_CLICK, ASKED_BY_WATCHER };
    Asker TakeClickNotice(CGameServer* pServer);

    BOOL m_bPolling = FALSE;
    int m_nNextServer = 0;
    int m_nQueriesLeft = 0;
    BOOL m_bClosed = FALSE;
    // Records whose notices the running poll awaits; notices of clicked single
    // queries are not among them and never count against a poll.
    std::unordered_set<CGameServer*> m_pollAwaited;
    // Per record, the notices of clicked queries yet to come: one may still be
    // queued when a second click or a poll has queried the record anew.
    std::unordered_map<CGameServer*, int> m_clickAwaited;
    std::unordered_map<CGameServer*, int> m_watcherAwaited;
};
