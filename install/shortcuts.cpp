// Shortcuts to the installed programs: special folders located through the shell (or,
// on a legacy shell, built from the Windows folder), one shell link written per call with
// COM alive only around it, the Programs group, the Startup entry and the desktop icon.
#include "install/shortcuts.h"
#include "app/setup_state.h"
#include "ui/message_box.h"
#include "ui/texts.h"
#include <shlobj.h>
#include <shobjidl.h>
#include <io.h>
#include <direct.h>
#include <cstdio>
#include <cstring>

enum { kUserNameSize = 256 };

// Appends text to the path in its 260-byte buffer; 0 when it would not fit.
static int AppendPath(char* path, const char* text)
{
    size_t used = strlen(path);
    size_t more = strlen(text);
    if (used + more >= kPathSize)
        return 0;
    memcpy(path + used, text, more + 1);
    return 1;
}

static int FormatPath(char* path, const char* format, const char* first, const char* second)
{
    int written = snprintf(path, kPathSize, format, first, second);
    return written >= 0 && written < kPathSize;
}

int GetShellFolderPath(char* path, int csidl)
{
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator)
        return 0;
    int converted = 0;
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) {
        converted = SHGetPathFromIDListA(list, path) != FALSE;
        allocator->Free(list);
    }
    allocator->Release();
    return converted;
}

int GetLegacyFolderPath(char* path, int csidl)
{
    UINT length = GetWindowsDirectoryA(path, kPathSize);
    int haveWindowsDir = length != 0 && length < kPathSize;
    char userName[kUserNameSize];
    if (g_setup.isNt) {
        DWORD size = kUserNameSize;
        if (!GetUserNameA(userName, &size))
            return 0;
    }
    if (!haveWindowsDir)
        return 0;
    length = (UINT)strlen(path);
    if ((length == 0 || path[length - 1] != '\\') && !AppendPath(path, "\\"))
        return 0;
    if (g_setup.isNt && !(AppendPath(path, "profiles\\") && AppendPath(path, userName) && AppendPath(path, "\\")))
        return 0;
    // The Startup folder of a legacy shell lies inside its Programs folder.
    const char* folder = csidl == CSIDL_PROGRAMS  ? "start menu\\programs"
                         : csidl == CSIDL_DESKTOP ? "Desktop"
                         : csidl == CSIDL_STARTUP ? "start menu\\programs\\startup"
                                                  : "";
    return AppendPath(path, folder);
}

static int LocateFolder(char* path, int csidl)
{
    return g_setup.legacyShell ? GetLegacyFolderPath(path, csidl) : GetShellFolderPath(path, csidl);
}

// Saves the link through IPersistFile; the result of the last COM call that ran.
static HRESULT SaveLink(IShellLinkA* link, const char* linkPath)
{
    IPersistFile* file = nullptr;
    HRESULT result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result))
        return result;
    WCHAR widePath[kPathSize];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kPathSize) == 0)
        result = E_FAIL;  // the name does not convert into the buffer: nothing is saved
    else
        result = file->Save(widePath, TRUE);
    file->Release();
    return result;
}

int CreateShortcut(const char* target, const char* linkPath, const char* description)
{
    char workingDir[kPathSize];
    if (snprintf(workingDir, sizeof workingDir, "%s", target) >= (int)sizeof workingDir)
        return 0;
    char* lastSeparator = strrchr(workingDir, '\\');

    if (FAILED(CoInitialize(nullptr)))
        return 0;
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = link->SetPath(target);
        if (SUCCEEDED(result)) {
            link->SetDescription(description);
            link->SetIconLocation(target, 0);
            if (lastSeparator) {
                *lastSeparator = 0;
                link->SetWorkingDirectory(workingDir);
            }
            result = SaveLink(link, linkPath);
        }
        link->Release();
    }
    CoUninitialize();
    return SUCCEEDED(result) ? 1 : 0;
}

static void ShowStartMenuFailure()
{
    ShowMessage(kMsgStartMenuFailed, kEnStartMenuFailed, kButtonsOk, g_setup.mainDialog);
}

// One shortcut of a group: "<folder>\<linkName>.lnk" pointing at "<installDir>\<exeName>".
static int CreateGroupEntry(const char* folder, const ShortcutSpec& entry)
{
    char linkPath[kPathSize];
    char target[kPathSize];
    if (!FormatPath(linkPath, "%s\\%s.lnk", folder, entry.linkName) ||
        !FormatPath(target, "%s\\%s", g_setup.installDir, entry.exeName))
        return 0;
    return CreateShortcut(target, linkPath, entry.linkName);
}

int CreateShortcutGroup(const char* groupName, const ShortcutSpec* entries, int csidl)
{
    char folder[kPathSize];
    if (!LocateFolder(folder, csidl)) {
        ShowStartMenuFailure();
        return 0;
    }
    if (groupName && groupName[0]) {
        if (!AppendPath(folder, "\\") || !AppendPath(folder, groupName)) {
            ShowStartMenuFailure();
            return 0;
        }
        // Anything of that name counts as the group folder, even a plain file.
        if (_access(folder, 0) != 0 && _mkdir(folder) != 0) {
            char message[kPathSize + 32];
            snprintf(message, sizeof message, kMsgGroupFolderFormat, folder);
            ShowMessage(message, kEnCannotCreateFolder, kButtonsOk, g_setup.mainDialog);
            return 0;
        }
    }
    // Every entry is attempted; the group succeeds only when all of them were saved.
    int allSaved = 1;
    for (const ShortcutSpec* entry = entries; entry->linkName; entry++)
        allSaved &= CreateGroupEntry(folder, *entry);
    if (!allSaved)
        ShowStartMenuFailure();
    return allSaved;
}

int CreateDesktopShortcut(const char* exeName, const char* linkName)
{
    char target[kPathSize];
    char folder[kPathSize];
    if (!FormatPath(target, "%s\\%s", g_setup.installDir, exeName) || !LocateFolder(folder, CSIDL_DESKTOP))
        return 0;
    if (!AppendPath(folder, "\\") || !AppendPath(folder, linkName) || !AppendPath(folder, ".lnk"))
        return 0;
    return CreateShortcut(target, folder, linkName);
}
