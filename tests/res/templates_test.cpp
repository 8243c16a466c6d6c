// The setup's own resources read back from the executable: the three dialog templates
// parsed field by field and compared with their control tables, the application icon,
// the version information and the application manifest.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

// A menu, class or title field of a template: empty, 0xFFFF + ordinal, or a string.
struct NameField {
    bool isOrdinal;
    WORD ordinal;
    std::wstring text;
};

struct ParsedItem {
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    int id;
    NameField cls;
    NameField title;
    WORD extraBytes;
};

struct ParsedDialog {
    bool extended;
    WORD dlgVer, signature;
    DWORD helpId, exStyle, style;
    WORD itemCount;
    short x, y, cx, cy;
    NameField menu, cls, title;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::wstring face;
    std::vector<ParsedItem> items;
};

// Bounded reader over the locked resource bytes; any overrun clears ok.
struct Reader {
    const BYTE* base;
    size_t size;
    size_t pos;
    int ok;

    const BYTE* Take(size_t n)
    {
        if (!ok || n > size - pos) {
            ok = 0;
            return nullptr;
        }
        const BYTE* p = base + pos;
        pos += n;
        return p;
    }
    WORD Word()
    {
        const BYTE* p = Take(2);
        return p ? (WORD)(p[0] | (p[1] << 8)) : 0;
    }
    DWORD Dword()
    {
        WORD lo = Word();
        WORD hi = Word();
        return (DWORD)lo | ((DWORD)hi << 16);
    }
    short Short() { return (short)Word(); }
    BYTE Byte()
    {
        const BYTE* p = Take(1);
        return p ? p[0] : 0;
    }
    std::wstring WideString()
    {
        std::wstring s;
        for (;;) {
            WORD c = Word();
            if (!ok || c == 0)
                return s;
            s.push_back((wchar_t)c);
        }
    }
    NameField Name()
    {
        NameField f = {false, 0, std::wstring()};
        if (pos + 2 <= size && base[pos] == 0xFF && base[pos + 1] == 0xFF) {
            Word();
            f.isOrdinal = true;
            f.ordinal = Word();
        } else {
            f.text = WideString();
        }
        return f;
    }
    void AlignDword()
    {
        size_t pad = (4 - (pos & 3)) & 3;
        Take(pad);
    }
};

int ParseDialog(const BYTE* data, size_t size, ParsedDialog* out)
{
    Reader r = {data, size, 0, 1};
    ParsedDialog& d = *out;
    d = ParsedDialog();
    d.extended = size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    if (d.extended) {
        d.dlgVer = r.Word();
        d.signature = r.Word();
        d.helpId = r.Dword();
        d.exStyle = r.Dword();
        d.style = r.Dword();
    } else {
        d.style = r.Dword();
        d.exStyle = r.Dword();
    }
    d.itemCount = r.Word();
    d.x = r.Short();
    d.y = r.Short();
    d.cx = r.Short();
    d.cy = r.Short();
    d.menu = r.Name();
    d.cls = r.Name();
    d.title = r.Name();
    if (d.style & (DS_SETFONT | DS_SHELLFONT)) {
        d.pointSize = r.Word();
        if (d.extended) {
            d.weight = r.Word();
            d.italic = r.Byte();
            d.charset = r.Byte();
        }
        d.face = r.WideString();
    }
    for (WORD i = 0; i < d.itemCount && r.ok; ++i) {
        ParsedItem it = {};
        r.AlignDword();
        if (d.extended) {
            it.helpId = r.Dword();
            it.exStyle = r.Dword();
            it.style = r.Dword();
        } else {
            it.style = r.Dword();
            it.exStyle = r.Dword();
        }
        it.x = r.Short();
        it.y = r.Short();
        it.cx = r.Short();
        it.cy = r.Short();
        it.id = d.extended ? (int)r.Dword() : (int)r.Short();
        it.cls = r.Name();
        it.title = r.Name();
        it.extraBytes = r.Word();
        r.Take(it.extraBytes);
        d.items.push_back(it);
    }
    return r.ok;
}

