// STUB
#include "ui/wizard.h"
int licenceLoaded = 0;
INT_PTR CALLBACK WizardDialogProc(HWND, UINT m, WPARAM, LPARAM) { return m == WM_INITDIALOG; }
void ShowWizardPage(HWND, int) {}
int AddLicenceLines(HWND, char*) { return 0; }
