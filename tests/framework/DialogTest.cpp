// Dialogs: data exchange both ways, the ways in and out of OK and Cancel, the main
// window's handle for posted notices, and GetDlgItem's objects.
#include "GuiHarness.h"
#include "TestResources.h"
#include "framework/Controls.h"
#include "framework/MainWindow.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const UINT WM_TEST_DONE = WM_APP + 7;

class CTextDlg : public CDialog {
public:
    CTextDlg() : CDialog(IDD_TEST) {}
    CString m_strText = "initial";
    CButton m_button;
    int m_nOK = 0;
    int m_nCancel = 0;
    std::vector<LPARAM> m_notices;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
        DDX_Text(pDX, IDC_TEST_EDIT, m_strText);
    }
    void OnOK() override
    {
        ++m_nOK;
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++m_nCancel;
        CDialog::OnCancel();
    }
    afx_msg LRESULT OnDone(WPARAM, LPARAM lParam)
    {
        m_notices.push_back(lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTextDlg, CDialog)
    ON_MESSAGE(WM_TEST_DONE, &CTextDlg::OnDone)
END_MESSAGE_MAP()

HWND Edit(CDialog& dlg) { return GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT); }

} // namespace

TEST(Dialog, ExchangesTextBothWaysAndOkKeepsWhatWasTyped)
{
    CTextDlg dialog;
    INT_PTR result = RunModal(dialog, [&](CDialog& dlg) {
        EXPECT_EQ(TextOf(Edit(dlg)), "initial");
        SetWindowTextA(Edit(dlg), "typed");
        EXPECT_EQ(dialog.m_strText, "initial");
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dialog.m_strText, "typed");
        dialog.m_strText = "pushed";
        dlg.UpdateData(FALSE);
        EXPECT_EQ(TextOf(Edit(dlg)), "pushed");
        SetWindowTextA(Edit(dlg), "typed before OK");
        ClickButton(dlg.m_hWnd, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strText, "typed before OK");
    EXPECT_EQ(dialog.m_nOK, 1);
    EXPECT_EQ(dialog.m_button.m_hWnd, nullptr);
}

struct WayOut {
    const char* name;
    void (*act)(HWND hDialog);
    INT_PTR result;
};

class DialogWayOut : public ::testing::TestWithParam<WayOut> {};

TEST_P(DialogWayOut, ReachesOnOkOrOnCancelOnce)
{
    CTextDlg dialog;
    INT_PTR result = -1;
    // The action is posted and left to the dialog's own loop, as a user's key would be.
    RunInsideModalLoop([&] { result = dialog.DoModal(); },
                       [&] {
                           SetWindowTextA(Edit(dialog), "typed");
                           SetFocus(Edit(dialog));
                           GetParam().act(dialog.m_hWnd);
                       });
    EXPECT_EQ(result, GetParam().result);
    const bool bOK = GetParam().result == IDOK;
    EXPECT_EQ(dialog.m_nOK, bOK ? 1 : 0);
    EXPECT_EQ(dialog.m_nCancel, bOK ? 0 : 1);
    EXPECT_EQ(dialog.m_strText, bOK ? "typed" : "initial");
}

// A key pressed in the focused control; the modal loop turns it into a command.
void PressKey(WPARAM key) { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); }

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogWayOut,
    ::testing::Values(WayOut{ "Enter", [](HWND) { PressKey(VK_RETURN); }, IDOK },
                      WayOut{ "Escape", [](HWND) { PressKey(VK_ESCAPE); }, IDCANCEL },
                      WayOut{ "CloseBox", [](HWND h) { PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL },
                      WayOut{ "Close", [](HWND h) { PostMessageA(h, WM_CLOSE, 0, 0); }, IDCANCEL }),
    [](const ::testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

// Takes F2 before the dialog manager and the controls do.
class CKeyDlg : public CDialog {
public:
    explicit CKeyDlg(CWnd* pOwner) : CDialog(IDD_TEST, pOwner) {}
    std::vector<HWND> m_taken;

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F2)
            return FALSE;
        m_taken.push_back(pMsg->hwnd);
        return TRUE;
    }
};