// Locks a resource of this executable; 0 when it is missing.
int LockOwnResource(LPCSTR name, LPCSTR type, const BYTE** data, DWORD* size)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return 0;
    HGLOBAL loaded = LoadResource(module, found);
    *data = loaded ? (const BYTE*)LockResource(loaded) : nullptr;
    *size = SizeofResource(module, found);
    return *data != nullptr;
}

std::string Narrow(const std::wstring& s)
{
    std::string out;
    for (wchar_t c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back((char)c);
        } else {
            char hex[16];
            snprintf(hex, sizeof hex, "\\x%04X", (unsigned)c);
            out += hex;
        }
    }
    return out;
}

std::string Describe(const NameField& f)
{
    if (f.isOrdinal) {
        char buf[32];
        snprintf(buf, sizeof buf, "#0x%X", (unsigned)f.ordinal);
        return buf;
    }
    return "\"" + Narrow(f.text) + "\"";
}

// Predefined control classes are written as 0xFFFF + atom; others by name.
enum : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kComboBox = 0x85 };

// How a control's template text is checked.
enum TextRule { kExact, kAnyText, kNonEmpty, kOrdinal };

struct ControlRow {
    int id;
    WORD atom;             // 0 when the class is given by name
    const wchar_t* className;
    DWORD style;           // exact, WS_CHILD included
    DWORD exStyle;
    short x, y, cx, cy;
    TextRule rule;
    const wchar_t* text;   // for kExact
    WORD ordinal;          // for kOrdinal
};

struct DialogSpec {
    int resourceId;
    bool extended;
    DWORD style;
    short x, y, cx, cy;
    const wchar_t* caption;
    WORD pointSize;
    const wchar_t* face;
    int checkCharset;
    BYTE charset;
    const ControlRow* rows;
    size_t rowCount;
};

constexpr DWORD C = WS_CHILD;
constexpr DWORD V = WS_VISIBLE;
constexpr DWORD kDialogVisible = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// Wizard 114; the left-panel labels' texts are never shown, and 172's is the maker's address.
constexpr DWORD kOwnerLabel = C | BS_OWNERDRAW | V | WS_DISABLED;
constexpr DWORD kOwnerPush = C | BS_OWNERDRAW | V | WS_TABSTOP;
constexpr DWORD kOption = C | BS_AUTOCHECKBOX | BS_NOTIFY | V | WS_TABSTOP;
constexpr DWORD kPanelText = C | SS_CENTER | WS_GROUP | V;
const ControlRow kWizardRows[] = {
    {IDC_INSTALL_PATH, kEdit, nullptr, C | V | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 167, 43, 169, 12, kExact, L"", 0},
    {IDC_ENGLISH_CHECK, kButton, nullptr, C | BS_AUTOCHECKBOX | BS_NOTIFY | WS_TABSTOP, 0, 160, 154, 141, 16, kExact, L"English", 0},
    {IDC_LICENCE_EN, kEdit, nullptr, C | ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 0, 146, 9, 296, 137, kExact, L"", 0},
    {IDC_LICENCE_ZH, kListBox, nullptr,
     C | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOSEL | LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0,
     148, 10, 297, 139, kExact, L"", 0},
    {IDC_BROWSE, kButton, nullptr, kOwnerPush, 0, 338, 42, 76, 16, kExact, L"改变 Browse ....", 0},
    {IDC_OPT_DESKTOP, kButton, nullptr, kOption, 0, 167, 80, 220, 16, kExact, L"建立桌面图标？  (Place an icon on Desktop)", 0},
    {IDC_OPT_AUTOSTART, kButton, nullptr, kOption, 0, 167, 104, 220, 16, kExact, L"开机时自动启动？(Auto-start on boot)", 0},
    {IDC_PATH_LABEL, kButton, nullptr, kOwnerLabel, 0, 167, 22, 188, 16, kExact, L"安装路径：", 0},
    {IDC_BACK, kButton, nullptr, kOwnerPush, 0, 158, 176, 68, 16, kExact, L"&Back", 0},
    {IDC_NEXT, kButton, nullptr, kOwnerPush, 0, 234, 176, 106, 16, kExact, L"安装 Install", 0},
    {IDCANCEL, kButton, nullptr, kOwnerPush, 0, 348, 176, 68, 16, kExact, L"取消 Cancel", 0},
    {IDC_PRODUCT_NAME, kStatic, nullptr, kPanelText, 0, 8, 123, 112, 8, kExact, L"Vaelk MirelQuorth", 0},
    {IDC_APP_ICON, kStatic, nullptr, C | SS_ICON | V, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, 51, 16, 20, 20, kOrdinal,
     nullptr, IDI_APP},
    {IDC_SEPARATOR, kStatic, nullptr, C | SS_LEFT | WS_BORDER | V, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 130, 22, 1, 178,
     kExact, L"", 0},
    {IDC_INSTALLER_NAME, kStatic, nullptr, kPanelText, 0, 8, 135, 112, 8, kExact, L"Installer", 0},
    {IDC_PRODUCT_LABEL, kButton, nullptr, kOwnerLabel, 0, 8, 62, 112, 16, kAnyText, nullptr, 0},
    {IDC_EDITION_LABEL, kButton, nullptr, kOwnerLabel, 0, 8, 80, 112, 16, kAnyText, nullptr, 0},
    {IDC_INSTALLER_LABEL, kButton, nullptr, kOwnerLabel, 0, 8, 98, 112, 16, kAnyText, nullptr, 0},
    {IDC_LANGUAGE_LABEL, kButton, nullptr, C | BS_OWNERDRAW | WS_DISABLED, 0, 155, 80, 230, 16, kExact,
     L"User Interface Language 用户界面语言", 0},
    {IDC_LANGUAGE_LIST, kComboBox, nullptr, C | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 0,
     170, 62, 228, 136, kExact, L"", 0},
    {IDC_PANEL_PLACEHOLDER, kButton, nullptr, kOwnerLabel, 0, 8, 150, 112, 16, kAnyText, nullptr, 0},
    {IDC_WAIT_LABEL, kButton, nullptr, C | BS_OWNERDRAW | WS_DISABLED, 0, 142, 174, 181, 16, kExact, L"Wait", 0},
    {IDC_WEB_ADDRESS, kStatic, nullptr, kPanelText, 0, 2, 205, 143, 8, kNonEmpty, nullptr, 0},
    {IDC_PROGRESS, 0, L"msctls_progress32", C | PBS_SMOOTH | WS_BORDER, 0, 150, 195, 294, 14, kExact, L"Progress1", 0},
};

