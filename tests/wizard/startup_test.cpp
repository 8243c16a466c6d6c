// Start-up: platform and language derivation from version and locale facts, the early
// exits, and one whole run of SetupMain with its atlas, dialog, loop and teardown.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include "app/setup_state.h"
#include "app/startup.h"
#include "install/payload.h"
#include "glyph/glyph_atlas.h"
#include "res/resource.h"
#include "wizard_fixture.h"
#include "ui/texts.h"

TEST(StartupLanguage, DerivesShortcutLanguageFromCodePageAndSystemLanguage)
{
    struct Case {
        bool dbcs;
        LANGID language;
        ShortcutLanguage expected;
    } cases[] = {
        {true, 0x0404, kShortcutTraditional},  // Taiwan
        {true, 0x0C04, kShortcutTraditional},  // Hong Kong
        {true, 0x1404, kShortcutTraditional},  // Macau
        {true, 0x0804, kShortcutSimplified},   // PRC
        {true, 0x1004, kShortcutSimplified},   // Singapore
        {true, 0x0004, kShortcutSimplified},   // neutral Chinese
        {true, 0x0411, kShortcutEnglish},      // Japanese on its multi-byte code page
        {true, 0x0412, kShortcutEnglish},      // Korean
        {false, 0x0804, kShortcutEnglish},     // Chinese on a single-byte code page
        {false, 0x0404, kShortcutEnglish},
        {false, 0x0409, kShortcutEnglish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeriveShortcutLanguage(c.dbcs, c.language), c.expected)
            << "language 0x" << std::hex << c.language << " dbcs " << c.dbcs;
}

TEST(StartupVersion, SetsPlatformFlagsFromVersionRecord)
{
    struct Case {
        const char* name;
        DWORD platform, major, minor;
        bool isNt, legacyShell;
    } cases[] = {
        {"NT 3.51", VER_PLATFORM_WIN32_NT, 3, 51, true, true},
        {"Windows 95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, false, false},
        {"Windows 2000", VER_PLATFORM_WIN32_NT, 5, 0, true, false},
        {"Win32s on 3.1", VER_PLATFORM_WIN32s, 3, 10, false, true},
    };
    for (const Case& c : cases) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        version.dwPlatformId = c.platform;
        version.dwMajorVersion = c.major;
        version.dwMinorVersion = c.minor;
        bool isNt = !c.isNt, legacyShell = !c.legacyShell;
        ApplyVersionInfo(version, &isNt, &legacyShell);
        EXPECT_EQ(isNt, c.isNt) << c.name;
        EXPECT_EQ(legacyShell, c.legacyShell) << c.name;
    }
}

// Run once per system locale by CTest, which says in the environment what to expect.
TEST(StartupLocale, DetectsCodePageKindAndShortcutLanguage)
{
    const char* expectedLanguage = getenv("MQ_EXPECT_SHORTCUT_LANGUAGE");
    const char* expectedDbcs = getenv("MQ_EXPECT_DBCS");
    if (!expectedLanguage || !expectedDbcs)
        GTEST_SKIP() << "runs only with a locale chosen by the test run";
    ResetSetupState();
    DetectPlatform();
    EXPECT_EQ(g_setup.dbcsCodePage, atoi(expectedDbcs) != 0)
        << "code page " << GetACP() << " language 0x" << std::hex << GetSystemDefaultLangID();
    EXPECT_EQ(g_setup.shortcutLanguage, atoi(expectedLanguage))
        << "code page " << GetACP() << " language 0x" << std::hex << GetSystemDefaultLangID();
    EXPECT_TRUE(g_setup.isNt) << "Wine reports an NT platform";
    EXPECT_FALSE(g_setup.legacyShell);
}

TEST(StartupRun, PreviousInstanceEndsAtOnce)
{
    ResetSetupState();
    EXPECT_EQ(SetupMain(GetModuleHandleA(nullptr), reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr))), 0);
    EXPECT_EQ(g_setup.instance, nullptr) << "start-up went on past the previous-instance test";
    EXPECT_EQ(g_setup.mainDialog, nullptr);
}

