// Measuring and drawing 8-bit strings that mix ASCII (drawn with the DC's font) and
// GBK double-byte characters (copied from the glyph atlas). A byte with its top bit set
// always starts a two-byte character, whatever the system code page.
#pragma once
#include <windows.h>

struct TextExtent {
    int width;
    int height;  // always 16
};

TextExtent MeasureMixedText(HDC dc, const char* text);
void DrawMixedText(HDC dc, int x, int y, const char* text);
