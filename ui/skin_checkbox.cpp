// STUB: forwards everything to the standard button procedure.
#include "ui/skin_checkbox.h"
WNDPROC savedButtonProc = nullptr;
LRESULT CALLBACK SkinCheckBoxProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return CallWindowProcA(savedButtonProc, w, m, wp, lp); }
void PaintSkinCheckBox(HWND, HDC) {}
void DrawLicenceLine(const DRAWITEMSTRUCT* di, HWND)
{
    char line[260] = "";
    FillRect(di->hDC, &di->rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (SendMessageA(di->hwndItem, LB_GETTEXTLEN, di->itemID, 0) < 260 &&
        SendMessageA(di->hwndItem, LB_GETTEXT, di->itemID, (LPARAM)line) > 0)
        TextOutA(di->hDC, di->rcItem.left + 2, di->rcItem.top + 2, line, lstrlenA(line));
}
