// Painting for the wizard's two option check boxes, which stay standard auto check boxes
// for input but draw their bilingual captions through the glyph font, and for the lines
// of the Chinese licence in the owner-drawn list box.
#include "ui/skin_checkbox.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "ui/skin_button.h"

WNDPROC savedButtonProc = nullptr;

CheckBoxLayout ComputeCheckBoxLayout(const RECT& client, int styleType, bool checked, bool enabled)
{
    CheckBoxLayout layout;
    layout.fill = client;
    InflateRect(&layout.fill, 2, 2);
    const RECT& rc = layout.fill;
    const LONG h = rc.bottom - rc.top;
    RECT box = {rc.left, rc.top, rc.left + h, rc.bottom};

    if (styleType == BS_CHECKBOX || styleType == BS_AUTOCHECKBOX) {
        InflateRect(&box, -(h / 4), -(h / 4));
        box.top -= 1;
        box.left -= h / 8;
        box.right -= h / 7;
        box.bottom -= 3;
        layout.frameState = DFCS_BUTTONCHECK;
    } else {
        InflateRect(&box, -(h / 12), -(h / 12));
        box.left -= 1;
        box.top += 1;
        box.right -= h / 5;
        box.bottom -= 2;
        bool radio = styleType == BS_RADIOBUTTON || styleType == BS_AUTORADIOBUTTON;
        layout.frameState = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    }
    if (checked)
        layout.frameState |= DFCS_CHECKED;
    if (!enabled)
        layout.frameState |= DFCS_INACTIVE;
    layout.box = box;
    layout.textX = 2 * box.right - box.left;
    layout.textY = rc.top + 3;
    return layout;
}

RECT CheckBoxFocusRect(int x, int y, int captionWidth)
{
    RECT focus = {x, y, x + captionWidth + 2, y + 17};
    InflateRect(&focus, 1, 1);
    return focus;
}

void PaintSkinCheckBox(HWND control, HDC dc)
{
    bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    RECT client;
    GetClientRect(control, &client);
    int styleType = (int)(GetWindowLongPtrA(control, GWL_STYLE) & 0xFF);
    CheckBoxLayout layout = ComputeCheckBoxLayout(client, styleType, checked, IsWindowEnabled(control) != FALSE);

    FillRect(dc, &layout.fill, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &layout.box, DFC_BUTTON, layout.frameState);

    char buffer[kCheckCaptionSize] = "";
    const char* caption = buffer;
    int id = GetDlgCtrlID(control);
    if (id == IDC_OPT_DESKTOP || id == IDC_OPT_AUTOSTART)
        caption = FindBilingualLabel(id).caption;
    else if (GetWindowTextA(control, buffer, sizeof buffer) <= 0)
        buffer[0] = 0;

    TextExtent extent = MeasureMixedText(dc, caption);
    DrawMixedText(dc, layout.textX, layout.textY, caption);
    if (GetFocus() == control) {
        RECT focus = CheckBoxFocusRect(layout.textX, layout.textY, extent.width);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK SkinCheckBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintSkinCheckBox(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_LBUTTONDOWN)
        InvalidateRect(window, nullptr, TRUE);
    return CallWindowProcA(savedButtonProc, window, message, wParam, lParam);
}

void DrawLicenceLine(const DRAWITEMSTRUCT* drawItem, HWND dialog)
{
    HDC dc = drawItem->hDC;
    RECT r = drawItem->rcItem;
    SaveDC(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));

    LRESULT count = SendDlgItemMessageA(dialog, IDC_LICENCE_ZH, LB_GETCOUNT, 0, 0);
    if (count > 0 && (UINT)drawItem->itemID < (UINT)count) {
        InflateRect(&r, -2, -2);
        // Items longer than the line buffer are left undrawn rather than overrun it.
        LRESULT length = SendDlgItemMessageA(dialog, IDC_LICENCE_ZH, LB_GETTEXTLEN, drawItem->itemID, 0);
        char line[kLicenceLineSize] = "";
        if (length >= 0 && length < kLicenceLineSize &&
            SendDlgItemMessageA(dialog, IDC_LICENCE_ZH, LB_GETTEXT, drawItem->itemID, (LPARAM)line) > 0)
            DrawMixedText(dc, r.left, r.top, line);
    }
    RestoreDC(dc, -1);
}
