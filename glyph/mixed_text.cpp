// STUB
#include "glyph/mixed_text.h"
TextExtent MeasureMixedText(HDC, const char*) { return TextExtent{0, 16}; }
void DrawMixedText(HDC, int, int, const char*) {}
