// MapGbCodeToCell: the worked codes, the GB2312 zone order and the promise that every
// 16-bit code lands on a cell wholly inside its 512 x 944 sheet.
#include <gtest/gtest.h>
#include "glyph/glyph_atlas.h"

TEST(GlyphCellMapping, WorkedCodesGiveTheirCells)
{
    struct Case {
        unsigned short code;
        int cell, sheet, x, y;
    };
    static const Case cases[] = {
        {0xA1A1, 0, 0, 0, 0},           // ideographic space
        {0xA1B6, 21, 0, 336, 0},        // left double angle bracket
        {0xA2A1, 94, 0, 480, 32},       // first cell of zone 0xA2
        {0xA7FE, 657, 0, 272, 320},     // last symbol cell
        {0xB0A1, 658, 0, 288, 320},     // first hanzi
        {0xA8A1, 658, 0, 288, 320},     // zone 0xA8 shares the hanzi cells
        {0xCDF5, 3468, 1, 192, 784},
        {0xD7F9, 4412, 2, 448, 304},    // last glyph of the carried font
        {0xF7FE, 7425, 3, 16, 880},     // last GB2312 code
        {0xE946, 7456, 3, 0, 896},      // fixed cell
        {0xA9A4, 7457, 3, 16, 896},     // fixed cell
        {0xA1A0, 65535, 3, 496, 656},   // negative position wraps
        {0xB000, 1411, 0, 48, 704},     // lead byte then a zero byte
        {0x8140, 21119, 3, 496, 160},   // GBK outside GB2312
    };
    for (const Case& c : cases) {
        GlyphCell cell = MapGbCodeToCell(c.code);
        EXPECT_EQ(c.sheet, cell.sheet) << "code 0x" << std::hex << c.code << " cell " << std::dec << c.cell;
        EXPECT_EQ(c.x, cell.x) << "code 0x" << std::hex << c.code << " cell " << std::dec << c.cell;
        EXPECT_EQ(c.y, cell.y) << "code 0x" << std::hex << c.code << " cell " << std::dec << c.cell;
    }
}

TEST(GlyphCellMapping, Gb2312CodesFollowZoneOrder)
{
    for (int lead = 0xA1; lead <= 0xFE; lead++) {
        for (int trail = 0xA1; trail <= 0xFE; trail++) {
            int code = lead * 256 + trail;
            if (code == 0xA9A4)
                continue;  // fixed cell, in the worked codes
            int cell = code < 0xB0A1 ? 94 * (lead - 0xA1) + (trail - 0xA1)
                                     : 658 + 94 * (lead - 0xB0) + (trail - 0xA1);
            int row = cell / 32;
            GlyphCell got = MapGbCodeToCell((unsigned short)code);
            int sheet = row / 59 > 3 ? 3 : row / 59;
            ASSERT_EQ(sheet, got.sheet) << "code 0x" << std::hex << code;
            ASSERT_EQ(16 * (cell % 32), got.x) << "code 0x" << std::hex << code;
            ASSERT_EQ(16 * (row % 59), got.y) << "code 0x" << std::hex << code;
        }
    }
}

TEST(GlyphCellMapping, EveryCodeLandsInsideItsSheet)
{
    for (int code = 0; code <= 0xFFFF; code++) {
        GlyphCell cell = MapGbCodeToCell((unsigned short)code);
        bool inside = cell.sheet >= 0 && cell.sheet < kGlyphSheetCount && cell.x >= 0 &&
                      cell.x + 16 <= kGlyphSheetWidth && cell.x % 16 == 0 && cell.y >= 0 &&
                      cell.y + 16 <= kGlyphSheetHeight && cell.y % 16 == 0;
        ASSERT_TRUE(inside) << "code 0x" << std::hex << code << std::dec << " sheet " << cell.sheet
                            << " x " << cell.x << " y " << cell.y;
    }
}
