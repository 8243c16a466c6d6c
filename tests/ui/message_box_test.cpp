// The bilingual message box on real windows: its size, position and child layout for
// each button set and text length, the answers of its buttons, Esc and the Close box,
// and the cut of an over-long English text.
#include <gtest/gtest.h>
#include <windows.h>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "app/setup_state.h"
#include "canvas.h"
#include "glyph/mixed_text.h"
#include "res/resource.h"
#include "support/message_watcher.h"
#include "ui/message_box.h"
#include "ui/texts.h"

namespace {

struct Placement {
    HWND window;
    RECT rect;  // in the dialog's client coordinates
    bool visible;
};

Placement ChildPlacement(HWND dialog, int id)
{
    Placement p = {GetDlgItem(dialog, id), {}, false};
    GetWindowRect(p.window, &p.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&p.rect), 2);
    p.visible = IsWindowVisible(p.window) != FALSE;
    return p;
}

std::string RepeatGbk(const char* character, int count)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += character;
    return text;
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSetupState();
        g_setup.instance = GetModuleHandleA(nullptr);
    }
};

// Presses Esc in the box from another thread, after noting whether its owner is disabled.
class EscapePresser {
public:
    explicit EscapePresser(HWND owner) : owner_(owner)
    {
        thread_ = std::thread([this] {
            for (int i = 0; i < 1000 && !done_; i++) {
                HWND box = FindWindowA(nullptr, "Pendaric Install Message");
                if (box && IsWindowVisible(box)) {
                    Sleep(100);
                    ownerEnabled_ = owner_ ? IsWindowEnabled(owner_) != FALSE : false;
                    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
                    PostMessageA(box, WM_KEYUP, VK_ESCAPE, 0xC0000001);
                    pressed_ = true;
                    return;
                }
                Sleep(20);
            }
        });
    }
    ~EscapePresser()
    {
        done_ = true;
        thread_.join();
    }
    bool pressed() const { return pressed_; }
    bool ownerEnabled() const { return ownerEnabled_; }

private:
    HWND owner_;
    std::atomic<bool> done_{false};
    std::atomic<bool> pressed_{false};
    std::atomic<bool> ownerEnabled_{true};
    std::thread thread_;
};

}  // namespace

