// The install-folder chooser: the old-style file-open common dialog, reshaped by
// template 168 so only the directory and drive lists remain. Its hook paints the
// bilingual labels and Cancel, and takes the folder last opened when OK is pressed.
#include "ui/folder_chooser.h"
#include "app/setup_state.h"
#include "res/resource.h"
#include "ui/skin_button.h"
#include <commdlg.h>
#include <cstdio>
#include <cstring>
#include <direct.h>
#include <dlgs.h>

enum {
    kChooserFileNameSize = 128,
    // OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_PATHMUSTEXIST
    kChooserFlags = 0x86C,
};
static_assert(kChooserFlags == (OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE |
                                OFN_PATHMUSTEXIST), "the old-style chooser's flags");

int BrowseForInstallFolder(HWND wizardDialog)
{
    char fileName[kChooserFileNameSize] = "";
    OPENFILENAMEA request;
    memset(&request, 0, sizeof request);
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = wizardDialog;
    request.lpstrFile = fileName;
    request.nMaxFile = kChooserFileNameSize;
    request.Flags = kChooserFlags;
    request.lpfnHook = ChooseFolderHookProc;
    request.lpTemplateName = MAKEINTRESOURCEA(IDD_CHOOSE_FOLDER);
    if (!GetOpenFileNameA(&request))
        return 0;
    SetDlgItemTextA(wizardDialog, IDC_INSTALL_PATH, g_setup.installDir);
    return 1;
}

static BOOL OnChooserInit(HWND dialog)
{
    // Cancel becomes owner-drawn (type 0x0B) so it can carry its bilingual caption.
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    SetWindowLongA(cancel, GWL_STYLE, GetWindowLongA(cancel, GWL_STYLE) | BS_OWNERDRAW);
    SetFocus(GetDlgItem(dialog, lst2));
    return TRUE;
}

static BOOL OnChooserDrawItem(DRAWITEMSTRUCT* drawItem)
{
    if (drawItem->CtlID != IDC_DIRS_LABEL && drawItem->CtlID != IDC_DRIVES_LABEL && drawItem->CtlID != IDCANCEL)
        return FALSE;
    DrawSkinButton(drawItem);
    return TRUE;
}

// OK takes the current directory, the folder last opened in the list, as the choice.
static BOOL OnChooserOk(HWND dialog)
{
    char folder[kPathSize];
    if (!_getcwd(folder, sizeof folder))
        return FALSE;
    size_t length = strlen(folder);
    if (length > 0 && folder[length - 1] == '\\')
        folder[length - 1] = 0;
    snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", folder);
    EndDialog(dialog, IDOK);
    return TRUE;
}

UINT_PTR CALLBACK ChooseFolderHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnChooserInit(dialog);
    case WM_DRAWITEM:
        return OnChooserDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        return LOWORD(wParam) == IDOK ? OnChooserOk(dialog) : FALSE;
    default:
        return FALSE;
    }
}
