// Watching for games in the real main window: the notification-area icon, the
// poll of its own and its notice, and the Buddies window on Ctrl+B.
#include "MonitorWindowTest.h"

#include <shellapi.h>

#include "TestApp.h"

TEST_F(MonitorWindow, WatchingShowsTheIconPollsByItselfAndCtrlBListsTheBuddies)
{
    Setting("WatchForGames", "1");
    Setting("WatchMinutes", "1");
    WriteFile(m_dir.File("buddies.txt"), "alice\n");
    ServeMasterList(Lines({28396}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        const HWND hMain = dlg.GetSafeHwnd();
        EXPECT_TRUE(GetMenuState(GetSystemMenu(hMain, FALSE), IDM_WATCHFORGAMES, MF_BYCOMMAND) & MF_CHECKED);
        // The shell changes only an icon it holds.
        NOTIFYICONDATAA icon = {};
        icon.cbSize = sizeof icon;
        icon.hWnd = FindWindowA("KelvaneMonitorTray", nullptr);
        icon.uID = 1;
        icon.uFlags = NIF_TIP;
        lstrcpynA(icon.szTip, "Kelvane Monitor - 1 players online", sizeof icon.szTip);
        ASSERT_NE(icon.hWnd, nullptr);
        EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "no icon in the notification area";

        // The watch's timer: a poll as F5 starts one; Alice has come, and the notice names her server.
        EXPECT_TRUE(dlg.Core().NoticedServer().IsEmpty());
        SendMessageA(hMain, WM_TIMER, CMonitorCore::WATCH_TIMER, 0);
        EXPECT_TRUE(dlg.Core().IsPolling());
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 10000));
        EXPECT_EQ(dlg.Core().NoticedServer(), "127.0.0.1:28396");
        EXPECT_TRUE(dlg.Core().ServerRows().GetLook(0).bBold);
        // Its row is bold, and its column measured as drawn: the name is whole.
        PumpMessagesFor(400);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(dlg.m_listServers.SendMessage(WM_GETFONT)), sizeof font, &font);
        font.lfWeight = FW_BOLD;
        HFONT hBold = CreateFontIndirectA(&font);
        HDC hDC = GetDC(dlg.m_listServers.GetSafeHwnd());
        HGDIOBJ hOld = SelectObject(hDC, hBold);
        const char* pszName = "Buddy Base of the Wednesday Evenings";
        SIZE size = {};
        GetTextExtentPoint32A(hDC, pszName, lstrlenA(pszName), &size);
        SelectObject(hDC, hOld);
        ReleaseDC(dlg.m_listServers.GetSafeHwnd(), hDC);
        DeleteObject(hBold);
        EXPECT_GE(dlg.m_listServers.GetColumnWidth(0), size.cx + 16);

        // Minimised while watching, the window hides; the notice's click brings it back.
        SendMessageA(hMain, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_FALSE(IsWindowVisible(hMain));
        SendCommand(hMain, ID_SHOW_NOTICED, 0);
        EXPECT_TRUE(IsWindowVisible(hMain));
        EXPECT_EQ(dlg.m_listServers.GetNextItem(-1, LVNI_SELECTED), 0);

        EXPECT_TRUE(RunInsideModalLoop([&] { SendCommand(hMain, ID_BUDDIES, 0); }, [] {
            HWND hBuddies = ThreadWindowTitled("Buddies");
            ASSERT_NE(hBuddies, nullptr);
            HWND hList = GetDlgItem(hBuddies, IDC_BUDDY_LIST);
            ASSERT_EQ(SendMessageA(hList, LB_GETCOUNT, 0, 0), 1);
            char szName[64] = {};
            SendMessageA(hList, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(szName));
            EXPECT_STREQ(szName, "alice");
            PostMessageA(hBuddies, WM_COMMAND, IDCANCEL, 0);
        }));
    });
}
