// The owner-drawn buttons and labels painted into a memory DC with real GDI: frame pixels
// of the raised, pressed and default looks, caption placement, the focus rectangle, and
// the captions each control identifier gets.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>

#include "app/setup_state.h"
#include "canvas.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "ui/skin_button.h"
#include "ui/texts.h"

namespace {

// A hidden window whose text DrawSkinButton reads for the window-text captions.
struct TextWindow {
    explicit TextWindow(const char* text)
    {
        window = CreateWindowA("STATIC", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~TextWindow() { DestroyWindow(window); }
    HWND window;
};

DRAWITEMSTRUCT Item(HDC dc, int id, HWND window, RECT rect, UINT action = ODA_DRAWENTIRE, UINT state = 0)
{
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = id;
    item.itemAction = action;
    item.itemState = state;
    item.hwndItem = window;
    item.hDC = dc;
    item.rcItem = rect;
    return item;
}

void Paint(HDC dc, int id, HWND window, RECT rect, UINT action = ODA_DRAWENTIRE, UINT state = 0)
{
    DRAWITEMSTRUCT item = Item(dc, id, window, rect, action, state);
    DrawSkinButton(&item);
}

class SkinButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSetupState();
        g_setup.instance = GetModuleHandleA(nullptr);
        face = GetSysColor(COLOR_BTNFACE);
        light = GetSysColor(COLOR_BTNHIGHLIGHT);
        dark = GetSysColor(COLOR_BTNSHADOW);
        ASSERT_NE(face, light);
        ASSERT_NE(face, dark);
        ASSERT_NE(light, dark);
    }
    COLORREF face = 0, light = 0, dark = 0;
};

// What a pixel of the frame must be: button face, the first or second pen, black, or
// left alone outside the item.
enum Role { kFace, kFirst, kSecond, kBlack, kOutside };

struct FramePixel {
    int dx, dy;  // from the left/top when >= 0, from right/bottom (dx = -1 is R - 1) when < 0
    Role plain;  // any button but the default one
    Role outlined;  // the default button, 1001
};

// Item 106 x 26; column 20 and row 13 run through the middle of the edges.
const FramePixel kFramePixels[] = {
    // outermost ring
    {0, 0, kFace, kBlack},      {0, 13, kFace, kBlack},     {20, 0, kFace, kBlack},
    {-1, 0, kFace, kBlack},     {0, -1, kFace, kBlack},     {-1, 13, kSecond, kBlack},
    {20, -1, kSecond, kBlack},  {-1, -1, kSecond, kBlack},  {1, -1, kSecond, kBlack},
    {-1, 1, kSecond, kBlack},
    // ring one pixel inside
    {1, 1, kFirst, kFirst},     {1, 13, kFirst, kFirst},    {20, 1, kFirst, kFirst},
    {-2, 1, kSecond, kSecond},  {-2, 13, kSecond, kBlack},  {20, -2, kSecond, kBlack},
    {1, -2, kFirst, kBlack},    {-2, -2, kSecond, kBlack},
    // ring two pixels inside
    {2, 2, kFirst, kFirst},     {2, 13, kFirst, kFirst},    {20, 2, kFirst, kFirst},
    {-3, 2, kSecond, kSecond},  {-3, 13, kSecond, kSecond}, {20, -3, kSecond, kSecond},
    {2, -3, kFirst, kFirst},
    // inside the rings
    {3, 13, kFace, kFace},      {3, 3, kFace, kFace},       {-4, -4, kFace, kFace},
    // around the item
    {-107, 13, kOutside, kOutside},  {0, -27, kOutside, kOutside},
    {106, 13, kOutside, kOutside}, {20, 26, kOutside, kOutside},
};

}  // namespace

