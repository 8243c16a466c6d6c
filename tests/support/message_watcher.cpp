// The test-side user that answers message boxes; see message_watcher.h.
#include "support/message_watcher.h"

namespace {
const wchar_t kMessageCaption[] = L"Pendaric Install Message";

struct FindContext {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam)
{
    FindContext* context = reinterpret_cast<FindContext*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != context->processId || !IsWindowVisible(window))
        return TRUE;
    // InternalGetWindowText reads the stored caption without sending WM_GETTEXT, so the
    // search never waits on the test thread, which may be busy or joining this thread.
    wchar_t caption[64] = L"";
    InternalGetWindowText(window, caption, 64);
    if (lstrcmpW(caption, kMessageCaption) == 0) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

MessageWatcher::MessageWatcher(std::vector<int> answers, int defaultAnswer)
    : processId_(GetCurrentProcessId()), answers_(answers.begin(), answers.end()), defaultAnswer_(defaultAnswer)
{
    thread_ = std::thread([this] { Run(); });
}

MessageWatcher::~MessageWatcher()
{
    stop_ = true;
    thread_.join();
}

void MessageWatcher::Run()
{
    HWND lastBox = nullptr;
    while (!stop_) {
        FindContext context = {processId_, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&context));
        if (context.found && context.found != lastBox) {
            Sleep(100);  // let the box finish its layout and first paint
            HWND box = context.found;
            SeenMessage seen = {};
            char text[512] = "";
            GetDlgItemTextA(box, 1013, text, sizeof text);
            seen.chinese = text;
            text[0] = 0;
            GetDlgItemTextA(box, 1028, text, sizeof text);
            seen.english = text;
            seen.englishVisible = IsWindowVisible(GetDlgItem(box, 1028)) != FALSE;
            for (int id : {1, 2, 6, 7})
                if (IsWindowVisible(GetDlgItem(box, id)))
                    seen.visibleButtons.push_back(id);
            seen.owner = GetWindow(box, GW_OWNER);
            GetWindowRect(box, &seen.windowRect);
            int answer;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                answer = defaultAnswer_;
                if (!answers_.empty()) {
                    answer = answers_.front();
                    answers_.pop_front();
                }
            }
            seen.answered = answer;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(seen);
            }
            lastBox = box;
            if (answer == 0)
                PostMessageA(box, WM_CLOSE, 0, 0);
            else
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        } else if (!context.found) {
            lastBox = nullptr;
        }
        Sleep(20);
    }
}

std::vector<SeenMessage> MessageWatcher::Seen()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageWatcher::WaitFor(size_t count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (Seen().size() >= count)
            return true;
        PumpMessages(20);
    }
    return Seen().size() >= count;
}

void PumpMessages(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}