// Folder chooser 168: the old-style file dialog's controls, most of them hidden.
constexpr DWORD kFileList = C | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY | LBS_DISABLENOSCROLL |
                            WS_BORDER | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kDriveLabel = C | BS_OWNERDRAW | WS_DISABLED | V;
const ControlRow kChooserRows[] = {
    {stc3, kStatic, nullptr, C | SS_LEFT | WS_GROUP, 0, 169, 103, 68, 9, kExact, L"File &Name:", 0},
    {edt1, kEdit, nullptr, C | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_OEMCONVERT, 0, 168, 99, 68, 12, kExact, L"", 0},
    {lst1, kListBox, nullptr, kFileList, 0, 168, 89, 68, 17, kExact, L"", 0},
    {stc1, kStatic, nullptr, C | SS_LEFT | SS_NOPREFIX | WS_GROUP | V, 0, 13, 23, 92, 9, kExact, L"", 0},
    {lst2, kListBox, nullptr, kFileList | V, 0, 12, 36, 126, 129, kExact, L"", 0},
    {stc2, kStatic, nullptr, C | SS_LEFT | WS_GROUP, 0, 167, 91, 68, 9, kExact, L"List Files of &Type:", 0},
    {cmb1, kComboBox, nullptr, C | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 0, 167, 100,
     68, 36, kExact, L"", 0},
    {stc4, kStatic, nullptr, C | SS_LEFT | WS_GROUP, 0, 158, 133, 64, 8, kExact, L"Dri&ves:", 0},
    {cmb2, kComboBox, nullptr,
     C | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT | CBS_AUTOHSCROLL | WS_BORDER | WS_VSCROLL |
         WS_TABSTOP | V,
     0, 158, 142, 77, 68, kExact, L"", 0},
    {IDOK, kButton, nullptr, C | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | V, 0, 160, 36, 76, 16, kExact, L"&OK", 0},
    {IDCANCEL, kButton, nullptr, C | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | V, 0, 160, 64, 76, 16, kExact, L"&Cancel", 0},
    {pshHelp, kButton, nullptr, C | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 177, 97, 50, 14, kExact, L"&Help", 0},
    {chx1, kButton, nullptr, C | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0, 179, 88, 50, 12, kExact, L"&Read Only", 0},
    {IDC_DIRS_LABEL, kButton, nullptr, kDriveLabel, 0, 14, 3, 119, 16, kExact, L"路径 (Directories):", 0},
    {IDC_DRIVES_LABEL, kButton, nullptr, kDriveLabel, 0, 158, 124, 77, 16, kExact, L"磁盘 (Drives):", 0},
    {-1, kStatic, nullptr, C | SS_LEFT | WS_GROUP, 0, 13, 8, 92, 9, kExact, L"&Directories:", 0},
};