TEST(Dialog, ModalLoopShowsItsOwnMessagesFirstAndKeepsTheOwnerDisabled)
{
    CTextDlg owner;
    ASSERT_TRUE(owner.Create(IDD_TEST));
    CKeyDlg dialog(&owner);
    bool bOwnerEnabledDuring = true;
    std::vector<HWND> ownWindows;
    INT_PTR result = -1;
    RunInsideModalLoop([&] { result = dialog.DoModal(); }, [&] {
        bOwnerEnabledDuring = IsWindowEnabled(owner.m_hWnd) != FALSE;
        ownWindows = { Edit(dialog), dialog.m_hWnd };
        // Queued as keys are, and left to the dialog's own loop.
        PostMessageA(Edit(dialog), WM_KEYDOWN, VK_F2, 0);
        PostMessageA(Edit(owner), WM_KEYDOWN, VK_F2, 0);
        PostMessageA(dialog.m_hWnd, WM_KEYDOWN, VK_F2, 0);
        PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(bOwnerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dialog.m_taken, ownWindows) << "a message for another window was offered, or one of its own not";
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Dialog, ModelessDialogBesideAModalOneGetsItsKeys)
{
    CTextDlg beside;
    ASSERT_TRUE(beside.Create(IDD_TEST));
    CTextDlg dialog;
    RunInsideModalLoop([&] { dialog.DoModal(); }, [&] {
        PostMessageA(GetDlgItem(beside.m_hWnd, IDC_TEST_BUTTON), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(beside.m_nCancel, 1) << "Escape in the modeless dialog was lost";
    EXPECT_EQ(dialog.m_nCancel, 1);
}

TEST(Dialog, MainWindowReceivesWorkerNoticesWhileItRuns)
{
    CTextDlg dialog;
    AfxGetApp()->m_pMainWnd = &dialog;
    HWND hDuring = nullptr;
    RunModal(dialog, [&](CDialog& dlg) {
        hDuring = AfxGetMainWndHandle();
        std::thread worker([] {
            for (LPARAM n = 1; n <= 3; ++n)
                AfxPostToMainWnd(WM_TEST_DONE, 0, n);
        });
        worker.join();
        PumpUntil([&] { return dialog.m_notices.size() == 3; }, 2000);
        SendCommand(dlg.m_hWnd, IDCANCEL);
    });
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_NE(hDuring, nullptr);
    EXPECT_EQ(dialog.m_notices, (std::vector<LPARAM>{ 1, 2, 3 }));
    // Once the dialog has ended nothing would take a notice: posting says so.
    EXPECT_EQ(AfxGetMainWndHandle(), nullptr);
    EXPECT_FALSE(AfxPostToMainWnd(WM_TEST_DONE, 0, 4));
}

TEST(Dialog, GetDlgItemGivesTheBoundObjectOrOneThatLastsWithTheDialog)
{
    CTextDlg dialog;
    RunModal(dialog, [&](CDialog& dlg) {
        CWnd* pEdit = dlg.GetDlgItem(IDC_TEST_EDIT);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_EQ(pEdit->m_hWnd, Edit(dlg));
        EXPECT_EQ(dlg.GetDlgItem(IDC_TEST_EDIT), pEdit);
        EXPECT_EQ(dlg.GetDlgItem(IDC_TEST_BUTTON), &dialog.m_button);
        EXPECT_EQ(dlg.GetDlgItem(4321), nullptr);
        pEdit->SetWindowText("through the object");
        EXPECT_EQ(TextOf(Edit(dlg)), "through the object");
    });
}

TEST(Dialog, ModelessDialogLivesUntilItsObjectGoes)
{
    HWND hDialog = nullptr;
    {
        CTextDlg dialog;
        ASSERT_TRUE(dialog.Create(IDD_TEST));
        hDialog = dialog.m_hWnd;
        EXPECT_TRUE(IsWindow(hDialog));
        EXPECT_EQ(TextOf(Edit(dialog)), "initial");
    }
    EXPECT_FALSE(IsWindow(hDialog));
}
