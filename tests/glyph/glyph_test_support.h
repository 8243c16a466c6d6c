// Helpers shared by the glyph tests: a font buffer whose every atlas cell holds its own
// recognisable pattern, and a 24-bit DIB canvas in a memory DC whose pixels the tests
// read straight from memory.
#pragma once
#include <windows.h>
#include <vector>
#include "glyph/glyph_atlas.h"

enum { kAtlasCells = 4 * 59 * 32 };  // 7,552 cells on the four sheets

// Ink bits of scanline `row` of test cell `cell`: bit 15 is the leftmost pixel, 1 = ink.
inline unsigned InkMask(int cell, int row)
{
    unsigned h = (unsigned)cell * 0x9E3779B1u + (unsigned)row * 0x85EBCA77u + 0x1234u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h & 0xFFFF;
}

// Byte offset of scanline `row` of cell `cell` in the font layout.
inline size_t CellOffset(int cell, int row)
{
    return 1024u * (size_t)(cell / 32) + 64u * (size_t)row + 2u * (size_t)(cell % 32);
}

// The font buffer start-up would pass: 307,200 bytes, every atlas cell patterned.
inline std::vector<unsigned char> MakePatternFont()
{
    std::vector<unsigned char> font(kFontBufferSize, 0xFF);
    for (int cell = 0; cell < kAtlasCells; cell++) {
        for (int row = 0; row < 16; row++) {
            unsigned bits = ~InkMask(cell, row) & 0xFFFF;  // bit 0 is ink in the font
            font[CellOffset(cell, row)] = (unsigned char)(bits >> 8);
            font[CellOffset(cell, row) + 1] = (unsigned char)bits;
        }
    }
    return font;
}

// Cell number in the font buffer of a cell on a sheet (no wrap for cells below 7,552).
inline int BufferCell(const GlyphCell& cell)
{
    return cell.sheet * 59 * 32 + (cell.y / 16) * 32 + cell.x / 16;
}

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// A top-down 24-bit DIB section selected into a memory DC, with black text on a white
// background colour, opaque background mode and a stock proportional font.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : width_(width), height_(height)
    {
        stride_ = (width * 3 + 3) & ~3;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<unsigned char*>(bits);
        oldBitmap_ = SelectObject(dc_, dib_);
        oldFont_ = SelectObject(dc_, GetStockObject(ANSI_VAR_FONT));
        SetTextColor(dc_, kBlack);
        SetBkColor(dc_, kWhite);
        SetBkMode(dc_, OPAQUE);
        Fill(fill);
    }
    ~Canvas()
    {
        SelectObject(dc_, oldFont_);
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        DeleteObject(dib_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return dc_ && dib_ && bits_; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour)
    {
        GdiFlush();
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++)
                Put(x, y, colour);
    }
    void Put(int x, int y, COLORREF colour)
    {
        unsigned char* p = bits_ + (size_t)y * stride_ + (size_t)x * 3;
        p[0] = GetBValue(colour);
        p[1] = GetGValue(colour);
        p[2] = GetRValue(colour);
    }
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const unsigned char* p = bits_ + (size_t)y * stride_ + (size_t)x * 3;
        return RGB(p[2], p[1], p[0]);
    }

private:
    int width_, height_, stride_;
    HDC dc_;
    HBITMAP dib_;
    unsigned char* bits_;
    HGDIOBJ oldBitmap_, oldFont_;
};
