// The interface-language update of QuorthUI.ini: one table of file contents before and
// after, the attribute handling around it, and the helper that clears the attributes.
#include <gtest/gtest.h>
#include "install_bench.h"
#include "app/setup_state.h"
#include "install/config_update.h"

namespace {

const DWORD kProtective = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
const char kMissing[] = "<missing>";

class ConfigUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetForTest();
        snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", folder.Path().c_str());
    }
    std::string ConfigPath() const { return folder / "QuorthUI.ini"; }
    ScratchFolder folder{"config"};
};

TEST_F(ConfigUpdateTest, UpdatesTheValueOrAppendsTheSection)
{
    const std::string longLine(300, 'x');
    struct Case {
        const char* name;
        std::string before;
        DWORD attributes;
        int language;
        std::string after;
    };
    const Case cases[] = {
        {"as installed", "[UI_STR]\r\nOpen=Da kai\r\n", kProtective, 1,
         "[UI_STR]\r\nOpen=Da kai\r\n\r\n[Config]\r\nUILanguage=1\r\n\r\n"},
        {"key present", "[Config]\r\nUILanguage=1\r\nOther=5\r\n", 0, 2, "[Config]\r\nUILanguage=2\r\nOther=5\r\n"},
        {"two digits: the whole old value goes", "[Config]\r\nUILanguage=10\r\nOther=5\r\n", 0, 2,
         "[Config]\r\nUILanguage=2\r\nOther=5\r\n"},
        {"empty value grows", "UILanguage=\r\nOther=5\r\n", 0, 1, "UILanguage=1\r\nOther=5\r\n"},
        {"spaces before the key stay", "[Config]\r\n  UILanguage=1\r\n", 0, 0, "[Config]\r\n  UILanguage=0\r\n"},
        {"word joined in front stays", "MyUILanguage=1\r\nUILanguage=1\r\n", 0, 2, "MyUILanguage=2\r\nUILanguage=1\r\n"},
        {"last line without line end", "[Config]\r\nUILanguage=0", FILE_ATTRIBUTE_HIDDEN, 2, "[Config]\r\nUILanguage=2"},
        {"empty file", "", FILE_ATTRIBUTE_READONLY, 2, "\r\n[Config]\r\nUILanguage=2\r\n\r\n"},
        {"section without the key gets a second section", "[Config]\r\nOther=5\r\n", 0, 1,
         "[Config]\r\nOther=5\r\n\r\n[Config]\r\nUILanguage=1\r\n\r\n"},
        {"key after a long line", longLine + "\r\nUILanguage=1\r\n", 0, 2, longLine + "\r\nUILanguage=2\r\n"},
        {"key past the 255th character", longLine + "UILanguage=1\r\nEnd\r\n", 0, 0,
         longLine + "UILanguage=0\r\nEnd\r\n"},
        {"key across the 255th character", std::string(250, 'y') + "UILanguage=0\r\n", 0, 1,
         std::string(250, 'y') + "UILanguage=1\r\n"},
        {"bare line feeds kept", "a\nUILanguage=1\nb\n", 0, 2, "a\nUILanguage=2\nb\n"},
        {"missing file is not created", kMissing, 0, 1, kMissing},
    };
    for (const Case& c : cases) {
        std::string path = ConfigPath();
        RemoveTree(path);
        if (c.before != kMissing) {
            WriteBytes(path, c.before);
            SetFileAttributesA(path.c_str(), c.attributes | FILE_ATTRIBUTE_ARCHIVE);
        }
        g_setup.uiLanguage = c.language;
        EXPECT_EQ(UpdateUiLanguage(), 1) << c.name;
        std::string after;
        if (c.after == kMissing) {
            EXPECT_FALSE(FileExists(path)) << c.name;
            continue;
        }
        ASSERT_TRUE(ReadBytes(path, &after)) << c.name;
        EXPECT_EQ(after, c.after) << c.name;
        DWORD attributes = Attributes(path);
        EXPECT_EQ(attributes & kProtective, kProtective) << c.name << " attributes " << std::hex << attributes;
        EXPECT_NE(attributes & FILE_ATTRIBUTE_ARCHIVE, 0u) << c.name << " attributes " << std::hex << attributes;
    }
}

TEST_F(ConfigUpdateTest, FileThatCannotBeOpenedIsLeftAsItWasButMadeProtective)
{
    WriteBytes(ConfigPath(), "UILanguage=1\r\n");
    g_setup.uiLanguage = 2;
    {
        HeldOpen held(ConfigPath());
        ASSERT_TRUE(held.Ok());
        EXPECT_EQ(UpdateUiLanguage(), 1);
    }
    std::string after;
    ASSERT_TRUE(ReadBytes(ConfigPath(), &after));
    EXPECT_EQ(after, "UILanguage=1\r\n");
    DWORD attributes = Attributes(ConfigPath());
    EXPECT_EQ(attributes & kProtective, kProtective) << std::hex << attributes;
}

TEST_F(ConfigUpdateTest, InstallFolderTooLongForThePathTouchesNothing)
{
    // The path cut at 259 characters would name the file "QuorthUI" in this folder.
    std::string dir = folder.Path() + "\\" + std::string(250 - folder.Path().size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir.size();
    std::string decoy = (dir + "\\QuorthUI.ini").substr(0, 259);
    WriteBytes(decoy, "UILanguage=1\r\n");
    snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", dir.c_str());
    g_setup.uiLanguage = 2;
    EXPECT_EQ(UpdateUiLanguage(), 1);
    std::string after;
    ASSERT_TRUE(ReadBytes(decoy, &after));
    EXPECT_EQ(after, "UILanguage=1\r\n");
    EXPECT_EQ(Attributes(decoy) & kProtective, 0u) << std::hex << Attributes(decoy);
    EXPECT_EQ(ListFolder(dir).size(), 1u);
}

TEST_F(ConfigUpdateTest, ClearProtectiveAttributesRemovesOnlyTheRequestedBits)
{
    struct Case {
        DWORD before;
        int clearReadOnly, clearHidden;
        int result;
        DWORD after;
    };
    const Case cases[] = {
        {kProtective, 1, 1, 1, 0},
        {kProtective, 1, 0, 1, FILE_ATTRIBUTE_HIDDEN},
        {kProtective, 0, 1, 1, FILE_ATTRIBUTE_READONLY},
        {FILE_ATTRIBUTE_HIDDEN, 1, 0, 0, FILE_ATTRIBUTE_HIDDEN},
        {0, 1, 1, 0, 0},
        {kProtective, 0, 0, 0, kProtective},
    };
    std::string path = folder / "file.txt";
    WriteBytes(path, "x");
    for (const Case& c : cases) {
        SetFileAttributesA(path.c_str(), c.before | FILE_ATTRIBUTE_ARCHIVE);
        EXPECT_EQ(ClearProtectiveAttributes(path.c_str(), c.clearReadOnly, c.clearHidden), c.result)
            << "before " << c.before << " flags " << c.clearReadOnly << c.clearHidden;
        DWORD attributes = Attributes(path);
        EXPECT_EQ(attributes & kProtective, c.after) << "before " << c.before << " flags " << c.clearReadOnly
                                                     << c.clearHidden << " after " << std::hex << attributes;
        EXPECT_NE(attributes & FILE_ATTRIBUTE_ARCHIVE, 0u) << std::hex << attributes;
    }
    EXPECT_EQ(ClearProtectiveAttributes((folder / "missing.txt").c_str(), 1, 1), 0);
    EXPECT_FALSE(FileExists(folder / "missing.txt"));
}

}  // namespace
