// mq_locate: tells the end-to-end driver where to click. Waits for a visible top-level
// window with the given caption and prints the screen rectangle and centre of one of its
// controls: "centreX centreY left top right bottom itemHeight" (itemHeight only for a combo
// box, 0 otherwise). Exit code 1 when none shows in time.
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: mq_locate CAPTION CONTROL_ID [TIMEOUT_MS]\n");
        return 2;
    }
    const char* caption = argv[1];
    int id = atoi(argv[2]);
    DWORD timeout = argc > 3 ? (DWORD)atoi(argv[3]) : 30000;
    DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window)) {
            HWND control = id ? GetDlgItem(window, id) : window;
            RECT r;
            if (control && IsWindowVisible(control) && GetWindowRect(control, &r)) {
                char className[32] = "";
                GetClassNameA(control, className, sizeof className);
                long itemHeight = lstrcmpiA(className, "ComboBox") == 0
                                      ? (long)SendMessageA(control, CB_GETITEMHEIGHT, 0, 0) : 0;
                printf("%ld %ld %ld %ld %ld %ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2,
                       r.left, r.top, r.right, r.bottom, itemHeight);
                return 0;
            }
        }
        Sleep(100);
    } while (GetTickCount() - start < timeout);
    fprintf(stderr, "mq_locate: no visible control %d in a window \"%s\"\n", id, caption);
    return 1;
}
