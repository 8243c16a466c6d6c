// Shortcuts on the bench: links read back through IShellLinkA, the group folder cases,
// the Startup entry without a group, the silent desktop failure, legacy folder paths,
// and names too long for their buffers.
#include <gtest/gtest.h>
#include "install_bench.h"
#include "support/message_watcher.h"
#include "app/setup_state.h"
#include "install/shortcuts.h"
#include "ui/texts.h"
#include <shlobj.h>

namespace {

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetForTest();
        snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", installDir.Path().c_str());
        WriteBytes(installDir / "MirelQuorth.exe", "app");
        WriteBytes(installDir / "MirelQuorthUnInstall.exe", "uninstall");
        owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        g_setup.mainDialog = owner;
        char name[64];
        snprintf(name, sizeof name, "MQ Group %lu", GetCurrentProcessId());
        groupName = name;
        group = ShellFolder(CSIDL_PROGRAMS) + "\\" + groupName;
        RemoveTree(group);
    }
    void TearDown() override
    {
        RemoveTree(group);
        DestroyWindow(owner);
    }
    void ExpectStartMenuMessage(const std::vector<SeenMessage>& seen)
    {
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].chinese, kMsgStartMenuFailed);
        EXPECT_EQ(seen[0].english, "Failed to create an entry on Start Menu.");
        EXPECT_EQ(seen[0].visibleButtons, std::vector<int>({IDOK}));
        EXPECT_EQ(seen[0].owner, owner);
    }

    ScratchFolder installDir{"links"};
    HWND owner = nullptr;
    std::string groupName;
    std::string group;
    const ShortcutSpec pair[3] = {
        {"MQ App", "MirelQuorth.exe"},
        {"MQ Remove", "MirelQuorthUnInstall.exe"},
        {nullptr, nullptr},
    };
};

TEST_F(ShortcutTest, LinkCarriesTargetDescriptionIconAndWorkingDirectory)
{
    std::string target = installDir / "MirelQuorth.exe";
    std::string linkPath = installDir / "App.lnk";
    EXPECT_EQ(CreateShortcut(target.c_str(), linkPath.c_str(), "The application"), 1);
    LinkFields link = ReadLink(linkPath);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.path, target);
    EXPECT_EQ(link.description, "The application");
    EXPECT_EQ(link.workingDir, installDir.Path());
    EXPECT_EQ(link.iconPath, target);
    EXPECT_EQ(link.iconIndex, 0);

    // COM is released again: this thread can initialise it afresh.
    HRESULT fresh = CoInitialize(nullptr);
    EXPECT_EQ(fresh, S_OK) << "hr " << std::hex << fresh;
    CoUninitialize();

    // A target without a backslash gets no working directory.
    std::string bare = installDir / "Bare.lnk";
    EXPECT_EQ(CreateShortcut("MirelQuorth.exe", bare.c_str(), "bare"), 1);
    link = ReadLink(bare);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.workingDir, "");

    std::string nowhere = installDir / "missing\\App.lnk";
    EXPECT_EQ(CreateShortcut(target.c_str(), nowhere.c_str(), "nowhere"), 0);
}

TEST_F(ShortcutTest, GroupIsCreatedOrReusedUnderPrograms)
{
    for (int pass = 0; pass < 2; pass++) {  // the second pass finds the folder in place
        MessageWatcher watcher;
        EXPECT_EQ(CreateShortcutGroup(groupName.c_str(), pair, CSIDL_PROGRAMS), 1) << "pass " << pass;
        LinkFields app = ReadLink(group + "\\MQ App.lnk");
        ASSERT_TRUE(app.loaded) << "pass " << pass;
        EXPECT_EQ(app.path, installDir / "MirelQuorth.exe");
        EXPECT_EQ(app.description, "MQ App");
        LinkFields remove = ReadLink(group + "\\MQ Remove.lnk");
        ASSERT_TRUE(remove.loaded) << "pass " << pass;
        EXPECT_EQ(remove.path, installDir / "MirelQuorthUnInstall.exe");
        EXPECT_EQ(ListFolder(group).size(), 2u);
        EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen()[0].english;
    }
}