// Message box 112: four hidden owner-drawn buttons, the Chinese label and the English static.
constexpr DWORD kBoxButton = C | BS_OWNERDRAW | WS_TABSTOP;
const ControlRow kMessageRows[] = {
    {IDOK, kButton, nullptr, kBoxButton, 0, 87, 64, 73, 18, kExact, L"确认", 0},
    {IDYES, kButton, nullptr, kBoxButton, 0, 174, 64, 73, 18, kExact, L"是", 0},
    {IDNO, kButton, nullptr, kBoxButton, 0, 257, 66, 73, 18, kExact, L"否", 0},
    {IDCANCEL, kButton, nullptr, kBoxButton, 0, 6, 64, 73, 18, kExact, L"取消 ", 0},
    {IDC_MSG_TEXT, kButton, nullptr, C | BS_OWNERDRAW | V | WS_DISABLED, 0, 6, 4, 321, 24, kExact, L"", 0},
    {IDC_MSG_ENGLISH, kStatic, nullptr, C | SS_CENTER | V, 0, 6, 35, 87, 8, kExact, L"", 0},
};

const DialogSpec kDialogs[] = {
    {IDD_WIZARD, true, kDialogVisible, 30, 14, 455, 217, L"Vaelkmorian Chinese Input Engine Installer", 8,
     L"MS Sans Serif", 1, DEFAULT_CHARSET, kWizardRows, sizeof kWizardRows / sizeof kWizardRows[0]},
    {IDD_CHOOSE_FOLDER, false, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 36, 24, 258, 182,
     L"Choose Destination Directory", 8, L"Helv", 0, 0, kChooserRows, sizeof kChooserRows / sizeof kChooserRows[0]},
    {IDD_MESSAGE, false, kDialogVisible, 0, 0, 330, 85, L"Pendaric Install Message", 8, L"MS Sans Serif", 0, 0,
     kMessageRows, sizeof kMessageRows / sizeof kMessageRows[0]},
};

class DialogTemplate : public ::testing::TestWithParam<DialogSpec> {};

