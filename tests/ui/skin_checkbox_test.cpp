// The option check boxes and licence lines painted with real GDI: the box arithmetic,
// the frame-control state for checked and disabled boxes, the focus rectangle only while
// focused, the standard behaviour kept under the subclass, and licence line placement.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/setup_state.h"
#include "canvas.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "ui/skin_checkbox.h"
#include "ui/texts.h"

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSetupState();
        g_setup.instance = GetModuleHandleA(nullptr);
        parent = CreateWindowA("STATIC", "parent", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr, nullptr,
                               nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND AddCheckBox(int id, const char* text, int height = 26)
    {
        return CreateWindowA("BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10, 300,
                             height, parent, (HMENU)(INT_PTR)id, nullptr, nullptr);
    }

    // What a check box must look like: the face, the frame control at the computed box
    // with the given state, and the caption one box width right of the box.
    void PaintExpected(Canvas& canvas, UINT state, const char* caption)
    {
        RECT fill = {-2, -2, 302, 28};
        canvas.Fill(fill, GetSysColor(COLOR_BTNFACE));
        RECT box = {2, 4, 17, 18};
        DrawFrameControl(canvas.dc(), &box, DFC_BUTTON, state);
        DrawMixedText(canvas.dc(), 32, 1, caption);
    }

    HWND parent = nullptr;
};

}  // namespace

TEST(CheckBoxLayout, BoxCaptionAndStateFromTheClientRectangle)
{
    RECT client = {0, 0, 300, 26};
    struct Case {
        int type;
        bool checked, enabled;
        RECT box;
        UINT state;
    } cases[] = {
        {BS_AUTOCHECKBOX, true, true, {2, 4, 17, 18}, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {BS_AUTOCHECKBOX, false, false, {2, 4, 17, 18}, DFCS_BUTTONCHECK | DFCS_INACTIVE},
        {BS_CHECKBOX, false, true, {2, 4, 17, 18}, DFCS_BUTTONCHECK},
        // h = 30: inset 2, then left - 1, top + 1, right - 6, bottom - 2
        {BS_AUTORADIOBUTTON, true, true, {-1, 1, 20, 24}, DFCS_BUTTONRADIO | DFCS_CHECKED},
        {BS_RADIOBUTTON, false, true, {-1, 1, 20, 24}, DFCS_BUTTONRADIO},
        {BS_PUSHBUTTON, false, true, {-1, 1, 20, 24}, DFCS_BUTTONCHECK},
    };
    for (const Case& c : cases) {
        CheckBoxLayout layout = ComputeCheckBoxLayout(client, c.type, c.checked, c.enabled);
        RECT fill = {-2, -2, 302, 28};
        EXPECT_TRUE(SameRect(layout.fill, fill)) << "type " << c.type << " fill " << RectText(layout.fill);
        EXPECT_TRUE(SameRect(layout.box, c.box)) << "type " << c.type << " box " << RectText(layout.box) << " want "
                                                 << RectText(c.box);
        EXPECT_EQ(layout.frameState, c.state) << "type " << c.type << " state " << std::hex << layout.frameState;
        EXPECT_EQ(layout.textX, 2 * c.box.right - c.box.left) << "type " << c.type;
        EXPECT_EQ(layout.textY, 1) << "type " << c.type;
    }
    RECT focus = CheckBoxFocusRect(32, 1, 200);
    RECT want = {31, 0, 235, 19};
    EXPECT_TRUE(SameRect(focus, want)) << RectText(focus);
}

TEST_F(CheckBoxTest, PaintsFrameControlStateAndBilingualCaption)
{
    HWND desktop = AddCheckBox(IDC_OPT_DESKTOP, "Template text");
    HWND other = AddCheckBox(5000, "Window text caption");
    ASSERT_NE(desktop, nullptr);
    SetFocus(parent);  // neither box has the focus

    struct Case {
        HWND control;
        bool checked, enabled;
        UINT state;
        const char* caption;
    } cases[] = {
        {desktop, true, true, DFCS_BUTTONCHECK | DFCS_CHECKED, kCaptionDesktopIcon},
        {desktop, false, false, DFCS_BUTTONCHECK | DFCS_INACTIVE, kCaptionDesktopIcon},
        {desktop, false, true, DFCS_BUTTONCHECK, kCaptionDesktopIcon},
        {other, true, false, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, "Window text caption"},
    };
    for (const Case& c : cases) {
        SendMessageA(c.control, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(c.control, c.enabled);
        Canvas painted(340, 40), expected(340, 40);
        PaintSkinCheckBox(c.control, painted.dc());
        PaintExpected(expected, c.state, c.caption);
        RECT differs = painted.DiffBox(expected);
        EXPECT_TRUE(IsRectEmpty(&differs)) << "state " << std::hex << c.state << std::dec << " caption \""
                                           << c.caption << "\": differs in " << RectText(differs);
        // A wrong state would have drawn a different box: the comparison can tell them apart.
        Canvas wrong(340, 40);
        PaintExpected(wrong, c.state ^ DFCS_CHECKED, c.caption);
        RECT apart = wrong.DiffBox(expected);
        EXPECT_FALSE(IsRectEmpty(&apart)) << "checked and unchecked boxes look the same";
    }
}

TEST_F(CheckBoxTest, FocusRectangleOnlyWhileFocused)
{
    HWND box = AddCheckBox(IDC_OPT_AUTOSTART, "");
    HWND otherBox = AddCheckBox(IDC_OPT_DESKTOP, "");
    SetForegroundWindow(parent);
    SetFocus(box);
    ASSERT_EQ(GetFocus(), box) << "the check box could not take the focus";

    Canvas focused(340, 40), plain(340, 40);
    PaintSkinCheckBox(box, focused.dc());
    int w = MeasureMixedText(focused.dc(), kCaptionAutoStart).width;
    PaintExpected(plain, DFCS_BUTTONCHECK, kCaptionAutoStart);
    RECT changed = focused.DiffBox(plain);
    RECT want = CheckBoxFocusRect(32, 1, w);
    EXPECT_TRUE(SameRect(changed, want)) << "focus drew " << RectText(changed) << " want " << RectText(want)
                                         << " (caption width " << w << ")";

    SetFocus(otherBox);
    Canvas unfocused(340, 40);
    PaintSkinCheckBox(box, unfocused.dc());
    RECT none = unfocused.DiffBox(plain);
    EXPECT_TRUE(IsRectEmpty(&none)) << "drew a focus rectangle without the focus: " << RectText(none);
}

TEST_F(CheckBoxTest, SubclassedBoxKeepsStandardCheckBehaviour)
{
    HWND box = AddCheckBox(IDC_OPT_DESKTOP, "");
    savedButtonProc = (WNDPROC)SetWindowLongPtrA(box, GWLP_WNDPROC, (LONG_PTR)SkinCheckBoxProc);
    ASSERT_NE(savedButtonProc, nullptr);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "a click did not check the box";
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "a second click did not clear it";

    // Painting goes through the subclass and validates the control.
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(box, &update, FALSE)) << "still invalid: " << RectText(update);
    SetWindowLongPtrA(box, GWLP_WNDPROC, (LONG_PTR)savedButtonProc);
}

namespace {

class LicenceLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateWindowA("STATIC", "licence", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr, nullptr, nullptr);
        list = CreateWindowA("LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL, 0, 0, 300,
                             150, dialog, (HMENU)(INT_PTR)IDC_LICENCE_ZH, nullptr, nullptr);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog); }

    DRAWITEMSTRUCT Item(HDC dc, UINT itemId)
    {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = IDC_LICENCE_ZH;
        item.itemID = itemId;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = ODS_SELECTED | ODS_FOCUS;  // ignored: no selection colours, no focus
        item.hwndItem = list;
        item.hDC = dc;
        item.rcItem = kItem;
        return item;
    }

    // The item's fill alone, and with the line drawn black on the window colour at
    // 2 pixels right of and below the item's corner.
    void PaintExpected(Canvas& canvas, const char* line)
    {
        canvas.Fill(kItem, GetSysColor(COLOR_WINDOW));
        if (!line)
            return;
        SetTextColor(canvas.dc(), RGB(0, 0, 0));
        SetBkColor(canvas.dc(), GetSysColor(COLOR_WINDOW));
        DrawMixedText(canvas.dc(), kItem.left + 2, kItem.top + 2, line);
    }

    const RECT kItem = {10, 20, 330, 43};  // 23 pixels high
    HWND dialog = nullptr;
    HWND list = nullptr;
};

}  // namespace

