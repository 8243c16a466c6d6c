// The end of the wizard: the minimum display time, the outcome message and the offer to
// hand the speech-runtime package to Windows Installer through the shell.
#pragma once
#include <windows.h>
#include <ctime>

void FinishInstall(int installSucceeded, time_t startTime);

// The shell call that opens the package (ShellExecuteA; tests watch it through this).
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
extern ShellExecuteFunction g_shellExecute;
