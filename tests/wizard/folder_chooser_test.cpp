// Browse on the real wizard: the old-style chooser opens with its directory list
// focused and Cancel owner-drawn; OK takes the current folder, Cancel changes nothing.
#include "wizard_fixture.h"
#include <direct.h>
#include <dlgs.h>
#include <thread>

namespace {
struct ChooserVisit {
    int answer;  // the command posted to the chooser
    HWND owner;
    bool found;
    int focusId;
    LONG cancelType;
    char currentFolder[MAX_PATH];
};

struct ChooserSearch {
    HWND owner;
    HWND found;
};

// The chooser is known by its owner and its directory label (Wine titles it itself).
BOOL CALLBACK FindChooser(HWND window, LPARAM lParam)
{
    ChooserSearch* search = reinterpret_cast<ChooserSearch*>(lParam);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        GetDlgItem(window, IDC_DIRS_LABEL) && GetDlgItem(window, lst2)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Runs on a helper thread: waits for the chooser, looks at it, then answers it.
void VisitChooser(ChooserVisit* visit, DWORD uiThread)
{
    for (int i = 0; i < 500 && !visit->found; ++i) {
        ChooserSearch search = {visit->owner, nullptr};
        EnumWindows(FindChooser, reinterpret_cast<LPARAM>(&search));
        HWND chooser = search.found;
        if (!chooser) {
            Sleep(20);
            continue;
        }
        Sleep(200);  // let the dialog finish its initialisation
        visit->found = true;
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(uiThread, &info) && info.hwndFocus)
            visit->focusId = GetDlgCtrlID(info.hwndFocus);
        visit->cancelType = GetWindowLongA(GetDlgItem(chooser, IDCANCEL), GWL_STYLE) & 0xFF;
        PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(visit->answer, BN_CLICKED), 0);
    }
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = "";
    return _getcwd(path, sizeof path) ? path : "";
}
}  // namespace

class FolderChooserTest : public WizardTest {
protected:
    ChooserVisit Browse(int answer)
    {
        ChooserVisit visit = {};
        visit.answer = answer;
        visit.owner = dialog;
        std::thread helper(VisitChooser, &visit, GetCurrentThreadId());
        Command(IDC_BROWSE);
        helper.join();
        return visit;
    }
};

TEST_F(FolderChooserTest, OkOnADriveRootGivesLetterAndColon)
{
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    ChooserVisit visit = Browse(IDOK);
    ASSERT_TRUE(visit.found) << "the chooser never showed";
    EXPECT_EQ(visit.focusId, lst2);
    EXPECT_EQ(visit.cancelType, BS_OWNERDRAW);
    EXPECT_EQ(Text(IDC_INSTALL_PATH), "C:");
    EXPECT_STREQ(g_setup.installDir, "C:");
    EXPECT_EQ(CurrentDirectory(), "C:\\");
}

TEST_F(FolderChooserTest, OkTakesTheCurrentFolderAndCancelKeepsThePath)
{
    std::string folder = TempPath("browse");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << "error " << GetLastError();
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    ASSERT_TRUE(Browse(IDOK).found);
    EXPECT_EQ(lstrcmpiA(Text(IDC_INSTALL_PATH).c_str(), folder.c_str()), 0) << Text(IDC_INSTALL_PATH);

    SetPath("D:\\Kept");
    ASSERT_TRUE(Browse(IDCANCEL).found);
    EXPECT_EQ(Text(IDC_INSTALL_PATH), "D:\\Kept");
    EXPECT_EQ(g_setup.page, kPageFolder);
    TearDown();
    RemoveDirectoryA(folder.c_str());
}
