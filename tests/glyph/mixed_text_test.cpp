// Drawing and measuring mixed ASCII/GBK strings into a real 24-bit memory DC: glyph
// cells come from an atlas built from a patterned font, ASCII from a stock font.
#include <gtest/gtest.h>
#include <string.h>
#include <vector>
#include <zlib.h>
#include "glyph/glyph_atlas.h"
#include "glyph/mixed_text.h"
#include "glyph_test_support.h"
#include "ui/texts.h"

namespace {

const COLORREF kFill = RGB(0x30, 0x80, 0xC0);

// Paints the ink of test cell `cell` at (x, y) of a canvas the way SRCAND with black text
// on a white background colour must: ink black, everything else left alone.
void PaintExpectedCell(Canvas& canvas, int x, int y, int cell)
{
    for (int row = 0; row < 16; row++)
        for (int col = 0; col < 16; col++)
            if (InkMask(cell, row) & (0x8000u >> col))
                canvas.Put(x + col, y + row, kBlack);
}

// Where two canvases differ first, as "x,y a/b", or "" when they are equal.
std::string FirstDifference(const Canvas& a, const Canvas& b)
{
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++)
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                char text[64];
                snprintf(text, sizeof(text), "%d,%d %06lx/%06lx", x, y, (unsigned long)a.Pixel(x, y),
                         (unsigned long)b.Pixel(x, y));
                return text;
            }
    return "";
}

int AsciiWidth(HDC dc, char c)
{
    SIZE size = {};
    GetTextExtentPointA(dc, &c, 1, &size);
    return size.cx;
}

// Top scanline holding anything but the fill colour, or -1.
int TopInkRow(const Canvas& canvas)
{
    for (int y = 0; y < canvas.height(); y++)
        for (int x = 0; x < canvas.width(); x++)
            if (canvas.Pixel(x, y) != kFill)
                return y;
    return -1;
}

class MixedText : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<unsigned char> font = MakePatternFont();
        ASSERT_TRUE(BuildGlyphAtlas(font.data()));
    }
    void TearDown() override { ReleaseGlyphAtlas(); }
};

}  // namespace

TEST_F(MixedText, GlyphCellShowsOnlyItsInk)
{
    Canvas canvas(40, 30, kFill), expected(40, 30, kFill);
    ASSERT_TRUE(canvas.ok());
    DrawMixedText(canvas.dc(), 5, 3, "\xB0\xA1");
    PaintExpectedCell(expected, 5, 3, 658);
    EXPECT_EQ("", FirstDifference(canvas, expected)) << "0xB0A1 from cell 658";
}

TEST_F(MixedText, MixedLineMatchesGlyphsAndTransparentAsciiOnePixelLower)
{
    // Glyphs from all four sheets, ASCII between them.
    const char text[] = "A\xB0\xA1 x\xCD\xF5\xD7\xF9g\xF7\xFE";
    struct Piece {
        char ascii;
        int cell;
    };
    static const Piece pieces[] = {{'A', 0}, {0, 658}, {' ', 0}, {'x', 0},
                                   {0, 3468}, {0, 4412}, {'g', 0}, {0, 7425}};
    const int x0 = 4, y0 = 6;
    Canvas canvas(200, 30, kFill), expected(200, 30, kFill);
    ASSERT_TRUE(canvas.ok());
    DrawMixedText(canvas.dc(), x0, y0, text);

    SetBkMode(expected.dc(), TRANSPARENT);
    int px = x0;
    for (const Piece& piece : pieces) {
        if (piece.ascii) {
            TextOutA(expected.dc(), px, y0 + 1, &piece.ascii, 1);
            GdiFlush();
            px += AsciiWidth(expected.dc(), piece.ascii);
        } else {
            PaintExpectedCell(expected, px, y0, piece.cell);
            px += 16;
        }
    }
    EXPECT_EQ("", FirstDifference(canvas, expected));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc()));
}

TEST_F(MixedText, AsciiSitsOnePixelBelowGlyphTop)
{
    Canvas drawn(40, 30, kFill), direct(40, 30, kFill);
    SetBkMode(direct.dc(), TRANSPARENT);
    DrawMixedText(drawn.dc(), 2, 5, "T");
    TextOutA(direct.dc(), 2, 5, "T", 1);
    int top = TopInkRow(direct);
    ASSERT_GE(top, 0) << "the stock font drew nothing";
    EXPECT_EQ(top + 1, TopInkRow(drawn));
}

TEST_F(MixedText, LoneTrailingLeadByteUsesTheTerminatorAsTrail)
{
    // The bytes after the terminator would make 0xB0A1 if they were read.
    const char text[] = "\xB0\0\xA1\xA1";
    Canvas canvas(40, 30, kFill), expected(40, 30, kFill);
    DrawMixedText(canvas.dc(), 3, 2, text);
    PaintExpectedCell(expected, 3, 2, 44 * 32 + 3);  // sheet 0 at (48, 704)
    EXPECT_EQ("", FirstDifference(canvas, expected));
    EXPECT_EQ(16, MeasureMixedText(canvas.dc(), text).width);
}

