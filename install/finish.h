// The end of the wizard: the minimum display time, the outcome message and the offer to
// hand the speech-runtime package to Windows Installer through the shell.
#pragma once
#include <ctime>

void FinishInstall(int installSucceeded, time_t startTime);
