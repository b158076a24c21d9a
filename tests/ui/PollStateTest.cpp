// The poll's bookkeeping: the calls the monitor's core makes, with records that
// are not queried. The core's test runs it with real queries.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/core/PollState.h"

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
std::vector<int> StartFirst(CPollState& poll, Records& records, int nBudget)
{
    std::vector<int> started;
    for (int i = 0; poll.WantsFirstQuery(i, nBudget, records.Count()); ++i) {
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
    ASSERT_TRUE(poll.Begin(records.Count()));
    EXPECT_FALSE(poll.Begin(records.Count())); // Refresh during a poll changes nothing
    EXPECT_EQ(StartFirst(poll, records, 3), std::vector<int>({0, 1, 2}));

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
    EXPECT_EQ(StartFirst(poll, records, 1), std::vector<int>({0}));
}

TEST(PollState, SmallCollectionsAndRecordsFinishedOnTheSpot)
{
    Records two(2);
    CPollState poll;
    ASSERT_TRUE(poll.Begin(two.Count()));
    EXPECT_EQ(StartFirst(poll, two, 7), std::vector<int>({0, 1}));
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
