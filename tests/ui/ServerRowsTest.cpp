// The server list's rows kept beside what each record showed last: a view change
// brings back each record as it was last shown, touches only the rows that come,
// go or change colour, and the totals count the listed rows alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/core/ListMode.h"
#include "ui/core/ServerRows.h"

namespace {
struct Updates : CRowTable::CListener {
    void RowsChanging() override {}
    void RowsChanged() override {}
    void RowUpdated(int) override { ++count; }
    int count = 0;
};

class ServerRows : public ::testing::Test {
protected:
    // A record that has answered with this ping and these players.
    CGameServer* Answered(const char* pszName, DWORD nPing, int nPlayers)
    {
        m_records.push_back(std::make_unique<CGameServer>(CString(("10.0.0.1:" + std::to_string(m_records.size() + 1)).c_str())));
        Answer(m_records.back().get(), pszName, nPing, nPlayers);
        return m_records.back().get();
    }
    static void Answer(CGameServer* pServer, const char* pszName, DWORD nPing, int nPlayers)
    {
        std::string reply = std::string("\xFF\xFF\xFF\xFFprint\n\\hostname\\") + pszName + "\\maxclients\\16\n";
        for (int i = 0; i < nPlayers; ++i)
            reply += "1 20 \"P" + std::to_string(i) + "\"\n";
        ASSERT_TRUE(pServer->ParseStatusReply(reply.c_str(), nPing));
    }
    void ShowMode(int nMode)
    {
        m_rows.SetListMode(nMode);
        for (auto& pServer : m_records)
            m_rows.Readmit(pServer.get());
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < m_rows.Table().GetCount(); ++i)
            names.push_back(m_rows.Table().GetText(i, SERVER_COLUMN_NAME).str());
        return names;
    }
    void ExpectTotals(int nAnswering, int nPlayers, const char* pszWhen)
    {
        EXPECT_EQ(m_rows.CountAnswering(), nAnswering) << pszWhen;
        EXPECT_EQ(m_rows.CountPlayers(), nPlayers) << pszWhen;
    }

    std::vector<std::unique_ptr<CGameServer>> m_records;
    CServerRows m_rows;
};
} // namespace

TEST_F(ServerRows, AViewChangeShowsEachRecordAsLastShownAndTouchesOnlyTheRowsThatChange)
{
    CGameServer* pBusy = Answered("Busy", 40, 3);
    CGameServer* pFavourite = Answered("Favourite", 120, 1);
    CGameServer* pSilent = Answered("Silent", 750, 0);
    pFavourite->SetFavorite(1);
    for (auto& pServer : m_records)
        m_rows.Show(pServer.get(), pServer->GetStatus());
    ExpectTotals(2, 4, "all");
    Updates updates;
    m_rows.Table().SetListener(&updates);

    ShowMode(LIST_MODE_ACTIVE);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Busy", "Favourite"}));
    ExpectTotals(2, 4, "active");
    ShowMode(LIST_MODE_FAVORITES);
    EXPECT_EQ(Names(), std::vector<std::string>{"Favourite"});
    ExpectTotals(1, 1, "favourites");
    ShowMode(LIST_MODE_ALL);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Favourite", "Busy", "Silent"})) << "rows that come back come at the end";
    ExpectTotals(2, 4, "all again");
    EXPECT_EQ(updates.count, 0) << "rows that stayed as they were were set again";

    // A mark changes one row's colour: that row alone.
    pBusy->SetIgnored(1);
    ShowMode(LIST_MODE_ALL);
    EXPECT_EQ(updates.count, 1);
    EXPECT_EQ(m_rows.Table().GetLook(m_rows.Table().Find(reinterpret_cast<LPARAM>(pBusy))).crText,
              static_cast<DWORD>(COLOR_TEXT_IGNORED));
    ShowMode(LIST_MODE_ACTIVE);
    ExpectTotals(1, 1, "active, Busy ignored");

    // A record that answers while the mode hides it comes back with that answer.
    Answer(pSilent, "Awake", 60, 2);
    m_rows.Show(pSilent, pSilent->GetStatus());
    ExpectTotals(2, 3, "active, Silent awake");
    ShowMode(LIST_MODE_FAVORITES);
    pSilent->SetFavorite(1);
    ShowMode(LIST_MODE_FAVORITES);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Favourite", "Awake"}));
    ExpectTotals(2, 3, "favourites");

    // A record the rows never showed is read when a view first lists it.
    CGameServer* pNew = Answered("New", 30, 5);
    ShowMode(LIST_MODE_ALL);
    EXPECT_EQ(Names().back(), "New");
    ExpectTotals(4, 11, "all with New");
    m_rows.Forget(pNew);
    ExpectTotals(3, 6, "New forgotten");
    EXPECT_EQ(m_rows.Table().Find(reinterpret_cast<LPARAM>(pNew)), -1);
    m_rows.Table().SetListener(nullptr);
}
