#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/ServerRowIndex.h"

namespace {
// A list's rows as item data values; 0 is a row whose item data is not set yet.
struct Rows : CServerRowIndex::CRows {
    std::vector<LPARAM> data;
    mutable int nReads = 0;
    int GetCount() const override { return static_cast<int>(data.size()); }
    LPARAM GetData(int nRow) const override
    {
        ++nReads;
        return data[static_cast<size_t>(nRow)];
    }
};

struct RowIndex : ::testing::Test {
    Rows rows;
    CServerRowIndex index;

    void Append(LPARAM lData)
    {
        rows.data.push_back(lData);
        index.Inserted(lData, rows.GetCount() - 1, rows);
    }
    void Insert(LPARAM lData, int nRow)
    {
        rows.data.insert(rows.data.begin() + nRow, lData);
        index.Inserted(lData, nRow, rows);
    }
    void Delete(LPARAM lData)
    {
        int nRow = index.Find(lData, rows);
        ASSERT_GE(nRow, 0);
        rows.data.erase(rows.data.begin() + nRow);
        index.Deleted(lData, nRow, rows);
    }
    // Every value from 1 to nLast is where the rows hold it, or absent.
    void ExpectAgreesWithRows(LPARAM nLast)
    {
        for (LPARAM lData = 1; lData <= nLast; ++lData) {
            auto it = std::find(rows.data.begin(), rows.data.end(), lData);
            int nExpected = it == rows.data.end() ? -1 : static_cast<int>(it - rows.data.begin());
            EXPECT_EQ(index.Find(lData, rows), nExpected) << "item data " << lData;
        }
    }
};
} // namespace

TEST_F(RowIndex, FollowsInsertionsAndDeletions)
{
    EXPECT_EQ(index.Find(1, rows), -1);
    for (LPARAM lData = 1; lData <= 6; ++lData)
        Append(lData);
    ExpectAgreesWithRows(8);
    Delete(2); // rows after it move up
    Delete(6); // the last row
    Insert(7, 0);
    Insert(8, 3);
    ExpectAgreesWithRows(8);
    Delete(7);
    Delete(1);
    Delete(3);
    Delete(4);
    Delete(8);
    Delete(5);
    ExpectAgreesWithRows(8);
    Append(3);
    ExpectAgreesWithRows(8);
}

// A sort reorders the rows; a list emptied or changed without telling the index
// is caught by the check against the row's item data.
TEST_F(RowIndex, ReorderedOrReplacedRowsAreReadAgain)
{
    for (LPARAM lData = 1; lData <= 5; ++lData)
        Append(lData);
    ExpectAgreesWithRows(5);
    std::reverse(rows.data.begin(), rows.data.end());
    index.Invalidate();
    ExpectAgreesWithRows(5);

    rows.data = {4, 2};
    EXPECT_EQ(index.Find(2, rows), 1);
    ExpectAgreesWithRows(5);
    rows.data.clear();
    ExpectAgreesWithRows(5);
}

// A row added at the end, and a record without a row, cost no walk of the list.
TEST_F(RowIndex, LookupsDoNotWalkTheRows)
{
    for (LPARAM lData = 1; lData <= 1000; ++lData)
        Append(lData);
    EXPECT_EQ(index.Find(500, rows), 499); // the first lookup reads the rows once
    rows.nReads = 0;
    Append(1001);
    for (LPARAM lData = 1; lData <= 1001; ++lData)
        ASSERT_EQ(index.Find(lData, rows), static_cast<int>(lData) - 1);
    EXPECT_EQ(index.Find(5000, rows), -1);
    EXPECT_LE(rows.nReads, 1001 + 1);
}
