// Paints every owner-drawn push button and label of the setup's dialogs: face, 3D frame
// (raised, pressed, or with the black default outline), the bilingual caption drawn
// through the glyph font so it reads on any code page, and the focus rectangle.
#include "ui/skin_button.h"
#include "app/setup_state.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "ui/texts.h"

namespace {

const char kEmptyCaption[] = "";

// Captions and looks by control identifier. A null caption means the window text
// (1001 picks its text by page instead).
const BilingualLabel kLabels[] = {
    {IDOK, kCaptionOk, true, true, false},
    {IDCANCEL, kCaptionCancel, true, true, false},
    {IDC_BACK, kCaptionBack, true, true, false},
    {IDYES, kCaptionYes, true, true, false},
    {IDNO, kCaptionNo, true, true, false},
    {IDC_NEXT, nullptr, true, true, false},
    {IDC_BROWSE, kCaptionBrowse, true, true, false},
    {IDC_PATH_LABEL, kCaptionInstallPath, false, false, false},
    {IDC_DIRS_LABEL, kCaptionDirectories, false, false, false},
    {IDC_PRODUCT_LABEL, productLabel, false, true, false},
    {IDC_DRIVES_LABEL, kCaptionDrives, false, false, false},
    {IDC_EDITION_LABEL, kCaptionEdition, false, true, false},
    {IDC_INSTALLER_LABEL, kCaptionInstaller, false, true, false},
    {IDC_MSG_TEXT, nullptr, false, true, false},
    {IDC_LANGUAGE_LABEL, kCaptionLanguage, false, true, false},
    {IDC_PANEL_PLACEHOLDER, nullptr, false, false, true},
    {IDC_WAIT_LABEL, kEmptyCaption, false, false, false},
    {IDC_OPT_DESKTOP, kCaptionDesktopIcon, true, true, false},
    {IDC_OPT_AUTOSTART, kCaptionAutoStart, true, true, false},
};

const BilingualLabel kAnyOther = {0, nullptr, true, true, false};

// Two nested rings one and two pixels inside the item, then the outermost edge: a black
// outline for the default button, otherwise only its bottom and right in the dark pen.
void DrawSkinFrame(HDC dc, const RECT& item, bool pressed, bool isDefault)
{
    const LONG L = item.left, T = item.top, R = item.right, B = item.bottom;
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    HPEN firstPen = CreatePen(PS_SOLID, 1, pressed ? dark : light);
    HPEN secondPen = CreatePen(PS_SOLID, 1, pressed ? light : dark);
    HGDIOBJ previousPen = SelectObject(dc, firstPen);

    for (LONG i = 1; i <= 2; i++) {
        MoveToEx(dc, L + i, B - i - 1, nullptr);
        LineTo(dc, L + i, T + i);
        LineTo(dc, R - i - 1, T + i);
        SelectObject(dc, secondPen);
        LineTo(dc, R - i - 1, B - i - 1);
        LineTo(dc, L + i, B - i - 1);
        SelectObject(dc, firstPen);
    }

    if (isDefault) {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, L, B - 1, nullptr);
        LineTo(dc, L, T);
        LineTo(dc, R - 1, T);
        LineTo(dc, R - 1, B - 1);
        LineTo(dc, L, B - 1);
        MoveToEx(dc, L + 1, B - 2, nullptr);
        LineTo(dc, R - 2, B - 2);
        LineTo(dc, R - 2, T + 1);
    } else {
        SelectObject(dc, secondPen);
        MoveToEx(dc, L + 1, B - 1, nullptr);
        LineTo(dc, R - 1, B - 1);
        LineTo(dc, R - 1, T);
    }

    SelectObject(dc, previousPen);
    DeleteObject(firstPen);
    DeleteObject(secondPen);
}

}  // namespace

const BilingualLabel& FindBilingualLabel(int id)
{
    for (const BilingualLabel& label : kLabels)
        if (label.id == id)
            return label;
    return kAnyOther;
}

const char* ChooseSkinCaption(int id, HWND item, char* buffer)
{
    const BilingualLabel& label = FindBilingualLabel(id);
    if (label.skipped)
        return nullptr;
    if (label.caption)
        return label.caption;
    if (id == IDC_NEXT)
        return g_setup.page == kPageLicence ? kCaptionAgreeInstall : kCaptionNext;
    buffer[0] = 0;
    if (GetWindowTextA(item, buffer, kSkinCaptionSize) <= 0)
        buffer[0] = 0;
    buffer[kSkinCaptionSize - 1] = 0;
    return buffer;
}

POINT SkinCaptionOrigin(const RECT& item, int captionWidth, bool centred, bool pressed)
{
    POINT origin;
    origin.x = centred ? item.left + (item.right - item.left - captionWidth) / 2 : item.left;
    origin.y = item.top + (item.bottom - item.top - 16) / 2;
    if (pressed) {
        origin.x += 2;
        origin.y += 1;
    }
    return origin;
}

RECT SkinFocusRect(const RECT& item)
{
    LONG dx = (item.right - item.left) / 10;
    LONG dy = (item.bottom - item.top) / 8;
    RECT focus = {item.left + dx, item.top + dy, item.right - dx, item.bottom - dy};
    return focus;
}

void DrawSkinButton(DRAWITEMSTRUCT* drawItem)
{
    if (drawItem->CtlType != ODT_BUTTON)
        return;
    const int id = (int)drawItem->CtlID;
    const BilingualLabel& label = FindBilingualLabel(id);
    HDC dc = drawItem->hDC;

    if (drawItem->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        bool pressed = (drawItem->itemState & ODS_SELECTED) != 0;
        char buffer[kSkinCaptionSize];
        const char* caption = ChooseSkinCaption(id, drawItem->hwndItem, buffer);
        if (!caption)
            return;
        FillRect(dc, &drawItem->rcItem, GetSysColorBrush(COLOR_BTNFACE));
        if (label.framed)
            DrawSkinFrame(dc, drawItem->rcItem, pressed, id == g_setup.defaultCommand);
        TextExtent extent = MeasureMixedText(dc, caption);
        POINT origin = SkinCaptionOrigin(drawItem->rcItem, extent.width, label.centred, pressed);
        DrawMixedText(dc, origin.x, origin.y, caption);
    } else if (label.skipped) {
        return;
    }

    if (drawItem->itemState & ODS_FOCUS) {
        drawItem->rcItem = SkinFocusRect(drawItem->rcItem);
        DrawFocusRect(dc, &drawItem->rcItem);
    }
}
