// The wizard's two option check boxes (subclassed, painted with bilingual captions) and
// the owner-drawn lines of the Chinese licence list.
#pragma once
#include <windows.h>

extern WNDPROC savedButtonProc;

// Window text of a check box outside the caption table is read into this many bytes.
enum { kCheckCaptionSize = 127, kLicenceLineSize = 260 };

// Where the pieces of a painted check box go, from its client rectangle alone.
struct CheckBoxLayout {
    RECT fill;        // the client rectangle grown by 2 on every side
    RECT box;         // the frame-control square
    UINT frameState;  // DFCS_* flags for DrawFrameControl
    int textX;        // caption origin
    int textY;
};

// styleType is the low byte of the window style (BS_AUTOCHECKBOX, BS_RADIOBUTTON, ...).
CheckBoxLayout ComputeCheckBoxLayout(const RECT& client, int styleType, bool checked, bool enabled);

// The focus rectangle around a caption of the given width drawn at (x, y).
RECT CheckBoxFocusRect(int x, int y, int captionWidth);

LRESULT CALLBACK SkinCheckBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintSkinCheckBox(HWND control, HDC dc);
void DrawLicenceLine(const DRAWITEMSTRUCT* drawItem, HWND dialog);
