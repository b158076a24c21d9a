// The application object's names and profile, the program's message box, and the
// open-file dialog, against the real system calls.
#include "GuiHarness.h"
#include "TestPaths.h"
#include "TestResources.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <cstdio>

// The one application object of this test program, named after it.
CWinApp g_testApp;

namespace {

CString CurrentDirectory()
{
    char szPath[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(szPath), szPath);
    return CString(szPath);
}

} // namespace

TEST(WinApp, NamesComeFromTheExecutable)
{
    EXPECT_EQ(AfxGetApp(), &g_testApp);
    EXPECT_STREQ(AfxGetAppName(), "framework_window_tests");
    EXPECT_STREQ(g_testApp.m_pszProfileName, "framework_window_tests.INI");
}

TEST(WinApp, ProfileRoundTripInTheIniFile)
{
    ScratchDir dir("profile");
    const CString path = CurrentDirectory() + "\\settings.ini";
    LPCSTR pszDefault = g_testApp.m_pszProfileName;
    g_testApp.m_pszProfileName = path;

    EXPECT_EQ(g_testApp.GetProfileString("General", "NumQueryThreads", "5"), "5");
    EXPECT_EQ(g_testApp.GetProfileString("General", "Quake2Location"), "");

    EXPECT_TRUE(g_testApp.WriteProfileString("General", "NumQueryThreads", "3"));
    EXPECT_TRUE(g_testApp.WriteProfileString("General", "Quake2Location", "C:\\Games\\Quake 2\\quake2.exe"));
    const CString longValue(CString(std::string(1500, 'v')) + "end");
    EXPECT_TRUE(g_testApp.WriteProfileString("Other", "Long", longValue));

    EXPECT_EQ(g_testApp.GetProfileString("General", "NumQueryThreads", "5"), "3");
    EXPECT_EQ(g_testApp.GetProfileString("General", "Quake2Location"), "C:\\Games\\Quake 2\\quake2.exe");
    EXPECT_EQ(g_testApp.GetProfileString("Other", "Long"), longValue);
    const std::string file = ReadFile(dir.File("settings.ini"));
    EXPECT_NE(file.find("[General]"), std::string::npos);
    EXPECT_NE(file.find("NumQueryThreads=3"), std::string::npos);

    g_testApp.m_pszProfileName = pszDefault;
}

TEST(WinApp, DefaultProfileLiesInTheWindowsDirectory)
{
    char szWindows[MAX_PATH] = "";
    GetWindowsDirectoryA(szWindows, sizeof(szWindows));
    const CString path = CString(szWindows) + "\\framework_window_tests.INI";
    DeleteFileA(path);
    EXPECT_TRUE(g_testApp.WriteProfileString("General", "Probe", "1"));
    EXPECT_NE(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(g_testApp.GetProfileString("General", "Probe"), "1");
    DeleteFileA(path);
}

TEST(AfxMessageBoxTest, CaptionIsTheAppNameAndTheIconFollowsTheButtons)
{
    struct Case {
        UINT nType;
        int nButton;
        UINT nIcon;
    } cases[] = { { MB_OK, IDOK, MB_ICONEXCLAMATION },
                  { MB_YESNO, IDNO, MB_ICONQUESTION },
                  { MB_OK | MB_ICONHAND, IDOK, MB_ICONHAND } };
    for (const Case& c : cases) {
        ModalWatcher box("framework_window_tests", c.nButton);
        EXPECT_EQ(AfxMessageBox("Please select a server", c.nType), c.nButton);
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.MessageText(), "Please select a server");
        EXPECT_EQ(box.Icon(), c.nIcon) << "type " << c.nType;
        EXPECT_EQ(box.Owner(), nullptr);
    }
}

TEST(AfxMessageBoxTest, StringResourceTextAndTheMainWindowAsOwner)
{
    CDialog mainWindow(IDD_TEST);
    ASSERT_TRUE(mainWindow.Create(IDD_TEST));
    g_testApp.m_pMainWnd = &mainWindow;
    ModalWatcher box("framework_window_tests");
    AfxMessageBox(IDS_TEST_PROMPT);
    g_testApp.m_pMainWnd = nullptr;
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.MessageText(), "Prompt from the string table.");
    EXPECT_EQ(box.Owner(), mainWindow.m_hWnd);
}

TEST(FileDialog, ChoosingAFileGivesItsFullPathAndCancelGivesNothing)
{
    ScratchDir dir("filedialog");
    WriteFile(dir.File("quake2.exe"), "MZ");
    const CString path = CurrentDirectory() + "\\quake2.exe";

    CFileDialog chooser(TRUE, nullptr, "*.exe", OFN_HIDEREADONLY, "Quake File (*.exe)|*.exe||");
    EXPECT_EQ(std::string(chooser.m_ofn.lpstrFilter, 26), std::string("Quake File (*.exe)\0*.exe\0\0", 26));
    {
        // The file name box is combo box 0x47C in the explorer-style dialog.
        ModalWatcher dialog("Open", IDOK, 10000, [&](HWND hDialog) { SetDlgItemTextA(hDialog, 0x47C, path); });
        EXPECT_EQ(chooser.DoModal(), IDOK);
        ASSERT_TRUE(dialog.Wait());
    }
    EXPECT_EQ(chooser.GetPathName().MakeLower(), CString(path).MakeLower());

    CFileDialog cancelled(TRUE, nullptr, "*.exe", OFN_HIDEREADONLY, "Quake File (*.exe)|*.exe||");
    ModalWatcher dialog("Open", IDCANCEL);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.Wait());
}

TEST(ModalWatcherTest, GivesUpInTimeWhileThisThreadWaitsWithADialogOnScreen)
{
    // The watcher must not ask this thread for the dialog's caption: the thread
    // answers nothing while it waits.
    CDialog shown(IDD_TEST);
    ASSERT_TRUE(shown.Create(IDD_TEST));
    shown.ShowWindow(SW_SHOW);
    const DWORD start = GetTickCount();
    ModalWatcher never("No such dialog", IDOK, 300);
    EXPECT_FALSE(never.Wait());
    EXPECT_LT(GetTickCount() - start, 5000u);
    shown.DestroyWindow();
}
