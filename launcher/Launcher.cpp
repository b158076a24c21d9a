// Kelvane Launcher: one window that starts quake2.exe with the launch parameters
// the user keeps in q2kelvane.dat. Plain Win32: one window procedure, global handles.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"
#include "ParamFile.h"
#include "resource.h"

static const char kTitle[] = "Kelvane Launcher";
// The project's web server has a reserved name until the real one is known; the
// monitor uses the same base location (its KELVANE_DEFAULT_WEB_SERVER).
static const char kWebsiteUrl[] = "http://www.kelvane.example/index.html";
static const char kAboutText[] =
    "Kelvane Launcher\n"
    "Version: 4.0\n"
    "\n"
    "By the Kelvane team.\n"
    "Thanks to the Quake II community.";
static const DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_FLAT;
static const DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
static const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
static const int kShellFileNotFound = 2;
// The window's outer size at 96 DPI; it and every control scale with the DPI.
static const int kWindowWidth = 680;
static const int kWindowHeight = 365;
static const int kLogoWidth = 680;
static const int kLogoHeight = 131;

enum ControlKind { BUTTON, LABEL, EDIT };
enum ControlFont { BOLD, SMALL };
struct ControlPlace {
    int nId;
    ControlKind kind;
    const char* pszText;
    int x, y, nWidth, nHeight; // at 96 DPI
    ControlFont font;
};
// In creation order.
static const ControlPlace kControls[] = {
    {IDC_LAUNCH, BUTTON, "Launch!", 583, 155, 80, 30, BOLD},
    {IDC_WEBSITE, BUTTON, "Website", 583, 205, 80, 30, BOLD},
    {IDC_ABOUT, BUTTON, "About", 583, 255, 80, 30, BOLD},
    {IDC_QUIT, BUTTON, "Quit", 583, 305, 80, 30, BOLD},
    {IDC_PARAMS_LABEL, LABEL, "Launch Parameters:", 10, 135, 150, 20, BOLD},
    {IDC_PARAMS, EDIT, "", 5, 155, 567, 180, BOLD},
    {IDC_VERSION, LABEL, "Version 4.0", 592, 135, 150, 20, SMALL},
};

HWND g_hMainWnd = NULL;
HBRUSH g_hbrBackground = CreateSolidBrush(RGB(0, 0, 0));
HFONT g_hBoldFont = NULL;
HFONT g_hSmallFont = NULL;
HBITMAP g_hLogo = NULL;
// The DPI the fonts, the controls and the logo are made for.
int g_nDpi = BASE_DPI;
// The window class is named after the title, so either finds the window.
static const char* const g_szClassName = kTitle;

void ShowError(const char* text, const char* caption)
{
    MessageBoxA(NULL, text, caption, MB_OK | MB_ICONWARNING);
}

static void ReplaceFont(HFONT& hFont, int height, int weight)
{
    HFONT hNew = CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Verdana");
    if (!hNew) {
        ShowError("Font creation failed!", "Error");
        return;
    }
    if (hFont)
        DeleteObject(hFont);
    hFont = hNew;
}

// For the DPI of g_nDpi: the screen's until the window knows its own.
void CreateFonts()
{
    ReplaceFont(g_hBoldFont, -MulDiv(10, g_nDpi, 72), FW_BOLD);
    ReplaceFont(g_hSmallFont, -MulDiv(10, g_nDpi, 96), FW_DONTCARE);
}

