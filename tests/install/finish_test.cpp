// The completion step: the outcome messages after the minimum display time, the question
// on the speech runtime, the package written to the temporary folder and handed to the
// shell (watched through the shell-call seam), and the cases where nothing is opened.
#include <gtest/gtest.h>
#include "install_bench.h"
#include "support/message_watcher.h"
#include "app/setup_state.h"
#include "install/finish.h"
#include "install/payload.h"
#include "ui/texts.h"
#include <shellapi.h>
#include <cstdlib>

namespace {

struct ShellCall {
    HWND owner;
    std::string verb, file;
    bool noParameters, noDirectory;
    int show;
};
std::vector<ShellCall> shellCalls;
int allocations;

HINSTANCE WINAPI RecordShellCall(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    shellCalls.push_back({owner, verb ? verb : "", file ? file : "", parameters == nullptr, directory == nullptr, show});
    return reinterpret_cast<HINSTANCE>(42);
}

void* CountingAllocate(size_t size)
{
    allocations++;
    return malloc(size);
}

void* NoMemory(size_t) { return nullptr; }

// The clock reading, as seconds past the start, at which each message box was created.
std::vector<double> boxCreatedAt;
time_t hookStart;

LRESULT CALLBACK WatchBoxCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        CBT_CREATEWNDA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (create->lpcs->lpszName && !IS_INTRESOURCE(create->lpcs->lpszName) &&
            lstrcmpA(create->lpcs->lpszName, "Pendaric Install Message") == 0)
            boxCreatedAt.push_back(difftime(time(nullptr), hookStart));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class FinishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetForTest();
        dialog.reset(new MainDialog());
        // Hidden, so the message watcher never waits on this thread to read its caption.
        ShowWindow(dialog->Window(), SW_HIDE);
        g_setup.page = kPageInstalling;
        shellCalls.clear();
        allocations = 0;
        g_allocate = CountingAllocate;
        g_shellExecute = RecordShellCall;
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        package = std::string(temp) + "Sapi51forVaelk.msi";
        RemoveTree(package);
    }
    void TearDown() override
    {
        g_allocate = malloc;
        g_shellExecute = ShellExecuteA;
        RemoveTree(package);
        dialog.reset();
    }
    // Long past the five-second mark: no wait.
    static time_t LongAgo() { return time(nullptr) - 10; }
    void ExpectMessage(const SeenMessage& seen, const char* chinese, const char* english, std::vector<int> buttons)
    {
        EXPECT_EQ(seen.chinese, chinese) << english;
        EXPECT_EQ(seen.english, english);
        EXPECT_EQ(seen.visibleButtons, buttons) << english;
        EXPECT_EQ(seen.owner, g_setup.mainDialog) << english;
    }

    std::unique_ptr<MainDialog> dialog;
    std::string package;
};

TEST_F(FinishTest, FailureIsReportedOnlyOnceTheClockPassesTheFiveSecondMark)
{
    MessageWatcher watcher;
    hookStart = time(nullptr) - 3;  // about two seconds still to wait
    boxCreatedAt.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchBoxCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    FinishInstall(0, hookStart);
    UnhookWindowsHookEx(hook);

    std::vector<SeenMessage> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    ExpectMessage(seen[0], kMsgInstallFailed,
                  "Installation failed. Please check your system (quit all Vaelk applications) and try again.", {IDOK});
    ASSERT_EQ(boxCreatedAt.size(), 1u);
    EXPECT_GE(boxCreatedAt[0], 5.0) << "the box came before the clock reached the mark";
    EXPECT_EQ(g_setup.page, kPageExit);
    EXPECT_EQ(allocations, 0);
    EXPECT_TRUE(shellCalls.empty());
    EXPECT_FALSE(FileExists(package));
}

