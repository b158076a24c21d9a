// Kelvane Launcher: one window that starts quake2.exe with the launch parameters
// the user keeps in q2kelvane.dat. Plain Win32: one window procedure, global handles.
#include <windows.h>
#include <shellapi.h>

#include <string>

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

HWND g_hMainWnd = NULL;
HBRUSH g_hbrBackground = CreateSolidBrush(RGB(0, 0, 0));
HFONT g_hBoldFont = NULL;
HFONT g_hSmallFont = NULL;
HBITMAP g_hLogo = NULL;
// The window class is named after the title, so either finds the window.
static const char* const g_szClassName = kTitle;

void ShowError(const char* text, const char* caption)
{
    MessageBoxA(NULL, text, caption, MB_OK | MB_ICONWARNING);
}

static int ScreenDpiY()
{
    HDC hdc = GetDC(NULL);
    int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    ReleaseDC(NULL, hdc);
    return dpi;
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

void CreateFonts()
{
    ReplaceFont(g_hBoldFont, -MulDiv(10, ScreenDpiY(), 72), FW_BOLD);
    ReplaceFont(g_hSmallFont, -MulDiv(10, ScreenDpiY(), 96), FW_DONTCARE);
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

static void OnCreate(HWND hWnd)
{
    HWND hLaunch = CreateFlatButton("Launch!", 583, 155, 80, 30, hWnd, IDC_LAUNCH);
    HWND hWebsite = CreateFlatButton("Website", 583, 205, 80, 30, hWnd, IDC_WEBSITE);
    HWND hAbout = CreateFlatButton("About", 583, 255, 80, 30, hWnd, IDC_ABOUT);
    HWND hQuit = CreateFlatButton("Quit", 583, 305, 80, 30, hWnd, IDC_QUIT);
    HWND hLabel = CreateControl(0, "STATIC", "Launch Parameters:", kLabelStyle, 10, 135, 150, 20, hWnd, IDC_PARAMS_LABEL);
    HWND hEdit = CreateControl(WS_EX_CLIENTEDGE, "EDIT", "", kEditStyle, 5, 155, 567, 180, hWnd, IDC_PARAMS);
    HWND hVersion = CreateControl(0, "STATIC", "Version 4.0", kLabelStyle, 592, 135, 150, 20, hWnd, IDC_VERSION);
    if (!hLaunch || !hQuit)
        ShowError("Initialization failed in WM_CREATE!", "Error!");

    for (HWND hControl : {hLaunch, hQuit, hWebsite, hAbout, hEdit, hLabel})
        SetFont(hControl, g_hBoldFont);
    SetFont(hVersion, g_hSmallFont);

    SetDlgItemTextA(hWnd, IDC_PARAMS, ParamsOrDefault(LoadParams()).c_str());

    g_hLogo = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BMPLOGO));
    if (!g_hLogo)
        MessageBoxA(hWnd, "Could not load IDB_BMPLOGO!", "Error", MB_OK | MB_ICONEXCLAMATION);
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
        CW_USEDEFAULT, CW_USEDEFAULT, 680, 365, NULL, NULL, hInstance, NULL);
    if (!g_hMainWnd) {
        ShowError("Window Creation Failed!", "Error!");
        return 0;
    }
    ShowWindow(g_hMainWnd, nCmdShow);
    UpdateWindow(g_hMainWnd);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
