// The installation sequence on the bench: the plan's files with their attributes, the
// progress bar's positions and repaints, the font row stopping the run, an unwritable
// application still getting its configuration and shortcuts, and the memory failure.
#include <gtest/gtest.h>
#include "install_bench.h"
#include "support/message_watcher.h"
#include "app/setup_state.h"
#include "install/install_plan.h"
#include "install/payload.h"
#include "ui/texts.h"
#include <shlobj.h>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const DWORD kProtective = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
const std::vector<int> kFullRoad = {10, 20, 25, 45, 75, 90, 94, 97, 100};

class RunInstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveShortcuts();
        ResetForTest();
        snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", folder.Path().c_str());
        dialog.reset(new MainDialog());
        PumpMessages(50);
        MainDialog::Events().clear();
        watcher.reset(new MessageWatcher());
    }
    void TearDown() override
    {
        // The watcher reads window texts, which waits on this thread while the dialog
        // is visible: the dialog goes first, then whatever it asked is answered.
        dialog.reset();
        PumpMessages(50);
        watcher.reset();
        g_allocate = malloc;
        RemoveShortcuts();
    }
    // Whatever shortcuts a run may have made, under every name it may have used.
    static void RemoveShortcuts()
    {
        for (const char* name : {"Vaelk MirelQuorth", kProductNameGbk, kProductNameBig5}) {
            DeleteFileA((ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\" + name + ".lnk").c_str());
            DeleteFileA((ShellFolder(CSIDL_STARTUP) + "\\" + name + ".lnk").c_str());
            RemoveTree(ShellFolder(CSIDL_PROGRAMS) + "\\" + name);
        }
    }
    std::string Installed(const char* name) const { return folder / name; }
    std::string ConfigAfterUpdate(int language) const
    {
        return InflatedEntry(120) + "\r\n[Config]\r\nUILanguage=" + std::to_string(language) + "\r\n\r\n";
    }

    ScratchFolder folder{"plan"};
    std::unique_ptr<MainDialog> dialog;
    std::unique_ptr<MessageWatcher> watcher;
};

// Every move of the bar is followed by its repaint before the next move.
void ExpectRepaintAfterEachMove(const std::vector<std::string>& events)
{
    bool pendingPaint = false;
    for (size_t i = 0; i < events.size(); i++) {
        if (events[i] == "paint") {
            pendingPaint = false;
            continue;
        }
        EXPECT_FALSE(pendingPaint) << "no repaint before event " << i << " (" << events[i] << ")";
        pendingPaint = true;
    }
    EXPECT_FALSE(pendingPaint) << "no repaint after the last move";
}

void ExpectGroupLinks(const std::string& group, const ShortcutNames& names, const std::string& installDir)
{
    LinkFields app = ReadLink(group + "\\" + names.application + ".lnk");
    ASSERT_TRUE(app.loaded) << group;
    EXPECT_EQ(app.path, installDir + "\\MirelQuorth.exe");
    EXPECT_EQ(app.description, names.application);
    LinkFields uninstall = ReadLink(group + "\\" + names.uninstaller + ".lnk");
    ASSERT_TRUE(uninstall.loaded) << group;
    EXPECT_EQ(uninstall.path, installDir + "\\MirelQuorthUnInstall.exe");
    EXPECT_EQ(uninstall.workingDir, installDir);
}

TEST(InstallPlanTable, ShortcutNamesByLanguage)
{
    struct Case {
        int language;
        const char* group;
        const char* uninstaller;
    };
    const Case cases[] = {
        {-1, "Vaelk MirelQuorth", "UnInstall MirelQuorth"},
        {0, "Vaelk MirelQuorth", "UnInstall MirelQuorth"},
        {1, kProductNameGbk, kUninstallNameGbk},
        {2, kProductNameBig5, kUninstallNameBig5},
        {5, kProductNameBig5, kUninstallNameBig5},
    };
    for (const Case& c : cases) {
        ShortcutNames names = ShortcutNamesFor(c.language);
        EXPECT_STREQ(names.group, c.group) << "language " << c.language;
        EXPECT_STREQ(names.application, c.group) << "language " << c.language;
        EXPECT_STREQ(names.uninstaller, c.uninstaller) << "language " << c.language;
    }
    // The Traditional names are Big5: "卸載" is A8 F8 B8 FC there.
    EXPECT_EQ(std::string(kUninstallNameBig5).substr(strlen(kProductNameBig5)), "\xA8\xF8\xB8\xFC");
    EXPECT_EQ(std::string(kUninstallNameGbk).substr(strlen(kProductNameGbk)), "\xD0\xB6\xD4\xD8");
}

TEST_F(RunInstallTest, OptionsOffWritesThePlanWithItsAttributesAndTheGroup)
{
    g_setup.uiLanguage = 2;
    EXPECT_EQ(RunInstall(), 1);

    EXPECT_EQ(MainDialog::Positions(), kFullRoad);
    ExpectRepaintAfterEachMove(MainDialog::Events());
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(g_setup.mainDialog, 1026)));

    struct Row {
        int id;
        const char* name;
        DWORD attributes;
    };
    const Row rows[] = {
        {200, "gbk2b5.bin", kProtective},
        {192, "MirelQuorthUnInstall.exe", 0},
        {177, "MirelQuorth_Guide.htm", FILE_ATTRIBUTE_READONLY},
        {196, "MirelQuorth_Guide_en.htm", FILE_ATTRIBUTE_READONLY},
        {120, "QuorthUI.ini", kProtective},
        {110, "ChnBmp.bin", kProtective},
        {197, "barmenu.JPG", kProtective},
        {198, "ctrlmenu.PNG", kProtective},
        {199, "Desktop.JPG", kProtective},
        {201, "taskicon.JPG", kProtective},
        {203, "TOOLBAR.JPG", kProtective},
        {119, "welcome_mirelquorth.JPG", kProtective},
        {109, "MirelQuorth.exe", FILE_ATTRIBUTE_READONLY},
    };
    ASSERT_EQ(sizeof rows / sizeof rows[0], (size_t)kInstallPlanRows);
    for (int i = 0; i < kInstallPlanRows; i++) {
        EXPECT_EQ(InstallPlan[i].resourceId, rows[i].id) << "row " << i + 1;
        EXPECT_STREQ(InstallPlan[i].fileName, rows[i].name) << "row " << i + 1;
        std::string bytes;
        ASSERT_TRUE(ReadBytes(Installed(rows[i].name), &bytes)) << rows[i].name;
        EXPECT_EQ(bytes, rows[i].id == 120 ? ConfigAfterUpdate(2) : InflatedEntry(rows[i].id)) << rows[i].name;
        DWORD attributes = Attributes(Installed(rows[i].name));
        EXPECT_EQ(attributes & kProtective, rows[i].attributes) << rows[i].name << " " << std::hex << attributes;
    }
    EXPECT_EQ(ListFolder(folder.Path()).size(), (size_t)kInstallPlanRows);

    ExpectGroupLinks(ShellFolder(CSIDL_PROGRAMS) + "\\Vaelk MirelQuorth", ShortcutNamesFor(0), folder.Path());
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\Vaelk MirelQuorth.lnk"));
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_STARTUP) + "\\Vaelk MirelQuorth.lnk"));
    EXPECT_TRUE(watcher->Seen().empty()) << watcher->Seen()[0].english;
}

