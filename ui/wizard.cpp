// The wizard dialog: the folder-and-options, language and licence pages of template
// 114, moved between by showing and hiding controls, and the Agree/Install command that
// enters or creates the install folder, records the choices and runs the installation.
#include "ui/wizard.h"
#include "app/setup_state.h"
#include "install/finish.h"
#include "install/install_plan.h"
#include "install/payload.h"
#include "res/resource.h"
#include "ui/folder_chooser.h"
#include "ui/message_box.h"
#include "ui/skin_button.h"
#include "ui/skin_checkbox.h"
#include "ui/texts.h"
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <direct.h>

int licenceLoaded = 0;

enum {
    kMaxLicenceLines = 500,
    kLicenceItemWidth = 1024,
    kLicenceItemHeight = 23,
};

struct UiLanguageName {
    const char* name;
    UiLanguage value;
};

static const UiLanguageName uiLanguageNames[] = {
    {"English", kUiEnglish},
    {"Chinese(Simplified)", kUiSimplified},
    {"Chinese(Traditional)", kUiTraditional},
};

static void ShowControl(HWND dialog, int id, bool show)
{
    ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

// The controls of the folder-and-options page.
static const int folderPageControls[] = {IDC_OPT_DESKTOP, IDC_OPT_AUTOSTART, IDC_INSTALL_PATH, IDC_PATH_LABEL,
                                         IDC_BROWSE};
// The buttons hidden when the installation starts, in this order.
static const int buttonsHiddenForInstall[] = {IDC_NEXT, IDC_BACK, IDCANCEL, IDC_WAIT_LABEL};
static const int optionBoxes[] = {IDC_OPT_DESKTOP, IDC_OPT_AUTOSTART};

int AddLicenceLines(HWND list, char* text)
{
    int added = 0;
    char* line = text;
    for (char* p = text; *p && added < kMaxLicenceLines; ++p) {
        if (*p != '\r')
            continue;
        *p = 0;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        ++added;
        if (p[1] == '\n')
            ++p;
        line = p + 1;
    }
    return added;
}

// Loads one licence entry into its control: 161 whole into the English edit, 124 line
// by line into the Chinese list. Returns 1 on success, 0 when the load stopped.
static int LoadLicenceText(HWND dialog, int resourceId)
{
    char* text = static_cast<char*>(g_allocate(kLicenceCapacity));
    if (!text) {
        ShowMessage(kMsgNoMemory, kEnNoMemory, kButtonsOk, g_setup.mainDialog);
        return 0;
    }
    unsigned long length = 0;
    // A text that fills the whole buffer leaves no room for its terminator: refused.
    int loaded = InflatePayload(resourceId, reinterpret_cast<unsigned char*>(text), kLicenceCapacity, &length) &&
                 length < kLicenceCapacity;
    if (loaded) {
        text[length] = 0;
        if (resourceId == PAYLOAD_LICENCE_EN) {
            SendDlgItemMessageA(dialog, IDC_LICENCE_EN, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        } else {
            // Empty first, so a retry after a failed English load adds no second copy.
            HWND list = GetDlgItem(dialog, IDC_LICENCE_ZH);
            SendMessageA(list, LB_RESETCONTENT, 0, 0);
            AddLicenceLines(list, text);
        }
    }
    free(text);
    return loaded;
}

static int LoadLicenceTexts(HWND dialog)
{
    if (!LoadLicenceText(dialog, PAYLOAD_LICENCE_ZH) || !LoadLicenceText(dialog, PAYLOAD_LICENCE_EN))
        return 0;
    licenceLoaded = 1;
    return 1;
}

void ShowWizardPage(HWND dialog, int page)
{
    ShowControl(dialog, IDC_ENGLISH_CHECK, page == kPageLicence);
    if (page == kPageLanguage) {
        for (int id : folderPageControls)
            ShowControl(dialog, id, false);
        ShowControl(dialog, IDC_LICENCE_EN, false);
        ShowControl(dialog, IDC_LANGUAGE_LABEL, true);
        ShowControl(dialog, IDC_LANGUAGE_LIST, true);
    } else {
        for (int id : folderPageControls)
            ShowControl(dialog, id, page != kPageLicence);
        ShowControl(dialog, IDC_LANGUAGE_LABEL, false);
        ShowControl(dialog, IDC_LANGUAGE_LIST, false);
    }

    if (page == kPageLicence && !licenceLoaded && !LoadLicenceTexts(dialog))
        return;

    ShowControl(dialog, IDC_LICENCE_ZH, false);
    ShowControl(dialog, IDC_LICENCE_EN, false);
    if (page == kPageLicence) {
        bool english = SendDlgItemMessageA(dialog, IDC_ENGLISH_CHECK, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ShowControl(dialog, english ? IDC_LICENCE_EN : IDC_LICENCE_ZH, true);
    }

    // While installing (99), toggling the English box must not bring Back back.
    if (g_setup.page >= 0 && g_setup.page < kPageInstalling) {
        HWND back = GetDlgItem(dialog, IDC_BACK);
        ShowWindow(back, page != kPageFolder ? SW_SHOW : SW_HIDE);
        EnableWindow(back, page != kPageFolder);
    }

    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}

int EnterInstallFolder(const char* path)
{
    if (_chdir(path) == 0)
        return 1;
    return CreateDirectoryA(path, nullptr) ? 1 : 0;
}

int PointerTarget(const RECT& window, POINT pointer, POINT* target)
{
    if (PtInRect(&window, pointer))
        return 0;
    target->x = window.left + (window.right - window.left) / 2;
    target->y = window.top + (window.bottom - window.top) / 2;
    return 1;
}

// Reads the chosen options into g_setup.
static void RecordChoices(HWND dialog)
{
    g_setup.wantDesktopIcon = IsDlgButtonChecked(dialog, IDC_OPT_DESKTOP) == BST_CHECKED;
    g_setup.wantAutoStart = IsDlgButtonChecked(dialog, IDC_OPT_AUTOSTART) == BST_CHECKED;
    LRESULT selected = SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    LRESULT value = SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETITEMDATA, selected, 0);
    g_setup.uiLanguage = (selected == CB_ERR || value == CB_ERR) ? kUiEnglish : static_cast<UiLanguage>(value);
}

// Agree/Install: enter or create the folder, then run the installation to its end.
static void AttemptInstall(HWND dialog)
{
    GetDlgItemTextA(dialog, IDC_INSTALL_PATH, g_setup.installDir, kPathSize);
    if (!EnterInstallFolder(g_setup.installDir)) {
        char english[128];
        snprintf(english, sizeof english, kEnCheckFolderFormat, kEnCannotCreateFolder);
        ShowMessage(kMsgCannotCreateFolder, english, kButtonsOk, dialog);
        return;
    }
    RecordChoices(dialog);

    for (int id : buttonsHiddenForInstall) {
        HWND control = GetDlgItem(dialog, id);
        ShowWindow(control, SW_HIDE);
        UpdateWindow(control);
    }

    time_t startTime = time(nullptr);
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    POINT pointer, target;
    RECT window;
    if (GetCursorPos(&pointer) && GetWindowRect(g_setup.mainDialog, &window) &&
        PointerTarget(window, pointer, &target))
        SetCursorPos(target.x, target.y);

    int result = RunInstall();
    FinishInstall(result, startTime);
}

static void OnNext(HWND dialog)
{
    if (g_setup.page < kPageLicence) {
        // Every arrival on the licence page starts on the English text.
        if (g_setup.page == kPageLanguage)
            SendDlgItemMessageA(dialog, IDC_ENGLISH_CHECK, BM_SETCHECK, BST_CHECKED, 0);
        ++g_setup.page;
        ShowWizardPage(dialog, g_setup.page);
        return;
    }
    if (g_setup.page == kPageLicence) {
        ShowWizardPage(dialog, kPageLicence);
        g_setup.page = kPageInstalling;
    }
    AttemptInstall(dialog);
}

static BOOL OnCommand(HWND dialog, WPARAM wParam)
{
    int command = LOWORD(wParam);
    switch (command) {
    case IDCANCEL:
        g_setup.page = kPageExit;
        break;
    case IDC_BACK:
        if (g_setup.page > 0) {
            --g_setup.page;
            ShowWizardPage(dialog, g_setup.page);
        }
        break;
    case IDC_NEXT:
        OnNext(dialog);
        break;
    case IDC_BROWSE:
        BrowseForInstallFolder(dialog);
        break;
    case IDC_OPT_DESKTOP:
    case IDC_OPT_AUTOSTART:
        InvalidateRect(GetDlgItem(dialog, command), nullptr, FALSE);
        break;
    case IDC_ENGLISH_CHECK:
        ShowWizardPage(dialog, kPageLicence);
        break;
    default:
        break;
    }
    return FALSE;
}

static void FillLanguageList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    for (const UiLanguageName& entry : uiLanguageNames) {
        LPARAM name = reinterpret_cast<LPARAM>(entry.name);
        LRESULT index = entry.value == kUiEnglish ? SendMessageA(list, CB_INSERTSTRING, 0, name)
                                                  : SendMessageA(list, CB_ADDSTRING, 0, name);
        if (index >= 0)
            SendMessageA(list, CB_SETITEMDATA, index, entry.value);
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

static BOOL OnInitDialog(HWND dialog)
{
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_setup.appIcon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_setup.appIcon));

    GetWindowsDirectoryA(g_setup.windowsDir, kPathSize);
    char path[kPathSize];
    snprintf(path, sizeof path, "%c:\\MirelQuorth", g_setup.windowsDir[0]);
    SetDlgItemTextA(dialog, IDC_INSTALL_PATH, path);

    CheckDlgButton(dialog, IDC_OPT_DESKTOP, BST_CHECKED);
    HWND back = GetDlgItem(dialog, IDC_BACK);
    ShowWindow(back, SW_HIDE);
    EnableWindow(back, FALSE);
    FillLanguageList(dialog);

    // Both option boxes had the standard button procedure; SkinCheckBoxProc forwards to it.
    for (int id : optionBoxes)
        savedButtonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            GetDlgItem(dialog, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinCheckBoxProc)));
    return TRUE;
}

static BOOL OnDrawItem(HWND dialog, DRAWITEMSTRUCT* drawItem)
{
    if (drawItem->CtlID == IDC_LICENCE_ZH)
        DrawLicenceLine(drawItem, dialog);
    else
        DrawSkinButton(drawItem);
    return TRUE;
}

static BOOL OnMeasureItem(MEASUREITEMSTRUCT* measureItem)
{
    if (measureItem->CtlID != IDC_LICENCE_ZH)
        return FALSE;
    measureItem->itemWidth = kLicenceItemWidth;
    measureItem->itemHeight = kLicenceItemHeight;
    return TRUE;
}

INT_PTR CALLBACK WizardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_DRAWITEM:
        return OnDrawItem(dialog, reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
        return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    default:
        return FALSE;
    }
}
