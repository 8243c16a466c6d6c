// Answers the setup's modal message boxes during a test, the way a user would, and
// records what each box said. A background thread finds the box (caption "Pendaric
// Install Message") among this process's windows, reads its texts and presses a button.
#pragma once
#include <windows.h>
#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessage {
    std::string chinese;   // window text of label 1013 (GBK bytes)
    std::string english;   // window text of static 1028
    bool englishVisible;
    std::vector<int> visibleButtons;  // identifiers among 1, 2, 6, 7 that were shown
    HWND owner;
    RECT windowRect;
    int answered;          // the button identifier pressed (0 for WM_CLOSE)
};

class MessageWatcher {
public:
    // Each box is answered with the next identifier from answers; once they run out,
    // with defaultAnswer. An answer of 0 closes the box with WM_CLOSE (the Close box).
    explicit MessageWatcher(std::vector<int> answers = {}, int defaultAnswer = IDOK);
    ~MessageWatcher();
    std::vector<SeenMessage> Seen();
    // Waits (pumping this thread's messages) until count boxes were seen or timeoutMs ran out.
    bool WaitFor(size_t count, DWORD timeoutMs = 20000);

private:
    void Run();
    DWORD processId_;
    std::deque<int> answers_;
    int defaultAnswer_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessage> seen_;
    std::thread thread_;
};

// Pumps this thread's messages for the given time (lets a modeless dialog paint).
void PumpMessages(DWORD milliseconds);