TEST_F(RunInstallTest, OptionsOnAddDesktopAndStartupShortcutsUnderTheChineseName)
{
    g_setup.shortcutLanguage = 1;
    g_setup.wantDesktopIcon = true;
    g_setup.wantAutoStart = true;
    EXPECT_EQ(RunInstall(), 1);

    EXPECT_EQ(MainDialog::Positions(), kFullRoad);
    ExpectRepaintAfterEachMove(MainDialog::Events());
    ShortcutNames names = ShortcutNamesFor(1);
    ExpectGroupLinks(ShellFolder(CSIDL_PROGRAMS) + "\\" + names.group, names, folder.Path());
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTUP}) {
        LinkFields link = ReadLink(ShellFolder(csidl) + "\\" + names.application + ".lnk");
        EXPECT_TRUE(link.loaded) << "folder " << csidl;
        EXPECT_EQ(link.path, folder / "MirelQuorth.exe") << "folder " << csidl;
    }
    EXPECT_TRUE(watcher->Seen().empty()) << watcher->Seen()[0].english;
}

TEST_F(RunInstallTest, UnwritableFontStopsAtOnce)
{
    g_setup.wantDesktopIcon = true;
    g_setup.wantAutoStart = true;
    int result;
    {
        HeldOpen held(Installed("ChnBmp.bin"));
        ASSERT_TRUE(held.Ok());
        result = RunInstall();
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(MainDialog::Positions(), std::vector<int>({10, 20, 25}));
    for (int i = 0; i < kInstallPlanRows; i++) {
        if (i < 5)
            EXPECT_TRUE(FileExists(Installed(InstallPlan[i].fileName))) << InstallPlan[i].fileName;
        else if (i > 5)
            EXPECT_FALSE(FileExists(Installed(InstallPlan[i].fileName))) << InstallPlan[i].fileName;
    }
    std::string config;
    ASSERT_TRUE(ReadBytes(Installed("QuorthUI.ini"), &config));
    EXPECT_EQ(config, InflatedEntry(120)) << "the configuration was updated";
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_PROGRAMS) + "\\Vaelk MirelQuorth"));
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + "\\Vaelk MirelQuorth.lnk"));
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_STARTUP) + "\\Vaelk MirelQuorth.lnk"));
    EXPECT_TRUE(watcher->Seen().empty()) << watcher->Seen()[0].english;
}

