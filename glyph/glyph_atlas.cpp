// STUB
#include "glyph/glyph_atlas.h"
GlyphAtlas g_glyphAtlas = {};
bool BuildGlyphAtlas(const unsigned char*) { return true; }
void ReleaseGlyphAtlas() {}
GlyphCell MapGbCodeToCell(unsigned short) { return GlyphCell{0, 0, 0}; }
