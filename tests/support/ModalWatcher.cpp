#include "ModalWatcher.h"

#include <string>

namespace {

// This thread never waits on a window's own thread: the test thread may be blocked
// (in Wait, say) while a window of its own is on screen, and GetWindowText sends
// WM_GETTEXT to windows of this process.
const UINT kAnswerTimeoutMs = 2000;

// The caption as the window stores it, read without any message.
std::string StoredCaption(HWND hWnd)
{
    WCHAR szWide[512] = L"";
    const int nWide = InternalGetWindowText(hWnd, szWide, sizeof(szWide) / sizeof(szWide[0]));
    char szCaption[1024] = "";
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, szWide, nWide, szCaption, sizeof(szCaption), nullptr, nullptr);
    return std::string(szCaption, nBytes > 0 ? static_cast<size_t>(nBytes) : 0);
}

// A message the window's thread answers from its message loop; 0 when it does not
// answer in time.
LRESULT SendWithin(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

CString ControlTextOf(HWND hControl)
{
    const LRESULT nLength = SendWithin(hControl, WM_GETTEXTLENGTH, 0, 0);
    if (nLength <= 0)
        return CString();
    std::string buffer(static_cast<size_t>(nLength) + 1, '\0');
    const LRESULT nRead = SendWithin(hControl, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]));
    return CString(buffer.data(), static_cast<int>(nRead));
}

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
    if (StoredCaption(hWnd) != pSearch->pszCaption)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// Which of the system's icons a static control shows.
UINT SystemIconOf(HWND hStatic)
{
    const HICON hIcon = reinterpret_cast<HICON>(SendWithin(hStatic, STM_GETICON, 0, 0));
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
    // from inside its modal loop (or not at all, once the dialog has ended).
    m_hOwner = GetWindow(search.hFound, GW_OWNER);
    for (HWND hChild = GetWindow(search.hFound, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        m_texts[GetDlgCtrlID(hChild)] = ControlTextOf(hChild);
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
