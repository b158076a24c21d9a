// Names as the game shows them, in the real main dialog: readable rows and player
// names, sorted as shown, filtered in the alternate letters, stored as sent.
#include "MonitorWindowTest.h"

namespace {
const char kStoredName[] = "\xcb\xe5\xec\xf6\xe1\xee\xe5 CTF \x10" "EU\x11";

int RowOfName(CMonitorDlg& dlg, const std::string& strName)
{
    std::vector<std::string> names = ColumnTexts(dlg.m_listServers, 0);
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == strName)
            return static_cast<int>(i);
    return -1;
}
} // namespace

class GameTextWindow : public MonitorWindow {
protected:
    GameTextWindow()
    {
        ListTestWord();
        ServeMasterList(Lines({28300, 28301, 28370}));
    }
};

TEST_F(GameTextWindow, RowsReadAsTheGameShowsThemAndTheFileKeepsTheServersBytes)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        int nRow = RowOfName(dlg, "Kelvane CTF [EU]");
        ASSERT_GE(nRow, 0);
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nRow, 1), "q2dm1");
        ClickRow(dlg.m_listServers, nRow, NM_RCLICK); // a favourite: written at shut-down
        dlg.UpdateServerItem(reinterpret_cast<CGameServer*>(dlg.m_listServers.GetItemData(nRow)));
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Player", "****er"}));

        // The sort compares what the rows show: between "Alpha" and "zeta", not after them.
        ClickColumn(dlg.m_listServers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 0),
                  (std::vector<std::string>{"Alpha Base", "Kelvane CTF [EU]", "zeta lower"}));
    });
    std::string strFile = ReadText("serverlist.txt");
    EXPECT_NE(strFile.find(std::string("127.0.0.1:28370\n") + kStoredName + "\n\n1\n0\n"), std::string::npos);
}
