// Decodes every GBK and Big5 caption and message with the system's code-page tables and
// compares it with the characters it must read, so a wrong byte cannot hide in the escapes.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>

#include "ui/texts.h"

namespace {

std::wstring Decode(UINT codePage, const char* bytes)
{
    wchar_t wide[256] = L"";
    int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, -1, wide, 256);
    if (n <= 0)
        return L"<invalid: error " + std::to_wstring(GetLastError()) + L">";
    return std::wstring(wide);
}

std::string Hex(const std::wstring& text)
{
    std::string out;
    char unit[8];
    for (wchar_t c : text) {
        snprintf(unit, sizeof unit, "%04X ", (unsigned)c);
        out += unit;
    }
    return out;
}

struct Expected {
    const char* name;
    const char* bytes;
    const wchar_t* reads;
};

const Expected kGbkTexts[] = {
    {"kCaptionOk", kCaptionOk, L"确认 OK"},
    {"kCaptionCancel", kCaptionCancel, L"取消 Cancel"},
    {"kCaptionBack", kCaptionBack, L"退一步 Back"},
    {"kCaptionYes", kCaptionYes, L"是 Yes"},
    {"kCaptionNo", kCaptionNo, L"否 No"},
    {"kCaptionNext", kCaptionNext, L"下一步 Next"},
    {"kCaptionAgreeInstall", kCaptionAgreeInstall, L"同意/安装 Agree/Install"},
    {"kCaptionBrowse", kCaptionBrowse, L"改变 Browse ...."},
    {"kCaptionInstallPath", kCaptionInstallPath, L"安装路径： (Install Path)"},
    {"kCaptionDirectories", kCaptionDirectories, L"路径 (Directories):"},
    {"kCaptionDrives", kCaptionDrives, L"磁盘 (Drives):"},
    {"kCaptionEdition", kCaptionEdition, L"中文版"},
    {"kCaptionInstaller", kCaptionInstaller, L"安装程序"},
    {"kCaptionLanguage", kCaptionLanguage, L"User Interface Language 用户界面语言"},
    {"kCaptionDesktopIcon", kCaptionDesktopIcon, L"建立桌面图标？  (Place an icon on Desktop)"},
    {"kCaptionAutoStart", kCaptionAutoStart, L"开机时自动启动？(Auto-start on boot)"},
    {"productLabel", productLabel, L"米瑞奎斯语音朗读"},
    {"kProductNameGbk", kProductNameGbk, L"米瑞奎斯语音朗读"},
    {"kUninstallNameGbk", kUninstallNameGbk, L"米瑞奎斯语音朗读卸载"},
    {"kMsgNoMemory", kMsgNoMemory, L"内存不够。安装无法继续。"},
    {"kMsgCannotCreateFolder", kMsgCannotCreateFolder,
     L"无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。"},
    {"kMsgGroupFolderFormat", kMsgGroupFolderFormat, L"无法建目录(%s)!"},
    {"kMsgStartMenuFailed", kMsgStartMenuFailed,
     L"无法在 Start 菜单中为本程序建立一个条目。很抱歉，只好请您以后自已建立了。"},
    {"kMsgInstallFailed", kMsgInstallFailed, L"安装失败！请检查一下系统后，再重新安装。谢谢！"},
    {"kMsgInstallSucceeded", kMsgInstallSucceeded, L"祝贺您：安装顺利完成！"},
    {"kMsgInstallSpeech", kMsgInstallSpeech, L"下面安装微软的语音模块SAPI5.1."},
};

const Expected kBig5Texts[] = {
    {"kProductNameBig5", kProductNameBig5, L"米瑞奎斯語音朗讀"},
    {"kUninstallNameBig5", kUninstallNameBig5, L"米瑞奎斯語音朗讀卸載"},
};

const Expected kEnglishTexts[] = {
    {"kEnNoMemory", kEnNoMemory, L"Memory not enough!"},
    {"kEnCannotCreateFolder", kEnCannotCreateFolder, L"Cannot create folder!"},
    {"kEnCheckFolderFormat", kEnCheckFolderFormat, L"%s Please check folder path."},
    {"kEnStartMenuFailed", kEnStartMenuFailed, L"Failed to create an entry on Start Menu."},
    {"kEnInstallFailed", kEnInstallFailed,
     L"Installation failed. Please check your system (quit all Vaelk applications) and try again."},
    {"kEnInstallSucceeded", kEnInstallSucceeded, L"Congratulations! Installation Success!"},
    {"kEnInstallSpeech", kEnInstallSpeech, L"Now install sound module SAPI5.1 from Microsoft."},
};

void ExpectDecodes(UINT codePage, const Expected& text)
{
    std::wstring decoded = Decode(codePage, text.bytes);
    EXPECT_TRUE(decoded == text.reads) << text.name << " decodes (cp " << codePage << ") to " << Hex(decoded)
                                       << "; expected " << Hex(text.reads);
}

}  // namespace

TEST(Texts, GbkCaptionsAndMessagesDecodeWithCodePage936)
{
    for (const Expected& text : kGbkTexts)
        ExpectDecodes(936, text);
}

TEST(Texts, TraditionalShortcutNamesDecodeWithCodePage950)
{
    for (const Expected& text : kBig5Texts)
        ExpectDecodes(950, text);
}

TEST(Texts, EnglishHalvesArePlainAsciiWithinTheMessageLimit)
{
    for (const Expected& text : kEnglishTexts) {
        ExpectDecodes(1252, text);
        EXPECT_LE(strlen(text.bytes), 127u) << text.name;
        for (const char* p = text.bytes; *p; p++)
            EXPECT_EQ((unsigned char)*p & 0x80, 0) << text.name << " byte " << std::hex << (unsigned)(unsigned char)*p;
    }
}

TEST(Texts, ProductLabelIsSixteenBytesOfGbk)
{
    EXPECT_EQ(strlen(productLabel), 16u) << productLabel;
    for (const char* p = productLabel; *p; p += 2)
        EXPECT_NE((unsigned char)*p & 0x80, 0) << "byte " << (p - productLabel) << " is not a lead byte";
}
