// The glyph atlas: four 512 x 944 monochrome sheets made from the carried bitmap font,
// each kept selected in its own memory DC for the whole run, and the arithmetic that
// sends a two-byte GB2312/GBK code to the 16 x 16 cell holding its glyph.
#include "glyph/glyph_atlas.h"

GlyphAtlas g_glyphAtlas = {};

GlyphGdi g_glyphGdi = { CreateBitmap, CreateCompatibleDC };

bool BuildGlyphAtlas(const unsigned char* fontBuffer)
{
    if (!fontBuffer)
        return false;
    for (int k = 0; k < kGlyphSheetCount; k++) {
        GlyphSheet* sheet = &g_glyphAtlas.sheets[k];
        // The bitmap copies its bits, so the caller may free fontBuffer afterwards.
        sheet->bitmap = g_glyphGdi.createBitmap(kGlyphSheetWidth, kGlyphSheetHeight, 1, 1,
                                                fontBuffer + kGlyphSheetBytes * k);
        if (!sheet->bitmap)
            return false;
        HDC screen = GetDC(nullptr);
        sheet->memoryDc = g_glyphGdi.createCompatibleDc(screen);
        ReleaseDC(nullptr, screen);
        if (!sheet->memoryDc)
            return false;
        sheet->previousBitmap = SelectObject(sheet->memoryDc, sheet->bitmap);
    }
    return true;
}

void ReleaseGlyphAtlas()
{
    for (int k = 0; k < kGlyphSheetCount; k++) {
        GlyphSheet* sheet = &g_glyphAtlas.sheets[k];
        if (sheet->memoryDc) {
            // Deselect our bitmap first: a bitmap still selected into a DC is not freed.
            SelectObject(sheet->memoryDc, sheet->previousBitmap);
            DeleteDC(sheet->memoryDc);
        }
        if (sheet->bitmap)
            DeleteObject(sheet->bitmap);
        // Forget the handles so a second release cannot delete someone else's objects.
        sheet->bitmap = nullptr;
        sheet->memoryDc = nullptr;
        sheet->previousBitmap = nullptr;
    }
}

GlyphCell MapGbCodeToCell(unsigned short code)
{
    GlyphCell result;
    // Two codes outside the carried zones have cells of their own in row 233.
    if (code == 0xE946) {
        result.sheet = 3;
        result.x = 0;
        result.y = 896;
        return result;
    }
    if (code == 0xA9A4) {
        result.sheet = 3;
        result.x = 16;
        result.y = 896;
        return result;
    }

    // Position in a grid of 96 columns starting at 0xA0A0 (exact for bytes 0xA0-0xFF).
    int v = (code + 0x5F60) & 0xFFFF;
    int s = 96 * (v >> 8) + (v & 0xFF);
    int t, base;
    if (code < 0xB0A1) {
        t = s - 97;     // symbol zones 0xA1-0xA7 from cell 0
        base = 0;
    } else {
        t = s - 1537;   // hanzi from zone 0xB0 on, after the 658 symbol cells
        base = 658;
    }
    // Drop the two unused columns (0xA0 and 0xFF) of every 96-column zone. C++ division
    // truncates toward zero; the mask wraps negative results into 0-65,535.
    int q = t / 96;
    int cell = (base + t - 2 * q) & 0xFFFF;

    int row = cell / 32;
    int sheet = row / 59;
    result.sheet = sheet > 3 ? 3 : sheet;
    result.x = 16 * (cell % 32);
    result.y = 16 * (row % 59);
    return result;
}