TEST_P(DialogTemplate, HeaderMatchesItsTable)
{
    const DialogSpec& want = GetParam();
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(want.resourceId), (LPCSTR)RT_DIALOG, &data, &size))
        << "dialog " << want.resourceId << " error " << GetLastError();
    ParsedDialog got;
    ASSERT_EQ(1, ParseDialog(data, size, &got)) << "dialog " << want.resourceId << " overruns its " << size << " bytes";

    const int d = want.resourceId;
    ASSERT_EQ(want.extended, got.extended) << "dialog " << d << " first dword 0x" << std::hex << *(const DWORD*)data;
    if (want.extended) {
        EXPECT_EQ(1, got.dlgVer) << "dialog " << d << " dlgVer " << got.dlgVer;
        EXPECT_EQ(0xFFFF, got.signature) << "dialog " << d << " signature 0x" << std::hex << got.signature;
    }
    EXPECT_EQ(want.style, got.style) << "dialog " << d << " style 0x" << std::hex << got.style << " differs by 0x"
                                     << (want.style ^ got.style);
    EXPECT_EQ(0u, got.exStyle) << "dialog " << d << " exStyle 0x" << std::hex << got.exStyle;
    EXPECT_EQ(want.x, got.x) << "dialog " << d << " x " << got.x;
    EXPECT_EQ(want.y, got.y) << "dialog " << d << " y " << got.y;
    EXPECT_EQ(want.cx, got.cx) << "dialog " << d << " cx " << got.cx;
    EXPECT_EQ(want.cy, got.cy) << "dialog " << d << " cy " << got.cy;
    EXPECT_TRUE(!got.menu.isOrdinal && got.menu.text.empty()) << "dialog " << d << " menu " << Describe(got.menu);
    EXPECT_TRUE(!got.cls.isOrdinal && got.cls.text.empty()) << "dialog " << d << " class " << Describe(got.cls);
    EXPECT_FALSE(got.title.isOrdinal) << "dialog " << d << " caption " << Describe(got.title);
    EXPECT_EQ(std::wstring(want.caption), got.title.text) << "dialog " << d << " caption " << Describe(got.title);
    EXPECT_EQ(want.pointSize, got.pointSize) << "dialog " << d << " point size " << got.pointSize;
    EXPECT_EQ(std::wstring(want.face), got.face) << "dialog " << d << " face \"" << Narrow(got.face) << "\"";
    if (want.checkCharset) {
        EXPECT_EQ(want.charset, got.charset) << "dialog " << d << " charset " << (int)got.charset;
    }
    EXPECT_EQ(want.rowCount, (size_t)got.itemCount) << "dialog " << d << " holds " << got.itemCount << " controls";
}

TEST_P(DialogTemplate, ControlsMatchTheirTableInOrder)
{
    const DialogSpec& want = GetParam();
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(want.resourceId), (LPCSTR)RT_DIALOG, &data, &size))
        << "dialog " << want.resourceId << " error " << GetLastError();
    ParsedDialog got;
    ASSERT_EQ(1, ParseDialog(data, size, &got)) << "dialog " << want.resourceId << " overruns its " << size << " bytes";
    ASSERT_EQ(want.rowCount, got.items.size()) << "dialog " << want.resourceId << " holds " << got.items.size();

    for (size_t i = 0; i < want.rowCount; ++i) {
        const ControlRow& row = want.rows[i];
        const ParsedItem& item = got.items[i];
        char where[64];
        snprintf(where, sizeof where, "dialog %d control #%u (id %d)", want.resourceId, (unsigned)i, row.id);

        EXPECT_EQ(row.id, item.id) << where << ": id " << item.id;
        if (row.atom) {
            EXPECT_TRUE(item.cls.isOrdinal && item.cls.ordinal == row.atom)
                << where << ": class " << Describe(item.cls) << ", want atom 0x" << std::hex << row.atom;
        } else {
            // Class names are case-insensitive, and windres writes them upper-case.
            EXPECT_TRUE(!item.cls.isOrdinal && _wcsicmp(item.cls.text.c_str(), row.className) == 0)
                << where << ": class " << Describe(item.cls) << ", want \"" << Narrow(row.className) << "\"";
        }
        EXPECT_EQ(row.style, item.style) << where << ": style 0x" << std::hex << item.style << " differs by 0x"
                                         << (row.style ^ item.style);
        EXPECT_EQ(row.exStyle, item.exStyle) << where << ": exStyle 0x" << std::hex << item.exStyle;
        EXPECT_EQ(row.x, item.x) << where << ": x " << item.x;
        EXPECT_EQ(row.y, item.y) << where << ": y " << item.y;
        EXPECT_EQ(row.cx, item.cx) << where << ": cx " << item.cx;
        EXPECT_EQ(row.cy, item.cy) << where << ": cy " << item.cy;
        switch (row.rule) {
        case kExact:
            EXPECT_TRUE(!item.title.isOrdinal && item.title.text == row.text)
                << where << ": text " << Describe(item.title) << ", want \"" << Narrow(row.text) << "\"";
            break;
        case kNonEmpty:
            EXPECT_TRUE(!item.title.isOrdinal && !item.title.text.empty()) << where << ": text " << Describe(item.title);
            break;
        case kOrdinal:
            EXPECT_TRUE(item.title.isOrdinal && item.title.ordinal == row.ordinal)
                << where << ": text " << Describe(item.title) << ", want ordinal " << row.ordinal;
            break;
        case kAnyText:
            break;
        }
        EXPECT_EQ(0, item.extraBytes) << where << ": creation data of " << item.extraBytes << " bytes";
        if (want.extended) {
            EXPECT_EQ(0u, item.helpId) << where << ": help id " << item.helpId;
        }
    }
}

