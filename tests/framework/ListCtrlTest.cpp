// The list view wrapper against the real control: rows, texts of any length, item
// data, sort by callback, images, and custom draw reaching the parent's map.
#include "GuiHarness.h"
#include "TestResources.h"
#include "framework/ListCtrl.h"

#include <gtest/gtest.h>

namespace {

class CListDlg : public CDialog {
public:
    CListDlg() : CDialog(IDD_TEST) {}
    CListCtrl m_list;
    int m_nItemPrepaints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TEST_LIST, m_list); }
    // Row 0 gets a red background.
    afx_msg void OnCustomDraw(NMHDR* pHeader, LRESULT* pResult)
    {
        NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pHeader);
        if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            *pResult = CDRF_NOTIFYITEMDRAW;
        } else if (pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            ++m_nItemPrepaints;
            pDraw->clrTextBk = pDraw->nmcd.dwItemSpec == 0 ? RGB(255, 0, 0) : RGB(255, 255, 255);
            *pResult = CDRF_DODEFAULT;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListDlg, CDialog)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_TEST_LIST, &CListDlg::OnCustomDraw)
END_MESSAGE_MAP()

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_TEST));
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "Ping", LVCFMT_LEFT, 60);
    }
    // Rows named by their item data: "row 30" holds 30.
    void AddRows(std::initializer_list<int> values)
    {
        for (int value : values) {
            CString name;
            name.Format("row %d", value);
            const int nRow = m_list.InsertItem(m_list.GetItemCount(), name);
            m_list.SetItemData(nRow, value);
            m_list.SetItemText(nRow, 1, CString(name + " ping"));
        }
    }
    std::vector<CString> Column0() const
    {
        std::vector<CString> names;
        for (const auto& row : ListRows(m_list.m_hWnd))
            names.push_back(row[0]);
        return names;
    }

    CListDlg m_dialog;
    CListCtrl& m_list = m_dialog.m_list;
};

int CALLBACK CompareData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    // lParamSort: 1 ascending, -1 descending.
    return static_cast<int>((lParam1 - lParam2) * lParamSort);
}

} // namespace

TEST_F(ListCtrlTest, RowsTextsAndItemData)
{
    AddRows({ 30, 10, 20 });
    EXPECT_EQ(m_list.GetItemCount(), 3);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(m_list.m_hWnd)), 2);
    EXPECT_EQ(ListColumnHeading(m_list.m_hWnd, 1), "Ping");
    EXPECT_EQ(ListText(m_list.m_hWnd, 1, 1), "row 10 ping");
    EXPECT_EQ(m_list.GetItemText(2, 0), "row 20");
    EXPECT_EQ(m_list.GetItemData(0), 30u);
    EXPECT_EQ(m_list.GetItemData(7), 0u);

    // Longer than any first guess of a buffer.
    const CString longText(CString(std::string(700, 'x')) + "end");
    m_list.SetItemText(0, 1, longText);
    EXPECT_EQ(m_list.GetItemText(0, 1), longText);

    SelectListRow(m_list.m_hWnd, 1);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(Column0(), (std::vector<CString>{ "row 10", "row 20" }));
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, SortsByCallbackOnItemDataBothWays)
{
    AddRows({ 30, 10, 20, 40 });
    m_list.SortItems(CompareData, 1);
    EXPECT_EQ(Column0(), (std::vector<CString>{ "row 10", "row 20", "row 30", "row 40" }));
    m_list.SortItems(CompareData, static_cast<DWORD_PTR>(-1));
    EXPECT_EQ(Column0(), (std::vector<CString>{ "row 40", "row 30", "row 20", "row 10" }));
    // Sub-item texts and data move with their rows.
    EXPECT_EQ(ListText(m_list.m_hWnd, 0, 1), "row 40 ping");
    EXPECT_EQ(ListItemData(m_list.m_hWnd, 3), 10);
}

TEST_F(ListCtrlTest, ImagesFromBitmapResources)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLORDDB, 4, 4));
    int nExpectedIndex = 0;
    for (UINT id : { IDB_TEST_GREEN, IDB_TEST_RED }) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id));
        EXPECT_EQ(images.Add(&bitmap, RGB(0, 0, 0)), nExpectedIndex++);
    }
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4999));
    EXPECT_EQ(ImageList_GetImageCount(images.GetSafeHandle()), 2);

    EXPECT_EQ(m_list.SetImageList(&images, LVSIL_SMALL), nullptr);
    EXPECT_EQ(m_list.InsertItem(0, "red"), 0);
    EXPECT_TRUE(m_list.SetItem(0, 0, LVIF_IMAGE, nullptr, 1, 0, 0, 0));
    EXPECT_EQ(ListItemImage(m_list.m_hWnd, 0), 1);

    CImageList other;
    other.Create(16, 16, ILC_COLORDDB, 1, 1);
    EXPECT_EQ(m_list.SetImageList(&other, LVSIL_SMALL), &images);
    m_list.SetImageList(nullptr, LVSIL_SMALL);
}

TEST_F(ListCtrlTest, CustomDrawOfTheRealControlReachesTheParentsMap)
{
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(m_list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    AddRows({ 1, 2 });
    m_dialog.ShowWindow(SW_SHOW);
    m_list.Invalidate();
    m_list.UpdateWindow();
    PumpMessagesFor(50);
    EXPECT_GE(m_dialog.m_nItemPrepaints, 2);

    // The handler's colour is what the control painted: the background right of row 0's text.
    CRect rect;
    ASSERT_TRUE(ListView_GetItemRect(m_list.m_hWnd, 0, &rect, LVIR_LABEL));
    const int y = (rect.top + rect.bottom) / 2;
    HDC hDC = GetDC(m_list.m_hWnd);
    EXPECT_EQ(GetPixel(hDC, rect.right - 3, y), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(hDC, rect.right - 3, y + rect.Height()), RGB(255, 0, 0));
    ReleaseDC(m_list.m_hWnd, hDC);
}