// The box is created modeless here so its layout can be inspected; WM_INITDIALOG runs the
// same layout as under ShowMessage. Every expected number is worked out from the texts'
// extents on the dialog's own DC and the template's button size.
TEST_F(MessageBoxTest, LayoutFollowsTextsAndButtonSet)
{
    const std::string chinese80 = RepeatGbk("\xB0\xB2", 40);        // 80 bytes: still short
    const std::string chinese81 = RepeatGbk("\xB0\xB2", 40) + "x";  // 81 bytes: long
    const std::string longEnglish =
        "Installation failed. Please check your system (quit all Vaelk applications) and try again, "
        "then run the setup once more.";
    struct Case {
        const char* chinese;
        const char* english;
        int buttons;
        bool longChinese;
    } cases[] = {
        {kMsgInstallSucceeded, kEnInstallSucceeded, kButtonsOk, false},
        {kMsgInstallSucceeded, nullptr, kButtonsOk, false},
        {kMsgInstallSpeech, kEnInstallSpeech, kButtonsOkCancel, false},
        {kMsgInstallSpeech, "", kButtonsOkCancel, false},
        {kMsgNoMemory, kEnNoMemory, kButtonsYesNo, false},
        {kMsgNoMemory, nullptr, kButtonsYesNo, false},
        {chinese80.c_str(), kEnNoMemory, kButtonsOk, false},
        {chinese81.c_str(), kEnNoMemory, kButtonsOk, true},
        {chinese81.c_str(), longEnglish.c_str(), kButtonsOkCancel, true},
        {chinese81.c_str(), nullptr, 7, true},  // any other value: OK and Cancel
    };
    const int frame = GetSystemMetrics(SM_CXDLGFRAME);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);

    for (const Case& c : cases) {
        std::string what = std::string("buttons ") + std::to_string(c.buttons) + ", " +
                           std::to_string(strlen(c.chinese)) + " Chinese bytes, English \"" +
                           (c.english ? c.english : "(null)") + "\"";
        PrepareMessage(c.english, c.buttons);
        HWND dialog = CreateDialogParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_MESSAGE), nullptr,
                                         MessageDialogProc, (LPARAM)c.chinese);
        ASSERT_NE(dialog, nullptr) << what << " error " << GetLastError();

        HDC dc = GetDC(dialog);
        TextExtent zh = MeasureMixedText(dc, c.chinese);
        SIZE en = {0, 0};
        bool hasEnglish = c.english && c.english[0];
        if (hasEnglish)
            GetTextExtentPointA(dc, c.english, lstrlenA(c.english), &en);
        ReleaseDC(dialog, dc);
        RECT buttonSize = {0, 0, 73, 18};
        MapDialogRect(dialog, &buttonSize);
        const int bw = buttonSize.right, bh = buttonSize.bottom;
        ASSERT_EQ(zh.height, 16);
        ASSERT_GT(bw, 0);

        int W = (zh.width > en.cx ? zh.width : en.cx) + 2 * frame + (c.longChinese ? 0 : 2 * bh);
        int H = 3 * (16 + bh) + 2 * en.cy;
        int minimum = c.buttons == kButtonsOk ? 2 * bw : 3 * bw;
        RECT window;
        GetWindowRect(dialog, &window);
        RECT wantWindow = {(screenW - W) / 2, (screenH - H) / 2, (screenW - W) / 2 + (W > minimum ? W : minimum),
                           (screenH - H) / 2 + H + caption};
        EXPECT_TRUE(SameRect(window, wantWindow)) << what << ": window " << RectText(window) << " want "
                                                  << RectText(wantWindow) << " (W " << W << ", H " << H << ")";

        RECT client;
        GetClientRect(dialog, &client);
        int first = c.buttons == kButtonsYesNo ? IDYES : IDOK;
        int second = c.buttons == kButtonsYesNo ? IDNO : IDCANCEL;
        RECT wantFirst, wantSecond = {};
        if (c.buttons == kButtonsOk) {
            wantFirst = {(W - bw) / 2, H - 2 * bh, (W - bw) / 2 + bw, H - bh};
        } else {
            int x1 = (W - (7 * bw) / 3) / 2, y = H - (3 * bh) / 2;
            wantFirst = {x1, y, x1 + bw, y + bh};
            wantSecond = {x1 + (4 * bw) / 3, y, x1 + (4 * bw) / 3 + bw, y + bh};
        }
        for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
            Placement p = ChildPlacement(dialog, id);
            bool shown = id == first || (id == second && c.buttons != kButtonsOk);
            EXPECT_EQ(p.visible, shown) << what << ": button " << id;
            if (id == first)
                EXPECT_TRUE(SameRect(p.rect, wantFirst)) << what << ": button " << id << " at " << RectText(p.rect)
                                                         << " want " << RectText(wantFirst);
            if (id == second && shown)
                EXPECT_TRUE(SameRect(p.rect, wantSecond)) << what << ": button " << id << " at "
                                                          << RectText(p.rect) << " want " << RectText(wantSecond);
        }

        Placement label = ChildPlacement(dialog, IDC_MSG_TEXT);
        RECT wantLabel = {client.left, 10, client.left + client.right, 58};
        EXPECT_TRUE(SameRect(label.rect, wantLabel)) << what << ": label at " << RectText(label.rect) << " want "
                                                     << RectText(wantLabel);
        char text[512] = "";
        GetWindowTextA(label.window, text, sizeof text);
        EXPECT_STREQ(text, c.chinese) << what;

        Placement english = ChildPlacement(dialog, IDC_MSG_ENGLISH);
        EXPECT_EQ(english.visible, hasEnglish) << what;
        if (hasEnglish) {
            RECT wantEnglish = {client.left, 63, client.left + client.right, 63 + 2 * en.cy};
            EXPECT_TRUE(SameRect(english.rect, wantEnglish)) << what << ": English at " << RectText(english.rect)
                                                             << " want " << RectText(wantEnglish);
            GetWindowTextA(english.window, text, sizeof text);
            EXPECT_STREQ(text, c.english) << what;
        }
        DestroyWindow(dialog);
    }
}

