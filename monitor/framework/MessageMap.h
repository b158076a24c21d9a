// Message maps: static tables that bind window messages and control notifications
// to handler members. A class declares its table with DECLARE_MESSAGE_MAP() and fills
// it between BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(). Lookup walks
// the class's table first, then its base's, and so on; the first match wins.
//
// Handlers are named as pointers to members, as standard C++ requires:
//     ON_BN_CLICKED(IDC_REFRESH, &CMonitorDlg::OnRefreshServerList)
#pragma once

#include "Types.h"

#include <commctrl.h>

#define afx_msg

class CCmdTarget;

// Calls one handler with the message's parameters unpacked; returns the window
// procedure's result.
typedef LRESULT (*AFX_PMSGTHUNK)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // 0 ends the table
    UINT nCode;     // WM_COMMAND / WM_NOTIFY: the notification code
    UINT nID;       // WM_COMMAND / WM_NOTIFY: the control or command id
    AFX_PMSGTHUNK pfn;
    UINT nLastID = 0; // a range of ids, nID to nLastID; 0 for nID alone
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// WM_COMMAND from a menu or an accelerator carries this code, like a button click.
#define CN_COMMAND 0

// The root of every class with a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the first handler that the map chain has for the message; FALSE when none.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The entry that handles a message, searching pMap and then its bases; null when none.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT message, UINT nCode, UINT nID);

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const AFX_MSGMAP* GetThisMessageMap();    \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        typedef theClass ThisClass;                                                   \
        typedef baseClass TheBaseClass;                                               \
        static_assert(sizeof(ThisClass) >= sizeof(TheBaseClass), "derives from base"); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                               \
            { 0, 0, 0, nullptr, 0 }                                                     \
        };                                                                              \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap;                                                             \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

// --- commands and control notifications (WM_COMMAND) ----------------------------
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                       \
    { WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id),                                   \
      [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { (AFX_THIS(t)->*(memberFxn))(); return 0; } },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
// Menu and key commands idFirst to idLast: void memberFxn(UINT nID).
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                                 \
    { WM_COMMAND, CN_COMMAND, (UINT)(idFirst),                                       \
      [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {                               \
          (AFX_THIS(t)->*(memberFxn))(static_cast<UINT>(LOWORD(w))); return 0; },    \
      (UINT)(idLast) },
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// --- common control notifications (WM_NOTIFY): void memberFxn(NMHDR*, LRESULT*) ---
// *pResult starts at 0 and becomes the window procedure's result.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                        \
    { WM_NOTIFY, (UINT)(wNotifyCode), (UINT)(id),                                    \
      [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {                               \
          LRESULT result = 0;                                                        \
          (AFX_THIS(t)->*(memberFxn))(reinterpret_cast<NMHDR*>(l), &result);         \
          return result; } },

// --- any message: LRESULT memberFxn(WPARAM, LPARAM) --------------------------------
#define ON_MESSAGE(message, memberFxn)                                               \
    { (UINT)(message), 0, 0,                                                         \
      [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT { return (AFX_THIS(t)->*(memberFxn))(w, l); } },

// --- standard window messages, to the handler names of CWnd ------------------------
#define ON_WM_PAINT()                                                                \
    { WM_PAINT, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { AFX_THIS(t)->OnPaint(); return 0; } },
#define ON_WM_TIMER()                                                                \
    { WM_TIMER, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {               \
          AFX_THIS(t)->OnTimer(static_cast<UINT_PTR>(w)); return 0; } },
#define ON_WM_SYSCOMMAND()                                                           \
    { WM_SYSCOMMAND, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {        \
          AFX_THIS(t)->OnSysCommand(static_cast<UINT>(w), l); return 0; } },
// Windows ends the process as soon as the handler of WM_ENDSESSION TRUE returns.
#define ON_WM_ENDSESSION()                                                           \
    { WM_ENDSESSION, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {          \
          AFX_THIS(t)->OnEndSession(static_cast<BOOL>(w)); return 0; } },
#define ON_WM_QUERYDRAGICON()                                                        \
    { WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {         \
          return reinterpret_cast<LRESULT>(AFX_THIS(t)->OnQueryDragIcon()); } },
