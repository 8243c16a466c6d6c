// What a typical installation leaves behind, checked from inside Wine after the driver
// clicked through the real setup: files and attributes, the recorded interface language,
// the shortcuts, the speech runtime installed by Windows Installer, the running app.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "support/shell_link.h"

static const char kInstallDir[] = "C:\\MirelQuorth";

TEST(TypicalRun, EveryPlanFileIsInstalledWithItsAttributes)
{
    struct Row {
        const char* name;
        bool readOnly, hidden;
    } rows[] = {
        {"gbk2b5.bin", true, true},          {"MirelQuorthUnInstall.exe", false, false},
        {"MirelQuorth_Guide.htm", true, false}, {"MirelQuorth_Guide_en.htm", true, false},
        {"QuorthUI.ini", true, true},        {"ChnBmp.bin", true, true},
        {"barmenu.JPG", true, true},         {"ctrlmenu.PNG", true, true},
        {"Desktop.JPG", true, true},         {"taskicon.JPG", true, true},
        {"TOOLBAR.JPG", true, true},         {"welcome_mirelquorth.JPG", true, true},
        {"MirelQuorth.exe", true, false},
    };
    for (const Row& row : rows) {
        std::string path = std::string(kInstallDir) + "\\" + row.name;
        DWORD attributes = GetFileAttributesA(path.c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path << " missing";
        EXPECT_EQ((attributes & FILE_ATTRIBUTE_READONLY) != 0, row.readOnly) << path << " attributes 0x" << std::hex << attributes;
        EXPECT_EQ((attributes & FILE_ATTRIBUTE_HIDDEN) != 0, row.hidden) << path << " attributes 0x" << std::hex << attributes;
    }
}

TEST(TypicalRun, ChosenLanguageIsRecordedInTheConfiguration)
{
    std::string ini = std::string(kInstallDir) + "\\QuorthUI.ini";
    EXPECT_EQ(GetPrivateProfileIntA("Config", "UILanguage", -1, ini.c_str()), 1)
        << "the driver chose Chinese(Simplified)";
    char first[32] = "";
    FILE* file = fopen(ini.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    size_t n = fread(first, 1, 8, file);
    fclose(file);
    EXPECT_EQ(std::string(first, n), "[UI_STR]");
}

TEST(TypicalRun, ShortcutsPointAtTheInstalledFiles)
{
    std::string programs = ShellFolder(CSIDL_PROGRAMS);
    std::string desktop = ShellFolder(CSIDL_DESKTOP);
    std::string startup = ShellFolder(CSIDL_STARTUP);
    ASSERT_FALSE(programs.empty());
    struct Expected {
        std::string link, target, description;
    } links[] = {
        {programs + "\\Vaelk MirelQuorth\\Vaelk MirelQuorth.lnk", "C:\\MirelQuorth\\MirelQuorth.exe", "Vaelk MirelQuorth"},
        {programs + "\\Vaelk MirelQuorth\\UnInstall MirelQuorth.lnk", "C:\\MirelQuorth\\MirelQuorthUnInstall.exe",
         "UnInstall MirelQuorth"},
        {desktop + "\\Vaelk MirelQuorth.lnk", "C:\\MirelQuorth\\MirelQuorth.exe", "Vaelk MirelQuorth"},
    };
    for (const Expected& e : links) {
        LinkFields info = ReadLink(e.link);
        ASSERT_TRUE(info.loaded) << e.link;
        EXPECT_STRCASEEQ(info.path.c_str(), e.target.c_str()) << e.link;
        EXPECT_EQ(info.description, e.description) << e.link;
        EXPECT_STRCASEEQ(info.workingDir.c_str(), kInstallDir) << e.link;
        EXPECT_STRCASEEQ(info.iconPath.c_str(), e.target.c_str()) << e.link;
    }
    // The auto-start option was left off.
    EXPECT_EQ(GetFileAttributesA((startup + "\\Vaelk MirelQuorth.lnk").c_str()), INVALID_FILE_ATTRIBUTES) << startup;
}

TEST(TypicalRun, SpeechRuntimeWasHandedToWindowsInstaller)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string package = std::string(temp) + "Sapi51forVaelk.msi";
    DWORD attributes = GetFileAttributesA(package.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << package;
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u) << package;
    // The sample runtime is a 32-bit package, so it lands in the 32-bit Program Files.
    std::string installed = ShellFolder(CSIDL_PROGRAM_FILESX86) + "\\Vaelk Speech Runtime Sample\\SapiSample.txt";
    EXPECT_NE(GetFileAttributesA(installed.c_str()), INVALID_FILE_ATTRIBUTES) << installed << " not installed by msiexec";
}

TEST(TypicalRun, InstalledApplicationShowsTheChosenLanguage)
{
    HWND window = nullptr;
    for (int i = 0; i < 100 && !window; ++i, Sleep(100))
        window = FindWindowA(nullptr, "MirelQuorth sample application");
    ASSERT_NE(window, nullptr) << "the driver started the installed application";
    char text[128] = "";
    GetWindowTextA(GetDlgItem(window, 100), text, sizeof text);
    EXPECT_STREQ(text, "Interface language: Chinese (Simplified)");
    PostMessageA(window, WM_CLOSE, 0, 0);
}
