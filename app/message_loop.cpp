// The program's one message loop. Enter is turned into a command for the wizard: a
// focused push button is pressed, anywhere else Enter means Next/Install (1001).
#include "app/message_loop.h"
#include "app/setup_state.h"

enum { kClassNameSize = 100 };

bool IsButtonClassName(const char* className)
{
    static const char kButton[] = "button";
    if (!className)
        return false;
    for (int i = 0;; ++i) {
        char c = className[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kButton[i])
            return false;
        if (c == 0)
            return true;
    }
}

// Check boxes and radio buttons let Enter through as the default command.
static bool IsCheckOrRadioStyle(LONG style)
{
    switch (style & 0xFF) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

bool ApplyEnterKeyRule(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN)
        return false;
    HWND focus = GetFocus();
    if (focus) {
        char className[kClassNameSize] = "";
        if (GetClassNameA(focus, className, kClassNameSize) > 0) {
            className[kClassNameSize - 1] = 0;
            if (IsButtonClassName(className) && !IsCheckOrRadioStyle(GetWindowLongA(focus, GWL_STYLE))) {
                WORD id = LOWORD(GetWindowLongPtrA(focus, GWLP_ID));
                PostMessageA(g_setup.mainDialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
                return true;
            }
        }
    }
    PostMessageA(g_setup.mainDialog, WM_COMMAND, static_cast<WPARAM>(g_setup.defaultCommand), 0);
    return false;
}

void RunMessageLoop()
{
    MSG message;
    while (g_setup.page >= 0) {
        // 0 is WM_QUIT; -1 (an invalid call) would repeat forever, so it ends too.
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
            break;
        if (ApplyEnterKeyRule(message))
            continue;
        if (!IsDialogMessageA(g_setup.mainDialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
