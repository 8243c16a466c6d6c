// The message loop and its Enter-key rule, on the real wizard dialog: which command
// Enter posts for each kind of focused control, and when the loop ends.
#include "wizard_fixture.h"
#include "app/message_loop.h"

TEST(EnterKeyRule, ButtonClassNameIgnoresAsciiCase)
{
    struct Case {
        const char* name;
        bool expected;
    } cases[] = {
        {"button", true}, {"Button", true}, {"BUTTON", true}, {"bUtToN", true},
        {"Buttons", false}, {"Butto", false}, {"", false}, {"Static", false}, {"ComboBox", false},
        {nullptr, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsButtonClassName(c.name), c.expected) << (c.name ? c.name : "(null)");
}

class EnterKeyTest : public WizardTest {
protected:
    void DrainCommands()
    {
        MSG message;
        while (PeekMessageA(&message, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        }
    }
    // Presses Enter with the focus on control (null: no focus); returns whether the key
    // is dropped and the wParam of each WM_COMMAND posted to the dialog.
    bool PressEnter(HWND focus, std::vector<WPARAM>* posted)
    {
        DrainCommands();
        SetFocus(focus);
        EXPECT_EQ(GetFocus(), focus) << "focus not taken by control " << GetDlgCtrlID(focus);
        MSG key = {};
        key.hwnd = focus ? focus : dialog;
        key.message = WM_KEYDOWN;
        key.wParam = VK_RETURN;
        bool dropped = ApplyEnterKeyRule(key);
        MSG message;
        while (PeekMessageA(&message, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
            EXPECT_EQ(message.lParam, 0);
            posted->push_back(message.wParam);
        }
        return dropped;
    }
};

TEST_F(EnterKeyTest, PushButtonsPostTheirOwnCommandAndEverythingElsePostsNext)
{
    // A check box whose style adds BS_LEFTTEXT no longer matches the check-box values.
    HWND leftText = CreateWindowA("Button", "left", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFTTEXT,
                                  0, 0, 50, 16, dialog, reinterpret_cast<HMENU>(4000), nullptr, nullptr);
    ASSERT_NE(leftText, nullptr);
    struct Case {
        int page;
        int control;  // 0: nothing focused
        WPARAM expected;
        bool dropped;
    } cases[] = {
        {kPageFolder, IDC_BROWSE, IDC_BROWSE, true},
        {kPageFolder, IDC_NEXT, IDC_NEXT, true},
        {kPageFolder, IDCANCEL, IDCANCEL, true},
        {kPageFolder, 4000, 4000, true},
        {kPageFolder, IDC_OPT_DESKTOP, IDC_NEXT, false},
        {kPageFolder, IDC_OPT_AUTOSTART, IDC_NEXT, false},
        {kPageFolder, IDC_INSTALL_PATH, IDC_NEXT, false},
        {kPageFolder, 0, IDC_NEXT, false},
        {kPageLanguage, IDC_BACK, IDC_BACK, true},
        {kPageLanguage, IDC_LANGUAGE_LIST, IDC_NEXT, false},
        {kPageLicence, IDC_ENGLISH_CHECK, IDC_NEXT, false},
    };
    for (const Case& c : cases) {
        GoToPage(c.page);
        std::vector<WPARAM> posted;
        bool dropped = PressEnter(c.control ? Item(c.control) : nullptr, &posted);
        EXPECT_EQ(dropped, c.dropped) << "control " << c.control;
        ASSERT_EQ(posted.size(), 1u) << "control " << c.control;
        EXPECT_EQ(posted[0], c.expected) << "control " << c.control;
    }
}

TEST_F(EnterKeyTest, OtherKeysAndMessagesPostNothing)
{
    std::vector<WPARAM> posted;
    SetFocus(Item(IDC_NEXT));
    MSG key = {Item(IDC_NEXT), WM_KEYDOWN, VK_SPACE, 0, 0, {0, 0}};
    EXPECT_FALSE(ApplyEnterKeyRule(key));
    MSG up = {Item(IDC_NEXT), WM_KEYUP, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(ApplyEnterKeyRule(up));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE)) << "posted " << message.wParam;
}

namespace {
bool failSafeFired;
void CALLBACK FailSafe(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    failSafeFired = true;
    g_setup.page = kPageExit;
}
}  // namespace

class MessageLoopTest : public WizardTest {
protected:
    void RunLoop()
    {
        failSafeFired = false;
        UINT_PTR timer = SetTimer(nullptr, 0, 10000, FailSafe);
        RunMessageLoop();
        KillTimer(nullptr, timer);
    }
};

TEST_F(MessageLoopTest, QuitEndsTheLoopWhilePageIsStillValid)
{
    PostQuitMessage(0);
    RunLoop();
    EXPECT_FALSE(failSafeFired) << "WM_QUIT did not end the loop";
    EXPECT_EQ(g_setup.page, kPageFolder);
}

TEST_F(MessageLoopTest, HandlerSettingExitEndsTheLoopWithoutAnotherMessage)
{
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(dialog, WM_APP + 7, 0, 0);
    RunLoop();
    EXPECT_FALSE(failSafeFired);
    EXPECT_EQ(g_setup.page, kPageExit);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, dialog, WM_APP + 7, WM_APP + 7, PM_REMOVE))
        << "the loop took a message after the page became -1";
}

TEST_F(MessageLoopTest, LoopDoesNotStartAfterExit)
{
    g_setup.page = kPageExit;
    PostMessageA(dialog, WM_APP + 8, 0, 0);
    RunLoop();
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, dialog, WM_APP + 8, WM_APP + 8, PM_REMOVE));
}

TEST_F(MessageLoopTest, EnterOnCancelEndsTheWizard)
{
    SetFocus(Item(IDCANCEL));
    PostMessageA(Item(IDCANCEL), WM_KEYDOWN, VK_RETURN, 0);
    RunLoop();
    EXPECT_FALSE(failSafeFired);
    EXPECT_EQ(g_setup.page, kPageExit);
}

namespace {
int pageWhenStopped;
void CALLBACK StopLoop(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    pageWhenStopped = g_setup.page;
    g_setup.page = kPageExit;
}
}  // namespace

TEST_F(MessageLoopTest, EnterInThePathEditActsAsNext)
{
    SetFocus(Item(IDC_INSTALL_PATH));
    PostMessageA(Item(IDC_INSTALL_PATH), WM_KEYDOWN, VK_RETURN, 0);
    pageWhenStopped = -2;
    UINT_PTR stop = SetTimer(nullptr, 0, 500, StopLoop);
    RunLoop();
    KillTimer(nullptr, stop);
    EXPECT_FALSE(failSafeFired);
    EXPECT_EQ(pageWhenStopped, kPageLanguage);
    EXPECT_TRUE(Visible(IDC_LANGUAGE_LIST));
}