TEST_F(MessageBoxTest, OnlyTheFourButtonIdentifiersEndTheBox)
{
    PrepareMessage(kEnNoMemory, kButtonsOk);
    HWND dialog = CreateDialogParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_MESSAGE), nullptr, MessageDialogProc,
                                     (LPARAM)kMsgNoMemory);
    ASSERT_NE(dialog, nullptr);
    for (int id : {3, 4, 5, IDC_MSG_TEXT, 1001}) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "command " << id << " ended the box";
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "OK did not end the box";
    DestroyWindow(dialog);
}

TEST_F(MessageBoxTest, ShowMessageReturnsThePressedButton)
{
    struct Case {
        int buttons;
        int answer;  // 0 closes with the Close box
        int result;
        std::vector<int> visible;
    } cases[] = {
        {kButtonsOk, IDOK, IDOK, {IDOK}},
        {kButtonsOkCancel, IDCANCEL, IDCANCEL, {IDOK, IDCANCEL}},
        {kButtonsOkCancel, IDOK, IDOK, {IDOK, IDCANCEL}},
        {kButtonsYesNo, IDNO, IDNO, {IDYES, IDNO}},
        {kButtonsYesNo, IDYES, IDYES, {IDYES, IDNO}},
        {kButtonsOk, 0, IDCANCEL, {IDOK}},
        {kButtonsYesNo, 0, IDCANCEL, {IDYES, IDNO}},
    };
    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    for (const Case& c : cases) {
        MessageWatcher watcher({c.answer});
        int result = ShowMessage(kMsgInstallSpeech, kEnInstallSpeech, c.buttons, owner);
        EXPECT_EQ(result, c.result) << "buttons " << c.buttons << " answer " << c.answer;
        ASSERT_TRUE(watcher.WaitFor(1)) << "no box seen";
        SeenMessage seen = watcher.Seen()[0];
        EXPECT_EQ(seen.chinese, kMsgInstallSpeech);
        EXPECT_EQ(seen.english, kEnInstallSpeech);
        EXPECT_TRUE(seen.englishVisible);
        EXPECT_EQ(seen.visibleButtons, c.visible) << "buttons " << c.buttons;
        EXPECT_EQ(seen.owner, owner);
    }
    EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner stays disabled after the box";
    DestroyWindow(owner);
}

TEST_F(MessageBoxTest, EscapeEndsTheBoxWithCancelAndTheOwnerIsDisabledMeanwhile)
{
    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    for (int buttons : {kButtonsOk, kButtonsYesNo}) {
        EscapePresser presser(owner);
        int result = ShowMessage(kMsgInstallSucceeded, nullptr, buttons, owner);
        EXPECT_TRUE(presser.pressed());
        EXPECT_EQ(result, IDCANCEL) << "buttons " << buttons;
        EXPECT_FALSE(presser.ownerEnabled()) << "the owner was enabled while the box was up";
    }
    DestroyWindow(owner);
}

TEST_F(MessageBoxTest, OverlongEnglishTextIsCutAt127Bytes)
{
    std::string english(200, 'e');
    for (size_t i = 0; i < english.size(); i += 10)
        english[i] = (char)('0' + (i / 10) % 10);
    PrepareMessage(english.c_str(), kButtonsOk);
    EXPECT_EQ(strlen(PendingEnglishText()), 127u);
    EXPECT_EQ(std::string(PendingEnglishText()), english.substr(0, 127));

    HWND dialog = CreateDialogParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_MESSAGE), nullptr, MessageDialogProc,
                                     (LPARAM)kMsgNoMemory);
    ASSERT_NE(dialog, nullptr);
    char text[512] = "";
    GetDlgItemTextA(dialog, IDC_MSG_ENGLISH, text, sizeof text);
    EXPECT_EQ(std::string(text), english.substr(0, 127));
    DestroyWindow(dialog);

    PrepareMessage(nullptr, kButtonsOk);
    EXPECT_STREQ(PendingEnglishText(), "");
}
