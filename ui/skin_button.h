// Owner-drawn push buttons and labels: button face, raised or pressed 3D frame, the
// default outline, the bilingual caption chosen by control identifier, focus rectangle.
#pragma once
#include <windows.h>

struct BilingualLabel {
    int id;
    const char* caption;  // null: the control's window text (or, for 1001, by page)
    bool framed;
    bool centred;
    bool skipped;         // true: the control is never painted at all (1020)
};

// Captions read from a control's window text go through a buffer of this size.
enum { kSkinCaptionSize = 80 };

// The caption table row for a control identifier; the row for "any other" has id 0.
const BilingualLabel& FindBilingualLabel(int id);

// The caption a control shows: the table's text, the Next/Agree-Install text for the
// current page, or the window text of item read into buffer (kSkinCaptionSize bytes).
// Null for a control that is never painted.
const char* ChooseSkinCaption(int id, HWND item, char* buffer);

// Where a caption of the given width starts inside an item (pressed: 2 right, 1 down).
POINT SkinCaptionOrigin(const RECT& item, int captionWidth, bool centred, bool pressed);

// The focus rectangle of an item: inset by a tenth of its width and an eighth of its height.
RECT SkinFocusRect(const RECT& item);

// Paints one owner-drawn button from its WM_DRAWITEM record (may change rcItem).
void DrawSkinButton(DRAWITEMSTRUCT* drawItem);
