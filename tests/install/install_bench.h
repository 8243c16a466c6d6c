// Helpers shared by the installation-engine tests: a scratch folder per test inside the
// bench's temporary folder, whole-file reads and writes, attributes, payload entries, and
// the main dialog (template 114) that the installation moves its progress bar in.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "support/file_tree.h"
#include "support/shell_link.h"

// A fresh empty folder, removed with everything in it (protective attributes included).
class ScratchFolder {
public:
    explicit ScratchFolder(const char* tag);
    ~ScratchFolder();
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

bool FileExists(const std::string& path);
bool ReadBytes(const std::string& path, std::string* bytes);
void WriteBytes(const std::string& path, const std::string& bytes);
DWORD Attributes(const std::string& path);

// The inflated bytes of a payload entry, read straight through zlib.
std::string InflatedEntry(int resourceId);

// Holds a file open with no sharing, the way a running program holds its executable.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path);
    ~HeldOpen();
    bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Starts each test from the start-of-process state with this executable as the store.
void ResetForTest();

// Template 114 created modeless, its progress bar subclassed to record what it is told.
class MainDialog {
public:
    MainDialog();
    ~MainDialog();
    HWND Window() const { return dialog_; }
    // "pos N" for every PBM_SETPOS and "paint" for every WM_PAINT of the bar, in order.
    static std::vector<std::string>& Events();
    static std::vector<int> Positions();

private:
    HWND dialog_;
};