INT_PTR CALLBACK SilentDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The dialog manager itself accepts each template: the control count and one control
// per table row, found by its identifier, with the style from the template.
TEST_P(DialogTemplate, DialogManagerBuildsEveryControl)
{
    const DialogSpec& want = GetParam();
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(want.resourceId), nullptr,
                                     SilentDialogProc, 0);
    ASSERT_NE(nullptr, dialog) << "dialog " << want.resourceId << " error " << GetLastError();
    for (size_t i = 0; i < want.rowCount; ++i) {
        const ControlRow& row = want.rows[i];
        if (row.id == -1)
            continue;  // several controls could share it; the parse above checks it
        HWND control = GetDlgItem(dialog, row.id);
        EXPECT_NE(nullptr, control) << "dialog " << want.resourceId << " control #" << i << " (id " << row.id
                                    << ") not created";
        if (!control)
            continue;
        DWORD style = (DWORD)GetWindowLongPtrA(control, GWL_STYLE);
        EXPECT_EQ(row.style & WS_VISIBLE, style & WS_VISIBLE)
            << "dialog " << want.resourceId << " control #" << i << " (id " << row.id << ") style 0x" << std::hex
            << style;
    }
    DestroyWindow(dialog);
}

std::string DialogName(const ::testing::TestParamInfo<DialogSpec>& info)
{
    return "Dialog" + std::to_string(info.param.resourceId);
}

INSTANTIATE_TEST_SUITE_P(SetupTemplates, DialogTemplate, ::testing::ValuesIn(kDialogs), DialogName);