TEST_F(MixedText, LeadByteSwallowsFollowingAscii)
{
    Canvas canvas(60, 30, kFill), expected(60, 30, kFill);
    DrawMixedText(canvas.dc(), 3, 2, "\xB0" "A");
    PaintExpectedCell(expected, 3, 2, BufferCell(MapGbCodeToCell(0xB041)));
    EXPECT_EQ("", FirstDifference(canvas, expected)) << "one glyph and no A";
    EXPECT_EQ(16, MeasureMixedText(canvas.dc(), "\xB0" "A").width);
}

TEST_F(MixedText, EmptyStringDrawsNothingAndLeavesTheDcAsItWas)
{
    Canvas canvas(20, 20, kFill), untouched(20, 20, kFill);
    HDC dc = canvas.dc();
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(250, 251, 252));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    DrawMixedText(dc, 0, 0, "");
    EXPECT_EQ("", FirstDifference(canvas, untouched));
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    DrawMixedText(dc, 0, 0, "a\xB0\xA1");
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    EXPECT_EQ(RGB(250, 251, 252), GetBkColor(dc));
    EXPECT_EQ((UINT)(TA_LEFT | TA_TOP | TA_NOUPDATECP), GetTextAlign(dc));
    EXPECT_EQ(font, GetCurrentObject(dc, OBJ_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawMixedText(dc, 0, 0, "");
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    // No string at all is taken as the empty one.
    Canvas blank(20, 20, kFill);
    DrawMixedText(blank.dc(), 0, 0, nullptr);
    EXPECT_EQ("", FirstDifference(blank, untouched));
    EXPECT_EQ(OPAQUE, GetBkMode(blank.dc()));
    TextExtent none = MeasureMixedText(blank.dc(), nullptr);
    EXPECT_EQ(0, none.width);
    EXPECT_EQ(16, none.height);
}

TEST_F(MixedText, MeasuresGlyphsAsSixteenAndAsciiByItsOwnExtent)
{
    Canvas canvas(8, 8, kFill);
    // A tall font must not change the height, nor the 16-pixel glyph advance.
    HFONT tall = CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    for (HGDIOBJ font : {GetStockObject(ANSI_VAR_FONT), GetStockObject(SYSTEM_FONT), (HGDIOBJ)tall}) {
        HDC dc = canvas.dc();
        HGDIOBJ old = SelectObject(dc, font);
        int ascii = AsciiWidth(dc, ' ') + AsciiWidth(dc, 'N') + AsciiWidth(dc, 'e') +
                    AsciiWidth(dc, 'x') + AsciiWidth(dc, 't');
        ASSERT_GT(ascii, 0);
        struct Case {
            const char* text;
            int width;
        } cases[] = {
            {kCaptionNext, 3 * 16 + ascii},
            {"", 0},
            {"\xB0", 16},
            {"\xB0" "A", 16},
            {"\x81\x40Next", 16 + ascii - AsciiWidth(dc, ' ')},
        };
        for (const Case& c : cases) {
            TextExtent extent = MeasureMixedText(dc, c.text);
            EXPECT_EQ(c.width, extent.width) << "\"" << c.text << "\" font " << font;
            EXPECT_EQ(16, extent.height) << "\"" << c.text << "\" font " << font;
        }
        SelectObject(dc, old);
    }
    DeleteObject(tall);
}

// The carried font itself: the glyphs drawn for 0xB0A1 and 0xA1B6 are its cells 658 and 21.
TEST(MixedTextCarriedFont, DrawsCellsOfPayloadEntry110BitForBit)
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(110), "TEXT");
    ASSERT_NE(nullptr, resource);
    const Bytef* packed = static_cast<const Bytef*>(LockResource(LoadResource(nullptr, resource)));
    ASSERT_NE(nullptr, packed);
    std::vector<unsigned char> font(kFontBufferSize, 0xFF);
    uLongf length = kFontBufferSize;
    int status = uncompress(font.data(), &length, packed, SizeofResource(nullptr, resource));
    ASSERT_EQ(Z_OK, status);
    if (length < 141312)
        GTEST_SKIP() << "entry 110 is a placeholder of " << length << " bytes";
    // Start-up leaves the uncovered rest of the buffer blank, as here.
    ASSERT_TRUE(BuildGlyphAtlas(font.data()));

    struct Case {
        const char* text;
        int cell;
    } cases[] = {{"\xB0\xA1", 658}, {"\xA1\xB6", 21}};
    for (const Case& c : cases) {
        Canvas canvas(20, 20, kWhite);
        DrawMixedText(canvas.dc(), 2, 2, c.text);
        int ink = 0;
        for (int row = 0; row < 16; row++) {
            unsigned bits = font[CellOffset(c.cell, row)] << 8 | font[CellOffset(c.cell, row) + 1];
            for (int col = 0; col < 16; col++) {
                bool isInk = !(bits & (0x8000u >> col));
                ink += isInk;
                EXPECT_EQ(isInk ? kBlack : kWhite, canvas.Pixel(2 + col, 2 + row))
                    << "cell " << c.cell << " at " << col << "," << row;
            }
        }
        EXPECT_GT(ink, 0) << "cell " << c.cell << " is blank in the carried font";
    }
    ReleaseGlyphAtlas();
}
