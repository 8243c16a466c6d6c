// The bilingual message box (template 112): Chinese drawn from the glyph font, English
// below it, one or two owner-drawn buttons; sized to its texts and centred on screen.
#pragma once
#include <windows.h>

typedef int MessageButtons;
enum { kButtonsOk = 0, kButtonsOkCancel = 1, kButtonsYesNo = 4 };

// The English text is kept in a buffer of this size; longer texts are cut to 127 bytes.
enum { kMessageEnglishSize = 128 };

// Modal; returns the identifier of the button that closed the box (2 for Esc/Close).
int ShowMessage(const char* chineseText, const char* englishText, MessageButtons buttons, HWND owner);

// Records the English text (null for none) and the button set that the next box shows;
// ShowMessage calls it, and a box created directly from template 112 reads the same.
void PrepareMessage(const char* englishText, MessageButtons buttons);

// The English text the next box will show, as stored by PrepareMessage.
const char* PendingEnglishText();

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
