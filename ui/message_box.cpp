// STUB: the box from template 112 with both texts and an OK (and Cancel) button.
#include "ui/message_box.h"
#include "app/setup_state.h"
#include "res/resource.h"
#include <cstring>
static char pendingEnglishText[128];
static int pendingButtons;
int ShowMessage(const char* zh, const char* en, MessageButtons buttons, HWND owner)
{
    pendingButtons = buttons;
    pendingEnglishText[0] = 0;
    if (en) { strncpy(pendingEnglishText, en, 127); pendingEnglishText[127] = 0; }
    return (int)DialogBoxParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_MESSAGE), owner, MessageDialogProc, (LPARAM)zh);
}
INT_PTR CALLBACK MessageDialogProc(HWND d, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_INITDIALOG) {
        SetDlgItemTextA(d, IDC_MSG_TEXT, (const char*)lp);
        SetDlgItemTextA(d, IDC_MSG_ENGLISH, pendingEnglishText);
        ShowWindow(GetDlgItem(d, pendingButtons == 4 ? 6 : 1), SW_SHOW);
        if (pendingButtons != 0) ShowWindow(GetDlgItem(d, pendingButtons == 4 ? 7 : 2), SW_SHOW);
        return TRUE;
    }
    if (m == WM_COMMAND) { int id = LOWORD(wp); if (id == 1 || id == 2 || id == 6 || id == 7) EndDialog(d, id); return FALSE; }
    return FALSE;
}
