// The licence texts: splitting the Chinese text into list lines, loading both entries
// once into the licence page, and a load that stops for want of memory.
#include "wizard_fixture.h"
#include <vector>
#include <zlib.h>
#include "ui/texts.h"

namespace {
std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string line(SendMessageA(list, LB_GETTEXTLEN, i, 0) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
        line.resize(line.size() - 1);
        lines.push_back(line);
    }
    return lines;
}

// The entry's text, inflated here with zlib itself, independent of the payload store.
std::string EntryText(int id)
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXT");
    if (!resource)
        return "";
    const Bytef* data = static_cast<const Bytef*>(LockResource(LoadResource(nullptr, resource)));
    std::string text(65536, '\0');
    uLongf length = text.size();
    if (uncompress(reinterpret_cast<Bytef*>(&text[0]), &length, data, SizeofResource(nullptr, resource)) != Z_OK)
        return "";
    text.resize(length);
    return text;
}
}  // namespace

TEST(LicenceLines, SplitsAtCarriageReturns)
{
    HWND list = CreateWindowA("ListBox", "", WS_POPUP | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\r\n\r\n\r\nfour\r\n", {"one", "", "", "four"}},
        {"lone\nfeed\r\n", {"lone\nfeed"}},
        {"cr\rcr only\r", {"cr", "cr only"}},
        {"\r\n\n\r\n", {"", "\n"}},
        {"first\r\nlast without end", {"first"}},
        {"no end at all", {}},
        {"", {}},
        {"\xC4\xDA\xC8\xDD\r\n", {"\xC4\xDA\xC8\xDD"}},
    };
    for (const Case& c : cases) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        std::string text = c.text;
        int added = AddLicenceLines(list, &text[0]);
        EXPECT_EQ(added, static_cast<int>(c.lines.size())) << "text \"" << c.text << "\"";
        EXPECT_EQ(ListLines(list), c.lines) << "text \"" << c.text << "\"";
    }
    DestroyWindow(list);
}

TEST(LicenceLines, AddsAtMostFiveHundredLines)
{
    HWND list = CreateWindowA("ListBox", "", WS_POPUP | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    for (int total : {499, 500, 501, 700}) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        std::string text;
        for (int i = 1; i <= total; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        int expected = total < 500 ? total : 500;
        EXPECT_EQ(AddLicenceLines(list, &text[0]), expected) << total << " lines";
        std::vector<std::string> lines = ListLines(list);
        ASSERT_EQ(lines.size(), static_cast<size_t>(expected)) << total << " lines";
        EXPECT_EQ(lines.back(), "line " + std::to_string(expected));
    }
    DestroyWindow(list);
}

TEST_F(WizardTest, LicencePageLoadsBothTextsOnceIntoTheirControls)
{
    std::string chinese = EntryText(PAYLOAD_LICENCE_ZH);
    std::string english = EntryText(PAYLOAD_LICENCE_EN);
    ASSERT_FALSE(chinese.empty());
    ASSERT_FALSE(english.empty());
    size_t lineCount = 0;
    for (char c : chinese)
        lineCount += c == '\r';
    if (lineCount > 500)
        lineCount = 500;

    GoToPage(kPageLicence);
    EXPECT_EQ(licenceLoaded, 1);
    std::vector<std::string> lines = ListLines(Item(IDC_LICENCE_ZH));
    ASSERT_EQ(lines.size(), lineCount);
    EXPECT_EQ(lines[0], chinese.substr(0, chinese.find('\r')));
    std::string shown(english.size() + 1, '\0');
    GetDlgItemTextA(dialog, IDC_LICENCE_EN, &shown[0], static_cast<int>(shown.size()));
    EXPECT_EQ(shown.c_str(), english);

    for (int round = 0; round < 3; ++round) {
        Command(IDC_BACK);
        Command(IDC_NEXT);
        Command(IDC_ENGLISH_CHECK);
    }
    EXPECT_EQ(ListLines(Item(IDC_LICENCE_ZH)).size(), lineCount) << "licence lines added twice";
}

namespace {
int allocationsLeft;
void* LimitedAllocation(size_t size)
{
    if (allocationsLeft-- <= 0)
        return nullptr;
    return malloc(size);
}
}  // namespace

TEST_F(WizardTest, NoMemoryForLicenceStopsThePageAndTheNextVisitLoads)
{
    GoToPage(kPageLanguage);
    ShowWindow(Item(IDC_BACK), SW_HIDE);  // shows whether the Back rule ran
    allocationsLeft = 0;
    g_allocate = LimitedAllocation;
    {
        MessageWatcher watcher;
        Command(IDC_NEXT);
        std::vector<SeenMessage> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].chinese, kMsgNoMemory);
        EXPECT_EQ(seen[0].english, "Memory not enough!");
        EXPECT_EQ(seen[0].owner, dialog);
    }
    EXPECT_EQ(g_setup.page, kPageLicence);
    EXPECT_EQ(licenceLoaded, 0);
    EXPECT_TRUE(Visible(IDC_ENGLISH_CHECK));
    EXPECT_FALSE(Visible(IDC_LICENCE_EN));
    EXPECT_FALSE(Visible(IDC_LICENCE_ZH));
    EXPECT_FALSE(Visible(IDC_BACK)) << "the Back rule ran after a failed load";

    g_allocate = malloc;
    Command(IDC_ENGLISH_CHECK);
    EXPECT_EQ(licenceLoaded, 1);
    EXPECT_TRUE(Visible(IDC_LICENCE_EN));
    EXPECT_TRUE(Visible(IDC_BACK));
}

TEST_F(WizardTest, RetryAfterEnglishLoadFailedAddsNoDuplicateChineseLines)
{
    std::string chinese = EntryText(PAYLOAD_LICENCE_ZH);
    size_t lineCount = 0;
    for (char c : chinese)
        lineCount += c == '\r';
    if (lineCount > 500)
        lineCount = 500;
    ASSERT_GT(lineCount, 0u);

    allocationsLeft = 1;  // the Chinese text loads, the English one finds no memory
    g_allocate = LimitedAllocation;
    {
        MessageWatcher watcher;
        GoToPage(kPageLicence);
        EXPECT_EQ(watcher.Seen().size(), 1u);
    }
    EXPECT_EQ(licenceLoaded, 0);
    g_allocate = malloc;
    Command(IDC_ENGLISH_CHECK);
    EXPECT_EQ(licenceLoaded, 1);
    EXPECT_EQ(ListLines(Item(IDC_LICENCE_ZH)).size(), lineCount);
}
