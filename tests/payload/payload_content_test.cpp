// Checks the sample payload as packed into the executable: the zlib framing of every
// entry, the bitmap font against GNU Unifont, the GBK-to-Big5 table, the licence and
// configuration texts, the guide pages, the pictures and the package headers.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <map>
#include "payload_entry.h"

static const int kAllEntries[] = {109, 110, 119, 120, 124, 161, 177, 192, 196, 197, 198, 199,
                                  200, 201, 203, 228, 235, 1029};

TEST(PackedStore, EveryEntryIsOneBestCompressionZlibStream)
{
    for (int id : kAllEntries) {
        PackedEntry entry = FindPackedEntry(id);
        ASSERT_NE(entry.data, nullptr) << "entry " << id;
        ASSERT_GE(entry.size, 6u) << "entry " << id;
        EXPECT_EQ(entry.data[0], 0x78) << "entry " << id << " header " << std::hex << (int)entry.data[0];
        EXPECT_EQ(entry.data[1], 0xDA) << "entry " << id << " header " << std::hex << (int)entry.data[1];
        std::string out;
        uLong consumed = 0;
        EXPECT_EQ(InflateEntry(id, out, &consumed), Z_OK) << "entry " << id;
        EXPECT_EQ(consumed, entry.size) << "entry " << id << ": bytes after the Adler-32 trailer";
        EXPECT_GT(out.size(), 0u) << "entry " << id;
    }
}

TEST(PackedStore, EntriesFitTheCapacitiesOfTheirReaders)
{
    // The licence reader needs room for a terminating zero after the text.
    const std::map<int, size_t> capacity = {{110, 307200}, {124, 65535}, {161, 65535}, {1029, 12582912}};
    for (int id : kAllEntries) {
        std::string out;
        ASSERT_EQ(InflateEntry(id, out), Z_OK) << "entry " << id;
        auto it = capacity.find(id);
        size_t limit = it != capacity.end() ? it->second : 1048576;
        EXPECT_LE(out.size(), limit) << "entry " << id;
    }
}

static BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD> *>(param)->push_back(language);
    return TRUE;
}

TEST(PackedStore, EachEntryHasOneLanguageAndOnlyTheSpeechPackageIsEnglish)
{
    for (int id : kAllEntries) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(GetModuleHandleA(nullptr), "TEXT", MAKEINTRESOURCEA(id), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        ASSERT_EQ(languages.size(), 1u) << "entry " << id;
        EXPECT_EQ(languages[0], id == 1029 ? 1033 : 0) << "entry " << id << " language " << languages[0];
    }
}

// ---- Bitmap font ----

// Unifont glyph of one code point as 16 rows of 16 bits (bit 15 leftmost, 1 = ink),
// 8-pixel glyphs centred like the font tool does. Empty when the file or glyph is missing.
static std::vector<unsigned> UnifontGlyph(unsigned codePoint)
{
    std::vector<unsigned> rows;
    FILE *f = fopen("Z:\\usr\\share\\unifont\\unifont.hex", "r");
    if (!f)
        return rows;
    char line[160];
    char key[8];
    snprintf(key, sizeof key, "%04X:", codePoint);
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, key, 5) != 0)
            continue;
        const char *bits = line + 5;
        size_t n = strcspn(bits, "\r\n");
        int digits = n == 64 ? 4 : n == 32 ? 2 : 0;
        for (int y = 0; digits && y < 16; y++) {
            char part[5] = {0};
            memcpy(part, bits + digits * y, digits);
            unsigned v = (unsigned)strtoul(part, nullptr, 16);
            rows.push_back(digits == 4 ? v : v << 4);
        }
        break;
    }
    fclose(f);
    return rows;
}

// Rows of one cell of the font, converted to 1 = ink.
static std::vector<unsigned> FontCell(const std::string &font, int cell)
{
    std::vector<unsigned> rows;
    size_t base = 1024 * (size_t)(cell / 32) + 2 * (size_t)(cell % 32);
    for (int y = 0; y < 16; y++) {
        unsigned v = ((unsigned char)font[base + 64 * y] << 8) | (unsigned char)font[base + 64 * y + 1];
        rows.push_back(v ^ 0xFFFF);
    }
    return rows;
}

static std::string Hex(const std::vector<unsigned> &rows)
{
    std::string s;
    char b[8];
    for (unsigned v : rows) {
        snprintf(b, sizeof b, "%04X ", v);
        s += b;
    }
    return s;
}

