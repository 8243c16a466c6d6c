// Measuring and drawing 8-bit strings of ASCII and GBK: ASCII bytes go through the DC's
// own font one at a time, every two-byte character is one SRCAND BitBlt from the glyph
// atlas. The top bit of a byte decides, never the system code page.
#include "glyph/mixed_text.h"
#include <string.h>
#include "glyph/glyph_atlas.h"

enum { kGlyphSize = 16 };

TextExtent MeasureMixedText(HDC dc, const char* text)
{
    TextExtent extent = { 0, kGlyphSize };
    if (!text)
        return extent;
    size_t n = strlen(text);
    size_t i = 0;
    while (i < n) {
        if ((unsigned char)text[i] & 0x80) {
            extent.width += kGlyphSize;
            i += 2;
        } else {
            SIZE size;
            if (GetTextExtentPointA(dc, text + i, 1, &size))
                extent.width += size.cx;
            i += 1;
        }
    }
    return extent;
}

void DrawMixedText(HDC dc, int x, int y, const char* text)
{
    int previousMode = SetBkMode(dc, TRANSPARENT);
    size_t n = text ? strlen(text) : 0;
    int px = x;
    size_t i = 0;
    while (i < n) {
        unsigned char lead = (unsigned char)text[i];
        int advance;
        if (lead & 0x80) {
            // A lone lead byte at the end pairs with the terminator, which is text[n].
            unsigned char trail = (unsigned char)text[i + 1];
            GlyphCell cell = MapGbCodeToCell((unsigned short)(lead * 256 + trail));
            BitBlt(dc, px, y, kGlyphSize, kGlyphSize, g_glyphAtlas.sheets[cell.sheet].memoryDc,
                   cell.x, cell.y, SRCAND);
            advance = kGlyphSize;
            i += 2;
        } else {
            // A failed extent query advances by nothing, as measuring counts it.
            SIZE size;
            advance = GetTextExtentPointA(dc, text + i, 1, &size) ? size.cx : 0;
            TextOutA(dc, px, y + 1, text + i, 1);
            i += 1;
        }
        px += advance;
    }
    if (previousMode)
        SetBkMode(dc, previousMode);
}
