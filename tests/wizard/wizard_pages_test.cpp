// The wizard's pages on the real dialog: its state after initialisation, which controls
// each page shows, and the moves of Back, Next, Cancel and the English check box.
#include "wizard_fixture.h"
#include "ui/skin_checkbox.h"

TEST_F(WizardTest, InitialisationSetsDefaultsOptionsAndLanguageList)
{
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_STREQ(g_setup.windowsDir, windows);
    EXPECT_EQ(Text(IDC_INSTALL_PATH), std::string(1, windows[0]) + ":\\MirelQuorth");
    EXPECT_TRUE(Checked(IDC_OPT_DESKTOP));
    EXPECT_FALSE(Checked(IDC_OPT_AUTOSTART));
    EXPECT_FALSE(Visible(IDC_BACK));
    EXPECT_FALSE(Enabled(IDC_BACK));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0)), g_setup.appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0)), g_setup.appIcon);

    HWND list = Item(IDC_LANGUAGE_LIST);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 3);
    const char* names[] = {"English", "Chinese(Simplified)", "Chinese(Traditional)"};
    for (int i = 0; i < 3; ++i) {
        char name[64] = "";
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(name, names[i]) << "entry " << i;
        EXPECT_EQ(SendMessageA(list, CB_GETITEMDATA, i, 0), i) << "entry " << i;
    }
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);

    ASSERT_NE(savedButtonProc, nullptr);
    for (int id : {IDC_OPT_DESKTOP, IDC_OPT_AUTOSTART})
        EXPECT_EQ(GetWindowLongPtrA(Item(id), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SkinCheckBoxProc))
            << "control " << id;
    EXPECT_EQ(SendMessageA(Item(IDC_LICENCE_ZH), LB_GETITEMHEIGHT, 0, 0), 23);
    EXPECT_EQ(g_setup.page, kPageFolder);
}

TEST_F(WizardTest, EachPageShowsItsOwnControls)
{
    // Visible on page 0, 1, 2 (the licence page starts on the English text).
    struct Row {
        int id;
        bool visible[3];
    } rows[] = {
        {IDC_INSTALL_PATH, {true, false, false}},
        {IDC_BROWSE, {true, false, false}},
        {IDC_OPT_DESKTOP, {true, false, false}},
        {IDC_OPT_AUTOSTART, {true, false, false}},
        {IDC_PATH_LABEL, {true, false, false}},
        {IDC_LANGUAGE_LABEL, {false, true, false}},
        {IDC_LANGUAGE_LIST, {false, true, false}},
        {IDC_ENGLISH_CHECK, {false, false, true}},
        {IDC_LICENCE_EN, {false, false, true}},
        {IDC_LICENCE_ZH, {false, false, false}},
        {IDC_BACK, {false, true, true}},
        {IDC_NEXT, {true, true, true}},
        {IDCANCEL, {true, true, true}},
        {IDC_WAIT_LABEL, {false, false, false}},
        {IDC_PROGRESS, {false, false, false}},
        {IDC_PRODUCT_LABEL, {true, true, true}},
    };
    for (int page = 0; page <= 2; ++page) {
        GoToPage(page);
        ASSERT_EQ(g_setup.page, page);
        for (const Row& row : rows)
            EXPECT_EQ(Visible(row.id), row.visible[page]) << "control " << row.id << " on page " << page;
        EXPECT_EQ(Enabled(IDC_BACK), page != 0) << "page " << page;
    }
    EXPECT_TRUE(Checked(IDC_ENGLISH_CHECK));
}

TEST_F(WizardTest, BackReturnsThroughThePagesAndDoesNothingOnTheFirst)
{
    Command(IDC_BACK);
    EXPECT_EQ(g_setup.page, kPageFolder);
    EXPECT_TRUE(Visible(IDC_INSTALL_PATH));
    EXPECT_FALSE(Visible(IDC_BACK));

    GoToPage(kPageLicence);
    Command(IDC_BACK);
    EXPECT_EQ(g_setup.page, kPageLanguage);
    EXPECT_TRUE(Visible(IDC_LANGUAGE_LIST));
    EXPECT_FALSE(Visible(IDC_ENGLISH_CHECK));
    EXPECT_FALSE(Visible(IDC_LICENCE_EN));
    Command(IDC_BACK);
    EXPECT_EQ(g_setup.page, kPageFolder);
    EXPECT_TRUE(Visible(IDC_INSTALL_PATH));
    EXPECT_FALSE(Visible(IDC_LANGUAGE_LIST));
    EXPECT_FALSE(Visible(IDC_BACK));
    EXPECT_FALSE(Enabled(IDC_BACK));
}

TEST_F(WizardTest, CancelEndsTheWizardOnEveryPage)
{
    for (int page = 0; page <= 2; ++page) {
        g_setup.page = kPageFolder;
        ShowWizardPage(dialog, kPageFolder);
        GoToPage(page);
        Command(IDCANCEL);
        EXPECT_EQ(g_setup.page, kPageExit) << "from page " << page;
    }
}

TEST_F(WizardTest, EnglishBoxSwitchesLicenceTextAndEveryArrivalStartsOnEnglish)
{
    GoToPage(kPageLicence);
    ASSERT_TRUE(Visible(IDC_LICENCE_EN));
    SendMessageA(Item(IDC_ENGLISH_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    Command(IDC_ENGLISH_CHECK);
    EXPECT_TRUE(Visible(IDC_LICENCE_ZH));
    EXPECT_FALSE(Visible(IDC_LICENCE_EN));
    // A focus notification re-applies the page and changes nothing.
    Command(IDC_ENGLISH_CHECK, BN_SETFOCUS);
    EXPECT_TRUE(Visible(IDC_LICENCE_ZH));
    EXPECT_FALSE(Visible(IDC_LICENCE_EN));

    Command(IDC_BACK);
    Command(IDC_NEXT);
    EXPECT_EQ(g_setup.page, kPageLicence);
    EXPECT_TRUE(Checked(IDC_ENGLISH_CHECK));
    EXPECT_TRUE(Visible(IDC_LICENCE_EN));
    EXPECT_FALSE(Visible(IDC_LICENCE_ZH));
}

TEST_F(WizardTest, OptionCommandsChangeNoPage)
{
    Command(IDC_OPT_DESKTOP);
    Command(IDC_OPT_AUTOSTART);
    Command(4321);
    EXPECT_EQ(g_setup.page, kPageFolder);
    EXPECT_TRUE(Visible(IDC_INSTALL_PATH));
}

TEST(PointerTarget, MovesOnlyAPointerOutsideTheWindowToItsCentre)
{
    RECT window = {10, 20, 111, 221};
    struct Case {
        POINT pointer;
        int moves;
    } cases[] = {
        {{50, 50}, 0},
        {{10, 20}, 0},    // top-left corner lies inside
        {{110, 220}, 0},
        {{111, 100}, 1},  // the right and bottom edges lie outside
        {{50, 221}, 1},
        {{0, 0}, 1},
        {{-500, 3000}, 1},
    };
    for (const Case& c : cases) {
        POINT target = {-1, -1};
        EXPECT_EQ(PointerTarget(window, c.pointer, &target), c.moves) << c.pointer.x << "," << c.pointer.y;
        if (c.moves) {
            EXPECT_EQ(target.x, 60);
            EXPECT_EQ(target.y, 120);
        }
    }
}