TEST(BitmapFont, HasItsSizeAndUnifontGlyphsInTheirCells)
{
    SKIP_UNLESS_SAMPLE_PAYLOAD();
    std::string font;
    ASSERT_EQ(InflateEntry(110, font), Z_OK);
    ASSERT_EQ(font.size(), 141312u);
    struct { int cell; unsigned codePoint; const char *what; } cases[] = {
        {658, 0x554A, "first hanzi B0A1"},
        {21, 0x300A, "left double angle bracket A1B6"},
        {3468, 0x738B, "CDF5"},
        {4412, 0x5EA7, "last level-1 hanzi D7F9"},
        {94 * 5 + 0x20, 0x03B1, "Greek alpha A6C1, an 8-pixel glyph centred"},
        {94 * 2 + 0x20, 0xFF21, "full-width A, A3C1"},
    };
    for (const auto &c : cases) {
        std::vector<unsigned> expected = UnifontGlyph(c.codePoint);
        ASSERT_EQ(expected.size(), 16u) << "no Unifont glyph for U+" << std::hex << c.codePoint;
        EXPECT_EQ(Hex(FontCell(font, c.cell)), Hex(expected)) << "cell " << c.cell << " " << c.what;
    }
}

TEST(BitmapFont, CellsWithoutAGlyphAreBlank)
{
    std::string font;
    ASSERT_EQ(InflateEntry(110, font), Z_OK);
    ASSERT_EQ(font.size(), 141312u);
    // D7FA-D7FC (after the last level-1 hanzi) and A2A1 (unassigned in GB2312).
    for (int cell : {4413, 4414, 4415, 94}) {
        for (unsigned row : FontCell(font, cell))
            EXPECT_EQ(row, 0u) << "cell " << cell << " row " << std::hex << row;
    }
}

// ---- GBK-to-Big5 table ----

static unsigned Big5For(const std::string &table, unsigned gbk)
{
    size_t index = (size_t)((gbk >> 8) - 0x81) * 191 + ((gbk & 0xFF) - 0x40);
    return ((unsigned char)table[2 * index] << 8) | (unsigned char)table[2 * index + 1];
}

TEST(Gbk2Big5, HasItsSizeAndMapsKnownCharacters)
{
    std::string table;
    ASSERT_EQ(InflateEntry(200, table), Z_OK);
    ASSERT_EQ(table.size(), 48132u);
    struct { unsigned gbk, big5; const char *what; } cases[] = {
        {0xB0A1, 0xB0DA, "啊, the same character"},
        {0xB9FA, 0xB0EA, "国 to its traditional form 國"},
        {0xCBB5, 0xBBA1, "说 to 說"},
        {0xA1A1, 0xA140, "ideographic space"},
        {0xB07F, 0x0000, "trail byte 0x7F is no GBK code"},
        {0x8140, 0x0000, "丂 has no Big5 code"},
        {0xFEFE, 0x0000, "last position, user-defined area"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Big5For(table, c.gbk), c.big5) << std::hex << "GBK " << c.gbk << " " << c.what;
}

// ---- Texts ----

// Splits text at CR LF; fails the test on a lone CR or LF or a missing final line end.
static std::vector<std::string> CrLfLines(const std::string &text, int id)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "entry " << id << ": last line has no CR LF: " << text.substr(start);
            break;
        }
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "entry " << id << ": lone CR or LF in " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

TEST(LicenceTexts, ChineseLinesFitTheListAndTheFont)
{
    std::string text;
    ASSERT_EQ(InflateEntry(124, text), Z_OK);
    std::vector<std::string> lines = CrLfLines(text, 124);
    EXPECT_GE(lines.size(), 15u) << "the licence should overflow the list";
    for (const std::string &line : lines) {
        EXPECT_LE(line.size(), 50u) << "line " << line;
        for (size_t i = 0; i < line.size(); i++) {
            unsigned char lead = line[i];
            if (lead < 0x80)
                continue;
            ASSERT_LT(i + 1, line.size()) << "lead byte at the end of " << line;
            unsigned char trail = line[++i];
            unsigned code = lead << 8 | trail;
            bool symbols = lead >= 0xA1 && lead <= 0xA7 && trail >= 0xA1 && trail <= 0xFE;
            bool hanzi = code >= 0xB0A1 && code <= 0xD7F9 && trail >= 0xA1 && trail <= 0xFE;
            EXPECT_TRUE(symbols || hanzi) << "code " << std::hex << code << " is not in the setup's font";
        }
    }
}

TEST(LicenceTexts, EnglishIsAsciiWithCrLfLines)
{
    std::string text;
    ASSERT_EQ(InflateEntry(161, text), Z_OK);
    EXPECT_GE(CrLfLines(text, 161).size(), 10u);
    for (unsigned char c : text)
        EXPECT_TRUE(c < 0x80 && (c >= 0x20 || c == '\r' || c == '\n')) << "byte " << std::hex << (int)c;
}

