// The program's only message loop and its Enter-key rule: Enter on a push button
// presses that button, anywhere else it posts the default command (Next/Install).
#pragma once
#include <windows.h>

// True when the class name is "button", ignoring the case of ASCII letters.
bool IsButtonClassName(const char* className);

// Applies the Enter-key rule to one message. Posts the WM_COMMAND the rule asks for to
// g_setup.mainDialog; returns true when the key message is to be dropped.
bool ApplyEnterKeyRule(const MSG& message);

// Pumps messages until g_setup.page is negative or WM_QUIT arrives.
void RunMessageLoop();