TEST_F(SkinButton, FramePixelsForRaisedPressedAndDefaultButtons)
{
    struct Case {
        int id;
        bool pressed;
    } cases[] = {{IDCANCEL, false}, {IDCANCEL, true}, {IDC_NEXT, false}, {IDC_NEXT, true}, {5000, false}};
    const RECT rect = {10, 10, 116, 36};
    TextWindow text("");
    for (const Case& c : cases) {
        Canvas canvas(130, 50);
        ASSERT_TRUE(canvas.ok());
        Paint(canvas.dc(), c.id, text.window, rect, ODA_DRAWENTIRE, c.pressed ? ODS_SELECTED : 0);
        COLORREF first = c.pressed ? dark : light;
        COLORREF second = c.pressed ? light : dark;
        for (const FramePixel& p : kFramePixels) {
            int x = p.dx >= 0 ? rect.left + p.dx : rect.right + p.dx;
            int y = p.dy >= 0 ? rect.top + p.dy : rect.bottom + p.dy;
            Role role = c.id == IDC_NEXT ? p.outlined : p.plain;
            COLORREF want = role == kFace ? face : role == kFirst ? first : role == kSecond ? second
                          : role == kBlack ? RGB(0, 0, 0) : kSentinel;
            EXPECT_EQ(canvas.At(x, y), want) << "id " << c.id << (c.pressed ? " pressed" : " raised") << " at ("
                                             << x << ", " << y << ") saw " << ColourText(canvas.At(x, y))
                                             << " want " << ColourText(want);
        }
    }
}

TEST_F(SkinButton, FocusRectangleInsetByATenthAndAnEighth)
{
    const RECT rect = {10, 10, 116, 36};  // 106 x 26
    TextWindow text("");
    Canvas blank(130, 50), canvas(130, 50);
    Paint(canvas.dc(), IDCANCEL, text.window, rect, ODA_FOCUS, ODS_FOCUS);
    RECT changed = canvas.DiffBox(blank);
    RECT want = {20, 13, 106, 33};
    EXPECT_TRUE(SameRect(changed, want)) << "focus drew " << RectText(changed) << " want " << RectText(want);
    RECT inside = {21, 14, 105, 32};
    EXPECT_EQ(canvas.DiffCount(blank, inside), 0) << "the focus rectangle is only an outline";

    // Losing the focus (a focus action without ODS_FOCUS) leaves the picture alone.
    Canvas untouched(130, 50);
    Paint(untouched.dc(), IDCANCEL, text.window, rect, ODA_FOCUS, 0);
    RECT none = untouched.DiffBox(blank);
    EXPECT_TRUE(IsRectEmpty(&none)) << "drew " << RectText(none);
}

TEST_F(SkinButton, PanelPlaceholderPaintsNothingAndWaitLabelOnlyTheFace)
{
    const RECT rect = {10, 10, 116, 36};
    TextWindow text("Placeholder text");
    Canvas blank(130, 50);

    Canvas placeholder(130, 50);
    Paint(placeholder.dc(), IDC_PANEL_PLACEHOLDER, text.window, rect, ODA_DRAWENTIRE | ODA_FOCUS, ODS_FOCUS);
    Paint(placeholder.dc(), IDC_PANEL_PLACEHOLDER, text.window, rect, ODA_FOCUS, ODS_FOCUS);
    RECT drawn = placeholder.DiffBox(blank);
    EXPECT_TRUE(IsRectEmpty(&drawn)) << "1020 drew " << RectText(drawn);

    Canvas wait(130, 50), faceOnly(130, 50);
    Paint(wait.dc(), IDC_WAIT_LABEL, text.window, rect);
    faceOnly.Fill(rect, face);
    RECT differs = wait.DiffBox(faceOnly);
    EXPECT_TRUE(IsRectEmpty(&differs)) << "1021 differs from a plain face in " << RectText(differs);

    // A draw-item record that is not a button's is ignored.
    Canvas listItem(130, 50);
    DRAWITEMSTRUCT item = Item(listItem.dc(), IDCANCEL, text.window, rect);
    item.CtlType = ODT_LISTBOX;
    DrawSkinButton(&item);
    drawn = listItem.DiffBox(blank);
    EXPECT_TRUE(IsRectEmpty(&drawn)) << "a list-box item drew " << RectText(drawn);
}

