// The one process-wide record of the setup program: the platform facts that start-up
// reads and the choices the user makes in the wizard. Alive for the whole run.
#pragma once
#include <windows.h>

typedef int ShortcutLanguage;  // chooses the shortcut names
enum { kShortcutEnglish = 0, kShortcutSimplified = 1, kShortcutTraditional = 2 };

typedef int UiLanguage;  // the application's interface language, stored in QuorthUI.ini
enum { kUiEnglish = 0, kUiSimplified = 1, kUiTraditional = 2 };

typedef int WizardPage;
enum {
    kPageExit = -1,
    kPageFolder = 0,
    kPageLanguage = 1,
    kPageLicence = 2,
    kPageInstalling = 99,
};

enum { kPathSize = MAX_PATH };  // every path buffer is 260 bytes, terminator included

struct SetupState {
    HINSTANCE instance;
    bool isNt;
    bool legacyShell;
    bool dbcsCodePage;
    ShortcutLanguage shortcutLanguage;
    HWND mainDialog;
    HICON appIcon;
    WizardPage page;
    int defaultCommand;  // always 1001: the command Enter posts and the outlined button
    char windowsDir[kPathSize];
    char installDir[kPathSize];
    bool wantDesktopIcon;
    bool wantAutoStart;
    UiLanguage uiLanguage;
};

extern SetupState g_setup;

// Puts g_setup back to its start-of-process values (tests use it between cases).
void ResetSetupState();
