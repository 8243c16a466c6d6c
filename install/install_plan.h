// The installation sequence: every file of the fixed plan extracted into installDir while
// the progress bar advances, then the configuration update and the shortcuts.
#pragma once

struct PayloadEntry {
    int resourceId;
    const char* fileName;
    bool readOnly;
    bool hidden;
};

enum { kInstallPlanRows = 13 };
extern const PayloadEntry InstallPlan[kInstallPlanRows];

struct ShortcutNames {
    const char* group;
    const char* application;
    const char* uninstaller;
};
// English for 0 or less, Simplified Chinese (GBK) for 1, Traditional (Big5) for 2 or more.
ShortcutNames ShortcutNamesFor(int shortcutLanguage);

// 1 when every row was written and the sequence ran to its end, 0 otherwise.
int RunInstall();