TEST_F(SkinButton, CaptionsChosenByIdentifierAndPage)
{
    TextWindow text("Template text");
    char buffer[kSkinCaptionSize];
    struct Case {
        int id;
        int page;
        const char* want;
    } cases[] = {
        {IDOK, 0, kCaptionOk},
        {IDCANCEL, 0, kCaptionCancel},
        {IDC_BACK, 2, kCaptionBack},
        {IDYES, 0, kCaptionYes},
        {IDNO, 0, kCaptionNo},
        {IDC_NEXT, kPageFolder, kCaptionNext},
        {IDC_NEXT, kPageLanguage, kCaptionNext},
        {IDC_NEXT, kPageLicence, kCaptionAgreeInstall},
        {IDC_NEXT, kPageInstalling, kCaptionNext},
        {IDC_BROWSE, 0, kCaptionBrowse},
        {IDC_PATH_LABEL, 0, kCaptionInstallPath},
        {IDC_DIRS_LABEL, 0, kCaptionDirectories},
        {IDC_PRODUCT_LABEL, 0, productLabel},
        {IDC_DRIVES_LABEL, 0, kCaptionDrives},
        {IDC_EDITION_LABEL, 0, kCaptionEdition},
        {IDC_INSTALLER_LABEL, 0, kCaptionInstaller},
        {IDC_MSG_TEXT, 0, "Template text"},
        {IDC_LANGUAGE_LABEL, 0, kCaptionLanguage},
        {IDC_WAIT_LABEL, 0, ""},
        {IDC_OPT_DESKTOP, 0, kCaptionDesktopIcon},
        {IDC_OPT_AUTOSTART, 0, kCaptionAutoStart},
        {5000, 0, "Template text"},
    };
    for (const Case& c : cases) {
        g_setup.page = c.page;
        const char* caption = ChooseSkinCaption(c.id, text.window, buffer);
        ASSERT_NE(caption, nullptr) << "id " << c.id;
        EXPECT_STREQ(caption, c.want) << "id " << c.id << " page " << c.page;
    }
    EXPECT_EQ(ChooseSkinCaption(IDC_PANEL_PLACEHOLDER, text.window, buffer), nullptr);

    const BilingualLabel& frameless = FindBilingualLabel(IDC_PATH_LABEL);
    EXPECT_FALSE(frameless.framed);
    EXPECT_FALSE(frameless.centred);
    const BilingualLabel& other = FindBilingualLabel(5000);
    EXPECT_EQ(other.id, 0);
    EXPECT_TRUE(other.framed);
    EXPECT_TRUE(other.centred);
}

TEST_F(SkinButton, WindowTextCaptionsStopAt79Bytes)
{
    // 85 bytes: a GBK character straddles the cut, which leaves a lone lead byte.
    std::string longText(78, 'a');
    longText += "\xC8\xB7\xC8\xCF" "bcd";
    TextWindow text(longText.c_str());
    char buffer[kSkinCaptionSize];
    const char* caption = ChooseSkinCaption(IDC_MSG_TEXT, text.window, buffer);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(strlen(caption), 79u) << caption;
    EXPECT_EQ(std::string(caption), longText.substr(0, 79));

    TextWindow empty("");
    caption = ChooseSkinCaption(5000, empty.window, buffer);
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, "");
}

TEST_F(SkinButton, CaptionOriginArithmetic)
{
    struct Case {
        RECT item;
        int width;
        bool centred, pressed;
        LONG x, y;
    } cases[] = {
        {{0, 0, 106, 26}, 40, true, false, 33, 5},
        {{0, 0, 106, 26}, 40, true, true, 35, 6},
        {{10, 20, 110, 46}, 105, true, false, 8, 25},   // wider than the item: (100 - 105) / 2 = -2
        {{10, 20, 110, 46}, 105, false, false, 10, 25}, // left-aligned labels start at the left edge
        {{0, 0, 50, 15}, 10, true, false, 20, 0},       // (15 - 16) / 2 truncates to 0
    };
    for (const Case& c : cases) {
        POINT origin = SkinCaptionOrigin(c.item, c.width, c.centred, c.pressed);
        EXPECT_EQ(origin.x, c.x) << RectText(c.item) << " width " << c.width;
        EXPECT_EQ(origin.y, c.y) << RectText(c.item) << " width " << c.width;
    }
}

