// Message maps on real windows: commands, notices and messages reach their handlers,
// derived maps fall back to their base's, and a subclassed control gets its own.
#include "GuiHarness.h"
#include "TestResources.h"
#include "framework/Controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const UINT WM_TEST_NOTICE = WM_APP + 1;

class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(IDD_TEST) {}
    std::vector<std::string> m_calls;

protected:
    afx_msg void OnButton() { m_calls.push_back("button"); }
    afx_msg void OnStaticClicked() { m_calls.push_back("static"); }
    afx_msg void OnListClick(NMHDR* pHeader, LRESULT* pResult)
    {
        m_calls.push_back("click " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(pHeader)->iItem));
        *pResult = 7;
    }
    afx_msg LRESULT OnNotice(WPARAM wParam, LPARAM lParam)
    {
        m_calls.push_back("notice " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 42;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_BN_CLICKED(IDC_TEST_BUTTON, &CProbeDlg::OnButton)
    ON_STN_CLICKED(IDC_TEST_STATIC, &CProbeDlg::OnStaticClicked)
    ON_NOTIFY(NM_CLICK, IDC_TEST_LIST, &CProbeDlg::OnListClick)
    ON_MESSAGE(WM_TEST_NOTICE, &CProbeDlg::OnNotice)
END_MESSAGE_MAP()

class CDerivedDlg : public CProbeDlg {
protected:
    afx_msg void OnOther() { m_calls.push_back("other"); }
    afx_msg LRESULT OnDerivedNotice(WPARAM, LPARAM) { return 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CProbeDlg)
    ON_BN_CLICKED(IDC_TEST_OTHER_BUTTON, &CDerivedDlg::OnOther)
    ON_MESSAGE(WM_TEST_NOTICE, &CDerivedDlg::OnDerivedNotice)
END_MESSAGE_MAP()

// Clicks a control with the mouse messages the system would send it.
void MouseClick(HWND hControl)
{
    SendMessageA(hControl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(hControl, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

} // namespace

TEST(MessageMap, RoutesCommandsNoticesAndMessagesToTheirHandlers)
{
    CProbeDlg dialog;
    RunModal(dialog, [](CDialog& dlg) {
        HWND hDlg = dlg.m_hWnd;
        HWND hList = GetDlgItem(hDlg, IDC_TEST_LIST);
        ClickButton(hDlg, IDC_TEST_BUTTON);
        MouseClick(GetDlgItem(hDlg, IDC_TEST_STATIC));
        EXPECT_EQ(SendListNotify(hList, NM_CLICK, 3), 7);
        // Another code from the same control, or the same code from another id, has no entry.
        EXPECT_EQ(SendListNotify(hList, NM_DBLCLK, 1), 0);
        EXPECT_EQ(SendCommand(hDlg, IDC_TEST_STATIC, BN_DOUBLECLICKED), 0);
        EXPECT_EQ(dlg.SendMessage(WM_TEST_NOTICE, 1, 2), 42);
        PostMessageA(hDlg, WM_TEST_NOTICE, 5, -6);
        PumpMessagesFor(50);
        // What no map handles keeps the dialog manager's behaviour.
        dlg.SetWindowText("renamed");
        EXPECT_EQ(TextOf(hDlg), "renamed");
    });
    EXPECT_EQ(dialog.m_calls, (std::vector<std::string>{ "button", "static", "click 3", "notice 1 2", "notice 5 -6" }));
}

TEST(MessageMap, DerivedMapComesFirstAndFallsBackToItsBase)
{
    CDerivedDlg dialog;
    RunModal(dialog, [](CDialog& dlg) {
        ClickButton(dlg.m_hWnd, IDC_TEST_OTHER_BUTTON);
        ClickButton(dlg.m_hWnd, IDC_TEST_BUTTON);
        EXPECT_EQ(dlg.SendMessage(WM_TEST_NOTICE, 3, 4), 2);
    });
    EXPECT_EQ(dialog.m_calls, (std::vector<std::string>{ "other", "button" }));
}

namespace {

// A static control that paints itself and counts its timer ticks, as the news line does.
class CCountingStatic : public CStatic {
public:
    int m_nPaints = 0;
    std::vector<UINT_PTR> m_timerIds;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, RGB(0, 0, 255));
        ++m_nPaints;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        CStatic::OnTimer(nIDEvent);
        m_timerIds.push_back(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CBoundStaticDlg : public CDialog {
public:
    CBoundStaticDlg() : CDialog(IDD_TEST) {}
    CCountingStatic m_static;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TEST_STATIC, m_static); }
};

} // namespace

TEST(MessageMap, SubclassedControlGetsItsOwnPaintAndTimerAndKeepsItsDefaults)
{
    CBoundStaticDlg dialog;
    HWND hStatic = nullptr;
    RunModal(dialog, [&](CDialog& dlg) {
        CCountingStatic& control = dialog.m_static;
        hStatic = control.m_hWnd;
        ASSERT_EQ(hStatic, GetDlgItem(dlg.m_hWnd, IDC_TEST_STATIC));
        EXPECT_EQ(dlg.GetDlgItem(IDC_TEST_STATIC), &control);

        control.SetTimer(1, 10, nullptr);
        control.SetTimer(9, 10, nullptr);
        PumpUntil([&] { return control.m_timerIds.size() >= 6; }, 3000);
        control.KillTimer(1);
        control.KillTimer(9);
        EXPECT_GE(control.m_timerIds.size(), 6u);
        EXPECT_NE(std::find(control.m_timerIds.begin(), control.m_timerIds.end(), 9u), control.m_timerIds.end());

        const int nPaintsBefore = control.m_nPaints;
        control.Invalidate();
        control.UpdateWindow();
        EXPECT_EQ(control.m_nPaints, nPaintsBefore + 1);
        HDC hDC = GetDC(hStatic);
        EXPECT_EQ(GetPixel(hDC, 3, 3), RGB(0, 0, 255));
        ReleaseDC(hStatic, hDC);

        // Messages the map leaves go to the static control's own procedure.
        control.SetWindowText("still a static");
        EXPECT_EQ(TextOf(hStatic), "still a static");
    });
    // The window is gone: the object has let go of it.
    EXPECT_EQ(dialog.m_static.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hStatic), nullptr);
}

namespace {

const UINT IDM_TEST_ABOUT = 0x0010;

// The main dialog's pattern: one system menu item of its own, the rest to the default.
class CSysMenuDlg : public CDialog {
public:
    CSysMenuDlg() : CDialog(IDD_TEST) {}
    std::vector<UINT> m_ownCommands;
    HICON m_hIcon = LoadIconA(nullptr, IDI_APPLICATION);

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CMenu* pMenu = GetSystemMenu(FALSE);
        if (pMenu) {
            pMenu->AppendMenu(MF_SEPARATOR);
            pMenu->AppendMenu(MF_STRING, IDM_TEST_ABOUT, "About...");
        }
        return TRUE;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == IDM_TEST_ABOUT)
            m_ownCommands.push_back(nID);
        else
            CDialog::OnSysCommand(nID, lParam);
    }
    afx_msg HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSysMenuDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

} // namespace

TEST(MessageMap, SystemMenuItemOfItsOwnAndDefaultsForTheRest)
{
    CSysMenuDlg dialog;
    INT_PTR result = -1;
    RunInsideModalLoop([&] { result = dialog.DoModal(); }, [&] {
        char szItem[32] = "";
        GetMenuStringA(dialog.GetSystemMenu(FALSE)->m_hMenu, IDM_TEST_ABOUT, szItem, sizeof(szItem), MF_BYCOMMAND);
        EXPECT_STREQ(szItem, "About...");
        EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dialog.m_hIcon));
        dialog.SendMessage(WM_SYSCOMMAND, IDM_TEST_ABOUT);
        // Close goes on through the default handling to the Cancel command.
        dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_ownCommands, std::vector<UINT>{ IDM_TEST_ABOUT });
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}
