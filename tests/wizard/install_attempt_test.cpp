// Agree/Install: entering or creating the install folder, the message and unchanged
// state when that fails, the Back rule while installing, and one successful attempt.
#include "wizard_fixture.h"
#include "support/file_tree.h"
#include "support/shell_link.h"
#include <shlobj.h>
#include <direct.h>
#include "ui/texts.h"

namespace {
std::string CurrentDirectory()
{
    char path[MAX_PATH] = "";
    return _getcwd(path, sizeof path) ? path : "";
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

TEST_F(WizardTest, ExistingFolderBecomesTheCurrentDirectory)
{
    std::string folder = TempPath("existing");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << "error " << GetLastError();
    EXPECT_EQ(EnterInstallFolder(folder.c_str()), 1);
    EXPECT_EQ(lstrcmpiA(CurrentDirectory().c_str(), folder.c_str()), 0) << CurrentDirectory();
    TearDown();
    RemoveDirectoryA(folder.c_str());
}

TEST_F(WizardTest, MissingFolderIsCreatedOnlyWhenItsParentExists)
{
    std::string before = CurrentDirectory();
    std::string created = TempPath("created");
    EXPECT_EQ(EnterInstallFolder(created.c_str()), 1);
    EXPECT_TRUE(IsFolder(created)) << created;
    EXPECT_EQ(CurrentDirectory(), before) << "a created folder is not entered";
    RemoveDirectoryA(created.c_str());

    std::string orphan = TempPath("noparent") + "\\child";
    EXPECT_EQ(EnterInstallFolder(orphan.c_str()), 0);
    EXPECT_FALSE(IsFolder(orphan));
    EXPECT_EQ(EnterInstallFolder(""), 0);
}

class InstallAttemptTest : public WizardTest {
protected:
    // Next on the current page with a path that cannot be created; returns what was shown.
    std::vector<SeenMessage> FailedAttempt()
    {
        MessageWatcher watcher;
        Command(IDC_NEXT);
        return watcher.Seen();
    }
    void ExpectFolderMessage(const std::vector<SeenMessage>& seen)
    {
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].chinese, kMsgCannotCreateFolder);
        EXPECT_EQ(seen[0].english, "Cannot create folder! Please check folder path.");
        EXPECT_EQ(seen[0].visibleButtons, std::vector<int>{IDOK});
        EXPECT_EQ(seen[0].owner, dialog);
    }
};

TEST_F(InstallAttemptTest, FolderThatCannotBeCreatedKeepsThePageAndControls)
{
    std::string orphan = TempPath("noparent") + "\\child";
    SetPath(orphan);
    GoToPage(kPageLicence);
    ExpectFolderMessage(FailedAttempt());
    EXPECT_EQ(g_setup.page, kPageInstalling);
    EXPECT_STREQ(g_setup.installDir, orphan.c_str());
    for (int id : {IDC_NEXT, IDC_BACK, IDCANCEL, IDC_ENGLISH_CHECK, IDC_LICENCE_EN})
        EXPECT_TRUE(Visible(id)) << "control " << id;
    EXPECT_FALSE(Visible(IDC_PROGRESS));
    EXPECT_FALSE(IsFolder(orphan));

    // Next retries at once with the same path.
    ExpectFolderMessage(FailedAttempt());
    EXPECT_EQ(g_setup.page, kPageInstalling);
}

TEST_F(InstallAttemptTest, TogglingEnglishWhileInstallingLeavesBackAlone)
{
    SetPath(TempPath("noparent") + "\\child");
    GoToPage(kPageLicence);
    FailedAttempt();
    ASSERT_EQ(g_setup.page, kPageInstalling);
    HWND back = Item(IDC_BACK);
    ShowWindow(back, SW_HIDE);
    EnableWindow(back, FALSE);
    SendMessageA(Item(IDC_ENGLISH_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    Command(IDC_ENGLISH_CHECK);
    EXPECT_TRUE(Visible(IDC_LICENCE_ZH)) << "the licence text did not follow the box";
    EXPECT_FALSE(Visible(IDC_BACK));
    EXPECT_FALSE(Enabled(IDC_BACK));
    EXPECT_EQ(g_setup.page, kPageInstalling);
}

TEST_F(InstallAttemptTest, BackFromInstallingShowsTheFolderLayoutWithBack)
{
    SetPath(TempPath("noparent") + "\\child");
    GoToPage(kPageLicence);
    FailedAttempt();
    Command(IDC_BACK);
    EXPECT_EQ(g_setup.page, 98);
    for (int id : {IDC_INSTALL_PATH, IDC_BROWSE, IDC_OPT_DESKTOP, IDC_OPT_AUTOSTART, IDC_BACK, IDC_NEXT})
        EXPECT_TRUE(Visible(id)) << "control " << id;
    for (int id : {IDC_ENGLISH_CHECK, IDC_LICENCE_EN, IDC_LICENCE_ZH, IDC_LANGUAGE_LIST})
        EXPECT_FALSE(Visible(id)) << "control " << id;
    EXPECT_TRUE(Enabled(IDC_BACK));

    // Next from here is an install attempt at once, not the language page.
    ExpectFolderMessage(FailedAttempt());
    EXPECT_EQ(g_setup.page, 98);
    EXPECT_FALSE(Visible(IDC_LANGUAGE_LIST));
}

TEST_F(InstallAttemptTest, SuccessfulAttemptRecordsChoicesHidesButtonsAndEndsTheWizard)
{
    std::string folder = TempPath("install");
    // Wine reuses process ids, so a folder of this name may hold an earlier run's files.
    RemoveTree(folder);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << "error " << GetLastError();
    SetPath(folder);
    CheckDlgButton(dialog, IDC_OPT_DESKTOP, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_AUTOSTART, BST_CHECKED);
    GoToPage(kPageLanguage);
    SendMessageA(Item(IDC_LANGUAGE_LIST), CB_SETCURSEL, 2, 0);
    GoToPage(kPageLicence);
    {
        // Answers every box with Cancel, so the speech runtime is refused.
        MessageWatcher watcher({}, IDCANCEL);
        Command(IDC_NEXT);
    }
    EXPECT_EQ(g_setup.page, kPageExit);
    EXPECT_STREQ(g_setup.installDir, folder.c_str());
    EXPECT_FALSE(g_setup.wantDesktopIcon);
    EXPECT_TRUE(g_setup.wantAutoStart);
    EXPECT_EQ(g_setup.uiLanguage, kUiTraditional);
    for (int id : {IDC_NEXT, IDC_BACK, IDCANCEL, IDC_WAIT_LABEL})
        EXPECT_FALSE(Visible(id)) << "control " << id;
    EXPECT_EQ(lstrcmpiA(CurrentDirectory().c_str(), folder.c_str()), 0) << CurrentDirectory();

    // The real installation ran: remove its folder and shortcuts again.
    SetCurrentDirectoryA("C:\\");
    RemoveTree(folder);
    RemoveTree(ShellFolder(CSIDL_PROGRAMS) + "\\Vaelk MirelQuorth");
    RemoveTree(ShellFolder(CSIDL_STARTUP) + "\\Vaelk MirelQuorth.lnk");
}
