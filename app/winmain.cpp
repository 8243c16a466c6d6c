// The Windows GUI entry point; the program itself starts in SetupMain.
#include <windows.h>
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int)
{
    return SetupMain(instance, previousInstance);
}
