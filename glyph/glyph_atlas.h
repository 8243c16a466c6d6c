// The 16 x 16 bitmap font carried as payload entry 110, turned once at start-up into
// four monochrome sheets, each selected into its own memory DC, so drawing one Chinese
// character is one BitBlt. MapGbCodeToCell finds a GB2312/GBK code's cell in a sheet.
#pragma once
#include <windows.h>

enum {
    kFontBufferSize = 307200,   // start-up's buffer for the inflated font
    kGlyphSheetCount = 4,
    kGlyphSheetWidth = 512,     // 32 cells of 16 pixels
    kGlyphSheetHeight = 944,    // 59 cell rows of 16 scanlines
    kGlyphSheetBytes = 60416,   // 59 rows x 1,024 bytes
    kGlyphAtlasBytes = 241664,  // the four sheets together
};

struct GlyphSheet {
    HBITMAP bitmap;
    HDC memoryDc;
    HGDIOBJ previousBitmap;
};

struct GlyphAtlas {
    GlyphSheet sheets[kGlyphSheetCount];
};

struct GlyphCell {
    int sheet;  // 0-3
    int x;      // left pixel, multiple of 16, 0-496
    int y;      // top pixel, multiple of 16, 0-928
};

extern GlyphAtlas g_glyphAtlas;

// The two GDI creations the atlas build depends on. They default to CreateBitmap and
// CreateCompatibleDC; tests swap in wrappers that fail on a chosen call.
struct GlyphGdi {
    HBITMAP (WINAPI* createBitmap)(int width, int height, UINT planes, UINT bitsPerPixel,
                                   const void* bits);
    HDC (WINAPI* createCompatibleDc)(HDC reference);
};
extern GlyphGdi g_glyphGdi;

// Builds the four sheets from the first 241,664 bytes of fontBuffer. On failure what was
// created stays recorded; the caller releases it with ReleaseGlyphAtlas.
bool BuildGlyphAtlas(const unsigned char* fontBuffer);

// Releases whatever the atlas holds; safe on a full, partial or empty atlas.
void ReleaseGlyphAtlas();

GlyphCell MapGbCodeToCell(unsigned short code);
