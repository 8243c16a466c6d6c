// STUB: paints the window text plainly.
#include "ui/skin_button.h"
const BilingualLabel& FindBilingualLabel(int) { static BilingualLabel any = {0, nullptr, true, true}; return any; }
void DrawSkinButton(DRAWITEMSTRUCT* di)
{
    char text[80] = "";
    GetWindowTextA(di->hwndItem, text, sizeof text);
    FillRect(di->hDC, &di->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawTextA(di->hDC, text, -1, &di->rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