namespace {
size_t requestedFontSize;
void* FailingAllocation(size_t size)
{
    requestedFontSize = size;
    return nullptr;
}

// Hands out font buffers full of zero bytes, so only start-up's own fill can blank
// the cells that the carried font does not reach.
void* ZeroedAllocation(size_t size)
{
    requestedFontSize = size;
    void* block = malloc(size);
    if (block)
        memset(block, 0, size);
    return block;
}

struct RunObservation {
    bool ran;
    bool dialogAlive;
    bool dialogVisible;
    bool progressBarPresent;
    int page;
    COLORREF blankCellPixel;
    COLORREF lastSheetPixel;
};
RunObservation observed;

// Looks at the running wizard from inside the message loop, then ends it.
void CALLBACK ObserveAndEnd(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    observed.ran = true;
    observed.dialogAlive = IsWindow(g_setup.mainDialog) != FALSE;
    observed.dialogVisible = IsWindowVisible(g_setup.mainDialog) != FALSE;
    observed.progressBarPresent = GetDlgItem(g_setup.mainDialog, IDC_PROGRESS) != nullptr;
    observed.page = g_setup.page;
    // Sheet 2 from cell row 20 on and all of sheet 3 lie past the carried 141,312 bytes.
    observed.blankCellPixel = GetPixel(g_glyphAtlas.sheets[2].memoryDc, 3, 16 * 40 + 5);
    observed.lastSheetPixel = GetPixel(g_glyphAtlas.sheets[3].memoryDc, 100, 500);
    g_setup.page = kPageExit;
}
}  // namespace

TEST(StartupRun, NoMemoryForFontShowsMessageWithoutOwnerAndExitsWithOne)
{
    ResetSetupState();
    g_allocate = FailingAllocation;
    MessageWatcher watcher;
    int code = SetupMain(GetModuleHandleA(nullptr), nullptr);
    g_allocate = malloc;
    EXPECT_EQ(code, 1);
    EXPECT_EQ(requestedFontSize, 307200u);
    std::vector<SeenMessage> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].chinese, kMsgNoMemory);
    EXPECT_EQ(seen[0].english, "Memory not enough!");
    EXPECT_EQ(seen[0].owner, nullptr);
    EXPECT_EQ(seen[0].visibleButtons, std::vector<int>{IDOK});
    EXPECT_EQ(g_setup.mainDialog, nullptr);
}

TEST(StartupRun, RunsWizardUntilPageIsExitThenTearsDown)
{
    ResetSetupState();
    observed = RunObservation();
    g_allocate = ZeroedAllocation;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, ObserveAndEnd);
    ASSERT_NE(timer, 0u);
    int code = SetupMain(GetModuleHandleA(nullptr), nullptr);
    g_allocate = malloc;
    KillTimer(nullptr, timer);

    EXPECT_EQ(code, 0);
    ASSERT_TRUE(observed.ran) << "the loop ended before the wizard ran";
    EXPECT_TRUE(observed.dialogAlive);
    EXPECT_TRUE(observed.dialogVisible);
    EXPECT_TRUE(observed.progressBarPresent);
    EXPECT_EQ(observed.page, kPageFolder);
    EXPECT_EQ(observed.blankCellPixel, RGB(255, 255, 255)) << std::hex << observed.blankCellPixel;
    EXPECT_EQ(observed.lastSheetPixel, RGB(255, 255, 255)) << std::hex << observed.lastSheetPixel;
    EXPECT_EQ(requestedFontSize, 307200u);
    EXPECT_NE(g_setup.appIcon, nullptr);
    EXPECT_FALSE(IsWindow(g_setup.mainDialog)) << "the dialog outlived the loop";
    ResetSetupState();
}