TEST_F(LicenceLineTest, LineDrawnTwoPixelsInsideItsItem)
{
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "Licence line one");
    Canvas painted(360, 60), expected(360, 60), fillOnly(360, 60);
    HDC dc = painted.dc();
    SetTextColor(dc, RGB(200, 0, 0));
    SetBkColor(dc, RGB(0, 0, 200));
    DRAWITEMSTRUCT item = Item(dc, 0);
    DrawLicenceLine(&item, dialog);
    PaintExpected(expected, "Licence line one");
    PaintExpected(fillOnly, nullptr);
    RECT differs = painted.DiffBox(expected);
    EXPECT_TRUE(IsRectEmpty(&differs)) << "differs in " << RectText(differs);
    RECT ink = expected.DiffBox(fillOnly);
    EXPECT_FALSE(IsRectEmpty(&ink)) << "the line drew no ink";
    EXPECT_GE(ink.left, kItem.left + 2) << RectText(ink);
    EXPECT_GE(ink.top, kItem.top + 2) << RectText(ink);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0)) << "text colour not restored: " << ColourText(GetTextColor(dc));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 200)) << "background colour not restored: " << ColourText(GetBkColor(dc));
}

TEST_F(LicenceLineTest, ItemsOutsideTheListAndEmptyLinesOnlyFill)
{
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "First line");
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "");
    Canvas fillOnly(360, 60);
    PaintExpected(fillOnly, nullptr);
    for (UINT id : {(UINT)-1, 1u, 2u, 500u}) {
        Canvas painted(360, 60);
        DRAWITEMSTRUCT item = Item(painted.dc(), id);
        DrawLicenceLine(&item, dialog);
        RECT differs = painted.DiffBox(fillOnly);
        EXPECT_TRUE(IsRectEmpty(&differs)) << "item " << (int)id << " differs in " << RectText(differs);
    }

    // An empty list: item -1 draws no text either.
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    Canvas painted(360, 60);
    DRAWITEMSTRUCT item = Item(painted.dc(), (UINT)-1);
    DrawLicenceLine(&item, dialog);
    RECT differs = painted.DiffBox(fillOnly);
    EXPECT_TRUE(IsRectEmpty(&differs)) << "empty list differs in " << RectText(differs);
}

TEST_F(LicenceLineTest, OverlongItemIsNotReadPastTheLineBuffer)
{
    std::string longLine(400, 'x');
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)longLine.c_str());
    Canvas painted(360, 60), fillOnly(360, 60);
    PaintExpected(fillOnly, nullptr);
    DRAWITEMSTRUCT item = Item(painted.dc(), 0);
    DrawLicenceLine(&item, dialog);
    RECT differs = painted.DiffBox(fillOnly);
    EXPECT_TRUE(IsRectEmpty(&differs)) << "a 400-byte item was drawn: " << RectText(differs);
}
