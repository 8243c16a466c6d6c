// Shared fixture of the wizard suite: the real wizard dialog (template 114) created
// modeless with WizardDialogProc, as start-up creates it, plus small helpers.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>
#include <string>
#include <vector>
#include "app/setup_state.h"
#include "install/payload.h"
#include "res/resource.h"
#include "support/message_watcher.h"
#include "ui/wizard.h"

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSetupState();
        g_setup.instance = GetModuleHandleA(nullptr);
        g_setup.appIcon = LoadIconA(g_setup.instance, MAKEINTRESOURCEA(IDI_APP));
        licenceLoaded = 0;
        GetCurrentDirectoryA(sizeof savedDirectory_, savedDirectory_);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        dialog = CreateDialogParamA(g_setup.instance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr, WizardDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "CreateDialogParamA error " << GetLastError();
        g_setup.mainDialog = dialog;
        g_setup.page = kPageFolder;
    }

    void TearDown() override
    {
        g_allocate = malloc;
        if (dialog)
            DestroyWindow(dialog);
        SetCurrentDirectoryA(savedDirectory_);
        ResetSetupState();
    }

    void Command(int id, int code = BN_CLICKED)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0);
    }
    HWND Item(int id) { return GetDlgItem(dialog, id); }
    bool Visible(int id) { return IsWindowVisible(Item(id)) != FALSE; }
    bool Enabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    void SetPath(const std::string& path) { SetDlgItemTextA(dialog, IDC_INSTALL_PATH, path.c_str()); }
    std::string Text(int id)
    {
        char text[1024] = "";
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    // Next until page is reached (from the folder page).
    void GoToPage(int page)
    {
        while (g_setup.page < page)
            Command(IDC_NEXT);
    }

    HWND dialog = nullptr;

private:
    char savedDirectory_[MAX_PATH] = "";
};

// A fresh, uniquely named folder path below the Windows temporary folder (not created).
inline std::string TempPath(const char* stem)
{
    static int counter = 0;
    char base[MAX_PATH] = "";
    GetTempPathA(sizeof base, base);
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%smq_wizard_%lu_%s_%d", base, GetCurrentProcessId(), stem, ++counter);
    return path;
}