TEST_F(RunInstallTest, UnwritableApplicationFailsTheRunButConfigAndShortcutsAreDone)
{
    g_setup.uiLanguage = 1;
    g_setup.wantAutoStart = true;
    int result;
    {
        HeldOpen held(Installed("MirelQuorth.exe"));
        ASSERT_TRUE(held.Ok());
        result = RunInstall();
    }
    EXPECT_EQ(result, 0) << "a file that was not written must not be reported as success";
    EXPECT_EQ(MainDialog::Positions(), kFullRoad);
    std::string config;
    ASSERT_TRUE(ReadBytes(Installed("QuorthUI.ini"), &config));
    EXPECT_EQ(config, ConfigAfterUpdate(1));
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_PROGRAMS) + "\\Vaelk MirelQuorth\\Vaelk MirelQuorth.lnk"));
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_PROGRAMS) + "\\Vaelk MirelQuorth\\UnInstall MirelQuorth.lnk"));
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_STARTUP) + "\\Vaelk MirelQuorth.lnk"));
    EXPECT_TRUE(watcher->Seen().empty()) << watcher->Seen()[0].english;
}

TEST_F(RunInstallTest, AnyOtherUnwritableRowAlsoFailsTheRun)
{
    CreateDirectoryA(Installed("gbk2b5.bin").c_str(), nullptr);  // a folder where row 1 should go
    EXPECT_EQ(RunInstall(), 0);
    EXPECT_EQ(MainDialog::Positions(), kFullRoad);
    EXPECT_TRUE(FileExists(Installed("MirelQuorth.exe")));
}

void* NoMemory(size_t) { return nullptr; }

TEST_F(RunInstallTest, NoMemoryForTheBufferShowsTheMessageAndWritesNothing)
{
    g_allocate = NoMemory;
    EXPECT_EQ(RunInstall(), 0);
    std::vector<SeenMessage> seen = watcher->Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].chinese, kMsgNoMemory);
    EXPECT_EQ(seen[0].english, "Memory not enough!");
    EXPECT_EQ(seen[0].visibleButtons, std::vector<int>({IDOK}));
    EXPECT_EQ(seen[0].owner, g_setup.mainDialog);
    EXPECT_TRUE(MainDialog::Positions().empty());
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(g_setup.mainDialog, 1026)));
    EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

}  // namespace
