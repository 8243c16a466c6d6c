// Shell links and special folders read back for the tests; see shell_link.h.
#include "support/shell_link.h"
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

LinkFields ReadLink(const std::string& linkPath)
{
    LinkFields fields = {};
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
            if (SUCCEEDED(file->Load(wide, STGM_READ))) {
                fields.loaded = true;
                char text[MAX_PATH] = "";
                link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
                fields.path = text;
                text[0] = 0;
                link->GetDescription(text, sizeof text);
                fields.description = text;
                text[0] = 0;
                link->GetWorkingDirectory(text, sizeof text);
                fields.workingDir = text;
                text[0] = 0;
                link->GetIconLocation(text, sizeof text, &fields.iconIndex);
                fields.iconPath = text;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return fields;
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
