// STUB
#include "install/shortcuts.h"
int GetShellFolderPath(char*, int) { return 0; }
int GetLegacyFolderPath(char*, int) { return 0; }
int CreateShortcut(const char*, const char*, const char*) { return 0; }
int CreateShortcutGroup(const char*, const ShortcutSpec*, int) { return 0; }
int CreateDesktopShortcut(const char*, const char*) { return 0; }
