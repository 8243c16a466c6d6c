// The install-folder chooser: the old-style file-open dialog reshaped by template 168
// and a hook into a directory picker. The chosen folder goes to edit 1002.
#pragma once
#include <windows.h>

// The Browse command: returns 1 when a folder was chosen and put into edit 1002.
int BrowseForInstallFolder(HWND wizardDialog);

UINT_PTR CALLBACK ChooseFolderHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