// The caption is drawn where the arithmetic puts it: the picture minus the same button
// with an empty caption is the caption drawn alone at the computed origin.
TEST_F(SkinButton, CaptionDrawnCentredAndShiftedWhenPressed)
{
    const RECT rect = {40, 10, 146, 36};  // 106 x 26
    TextWindow empty("");
    for (bool pressed : {false, true}) {
        TextWindow text("Cancel");
        Canvas bare(200, 50), captioned(200, 50), alone(200, 50);
        UINT state = pressed ? ODS_SELECTED : 0;
        Paint(bare.dc(), 5000, empty.window, rect, ODA_DRAWENTIRE, state);
        Paint(captioned.dc(), 5000, text.window, rect, ODA_DRAWENTIRE, state);
        int w = MeasureMixedText(captioned.dc(), "Cancel").width;
        ASSERT_GT(w, 0) << "the mixed-text measurer reports no width";
        LONG x = rect.left + (rect.right - rect.left - w) / 2 + (pressed ? 2 : 0);
        LONG y = rect.top + (rect.bottom - rect.top - 16) / 2 + (pressed ? 1 : 0);
        alone.CopyFrom(bare);
        DrawMixedText(alone.dc(), x, y, "Cancel");
        RECT ink = captioned.DiffBox(bare);
        RECT want = alone.DiffBox(bare);
        EXPECT_FALSE(IsRectEmpty(&ink)) << "no caption drawn";
        EXPECT_TRUE(SameRect(ink, want)) << (pressed ? "pressed" : "raised") << " caption ink " << RectText(ink)
                                         << " want " << RectText(want) << " (origin " << x << ", " << y << ")";
    }
}

TEST_F(SkinButton, CaptionWiderThanItemStartsLeftOfIt)
{
    const RECT rect = {60, 10, 160, 36};  // 100 wide
    Canvas probe(10, 10);
    // Pick a caption whose excess over the item is odd, so truncation toward zero shows.
    std::string caption = "Cancel Cancel Cancel";
    int w = MeasureMixedText(probe.dc(), caption.c_str()).width;
    for (int i = 0; i < 40 && (w <= 100 || (w - 100) % 2 == 0); i++) {
        caption += (i % 2) ? "i" : "W";
        w = MeasureMixedText(probe.dc(), caption.c_str()).width;
    }
    ASSERT_TRUE(w > 100 && (w - 100) % 2 == 1) << "no caption of odd excess found, last width " << w;

    TextWindow empty(""), text(caption.c_str());
    Canvas bare(260, 50), captioned(260, 50), alone(260, 50);
    Paint(bare.dc(), 5000, empty.window, rect);
    Paint(captioned.dc(), 5000, text.window, rect);
    LONG x = rect.left + (100 - w) / 2;
    EXPECT_EQ(x, rect.left - (w - 100) / 2) << "width " << w;
    alone.CopyFrom(bare);
    DrawMixedText(alone.dc(), x, rect.top + 5, caption.c_str());
    RECT ink = captioned.DiffBox(bare);
    RECT want = alone.DiffBox(bare);
    EXPECT_TRUE(SameRect(ink, want)) << "caption ink " << RectText(ink) << " want " << RectText(want) << " width "
                                     << w;
}

TEST_F(SkinButton, LeavesTheDeviceContextAsItFoundIt)
{
    Canvas canvas(130, 50);
    HDC dc = canvas.dc();
    SetTextColor(dc, RGB(200, 0, 0));
    SetBkColor(dc, RGB(0, 0, 200));
    SetBkMode(dc, OPAQUE);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    TextWindow text("");
    g_setup.page = kPageLicence;
    Paint(dc, IDC_NEXT, text.window, RECT{10, 10, 116, 36}, ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0)) << ColourText(GetTextColor(dc));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 200)) << ColourText(GetBkColor(dc));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
}
