// The MirelQuorth sample uninstaller: it says what it is and exits. It stands in for the
// vendor's uninstaller so the installer's shortcut to it leads somewhere.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr,
                "This is the MirelQuorth sample uninstaller.\n"
                "It does nothing yet: no file is removed.",
                "MirelQuorth sample uninstaller", MB_OK | MB_ICONINFORMATION);
    return 0;
}
