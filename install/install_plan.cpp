// The installation proper: the thirteen files of the plan go from the payload store into
// the install folder through one scratch buffer, the progress bar moving as they land,
// then the interface language is recorded and the shortcuts are made.
#include "install/install_plan.h"
#include "install/config_update.h"
#include "install/payload.h"
#include "install/shortcuts.h"
#include "app/setup_state.h"
#include "ui/message_box.h"
#include "ui/texts.h"
#include "res/resource.h"
#include <commctrl.h>
#include <shlobj.h>
#include <cstdlib>

const PayloadEntry InstallPlan[kInstallPlanRows] = {
    {PAYLOAD_GBK2B5, "gbk2b5.bin", true, true},
    {PAYLOAD_UNINSTALL_EXE, "MirelQuorthUnInstall.exe", false, false},
    {PAYLOAD_GUIDE_ZH, "MirelQuorth_Guide.htm", true, false},
    {PAYLOAD_GUIDE_EN, "MirelQuorth_Guide_en.htm", true, false},
    {PAYLOAD_UI_INI, "QuorthUI.ini", true, true},
    {PAYLOAD_FONT, "ChnBmp.bin", true, true},
    {PAYLOAD_BARMENU_JPG, "barmenu.JPG", true, true},
    {PAYLOAD_CTRLMENU_PNG, "ctrlmenu.PNG", true, true},
    {PAYLOAD_DESKTOP_JPG, "Desktop.JPG", true, true},
    {PAYLOAD_TASKICON_JPG, "taskicon.JPG", true, true},
    {PAYLOAD_TOOLBAR_JPG, "TOOLBAR.JPG", true, true},
    {PAYLOAD_WELCOME_JPG, "welcome_mirelquorth.JPG", true, true},
    {PAYLOAD_APP_EXE, "MirelQuorth.exe", true, false},
};

enum { kFontRow = 5 };  // index of "ChnBmp.bin": without the font the application cannot run

static const char kAppExe[] = "MirelQuorth.exe";
static const char kUninstallExe[] = "MirelQuorthUnInstall.exe";

ShortcutNames ShortcutNamesFor(int shortcutLanguage)
{
    if (shortcutLanguage <= kShortcutEnglish)
        return ShortcutNames{"Vaelk MirelQuorth", "Vaelk MirelQuorth", "UnInstall MirelQuorth"};
    if (shortcutLanguage == kShortcutSimplified)
        return ShortcutNames{kProductNameGbk, kProductNameGbk, kUninstallNameGbk};
    return ShortcutNames{kProductNameBig5, kProductNameBig5, kUninstallNameBig5};
}

// The dialog gets no messages while the installation runs, so each move is painted at once.
static void SetProgress(int position)
{
    HWND bar = GetDlgItem(g_setup.mainDialog, IDC_PROGRESS);
    SendMessageA(bar, PBM_SETPOS, (WPARAM)position, 0);
    UpdateWindow(bar);
}

static int ExtractRow(unsigned char* buffer, int row)
{
    const PayloadEntry& entry = InstallPlan[row];
    return ExtractPayload(entry.resourceId, entry.fileName, buffer, kInstallBufferSize,
                          entry.readOnly, entry.hidden, nullptr);
}

int RunInstall()
{
    unsigned char* installBuffer = static_cast<unsigned char*>(g_allocate(kInstallBufferSize));
    if (!installBuffer) {
        ShowMessage(kMsgNoMemory, kEnNoMemory, kButtonsOk, g_setup.mainDialog);
        return 0;
    }
    ShowWindow(GetDlgItem(g_setup.mainDialog, IDC_PROGRESS), SW_SHOW);
    SetProgress(10);

    // A row that cannot be written does not stop the others, but the run then reports
    // failure, so the user is asked to quit the applications that hold the files.
    int allWritten = 1;
    for (int row = 0; row < kFontRow; row++) {
        allWritten &= ExtractRow(installBuffer, row);
        if (row == 3)
            SetProgress(20);
    }
    SetProgress(25);

    if (!ExtractRow(installBuffer, kFontRow)) {
        free(installBuffer);
        return 0;
    }
    SetProgress(45);
    for (int row = kFontRow + 1; row < kInstallPlanRows - 1; row++)
        allWritten &= ExtractRow(installBuffer, row);
    SetProgress(75);
    allWritten &= ExtractRow(installBuffer, kInstallPlanRows - 1);
    SetProgress(90);

    UpdateUiLanguage();

    ShortcutNames names = ShortcutNamesFor(g_setup.shortcutLanguage);
    const ShortcutSpec group[] = {
        {names.application, kAppExe},
        {names.uninstaller, kUninstallExe},
        {nullptr, nullptr},
    };
    CreateShortcutGroup(names.group, group, CSIDL_PROGRAMS);
    SetProgress(94);
    if (g_setup.wantDesktopIcon)
        CreateDesktopShortcut(kAppExe, names.application);
    if (g_setup.wantAutoStart) {
        const ShortcutSpec startup[] = {
            {names.application, kAppExe},
            {nullptr, nullptr},
        };
        CreateShortcutGroup(nullptr, startup, CSIDL_STARTUP);
    }
    SetProgress(97);
    SetProgress(100);

    free(installBuffer);
    return allWritten;
}
