// The payload store and the writing of its entries: what the executable carries, the
// capacity rule, attributes over an earlier installation, and paths that do not fit.
#include <gtest/gtest.h>
#include "install_bench.h"
#include "app/setup_state.h"
#include "install/payload.h"
#include <map>
#include <set>

namespace {

const DWORD kProtective = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR collected)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<int>*>(collected)->insert((int)(ULONG_PTR)name);
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR collected)
{
    reinterpret_cast<std::vector<WORD>*>(collected)->push_back(language);
    return TRUE;
}

class PayloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetForTest();
        snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s", folder.Path().c_str());
    }
    ScratchFolder folder{"payload"};
    std::vector<unsigned char> buffer = std::vector<unsigned char>(kPackageBufferSize);
};

// The capacity each reader of the store supplies.
const std::map<int, unsigned long> kReaderCapacity = {
    {109, kInstallBufferSize}, {110, 307200}, {119, kInstallBufferSize}, {120, kInstallBufferSize},
    {124, kLicenceCapacity}, {161, kLicenceCapacity}, {177, kInstallBufferSize}, {192, kInstallBufferSize},
    {196, kInstallBufferSize}, {197, kInstallBufferSize}, {198, kInstallBufferSize}, {199, kInstallBufferSize},
    {200, kInstallBufferSize}, {201, kInstallBufferSize}, {203, kInstallBufferSize}, {228, kInstallBufferSize},
    {235, kInstallBufferSize}, {1029, kPackageBufferSize},
};

TEST_F(PayloadTest, StoreHoldsEachEntryOnceAsOneBestCompressionStream)
{
    std::set<int> ids;
    EnumResourceNamesA(nullptr, "TEXT", CollectName, reinterpret_cast<LONG_PTR>(&ids));
    std::set<int> expected = {9001, 9002, 9003};  // the test executable's own entries
    for (const auto& entry : kReaderCapacity)
        expected.insert(entry.first);
    EXPECT_EQ(ids, expected) << "entries found: " << ids.size();

    for (const auto& entry : kReaderCapacity) {
        int id = entry.first;
        std::vector<WORD> languages;
        EnumResourceLanguagesA(nullptr, "TEXT", MAKEINTRESOURCEA(id), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        ASSERT_EQ(languages.size(), 1u) << "entry " << id;
        EXPECT_EQ(languages[0], id == 1029 ? 1033 : 0) << "entry " << id;

        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXT");
        ASSERT_NE(found, nullptr) << "entry " << id;
        const unsigned char* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_GE(SizeofResource(nullptr, found), 2u) << "entry " << id;
        EXPECT_EQ(data[0], 0x78) << "entry " << id;
        EXPECT_EQ(data[1], 0xDA) << "entry " << id;

        unsigned long length = 0;
        EXPECT_TRUE(InflatePayload(id, buffer.data(), entry.second, &length))
            << "entry " << id << " within " << entry.second << " bytes";
        EXPECT_EQ(length, InflatedEntry(id).size()) << "entry " << id;
    }
}

TEST_F(PayloadTest, CapacityMustHoldTheWholeEntry)
{
    for (int id : {9003, 120, 110, 161}) {
        std::string expected = InflatedEntry(id);
        ASSERT_FALSE(expected.empty()) << "entry " << id;
        unsigned long size = (unsigned long)expected.size();
        unsigned long length = 0;

        // One byte short: failure, and an existing target is left exactly as it was.
        std::string target = folder / "target.bin";
        WriteBytes(target, "earlier copy");
        SetFileAttributesA(target.c_str(), kProtective);
        EXPECT_FALSE(InflatePayload(id, buffer.data(), size - 1, &length)) << "entry " << id;
        EXPECT_EQ(ExtractPayload(id, "target.bin", buffer.data(), size - 1, 0, 0, nullptr), 0) << "entry " << id;
        std::string bytes;
        ASSERT_TRUE(ReadBytes(target, &bytes));
        EXPECT_EQ(bytes, "earlier copy") << "entry " << id;
        EXPECT_EQ(Attributes(target) & kProtective, kProtective) << "entry " << id << " attributes " << std::hex
                                                                 << Attributes(target);

        // Exactly the inflated size: success, and the buffer past it is left alone.
        buffer[size] = 0xA5;
        EXPECT_TRUE(InflatePayload(id, buffer.data(), size, &length)) << "entry " << id;
        EXPECT_EQ(length, size) << "entry " << id;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()), size), expected) << "entry " << id;
        EXPECT_EQ(buffer[size], 0xA5) << "entry " << id;
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(PayloadTest, DamagedMissingAndEmptyEntries)
{
    std::string target = folder / "small.txt";
    WriteBytes(target, "kept");
    unsigned long length = 77;
    EXPECT_FALSE(InflatePayload(9001, buffer.data(), kInstallBufferSize, &length));
    EXPECT_EQ(ExtractPayload(9001, "small.txt", buffer.data(), kInstallBufferSize, 1, 1, nullptr), 0);
    EXPECT_FALSE(InflatePayload(4242, buffer.data(), kInstallBufferSize, &length));
    EXPECT_EQ(ExtractPayload(4242, "small.txt", buffer.data(), kInstallBufferSize, 1, 1, nullptr), 0);
    std::string bytes;
    ASSERT_TRUE(ReadBytes(target, &bytes));
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(Attributes(target) & kProtective, 0u) << std::hex << Attributes(target);

    // An entry that inflates to nothing gives an empty file and success.
    EXPECT_EQ(ExtractPayload(9002, "empty.bin", buffer.data(), kInstallBufferSize, 0, 0, nullptr), 1);
    ASSERT_TRUE(ReadBytes(folder / "empty.bin", &bytes));
    EXPECT_EQ(bytes.size(), 0u);
    EXPECT_TRUE(InflatePayload(9002, buffer.data(), 0, &length));
    EXPECT_EQ(length, 0u);
}

