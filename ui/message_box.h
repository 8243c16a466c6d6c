// The bilingual message box (template 112): Chinese drawn from the glyph font, English
// below it, one or two owner-drawn buttons; sized to its texts and centred on screen.
#pragma once
#include <windows.h>

typedef int MessageButtons;
enum { kButtonsOk = 0, kButtonsOkCancel = 1, kButtonsYesNo = 4 };

// Modal; returns the identifier of the button that closed the box (2 for Esc/Close).
int ShowMessage(const char* chineseText, const char* englishText, MessageButtons buttons, HWND owner);

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
