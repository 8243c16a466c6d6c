// Owner-drawn push buttons and labels: button face, raised or pressed 3D frame, the
// default outline, the bilingual caption chosen by control identifier, focus rectangle.
#pragma once
#include <windows.h>

struct BilingualLabel {
    int id;
    const char* caption;  // null: the control's window text (or, for 1001, by page)
    bool framed;
    bool centred;
};

// The caption table row for a control identifier; the row for "any other" has id 0.
const BilingualLabel& FindBilingualLabel(int id);

// Paints one owner-drawn button from its WM_DRAWITEM record (may change rcItem).
void DrawSkinButton(DRAWITEMSTRUCT* drawItem);