TEST_F(ShortcutTest, FileStandingWhereTheGroupFolderShouldBe)
{
    WriteBytes(group, "not a folder");
    MessageWatcher watcher;
    EXPECT_EQ(CreateShortcutGroup(groupName.c_str(), pair, CSIDL_PROGRAMS), 0);
    ExpectStartMenuMessage(watcher.Seen());
    EXPECT_EQ(Attributes(group) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(ShortcutTest, GroupFolderThatCannotBeCreated)
{
    std::string nested = groupName + "\\inner";  // one level only: the outer folder is missing
    MessageWatcher watcher;
    EXPECT_EQ(CreateShortcutGroup(nested.c_str(), pair, CSIDL_PROGRAMS), 0);
    std::vector<SeenMessage> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    char expected[512];
    snprintf(expected, sizeof expected, kMsgGroupFolderFormat, (group + "\\inner").c_str());
    EXPECT_EQ(seen[0].chinese, expected);
    EXPECT_EQ(seen[0].english, "Cannot create folder!");
    EXPECT_EQ(seen[0].owner, owner);
    EXPECT_FALSE(FileExists(group));
}

TEST_F(ShortcutTest, AnyFailedEntryFailsTheGroup)
{
    for (int failing = 0; failing < 2; failing++) {
        RemoveTree(group);
        CreateDirectoryA(group.c_str(), nullptr);
        const char* blocked = failing == 0 ? "\\MQ App.lnk" : "\\MQ Remove.lnk";
        const char* saved = failing == 0 ? "\\MQ Remove.lnk" : "\\MQ App.lnk";
        CreateDirectoryA((group + blocked).c_str(), nullptr);  // a folder where the link should go
        MessageWatcher watcher;
        EXPECT_EQ(CreateShortcutGroup(groupName.c_str(), pair, CSIDL_PROGRAMS), 0) << "failing entry " << failing;
        ExpectStartMenuMessage(watcher.Seen());
        EXPECT_TRUE(ReadLink(group + saved).loaded) << "failing entry " << failing;
    }
}

TEST_F(ShortcutTest, StartupEntryLiesDirectlyInTheStartupFolder)
{
    const ShortcutSpec one[] = {{"MQ Startup Test", "MirelQuorth.exe"}, {nullptr, nullptr}};
    std::string link = ShellFolder(CSIDL_STARTUP) + "\\MQ Startup Test.lnk";
    for (const char* name : {(const char*)nullptr, ""}) {
        DeleteFileA(link.c_str());
        MessageWatcher watcher;
        EXPECT_EQ(CreateShortcutGroup(name, one, CSIDL_STARTUP), 1);
        LinkFields fields = ReadLink(link);
        EXPECT_TRUE(fields.loaded) << (name ? "empty group name" : "null group name");
        EXPECT_EQ(fields.path, installDir / "MirelQuorth.exe");
        EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen()[0].english;
    }
    DeleteFileA(link.c_str());

    // An empty list succeeds without writing anything.
    const ShortcutSpec none[] = {{nullptr, nullptr}};
    MessageWatcher watcher;
    EXPECT_EQ(CreateShortcutGroup(nullptr, none, CSIDL_STARTUP), 1);
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(ShortcutTest, DesktopShortcutAndItsSilentFailure)
{
    std::string desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\MQ Desktop Test.lnk";
    MessageWatcher watcher;
    EXPECT_EQ(CreateDesktopShortcut("MirelQuorth.exe", "MQ Desktop Test"), 1);
    LinkFields fields = ReadLink(desktop);
    EXPECT_TRUE(fields.loaded);
    EXPECT_EQ(fields.path, installDir / "MirelQuorth.exe");
    EXPECT_EQ(fields.description, "MQ Desktop Test");
    DeleteFileA(desktop.c_str());

    CreateDirectoryA(desktop.c_str(), nullptr);
    EXPECT_EQ(CreateDesktopShortcut("MirelQuorth.exe", "MQ Desktop Test"), 0);
    RemoveDirectoryA(desktop.c_str());
    PumpMessages(300);
    EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen()[0].english;
}

TEST_F(ShortcutTest, NamesTooLongForTheirBuffersWriteNothing)
{
    CreateDirectoryA(group.c_str(), nullptr);
    std::string longName(300, 'L');
    const ShortcutSpec entries[] = {{longName.c_str(), "MirelQuorth.exe"}, {nullptr, nullptr}};
    {
        MessageWatcher watcher;
        EXPECT_EQ(CreateShortcutGroup(groupName.c_str(), entries, CSIDL_PROGRAMS), 0);
        ExpectStartMenuMessage(watcher.Seen());
        EXPECT_TRUE(ListFolder(group).empty()) << ListFolder(group)[0];
    }
    {
        MessageWatcher watcher;
        std::string longGroup(300, 'G');
        EXPECT_EQ(CreateShortcutGroup(longGroup.c_str(), pair, CSIDL_PROGRAMS), 0);
        ExpectStartMenuMessage(watcher.Seen());
    }
    EXPECT_EQ(CreateDesktopShortcut("MirelQuorth.exe", longName.c_str()), 0);
    std::string longExe(300, 'e');
    {
        MessageWatcher watcher;
        const ShortcutSpec longTarget[] = {{"MQ App", longExe.c_str()}, {nullptr, nullptr}};
        EXPECT_EQ(CreateShortcutGroup(groupName.c_str(), longTarget, CSIDL_PROGRAMS), 0);
        ExpectStartMenuMessage(watcher.Seen());
        EXPECT_TRUE(ListFolder(group).empty()) << ListFolder(group)[0];
    }
}

TEST_F(ShortcutTest, ShellFoldersAreLocated)
{
    for (int csidl : {CSIDL_DESKTOP, CSIDL_PROGRAMS, CSIDL_STARTUP}) {
        char path[MAX_PATH] = "";
        EXPECT_EQ(GetShellFolderPath(path, csidl), 1) << "folder " << csidl;
        EXPECT_EQ(path, ShellFolder(csidl == CSIDL_DESKTOP ? CSIDL_DESKTOPDIRECTORY : csidl)) << "folder " << csidl;
    }
    char path[MAX_PATH] = "";
    EXPECT_EQ(GetShellFolderPath(path, CSIDL_DRIVES), 0) << path;  // a folder with no file-system path
}

TEST_F(ShortcutTest, LegacyFoldersAreBuiltFromTheWindowsFolder)
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string base = windows;
    if (base.back() != '\\')
        base += '\\';
    char user[256];
    DWORD size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    const std::string profile = base + "profiles\\" + user + "\\";
    struct Case {
        bool nt;
        int csidl;
        std::string expected;
    };
    const Case cases[] = {
        {false, CSIDL_PROGRAMS, base + "start menu\\programs"},
        {false, CSIDL_DESKTOP, base + "Desktop"},
        {false, CSIDL_STARTUP, base + "start menu\\programs\\startup"},
        {false, CSIDL_FONTS, base},
        {true, CSIDL_PROGRAMS, profile + "start menu\\programs"},
        {true, CSIDL_DESKTOP, profile + "Desktop"},
        {true, CSIDL_STARTUP, profile + "start menu\\programs\\startup"},
    };
    for (const Case& c : cases) {
        g_setup.isNt = c.nt;
        char path[MAX_PATH] = "";
        EXPECT_EQ(GetLegacyFolderPath(path, c.csidl), 1) << "nt " << c.nt << " folder " << c.csidl;
        EXPECT_EQ(path, c.expected) << "nt " << c.nt << " folder " << c.csidl;
    }
}

}  // namespace