static HWND CreateControl(DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int width,
    int height, HWND parent, int id)
{
    return CreateWindowExA(exStyle, cls, text, style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
}

HWND CreateFlatButton(const char* text, int x, int y, int width, int height, HWND parent, int id)
{
    return CreateControl(WS_EX_WINDOWEDGE, "BUTTON", text, kButtonStyle, x, y, width, height, parent, id);
}

std::string LoadParams()
{
    return ReadParamFile(kParamFileName);
}

void SaveParams(const std::string& text)
{
    if (!WriteParamFile(kParamFileName, text))
        ShowError("Could not write to file!", "Error!");
}

static std::string GetParamsText(HWND hWnd)
{
    std::string text(GetWindowTextLengthA(GetDlgItem(hWnd, IDC_PARAMS)) + 1, '\0');
    text.resize(GetDlgItemTextA(hWnd, IDC_PARAMS, &text[0], static_cast<int>(text.size())));
    return text;
}

static void SetFont(HWND hControl, HFONT hFont)
{
    SendMessageA(hControl, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
}

static HWND CreateAt(const ControlPlace& place, HWND hWnd)
{
    int x = ScaleToDpi(place.x, g_nDpi), y = ScaleToDpi(place.y, g_nDpi);
    int nWidth = ScaleToDpi(place.nWidth, g_nDpi), nHeight = ScaleToDpi(place.nHeight, g_nDpi);
    switch (place.kind) {
    case BUTTON: return CreateFlatButton(place.pszText, x, y, nWidth, nHeight, hWnd, place.nId);
    case LABEL: return CreateControl(0, "STATIC", place.pszText, kLabelStyle, x, y, nWidth, nHeight, hWnd, place.nId);
    default: return CreateControl(WS_EX_CLIENTEDGE, "EDIT", place.pszText, kEditStyle, x, y, nWidth, nHeight, hWnd, place.nId);
    }
}

static void SetControlFonts(HWND hWnd)
{
    for (const ControlPlace& place : kControls)
        SetFont(GetDlgItem(hWnd, place.nId), place.font == BOLD ? g_hBoldFont : g_hSmallFont);
}

// Text does not grow in step with the DPI (a font's letters are fitted to whole
// pixels at each size), so at a scaled DPI a label or button that its text would
// overflow is widened, and made taller, to fit it. At 96 DPI the table holds.
static void FitTexts(HWND hWnd)
{
    if (g_nDpi == BASE_DPI)
        return;
    for (const ControlPlace& place : kControls) {
        if (place.kind == EDIT)
            continue;
        HWND hControl = GetDlgItem(hWnd, place.nId);
        HDC hdc = GetDC(hControl);
        if (!hdc)
            continue;
        HGDIOBJ hOld = SelectObject(hdc, place.font == BOLD ? g_hBoldFont : g_hSmallFont);
        SIZE extent = {};
        GetTextExtentPoint32A(hdc, place.pszText, static_cast<int>(strlen(place.pszText)), &extent);
        SelectObject(hdc, hOld);
        ReleaseDC(hControl, hdc);
        // A button's frame and the room its face keeps around the text.
        int nMargin = place.kind == BUTTON ? ScaleToDpi(8, g_nDpi) : 0;
        RECT rcClient, rcWindow;
        GetClientRect(hControl, &rcClient);
        GetWindowRect(hControl, &rcWindow);
        int nGrowX = std::max(0L, extent.cx + nMargin - rcClient.right);
        int nGrowY = std::max(0L, extent.cy + nMargin - rcClient.bottom);
        if (nGrowX || nGrowY) {
            SetWindowPos(hControl, NULL, 0, 0, rcWindow.right - rcWindow.left + nGrowX,
                rcWindow.bottom - rcWindow.top + nGrowY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

// The logo for g_nDpi; null, with the old one kept, when it cannot be loaded.
static HBITMAP LoadLogo()
{
    return LoadArt(GetModuleHandleA(NULL), IDB_BMPLOGO, g_nDpi, ScaleToDpi(kLogoWidth, g_nDpi),
        ScaleToDpi(kLogoHeight, g_nDpi));
}

static void OnCreate(HWND hWnd)
{
    for (const ControlPlace& place : kControls)
        CreateAt(place, hWnd);
    if (!GetDlgItem(hWnd, IDC_LAUNCH) || !GetDlgItem(hWnd, IDC_QUIT))
        ShowError("Initialization failed in WM_CREATE!", "Error!");

    SetControlFonts(hWnd);
    FitTexts(hWnd);

    SetDlgItemTextA(hWnd, IDC_PARAMS, ParamsOrDefault(LoadParams()).c_str());

    g_hLogo = LoadLogo();
    if (!g_hLogo)
        MessageBoxA(hWnd, "Could not load IDB_BMPLOGO!", "Error", MB_OK | MB_ICONEXCLAMATION);
}

// The window at another DPI: its size (at pSuggested when the system gives a
// place), every control, the fonts and the logo, without a restart.
static void ApplyDpi(HWND hWnd, int dpi, const RECT* pSuggested)
{
    g_nDpi = dpi;
    RECT rc;
    GetWindowRect(hWnd, &rc);
    if (pSuggested)
        rc = *pSuggested;
    SetWindowPos(hWnd, NULL, rc.left, rc.top, pSuggested ? rc.right - rc.left : ScaleToDpi(kWindowWidth, dpi),
        pSuggested ? rc.bottom - rc.top : ScaleToDpi(kWindowHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    CreateFonts();
    for (const ControlPlace& place : kControls) {
        SetWindowPos(GetDlgItem(hWnd, place.nId), NULL, ScaleToDpi(place.x, dpi), ScaleToDpi(place.y, dpi),
            ScaleToDpi(place.nWidth, dpi), ScaleToDpi(place.nHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetControlFonts(hWnd);
    FitTexts(hWnd);
    if (HBITMAP hLogo = LoadLogo()) {
        DeleteObject(g_hLogo);
        g_hLogo = hLogo;
    }
    InvalidateRect(hWnd, NULL, TRUE);
}

static void OnPaint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (g_hLogo) {
        HDC hdcMem = CreateCompatibleDC(hdc);
        HGDIOBJ hOld = SelectObject(hdcMem, g_hLogo);
        BITMAP bm;
        GetObjectA(g_hLogo, sizeof bm, &bm);
        BitBlt(hdc, 0, 0, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, SRCCOPY);
        SelectObject(hdcMem, hOld);
        DeleteDC(hdcMem);
    }
    EndPaint(hWnd, &ps);
}

static void OnLaunch(HWND hWnd)
{
    // Line breaks go through unchanged: the game splits its command line at any
    // white space, CR and LF included.
    const std::string params = GetParamsText(hWnd) + " +";
    HINSTANCE result = ShellExecuteA(NULL, "open", "quake2.exe", params.c_str(), NULL, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) == kShellFileNotFound)
        ShowError("Could not find quake2.exe!", "File Not Found");
}

static void OnCommand(HWND hWnd, int id)
{
    switch (id) {
    case IDC_LAUNCH:
        OnLaunch(hWnd);
        break;
    case IDC_QUIT:
        DestroyWindow(g_hMainWnd);
        break;
    case IDC_ABOUT:
        MessageBoxA(g_hMainWnd, kAboutText, "About", MB_OK | MB_ICONQUESTION);
        break;
    case IDC_WEBSITE:
        ShellExecuteA(NULL, "open", kWebsiteUrl, NULL, NULL, SW_SHOWNORMAL);
        break;
    }
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        OnCreate(hWnd);
        return 0;
    case WM_PAINT:
        OnPaint(hWnd);
        return 0;
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(g_hbrBackground);
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(g_hbrBackground);
    case WM_COMMAND:
        OnCommand(hWnd, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_DPICHANGED_MSG:
        ApplyDpi(hWnd, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ENDSESSION:
        // Windows ends the process as soon as this returns, without WM_DESTROY. A
        // message box now would only hold up the end of the session: a failed
        // write goes unreported.
        if (wParam && GetDlgItem(hWnd, IDC_PARAMS))
            WriteParamFile(kParamFileName, GetParamsText(hWnd));
        return 0;
    case WM_DESTROY:
        // Without the edit box there is no text to keep; saving its absence would
        // wipe the parameters of earlier runs.
        if (GetDlgItem(hWnd, IDC_PARAMS))
            SaveParams(GetParamsText(hWnd));
        DeleteObject(g_hLogo);
        g_hLogo = NULL;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    g_nDpi = SystemDpi();
    CreateFonts();

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = g_hbrBackground;
    wc.lpszClassName = g_szClassName;
    wc.hIconSm = static_cast<HICON>(LoadImageA(hInstance, MAKEINTRESOURCEA(IDI_LAUNCHER), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (!RegisterClassExA(&wc)) {
        ShowError("Window Registration Failed!", "Error!");
        return 0;
    }

    g_hMainWnd = CreateWindowExA(WS_EX_WINDOWEDGE, g_szClassName, kTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        CW_USEDEFAULT, CW_USEDEFAULT, ScaleToDpi(kWindowWidth, g_nDpi), ScaleToDpi(kWindowHeight, g_nDpi), NULL, NULL,
        hInstance, NULL);
    if (!g_hMainWnd) {
        ShowError("Window Creation Failed!", "Error!");
        return 0;
    }
    // Opened on a monitor whose DPI is not the screen's.
    if (WindowDpi(g_hMainWnd) != g_nDpi)
        ApplyDpi(g_hMainWnd, WindowDpi(g_hMainWnd), NULL);
    ShowWindow(g_hMainWnd, nCmdShow);
    UpdateWindow(g_hMainWnd);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
