// The wizard's two option check boxes (subclassed, painted with bilingual captions) and
// the owner-drawn lines of the Chinese licence list.
#pragma once
#include <windows.h>

extern WNDPROC savedButtonProc;

LRESULT CALLBACK SkinCheckBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintSkinCheckBox(HWND control, HDC dc);
void DrawLicenceLine(const DRAWITEMSTRUCT* drawItem, HWND dialog);
