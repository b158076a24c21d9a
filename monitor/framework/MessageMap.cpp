#include "MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, nullptr, 0 } };
    static const AFX_MSGMAP map = { nullptr, entries };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT message, UINT nCode, UINT nID)
{
    const bool bNotice = message == WM_COMMAND || message == WM_NOTIFY;
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nMessage; ++p) {
            const bool bId = p->nLastID ? p->nID <= nID && nID <= p->nLastID : p->nID == nID;
            if (p->nMessage == message && (!bNotice || (p->nCode == nCode && bId)))
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nCode = 0;
    UINT nID = 0;
    if (message == WM_COMMAND) {
        // Menus and accelerators (no control) count as plain commands.
        nCode = lParam ? HIWORD(wParam) : CN_COMMAND;
        nID = LOWORD(wParam);
    } else if (message == WM_NOTIFY) {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        if (!pHeader)
            return FALSE;
        nCode = pHeader->code;
        nID = static_cast<UINT>(pHeader->idFrom);
    }
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, nCode, nID);
    if (!pEntry)
        return FALSE;
    LRESULT result = pEntry->pfn(this, wParam, lParam);
    if (pResult)
        *pResult = result;
    return TRUE;
}
