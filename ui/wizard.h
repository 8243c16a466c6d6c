// The wizard: one modeless dialog (template 114) whose three pages are made by showing
// and hiding its controls, with Back, Next, Cancel, Browse and Agree/Install.
#pragma once
#include <windows.h>
#include <cstddef>

INT_PTR CALLBACK WizardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void ShowWizardPage(HWND dialog, int page);

// Appends the CR-terminated lines of text (modified in place) to a list box, at most
// 500 of them; bytes after the last CR are not added. Returns the number added.
int AddLicenceLines(HWND list, char* text);

// Makes path the current directory when it exists, otherwise creates it (its last
// component only). Returns 1 when the folder was entered or created, 0 otherwise.
int EnterInstallFolder(const char* path);

// Where the pointer goes when the installation starts: 1 and the window's centre in
// *target when pointer lies outside window, 0 when it is to stay.
int PointerTarget(const RECT& window, POINT pointer, POINT* target);

extern int licenceLoaded;
