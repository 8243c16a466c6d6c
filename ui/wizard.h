// The wizard: one modeless dialog (template 114) whose three pages are made by showing
// and hiding its controls, with Back, Next, Cancel, Browse and Agree/Install.
#pragma once
#include <windows.h>

INT_PTR CALLBACK WizardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void ShowWizardPage(HWND dialog, int page);

// Appends the CR-terminated lines of text (modified in place) to a list box, at most
// 500 of them; bytes after the last CR are not added. Returns the number added.
int AddLicenceLines(HWND list, char* text);

extern int licenceLoaded;
