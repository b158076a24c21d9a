#include "Wnd.h"

#include "DataExchange.h"
#include "MainWindow.h"

#include <string>
#include <unordered_map>

namespace {

// The objects that receive windows' messages; GUI thread only.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The message being dispatched, for Default(); saved and restored around nesting.
thread_local MSG t_currentMessage;

} // namespace

CString AfxGetWindowText(HWND hWnd)
{
    const int nLength = ::GetWindowTextLengthA(hWnd);
    if (nLength <= 0)
        return CString();
    std::string buffer(static_cast<size_t>(nLength) + 1, '\0');
    const int nRead = ::GetWindowTextA(hWnd, &buffer[0], nLength + 1);
    return CString(buffer.data(), nRead);
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd && m_bCreatedHere && ::IsWindow(m_hWnd))
        DestroyWindow();
    else if (m_pfnSuper)
        UnsubclassWindow();
    m_temporaries.clear();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    PermanentMap()[hWnd] = this;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hControl = pParent ? ::GetDlgItem(pParent->m_hWnd, nID) : nullptr;
    return hControl ? SubclassWindow(hControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && ::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    HWND hWnd = m_hWnd;
    ForgetWindow();
    return hWnd;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    BOOL bDestroyed = ::DestroyWindow(hWnd);
    // A window without our procedure gets no WM_NCDESTROY here to forget it.
    if (bDestroyed && m_hWnd == hWnd)
        ForgetWindow();
    return bDestroyed;
}

void CWnd::ForgetWindow()
{
    if (m_hWnd) {
        PermanentMap().erase(m_hWnd);
        if (AfxGetMainWndHandle() == m_hWnd)
            AfxSetMainWndHandle(nullptr);
    }
    for (auto& entry : m_temporaries)
        entry.second->Detach();
    m_temporaries.clear();
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_bCreatedHere = false;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    HWND hControl = ::GetDlgItem(m_hWnd, nID);
    if (!hControl)
        return nullptr;
    if (CWnd* pBound = FromHandlePermanent(hControl))
        return pBound;
    return TemporaryFor<CWnd>(hControl);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    m_systemMenu.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_systemMenu.m_hMenu ? &m_systemMenu : nullptr;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    if (message == WM_NOTIFY && lParam) {
        const auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
        if (pChild && pChild != this && pChild->OnChildNotify(reinterpret_cast<NMHDR*>(lParam), &result))
            return result;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_currentMessage.message, t_currentMessage.wParam, t_currentMessage.lParam);
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const MSG saved = t_currentMessage;
    t_currentMessage = MSG{ hWnd, message, wParam, lParam, 0, { 0, 0 } };
    LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    t_currentMessage = saved;
    if (message == WM_NCDESTROY) {
        pWnd->ForgetWindow();
        pWnd->PostNcDestroy();
    }
    return result;
}
