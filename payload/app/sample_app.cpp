// The MirelQuorth sample application: a window that names itself and shows the interface
// language the setup recorded in "[Config]" "UILanguage" of the QuorthUI.ini beside it.
// It stands in for the vendor's application so the installer works out of the box.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#define IDC_LANGUAGE_LINE 100
#define IDC_ABOUT_LINE    101

static const char kClassName[] = "MirelQuorthSampleWindow";
static const char kCaption[] = "MirelQuorth sample application";

// The line for a UILanguage value; anything but 1 and 2 reads as English, like a
// missing key.
static const char *LanguageLine(int uiLanguage)
{
    if (uiLanguage == 1)
        return "Interface language: Chinese (Simplified)";
    if (uiLanguage == 2)
        return "Interface language: Chinese (Traditional)";
    return "Interface language: English";
}

// "<folder of modulePath>\QuorthUI.ini" into out (size bytes); 0 when it does not fit.
static int ComposeIniPath(const char *modulePath, char *out, size_t size)
{
    const char *slash = strrchr(modulePath, '\\');
    size_t folder = slash ? (size_t)(slash - modulePath) : 0;
    int n = snprintf(out, size, "%.*s%sQuorthUI.ini", (int)folder, modulePath, slash ? "\\" : "");
    return n > 0 && (size_t)n < size;
}

static int ReadUiLanguage(void)
{
    char module[260];
    char ini[260];
    DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
    if (n == 0 || n >= sizeof module)
        return 0;
    if (!ComposeIniPath(module, ini, sizeof ini))
        return 0;
    return (int)GetPrivateProfileIntA("Config", "UILanguage", 0, ini);
}

static LRESULT OnCreate(HWND window)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    HWND line = CreateWindowExA(0, "STATIC", LanguageLine(ReadUiLanguage()), WS_CHILD | WS_VISIBLE,
                                16, 16, 380, 20, window, (HMENU)(INT_PTR)IDC_LANGUAGE_LINE, instance, nullptr);
    HWND about = CreateWindowExA(0, "STATIC", "This window stands in for the MirelQuorth application.",
                                 WS_CHILD | WS_VISIBLE, 16, 44, 380, 20, window,
                                 (HMENU)(INT_PTR)IDC_ABOUT_LINE, instance, nullptr);
    if (!line || !about)
        return -1;
    SendMessageA(line, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(about, WM_SETFONT, (WPARAM)font, 0);
    return 0;
}

static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc))
        return 1;
    HWND window = CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 440, 120, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
