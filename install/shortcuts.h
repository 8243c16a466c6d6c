// Shortcuts: special-folder lookup (through the shell, or built from the Windows folder
// on a legacy shell), one shell link per call, a Programs group, the desktop icon.
#pragma once

struct ShortcutSpec {
    const char* linkName;  // file name without ".lnk", also the description
    const char* exeName;   // target file inside installDir
};

int GetShellFolderPath(char* path, int csidl);
int GetLegacyFolderPath(char* path, int csidl);
int CreateShortcut(const char* target, const char* linkPath, const char* description);
int CreateShortcutGroup(const char* groupName, const ShortcutSpec* entries, int csidl);
int CreateDesktopShortcut(const char* exeName, const char* linkName);