TEST_F(FinishTest, DecliningTheSpeechRuntimeWritesNothing)
{
    for (int answer : {IDCANCEL, 0}) {  // Cancel, then the Close box
        MessageWatcher watcher({IDOK, answer});
        g_setup.page = kPageInstalling;
        FinishInstall(1, LongAgo());
        std::vector<SeenMessage> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 2u) << "answer " << answer;
        ExpectMessage(seen[0], kMsgInstallSucceeded, "Congratulations! Installation Success!", {IDOK});
        ExpectMessage(seen[1], kMsgInstallSpeech, "Now install sound module SAPI5.1 from Microsoft.", {IDOK, IDCANCEL});
        EXPECT_EQ(g_setup.page, kPageExit) << "answer " << answer;
        EXPECT_EQ(allocations, 0) << "answer " << answer;
        EXPECT_TRUE(shellCalls.empty()) << "answer " << answer;
        EXPECT_FALSE(FileExists(package)) << "answer " << answer;
    }
}

TEST_F(FinishTest, AcceptingWritesThePackageAndOpensIt)
{
    // An earlier run's copy, left protected, is replaced.
    WriteBytes(package, "an earlier package");
    SetFileAttributesA(package.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    MessageWatcher watcher;
    FinishInstall(1, LongAgo());
    EXPECT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(g_setup.page, kPageExit);
    std::string bytes;
    ASSERT_TRUE(ReadBytes(package, &bytes));
    EXPECT_EQ(bytes, InflatedEntry(1029));
    EXPECT_EQ(Attributes(package) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u)
        << std::hex << Attributes(package);
    EXPECT_EQ(allocations, 1);
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].owner, nullptr);
    EXPECT_EQ(shellCalls[0].verb, "open");
    EXPECT_EQ(shellCalls[0].file, package);
    EXPECT_TRUE(shellCalls[0].noParameters);
    EXPECT_TRUE(shellCalls[0].noDirectory);
    EXPECT_EQ(shellCalls[0].show, SW_SHOWNORMAL);
}

TEST_F(FinishTest, PackageNotWrittenByThisRunIsNeverOpened)
{
    WriteBytes(package, "someone else's package");
    {
        HeldOpen held(package);  // cannot be replaced now
        ASSERT_TRUE(held.Ok());
        MessageWatcher watcher;
        FinishInstall(1, LongAgo());
        EXPECT_EQ(watcher.Seen().size(), 2u) << "no message for the failed extraction";
    }
    EXPECT_TRUE(shellCalls.empty()) << "opened " << shellCalls[0].file;
    std::string bytes;
    ASSERT_TRUE(ReadBytes(package, &bytes));
    EXPECT_EQ(bytes, "someone else's package");
    EXPECT_EQ(g_setup.page, kPageExit);
}

TEST_F(FinishTest, NoMemoryForThePackage)
{
    g_allocate = NoMemory;
    MessageWatcher watcher;
    FinishInstall(1, LongAgo());
    std::vector<SeenMessage> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 3u);
    ExpectMessage(seen[2], kMsgNoMemory, "Memory not enough!", {IDOK});
    EXPECT_TRUE(shellCalls.empty());
    EXPECT_FALSE(FileExists(package));
    EXPECT_EQ(g_setup.page, kPageExit);
}

TEST_F(FinishTest, TemporaryFolderTooLongForThePackagePath)
{
    char saved[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", saved, sizeof saved);
    ScratchFolder base("finish");
    std::string deep = base.Path() + "\\" + std::string(250 - base.Path().size() - 1, 't');
    CreateDirectoryA(deep.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", deep.c_str());
    char reported[MAX_PATH] = "";
    DWORD length = GetTempPathA(sizeof reported, reported);
    MessageWatcher watcher;
    FinishInstall(1, LongAgo());
    SetEnvironmentVariableA("TMP", saved[0] ? saved : nullptr);
    ASSERT_EQ(std::string(reported), deep + "\\") << "length " << length;
    EXPECT_EQ(watcher.Seen().size(), 2u);
    EXPECT_TRUE(shellCalls.empty()) << "opened " << shellCalls[0].file;
    EXPECT_TRUE(ListFolder(deep).empty()) << ListFolder(deep)[0];
    EXPECT_EQ(g_setup.page, kPageExit);
}

}  // namespace
