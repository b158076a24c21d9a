// The rows a list window shows: found by key in constant time however they come
// and go, changes told to the window once a batch, and the lists' sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/RowTable.h"

namespace {
// What a list window hears, and the rows' keys as it would read them after each change.
struct Listener : CRowTable::CListener {
    explicit Listener(CRowTable& t) : table(t) { table.SetListener(this); }
    void RowsChanging() override { events.push_back("changing"); }
    void RowsChanged() override { events.push_back("changed"); }
    void RowUpdated(int nRow) override { events.push_back("updated " + std::to_string(nRow)); }
    std::vector<LPARAM> Keys() const
    {
        std::vector<LPARAM> keys;
        for (int i = 0; i < table.GetCount(); ++i)
            keys.push_back(table.GetKey(i));
        return keys;
    }
    CRowTable& table;
    std::vector<std::string> events;
};

void ExpectFindAgrees(const CRowTable& table, LPARAM nLast)
{
    for (LPARAM key = 1; key <= nLast; ++key) {
        int nRow = table.Find(key);
        if (nRow >= 0)
            EXPECT_EQ(table.GetKey(nRow), key);
        else
            EXPECT_FALSE(table.Contains(key)) << key;
    }
}
} // namespace

TEST(RowTable, RowsComeAndGoByKeyAndAWindowHearsOfEachBatchOnce)
{
    CRowTable table(2, 0, TRUE);
    Listener window(table);
    EXPECT_EQ(table.Set(1, {"one", "1"}), 0);
    EXPECT_EQ(table.Set(2, {"two"}), 1) << "missing texts are empty";
    EXPECT_EQ(window.events, (std::vector<std::string>{"changing", "changed", "changing", "changed"}));
    window.events.clear();
    EXPECT_EQ(table.Set(1, {"uno", "1"}), 0) << "a known key changes in place";
    EXPECT_EQ(window.events, std::vector<std::string>{"updated 0"});
    EXPECT_EQ(table.GetText(1, 1), "");
    EXPECT_EQ(table.GetText(5, 0), "") << "out of range";
    EXPECT_EQ(table.GetKey(-1), 0);

    // Thousands leaving in one batch: one change, and the rest keep their order.
    window.events.clear();
    {
        CRowTable::CBatch batch(table);
        for (LPARAM key = 3; key <= 5000; ++key)
            table.Set(key, {"x"});
        for (LPARAM key = 2; key <= 5000; key += 2)
            table.Remove(key);
        table.Remove(99999); // unknown: nothing
    }
    EXPECT_EQ(window.events, (std::vector<std::string>{"changing", "changed"}));
    EXPECT_EQ(table.GetCount(), 2500);
    EXPECT_EQ(window.Keys()[1], 3);
    ExpectFindAgrees(table, 5000);
    // A key removed and set again comes back at the end.
    table.Remove(1);
    table.Set(1, {"one"});
    EXPECT_EQ(table.Find(1), table.GetCount() - 1);
    ExpectFindAgrees(table, 5000);
    table.RemoveAll();
    EXPECT_EQ(table.GetCount(), 0);
    EXPECT_EQ(table.Find(3), -1);
}

TEST(RowTable, SortsByTheListsRuleWithRanksBreakingTiesInBothDirections)
{
    CRowTable table(1, 0, TRUE);
    Listener window(table);
    CRowLook first, last;
    first.nTieRank = 0;
    last.nTieRank = 2;
    table.Set(1, {"120"});
    table.Set(2, {"45"}, last);
    table.Set(3, {"45"}, first);
    table.Set(4, {"Zeta"});
    table.Set(5, {"alpha"});
    table.Set(6, {"0"});
    window.events.clear();
    table.Sort(0, TRUE);
    EXPECT_EQ(window.Keys(), (std::vector<LPARAM>{6, 3, 2, 1, 4, 5}));
    EXPECT_EQ(window.events, (std::vector<std::string>{"changing", "changed"}));
    table.Sort(0, FALSE);
    EXPECT_EQ(window.Keys(), (std::vector<LPARAM>{5, 4, 1, 3, 2, 6})) << "ties keep their ranks";
    ExpectFindAgrees(table, 6);
    EXPECT_EQ(table.GetSortColumn(), 0);
    EXPECT_FALSE(table.IsSortAscending());
    // A new row stays at the end until the next sort.
    table.Set(7, {"1"});
    EXPECT_EQ(table.Find(7), 6);
    table.Resort();
    EXPECT_EQ(table.Find(7), 5) << "between 45 and 0, descending";
}

// Sorting again by the same column merges the rows added or changed since into
// those in order: the result is a stable sort of all of them, as before.
TEST(RowTable, ASortAgainAfterChangesIsAStableSortOfEveryRow)
{
    CRowTable table(2, 1, TRUE);
    unsigned nSeed = 7;
    const auto next = [&nSeed](unsigned nBelow) {
        nSeed = nSeed * 1103515245u + 12345u;
        return (nSeed >> 16) % nBelow;
    };
    const auto text = [&] { return std::to_string(next(12)) + (next(3) == 0 ? "x" : ""); };
    const auto look = [&] {
        CRowLook rowLook;
        rowLook.nTieRank = static_cast<int>(next(3));
        return rowLook;
    };
    for (LPARAM key = 1; key <= 300; ++key)
        table.Set(key, {"name", text()}, look());
    for (int nRound = 0; nRound < 40; ++nRound) {
        const BOOL bAscending = nRound % 7 != 3;
        table.Sort(1, bAscending);
        // Rows leave, come and change, as a view change and replies make them.
        for (int i = 0; i < 20; ++i) {
            const LPARAM key = static_cast<LPARAM>(1 + next(400));
            switch (next(3)) {
            case 0: table.Remove(key); break;
            case 1: table.Set(key, {"name", text()}, look()); break;
            default: table.Set(key, {"other", table.Contains(key) ? table.GetText(table.Find(key), 1).str() : text()},
                               table.Contains(key) ? table.GetLook(table.Find(key)) : look());
            }
        }
        std::vector<LPARAM> before;
        for (int i = 0; i < table.GetCount(); ++i)
            before.push_back(table.GetKey(i));
        table.Resort();
        ASSERT_EQ(table.GetCount(), static_cast<int>(before.size()));
        for (int i = 1; i < table.GetCount(); ++i) {
            const int nResult = CompareSortKeys(table.GetText(i - 1, 1), table.GetText(i, 1), bAscending);
            ASSERT_LE(nResult, 0) << "round " << nRound << " row " << i;
            if (nResult == 0) {
                const int nRankA = table.GetLook(i - 1).nTieRank, nRankB = table.GetLook(i).nTieRank;
                ASSERT_LE(nRankA, nRankB) << "round " << nRound << " row " << i;
                if (nRankA == nRankB) {
                    const auto placeOf = [&](LPARAM key) { return std::find(before.begin(), before.end(), key); };
                    ASSERT_LT(placeOf(table.GetKey(i - 1)), placeOf(table.GetKey(i))) << "equal rows keep their order";
                }
            }
        }
        ExpectFindAgrees(table, 400);
    }
}
