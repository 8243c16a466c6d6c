// Process start-up: platform and language detection, the glyph atlas from payload
// entry 110, the modeless wizard, the message loop and teardown.
#pragma once
#include <windows.h>
#include <cstddef>
#include "app/setup_state.h"

// The whole program; WinMain only forwards to it. Returns the process exit code.
int SetupMain(HINSTANCE instance, HINSTANCE previousInstance);

// True when the ANSI code page has characters of more than one byte; false when the
// code page cannot be queried.
bool IsDbcsCodePage();

// Shortcut-name language from the code-page kind and the system language identifier.
ShortcutLanguage DeriveShortcutLanguage(bool dbcsCodePage, LANGID systemLanguage);

// isNt and legacyShell from a version record that GetVersionExA filled.
void ApplyVersionInfo(const OSVERSIONINFOA& version, bool* isNt, bool* legacyShell);

// Fills isNt, legacyShell, dbcsCodePage and shortcutLanguage from the running system.
void DetectPlatform();
