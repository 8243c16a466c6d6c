// Runs the packed sample programs under Wine: the application, written into a folder
// with various QuorthUI.ini files beside it, must name the interface language it reads;
// the uninstaller must say what it is and exit 0.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include "payload_entry.h"

namespace {

// A scratch folder under the temporary directory, removed with its files afterwards.
struct ScratchFolder {
    char path[MAX_PATH] = {0};
    ScratchFolder()
    {
        char temp[MAX_PATH];
        DWORD n = GetTempPathA(sizeof temp, temp);
        if (n == 0 || n >= sizeof temp)
            return;
        snprintf(path, sizeof path, "%smq_payload_%lu", temp, GetCurrentProcessId());
        CreateDirectoryA(path, nullptr);
    }
    ~ScratchFolder()
    {
        for (const char *name : {"MirelQuorth.exe", "MirelQuorthUnInstall.exe", "QuorthUI.ini"})
            DeleteFileA(File(name).c_str());
        RemoveDirectoryA(path);
    }
    std::string File(const char *name) const { return std::string(path) + "\\" + name; }
};

int WriteFileBytes(const std::string &path, const std::string &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    size_t written = fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    return written == bytes.size();
}

int WriteEntry(int id, const std::string &path)
{
    std::string data;
    return InflateEntry(id, data) == Z_OK && WriteFileBytes(path, data);
}

struct WindowSearch {
    DWORD processId;
    const char *className;   // null: any class
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param)
{
    WindowSearch *search = reinterpret_cast<WindowSearch *>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[64] = {0};
    GetClassNameA(window, cls, sizeof cls);
    if (pid == search->processId && IsWindowVisible(window) &&
        (!search->className || strcmp(cls, search->className) == 0)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Waits (bounded, not asserted on time) for a visible top-level window of the process.
HWND WaitForWindow(const PROCESS_INFORMATION &pi, const char *className)
{
    WaitForInputIdle(pi.hProcess, 10000);
    for (int i = 0; i < 300; i++) {
        WindowSearch search = {pi.dwProcessId, className, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

int Start(const std::string &exe, PROCESS_INFORMATION *pi)
{
    STARTUPINFOA si;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    std::string commandLine = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, pi);
}

DWORD EndAndWait(const PROCESS_INFORMATION &pi)
{
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 0xDEAD);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

} // namespace

TEST(SampleApplication, ShowsTheInterfaceLanguageFromTheIniBesideIt)
{
    SKIP_UNLESS_SAMPLE_PAYLOAD();
    std::string installed;
    ASSERT_EQ(InflateEntry(120, installed), Z_OK);
    // The configuration as the setup leaves it: the packed text plus its appended section.
    std::string afterSetup = installed + "\r\n[Config]\r\nUILanguage=2\r\n\r\n";
    struct { const char *what; bool writeIni; std::string ini; const char *line; } cases[] = {
        {"no ini", false, "", "Interface language: English"},
        {"packed ini, no key", true, installed, "Interface language: English"},
        {"UILanguage=0", true, "[Config]\r\nUILanguage=0\r\n", "Interface language: English"},
        {"UILanguage=1", true, "[Config]\r\nUILanguage=1\r\n", "Interface language: Chinese (Simplified)"},
        {"as the setup writes it", true, afterSetup, "Interface language: Chinese (Traditional)"},
    };
    ScratchFolder folder;
    ASSERT_NE(folder.path[0], 0);
    ASSERT_TRUE(WriteEntry(109, folder.File("MirelQuorth.exe")));
    for (const auto &c : cases) {
        DeleteFileA(folder.File("QuorthUI.ini").c_str());
        if (c.writeIni)
            ASSERT_TRUE(WriteFileBytes(folder.File("QuorthUI.ini"), c.ini)) << c.what;
        PROCESS_INFORMATION pi;
        ASSERT_TRUE(Start(folder.File("MirelQuorth.exe"), &pi)) << c.what << " error " << GetLastError();
        HWND window = WaitForWindow(pi, "MirelQuorthSampleWindow");
        EXPECT_NE(window, nullptr) << c.what;
        if (window) {
            char caption[128] = {0};
            char line[128] = {0};
            GetWindowTextA(window, caption, sizeof caption);
            GetDlgItemTextA(window, 100, line, sizeof line);
            EXPECT_STREQ(caption, "MirelQuorth sample application") << c.what;
            EXPECT_STREQ(line, c.line) << c.what;
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(EndAndWait(pi), 0u) << c.what;
    }
}

TEST(SampleUninstaller, SaysWhatItIsAndExitsZero)
{
    SKIP_UNLESS_SAMPLE_PAYLOAD();
    ScratchFolder folder;
    ASSERT_NE(folder.path[0], 0);
    ASSERT_TRUE(WriteEntry(192, folder.File("MirelQuorthUnInstall.exe")));
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(Start(folder.File("MirelQuorthUnInstall.exe"), &pi)) << "error " << GetLastError();
    HWND box = WaitForWindow(pi, "#32770");
    EXPECT_NE(box, nullptr);
    if (box) {
        char caption[128] = {0};
        char text[256] = {0};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ(caption, "MirelQuorth sample uninstaller");
        EXPECT_NE(strstr(text, "MirelQuorth sample uninstaller"), nullptr) << text;
        EXPECT_NE(strstr(text, "does nothing yet"), nullptr) << text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    EXPECT_EQ(EndAndWait(pi), 0u);
}