TEST(ConfigurationTexts, StartWithUiStringsAndLeaveTheConfigSectionToTheSetup)
{
    for (int id : {120, 228}) {
        std::string text;
        ASSERT_EQ(InflateEntry(id, text), Z_OK) << "entry " << id;
        EXPECT_EQ(text.compare(0, 10, "[UI_STR]\r\n"), 0) << "entry " << id << " begins " << text.substr(0, 10);
        std::vector<std::string> lines = CrLfLines(text, id);
        EXPECT_GT(lines.size(), 10u) << "entry " << id;
        EXPECT_EQ(text.find("[Config]"), std::string::npos) << "entry " << id;
        EXPECT_EQ(text.find("UILanguage="), std::string::npos) << "entry " << id;
        for (size_t i = 1; i < lines.size(); i++)
            EXPECT_NE(lines[i].find('='), std::string::npos) << "entry " << id << " line " << lines[i];
    }
    SKIP_UNLESS_SAMPLE_PAYLOAD();
    std::string chinese;
    ASSERT_EQ(InflateEntry(120, chinese), Z_OK);
    EXPECT_NE(chinese.find("File=\xCE\xC4\xBC\xFE\r\n"), std::string::npos) << "File=文件 in GBK";
}

TEST(GuidePages, ShowTheInstalledPictures)
{
    SKIP_UNLESS_SAMPLE_PAYLOAD();
    for (int id : {177, 196}) {
        std::string page;
        ASSERT_EQ(InflateEntry(id, page), Z_OK) << "entry " << id;
        for (const char *picture : {"barmenu.JPG", "ctrlmenu.PNG", "Desktop.JPG", "taskicon.JPG", "TOOLBAR.JPG",
                                    "welcome_mirelquorth.JPG"}) {
            std::string img = std::string("<img src=\"") + picture + "\"";
            EXPECT_NE(page.find(img), std::string::npos) << "entry " << id << " lacks " << img;
        }
    }
    std::string chinese;
    ASSERT_EQ(InflateEntry(177, chinese), Z_OK);
    EXPECT_NE(chinese.find("<meta charset=\"gb2312\">"), std::string::npos);
    EXPECT_NE(chinese.find("\xCA\xB9\xD3\xC3\xD6\xB8\xC4\xCF"), std::string::npos) << "使用指南 in GBK";
    std::string intro;
    ASSERT_EQ(InflateEntry(235, intro), Z_OK);
    EXPECT_EQ(intro.compare(0, 15, "<!DOCTYPE html>"), 0) << intro.substr(0, 15);
}

// ---- Pictures and binaries ----

TEST(Pictures, AreJpegsAndOnePngOf320By193)
{
    for (int id : {197, 199, 201, 203, 119}) {
        std::string jpeg;
        ASSERT_EQ(InflateEntry(id, jpeg), Z_OK) << "entry " << id;
        ASSERT_GT(jpeg.size(), 4u) << "entry " << id;
        EXPECT_EQ(jpeg.compare(0, 3, "\xFF\xD8\xFF"), 0) << "entry " << id << " is no JPEG";
        EXPECT_EQ(jpeg.compare(jpeg.size() - 2, 2, "\xFF\xD9"), 0) << "entry " << id << " lacks its end marker";
    }
    std::string png;
    ASSERT_EQ(InflateEntry(198, png), Z_OK);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.compare(0, 16, std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16)), 0) << "no PNG signature and IHDR";
    auto be32 = [&](size_t at) {
        return (unsigned)(unsigned char)png[at] << 24 | (unsigned char)png[at + 1] << 16 |
               (unsigned char)png[at + 2] << 8 | (unsigned char)png[at + 3];
    };
    EXPECT_EQ(be32(16), 320u);
    EXPECT_EQ(be32(20), 193u);
}

TEST(Packages, ProgramsArePeFilesAndTheRuntimeIsAnInstallerDatabase)
{
    for (int id : {109, 192}) {
        std::string exe;
        ASSERT_EQ(InflateEntry(id, exe), Z_OK) << "entry " << id;
        ASSERT_GT(exe.size(), 0x40u) << "entry " << id;
        EXPECT_EQ(exe.compare(0, 2, "MZ"), 0) << "entry " << id;
        unsigned pe = *reinterpret_cast<const unsigned *>(exe.data() + 0x3C);
        ASSERT_LT(pe + 4, exe.size()) << "entry " << id;
        EXPECT_EQ(exe.compare(pe, 4, std::string("PE\0\0", 4)), 0) << "entry " << id;
    }
    std::string msi;
    ASSERT_EQ(InflateEntry(1029, msi), Z_OK);
    EXPECT_EQ(msi.compare(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), 0) << "no compound-file signature";
}