TEST_F(PayloadTest, RewritesAnEarlierProtectedCopyAndSetsTheRequestedAttributes)
{
    struct Case {
        int readOnly, hidden;
        DWORD expected;
    };
    const Case cases[] = {
        {1, 1, kProtective},
        {1, 0, FILE_ATTRIBUTE_READONLY},
        {0, 1, FILE_ATTRIBUTE_HIDDEN},
        {0, 0, 0},
    };
    for (const Case& c : cases) {
        std::string target = folder / "small.txt";
        WriteBytes(target, "an earlier installation's copy, longer than the entry");
        SetFileAttributesA(target.c_str(), kProtective | FILE_ATTRIBUTE_ARCHIVE);
        EXPECT_EQ(ExtractPayload(9003, "small.txt", buffer.data(), kInstallBufferSize, c.readOnly, c.hidden, nullptr), 1)
            << "readOnly " << c.readOnly << " hidden " << c.hidden;
        std::string bytes;
        ASSERT_TRUE(ReadBytes(target, &bytes));
        EXPECT_EQ(bytes, "MirelQuorth test entry\r\n");
        DWORD attributes = Attributes(target);
        EXPECT_EQ(attributes & kProtective, c.expected)
            << "readOnly " << c.readOnly << " hidden " << c.hidden << " attributes " << std::hex << attributes;
        EXPECT_NE(attributes & FILE_ATTRIBUTE_ARCHIVE, 0u) << "attributes " << std::hex << attributes;
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(PayloadTest, FullPathTakesThePlaceOfFolderAndName)
{
    ScratchFolder other("payload_full");
    strcpy(g_setup.installDir, "Q:\\no such folder");
    std::string target = other / "chosen.txt";
    EXPECT_EQ(ExtractPayload(9003, "ignored.txt", buffer.data(), kInstallBufferSize, 0, 0, target.c_str()), 1);
    std::string bytes;
    ASSERT_TRUE(ReadBytes(target, &bytes));
    EXPECT_EQ(bytes, "MirelQuorth test entry\r\n");
    EXPECT_EQ(ListFolder(other.Path()).size(), 1u);

    // A folder with a trailing backslash keeps it: the doubled separator still names the file.
    snprintf(g_setup.installDir, sizeof g_setup.installDir, "%s\\", folder.Path().c_str());
    EXPECT_EQ(ExtractPayload(9003, "small.txt", buffer.data(), kInstallBufferSize, 0, 0, nullptr), 1);
    EXPECT_TRUE(FileExists(folder / "small.txt"));
}

TEST_F(PayloadTest, TargetThatCannotBeOpenedFails)
{
    // A folder standing where the file should go, then a file held open without sharing.
    CreateDirectoryA((folder / "small.txt").c_str(), nullptr);
    EXPECT_EQ(ExtractPayload(9003, "small.txt", buffer.data(), kInstallBufferSize, 1, 1, nullptr), 0);
    EXPECT_NE(Attributes(folder / "small.txt") & FILE_ATTRIBUTE_DIRECTORY, 0u);

    std::string target = folder / "held.txt";
    WriteBytes(target, "in use");
    {
        HeldOpen held(target);
        ASSERT_TRUE(held.Ok());
        EXPECT_EQ(ExtractPayload(9003, "held.txt", buffer.data(), kInstallBufferSize, 1, 1, nullptr), 0);
    }
    std::string bytes;
    ASSERT_TRUE(ReadBytes(target, &bytes));
    EXPECT_EQ(bytes, "in use");

    strcpy(g_setup.installDir, "Q:\\no such folder");
    EXPECT_EQ(ExtractPayload(9003, "small.txt", buffer.data(), kInstallBufferSize, 0, 0, nullptr), 0);
}

TEST_F(PayloadTest, PathThatDoesNotFitIsRefusedWithoutWritingAnything)
{
    // Long enough that a path cut at 259 characters would still name a file in the folder.
    std::string longName(300, 'n');
    EXPECT_EQ(ExtractPayload(9003, longName.c_str(), buffer.data(), kInstallBufferSize, 0, 0, nullptr), 0);
    std::string longPath = folder / longName;
    EXPECT_EQ(ExtractPayload(9003, "small.txt", buffer.data(), kInstallBufferSize, 0, 0, longPath.c_str()), 0);
    EXPECT_TRUE(ListFolder(folder.Path()).empty()) << "first entry " << ListFolder(folder.Path())[0];

    // The longest path that fits (259 characters) is still written.
    std::string name(259 - folder.Path().size() - 1, 'f');
    EXPECT_EQ(ExtractPayload(9003, name.c_str(), buffer.data(), kInstallBufferSize, 0, 0, nullptr), 1);
    EXPECT_TRUE(FileExists(folder / name));
}

}  // namespace
