// STUB: Browse does nothing yet.
#include "ui/folder_chooser.h"
int BrowseForInstallFolder(HWND) { return 0; }
UINT_PTR CALLBACK ChooseFolderHookProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
