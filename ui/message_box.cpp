// The setup's own message box: a modal dialog from template 112 that shows a GBK text
// through the glyph font, the English text under it in the dialog's font, and OK,
// OK/Cancel or Yes/No as owner-drawn buttons. It sizes itself to the texts.
#include "ui/message_box.h"
#include "app/setup_state.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "ui/skin_button.h"

namespace {

char pendingEnglishText[kMessageEnglishSize];
MessageButtons pendingButtons;

// Long Chinese texts get no extra side margin of two button heights.
const size_t kShortChineseLimit = 81;

// The Chinese text is measured through the glyph font, the English one in whatever font
// the dialog's device context holds before anything is selected into it.
void MeasureTexts(HWND dialog, const char* chinese, TextExtent* zh, SIZE* en)
{
    HDC dc = GetDC(dialog);
    *zh = MeasureMixedText(dc, chinese);
    en->cx = 0;
    en->cy = 0;
    int length = lstrlenA(pendingEnglishText);
    if (length > 0 && !GetTextExtentPointA(dc, pendingEnglishText, length, en)) {
        en->cx = 0;
        en->cy = 0;
    }
    ReleaseDC(dialog, dc);
}

void PlaceButton(HWND dialog, int id, int x, int y, int width, int height)
{
    HWND button = GetDlgItem(dialog, id);
    ShowWindow(button, SW_SHOW);
    MoveWindow(button, x, y, width, height, TRUE);
}

BOOL OnInitDialog(HWND dialog, const char* chinese)
{
    if (!chinese)
        chinese = "";
    const int first = pendingButtons == kButtonsYesNo ? IDYES : IDOK;
    const int second = pendingButtons == kButtonsYesNo ? IDNO : IDCANCEL;

    TextExtent zh;
    SIZE en;
    MeasureTexts(dialog, chinese, &zh, &en);
    const int cw = zh.width, ch = zh.height;
    const int ew = en.cx, eh = en.cy;

    RECT buttonRect = {0, 0, 82, 12};
    HWND firstButton = GetDlgItem(dialog, first);
    if (firstButton)
        GetClientRect(firstButton, &buttonRect);
    const int bw = buttonRect.right - buttonRect.left;
    const int bh = buttonRect.bottom - buttonRect.top;

    const int minimumWidth = pendingButtons == kButtonsOk ? 2 * bw : 3 * bw;
    int W = (cw > ew ? cw : ew) + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    if (lstrlenA(chinese) < (int)kShortChineseLimit)
        W += 2 * bh;
    const int H = 3 * (ch + bh) + 2 * eh;

    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - W) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - H) / 2, W > minimumWidth ? W : minimumWidth,
                 H + GetSystemMetrics(SM_CYCAPTION), SWP_NOZORDER);

    RECT client;
    GetClientRect(dialog, &client);

    if (pendingButtons == kButtonsOk) {
        PlaceButton(dialog, IDOK, (W - bw) / 2, H - 2 * bh, bw, bh);
    } else {
        const int x1 = (W - (7 * bw) / 3) / 2;
        const int y = H - (3 * bh) / 2;
        PlaceButton(dialog, first, x1, y, bw, bh);
        PlaceButton(dialog, second, x1 + (4 * bw) / 3, y, bw, bh);
    }

    HWND label = GetDlgItem(dialog, IDC_MSG_TEXT);
    SetWindowTextA(label, chinese);
    MoveWindow(label, client.left, (2 * ch) / 3, client.right, 3 * ch, TRUE);

    HWND english = GetDlgItem(dialog, IDC_MSG_ENGLISH);
    if (pendingEnglishText[0]) {
        SetWindowTextA(english, pendingEnglishText);
        MoveWindow(english, client.left, (2 * ch) / 3 + 3 * ch + 5, client.right, 2 * eh, TRUE);
    } else {
        ShowWindow(english, SW_HIDE);
    }
    return TRUE;
}

BOOL OnCommand(HWND dialog, WPARAM wParam)
{
    int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL || id == IDYES || id == IDNO)
        EndDialog(dialog, id);
    return FALSE;
}

}  // namespace

void PrepareMessage(const char* englishText, MessageButtons buttons)
{
    pendingButtons = buttons;
    pendingEnglishText[0] = 0;
    if (!englishText)
        return;
    // Bounded copy: anything past 127 bytes is dropped, never written past the buffer.
    size_t i = 0;
    for (; i < kMessageEnglishSize - 1 && englishText[i]; i++)
        pendingEnglishText[i] = englishText[i];
    pendingEnglishText[i] = 0;
}

const char* PendingEnglishText()
{
    return pendingEnglishText;
}

int ShowMessage(const char* chineseText, const char* englishText, MessageButtons buttons, HWND owner)
{
    PrepareMessage(englishText, buttons);
    return (int)DialogBoxParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_MESSAGE), owner, MessageDialogProc,
                                (LPARAM)chineseText);
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, (const char*)lParam);
    case WM_DRAWITEM:
        DrawSkinButton((DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    default:
        return FALSE;
    }
}
