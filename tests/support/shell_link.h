// Reading back what the setup wrote through the shell: a shell link's fields through
// IShellLinkA and IPersistFile::Load, and a special folder's path.
#pragma once
#include <string>

// Shell-link fields read back through IShellLinkA and IPersistFile::Load.
struct LinkFields {
    bool loaded;
    std::string path;
    std::string description;
    std::string workingDir;
    std::string iconPath;
    int iconIndex;
};
LinkFields ReadLink(const std::string& linkPath);

// The special folder as the shell reports it.
std::string ShellFolder(int csidl);
