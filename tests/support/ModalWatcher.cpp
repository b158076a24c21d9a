#include "ModalWatcher.h"

#include "framework/Wnd.h"

namespace {

struct Search {
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam)
{
    Search* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (processId != GetCurrentProcessId() || lstrcmpA(szClass, "#32770") != 0 || !IsWindowVisible(hWnd))
        return TRUE;
    char szCaption[512] = "";
    GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    if (lstrcmpA(szCaption, pSearch->pszCaption) != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// Which of the system's icons a static control shows.
UINT SystemIconOf(HWND hStatic)
{
    const HICON hIcon = reinterpret_cast<HICON>(SendMessageA(hStatic, STM_GETICON, 0, 0));
    const struct {
        LPCSTR id;
        UINT type;
    } icons[] = { { IDI_EXCLAMATION, MB_ICONEXCLAMATION }, { IDI_HAND, MB_ICONHAND },
                  { IDI_QUESTION, MB_ICONQUESTION }, { IDI_ASTERISK, MB_ICONASTERISK } };
    for (const auto& icon : icons) {
        if (hIcon && hIcon == LoadIconA(nullptr, icon.id))
            return icon.type;
    }
    return 0;
}

} // namespace

ModalWatcher::ModalWatcher(std::string caption, int nButton, int timeoutMs, std::function<void(HWND)> onFound)
    : m_caption(std::move(caption)), m_nButton(nButton), m_timeoutMs(timeoutMs), m_onFound(std::move(onFound)),
      m_thread([this] { Watch(); })
{
}

ModalWatcher::~ModalWatcher()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool ModalWatcher::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_bFound;
}

CString ModalWatcher::ControlText(int nID) const
{
    auto it = m_texts.find(nID);
    return it == m_texts.end() ? CString() : it->second;
}

void ModalWatcher::Watch()
{
    const DWORD start = GetTickCount();
    Search search = { m_caption.c_str(), nullptr };
    while (!search.hFound && GetTickCount() - start < static_cast<DWORD>(m_timeoutMs)) {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.hFound)
            Sleep(20);
    }
    if (!search.hFound)
        return;
    // The controls are read through messages that the dialog's own thread answers
    // from inside its modal loop.
    m_hOwner = GetWindow(search.hFound, GW_OWNER);
    for (HWND hChild = GetWindow(search.hFound, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        m_texts[GetDlgCtrlID(hChild)] = AfxGetWindowText(hChild);
        char szClass[16] = "";
        GetClassNameA(hChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") == 0 && (GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && !m_nIcon)
            m_nIcon = SystemIconOf(hChild);
    }
    if (m_onFound)
        m_onFound(search.hFound);
    PostMessageA(search.hFound, WM_COMMAND, MAKEWPARAM(m_nButton, BN_CLICKED), 0);
    m_bFound = true;
}