TEST(AppIcon, GroupHoldsLargeAndSmallImages)
{
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(IDI_APP), (LPCSTR)RT_GROUP_ICON, &data, &size))
        << "icon group 103 error " << GetLastError();
    ASSERT_GE(size, 6u) << "group size " << size;
    WORD reserved = (WORD)(data[0] | (data[1] << 8));
    WORD type = (WORD)(data[2] | (data[3] << 8));
    WORD count = (WORD)(data[4] | (data[5] << 8));
    EXPECT_EQ(0, reserved) << "reserved " << reserved;
    EXPECT_EQ(1, type) << "type " << type;
    ASSERT_GE(size, 6u + 14u * count) << "group size " << size << " for " << count << " images";

    int have32 = 0, have16 = 0;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* e = data + 6 + 14 * i;
        int width = e[0] ? e[0] : 256;
        int height = e[1] ? e[1] : 256;
        DWORD bytes = (DWORD)(e[8] | (e[9] << 8) | (e[10] << 16) | ((DWORD)e[11] << 24));
        WORD imageId = (WORD)(e[12] | (e[13] << 8));
        const BYTE* image = nullptr;
        DWORD imageSize = 0;
        EXPECT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(imageId), (LPCSTR)RT_ICON, &image, &imageSize))
            << "image " << i << " (" << width << "x" << height << ") id " << imageId << " missing";
        EXPECT_EQ(bytes, imageSize) << "image " << i << " id " << imageId << " size " << imageSize;
        have32 += width == 32 && height == 32;
        have16 += width == 16 && height == 16;
    }
    EXPECT_EQ(1, have32) << "32x32 images " << have32 << " of " << count;
    EXPECT_EQ(1, have16) << "16x16 images " << have16 << " of " << count;

    // And the system loads both sizes from it.
    const int sizes[] = {32, 16};
    for (int s : sizes) {
        HICON icon = (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, s, s, 0);
        ASSERT_NE(nullptr, icon) << "size " << s << " error " << GetLastError();
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << "size " << s << " error " << GetLastError();
        BITMAP bm = {};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(s, bm.bmWidth) << "size " << s << " loads " << bm.bmWidth << " wide";
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// One node of the version resource: length, value length, type, key, value, children.
// Nodes start on DWORD boundaries, and so do the value and the first child inside one.
struct VersionNode {
    std::wstring key;
    const BYTE* value;
    size_t valueBytes;
    const BYTE* children;
    const BYTE* end;
};

int ReadVersionNode(const BYTE* p, const BYTE* limit, VersionNode* node)
{
    if (limit - p < 6)
        return 0;
    WORD length = (WORD)(p[0] | (p[1] << 8));
    WORD valueLength = (WORD)(p[2] | (p[3] << 8));
    WORD type = (WORD)(p[4] | (p[5] << 8));
    if (length < 6 || length > limit - p)
        return 0;
    Reader r = {p, length, 6, 1};
    node->key = r.WideString();
    r.AlignDword();
    node->valueBytes = type == 1 ? valueLength * 2u : valueLength;
    node->value = r.Take(node->valueBytes);
    if (!r.ok)
        return 0;
    size_t first = (r.pos + 3) & ~(size_t)3;
    node->end = p + length;
    node->children = first < length ? p + first : node->end;
    return 1;
}

// Finds the child with the given key among the nodes in [first, end).
int FindVersionChild(const BYTE* first, const BYTE* end, const wchar_t* key, VersionNode* out)
{
    const BYTE* p = first;
    while (p < end) {
        VersionNode node;
        if (!ReadVersionNode(p, end, &node))
            return 0;
        if (node.key == key) {
            *out = node;
            return 1;
        }
        size_t length = (size_t)(node.end - p);
        p += (length + 3) & ~(size_t)3;
    }
    return 0;
}

std::wstring VersionString(const VersionNode& node)
{
    std::wstring s;
    for (size_t i = 0; i + 1 < node.valueBytes; i += 2) {
        wchar_t c = (wchar_t)(node.value[i] | (node.value[i + 1] << 8));
        if (c == 0)
            break;
        s.push_back(c);
    }
    return s;
}

TEST(VersionInfo, NamesTheProductAndItsMaker)
{
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(VS_VERSION_INFO), (LPCSTR)RT_VERSION, &data, &size))
        << "version resource error " << GetLastError();
    VersionNode root;
    ASSERT_EQ(1, ReadVersionNode(data, data + size, &root)) << "root of " << size << " bytes";
    EXPECT_EQ(std::wstring(L"VS_VERSION_INFO"), root.key) << "root key \"" << Narrow(root.key) << "\"";
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), root.valueBytes) << "fixed info " << root.valueBytes << " bytes";
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root.value, sizeof fixed);
    EXPECT_EQ(0xFEEF04BDu, fixed.dwSignature) << "signature 0x" << std::hex << fixed.dwSignature;
    EXPECT_EQ((DWORD)VFT_APP, fixed.dwFileType) << "file type " << fixed.dwFileType;

    VersionNode strings;
    ASSERT_EQ(1, FindVersionChild(root.children, root.end, L"StringFileInfo", &strings));
    VersionNode table;
    ASSERT_EQ(1, ReadVersionNode(strings.children, strings.end, &table)) << "no string table";
    struct {
        const wchar_t* key;
        const wchar_t* value;
    } const wanted[] = {{L"ProductName", L"MirelQuorth"}, {L"CompanyName", L"Vaelk"}};
    for (const auto& w : wanted) {
        VersionNode entry;
        ASSERT_EQ(1, FindVersionChild(table.children, table.end, w.key, &entry))
            << "table \"" << Narrow(table.key) << "\" lacks " << Narrow(w.key);
        EXPECT_EQ(std::wstring(w.value), VersionString(entry))
            << Narrow(w.key) << " is \"" << Narrow(VersionString(entry)) << "\"";
    }
}

TEST(AppManifest, RunsAsInvokerAndListsSupportedSystems)
{
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(1, LockOwnResource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24), &data, &size))
        << "manifest error " << GetLastError();
    std::string text((const char*)data, size);
    EXPECT_NE(std::string::npos, text.find("level=\"asInvoker\"")) << text;
    EXPECT_NE(std::string::npos, text.find("<supportedOS ")) << text;
    EXPECT_EQ(0u, text.find("<?xml")) << text.substr(0, 40);
}

}  // namespace
