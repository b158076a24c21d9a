// The poll's bookkeeping without a window: the same calls the dialog's handlers
// make, with records that are not queried, then with real queries on their
// worker threads.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PostedMessages.h"
#include "query/QueryDone.h"
#include "ui/PollState.h"

namespace {

// Records the poll never queries: the bookkeeping alone is under test.
struct Records {
    explicit Records(int nCount)
    {
        for (int i = 0; i < nCount; ++i)
            items.push_back(std::make_unique<CGameServer>());
    }
    CGameServer* operator[](int i) { return items[static_cast<size_t>(i)].get(); }
    int Count() const { return static_cast<int>(items.size()); }
    std::vector<std::unique_ptr<CGameServer>> items;
};

// StartPolling's first queries; the indexes it took.
std::vector<int> StartFirst(CPollState& poll, Records& records)
{
    std::vector<int> started;
    for (int i = 0; poll.WantsFirstQuery(i, records.Count()); ++i) {
        started.push_back(poll.TakeNext(records.Count()));
        poll.AwaitQuery(records[started.back()], TRUE);
    }
    return started;
}

} // namespace

TEST(PollState, EachNoticeStartsOneMoreAndTheLastEndsThePoll)
{
    Records records(10);
    CPollState poll;
    poll.SetBudget(3);
    ASSERT_TRUE(poll.Begin(records.Count()));
    EXPECT_FALSE(poll.Begin(records.Count())); // Refresh during a poll changes nothing
    EXPECT_EQ(StartFirst(poll, records), std::vector<int>({0, 1, 2}));

    poll.SetBudget(1); // applies from the next poll on
    std::vector<int> order;
    for (int nDone = 0; nDone < 10; ++nDone) {
        ASSERT_EQ(poll.TakeNotice(records[nDone]), CPollState::NOTICE_OF_POLL) << nDone;
        int nNext = poll.TakeNext(records.Count());
        if (nNext >= 0) {
            order.push_back(nNext);
            poll.AwaitQuery(records[nNext], TRUE);
        }
        EXPECT_EQ(poll.CountNotice(), nDone == 9) << nDone;
    }
    EXPECT_EQ(order, std::vector<int>({3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(poll.IsPolling());
    // A notice after the end belongs to nobody; the next poll runs one at a time.
    EXPECT_EQ(poll.TakeNotice(records[0]), CPollState::NOTICE_OTHER);
    ASSERT_TRUE(poll.Begin(records.Count()));
    EXPECT_EQ(StartFirst(poll, records), std::vector<int>({0}));
}

TEST(PollState, SmallCollectionsAndRecordsFinishedOnTheSpot)
{
    Records two(2);
    CPollState poll;
    poll.SetBudget(7);
    ASSERT_TRUE(poll.Begin(two.Count()));
    EXPECT_EQ(StartFirst(poll, two), std::vector<int>({0, 1}));
    EXPECT_EQ(poll.TakeNext(two.Count()), -1);

    // With nothing to await, a poll has ended as it begins.
    CPollState empty;
    ASSERT_TRUE(empty.Begin(0));
    EXPECT_FALSE(empty.IsPolling());

    // Every record ignored: each counts at once and the last count ends the poll.
    CPollState ignored;
    ASSERT_TRUE(ignored.Begin(3));
    EXPECT_FALSE(ignored.CountNotice());
    EXPECT_FALSE(ignored.CountNotice());
    EXPECT_TRUE(ignored.CountNotice());
    EXPECT_FALSE(ignored.IsPolling());
}

TEST(PollState, ClickedQueriesNeverCountAgainstAPoll)
{
    Records records(2);
    CGameServer* pClicked = records[0];
    CPollState poll;
    poll.AwaitClick(pClicked);
    EXPECT_EQ(poll.TakeNotice(pClicked), CPollState::NOTICE_OF_CLICK);
    EXPECT_EQ(poll.TakeNotice(pClicked), CPollState::NOTICE_OTHER);

    // The poll reaches a record whose clicked query still runs: that query's
    // notice is the poll's, counted once.
    poll.AwaitClick(pClicked);
    ASSERT_TRUE(poll.Begin(records.Count()));
    poll.AwaitQuery(pClicked, FALSE);
    EXPECT_EQ(poll.TakeNotice(pClicked), CPollState::NOTICE_OF_POLL);
    EXPECT_EQ(poll.TakeNotice(pClicked), CPollState::NOTICE_OTHER);

    // A clicked query's notice still queued when the poll queried the record anew:
    // the click's is taken first and the poll shows the record with its own.
    CGameServer* pRequeried = records[1];
    poll.AwaitClick(pRequeried);
    poll.AwaitQuery(pRequeried, TRUE);
    EXPECT_EQ(poll.TakeNotice(pRequeried), CPollState::NOTICE_OF_CLICK_HIDDEN);
    EXPECT_EQ(poll.TakeNotice(pRequeried), CPollState::NOTICE_OF_POLL);

    poll.AwaitClick(pClicked);
    poll.Close();
    EXPECT_EQ(poll.TakeNotice(pClicked), CPollState::NOTICE_DROPPED);
}

// Real queries on their worker threads, to closed loopback ports (the native
// build learns of them at once), handled as the dialog handles its notices, with
// clicked queries among them: every notice is someone's, and the poll ends once,
// after it has taken every record.
TEST(PollState, AThreadedPollEndsOnceWithItsLastCount)
{
    ReceivePostedMessagesHere();
    std::vector<std::unique_ptr<CGameServer>> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(std::make_unique<CGameServer>(CString("127.0.0.1:") + std::to_string(18150 + i % 10).c_str()));
    const int nRecords = static_cast<int>(records.size());
    CPollState poll;
    poll.SetBudget(7);
    int nStarted = 0, nEnds = 0;
    // Clicked before the poll: their notices may come before or after it reaches them.
    for (int i = 0; i < nRecords; i += 5) {
        ASSERT_TRUE(records[static_cast<size_t>(i)]->StartQuery());
        poll.AwaitClick(records[static_cast<size_t>(i)].get());
        ++nStarted;
    }
    auto count = [&] {
        if (poll.CountNotice()) {
            ++nEnds;
            EXPECT_EQ(poll.TakeNext(nRecords), -1) << "ended before its last record";
        }
    };
    auto startNext = [&] {
        for (int n; (n = poll.TakeNext(nRecords)) >= 0;) {
            CGameServer* pServer = records[static_cast<size_t>(n)].get();
            BOOL bStarted = pServer->StartQuery();
            nStarted += bStarted;
            if (bStarted || pServer->IsQuerying()) {
                poll.AwaitQuery(pServer, bStarted);
                return;
            }
            count();
            if (!poll.IsPolling())
                return;
        }
    };
    ASSERT_TRUE(poll.Begin(nRecords));
    for (int i = 0; poll.WantsFirstQuery(i, nRecords); ++i)
        startNext();

    TestMessage msg;
    for (int nNotices = 0; nNotices < nStarted; ++nNotices) {
        ASSERT_TRUE(WaitPostedMessage(msg, 3000)) << nNotices << " of " << nStarted << " notices";
        ASSERT_EQ(msg.message, static_cast<UINT>(WM_QUERYDONE));
        CPollState::Notice notice = poll.TakeNotice(reinterpret_cast<CGameServer*>(msg.wParam));
        ASSERT_NE(notice, CPollState::NOTICE_OTHER);
        if (notice == CPollState::NOTICE_OF_POLL) {
            startNext();
            count();
        }
    }
    EXPECT_FALSE(poll.IsPolling());
    EXPECT_EQ(nEnds, 1);
    EXPECT_FALSE(WaitPostedMessage(msg, 100)) << "a notice beyond the queries started";
}
