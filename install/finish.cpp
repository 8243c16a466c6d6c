// The last step of the wizard: it holds the installing state until five seconds after the
// start, reports the outcome and, when the user agrees, writes the speech-runtime package
// to the temporary folder and hands it to the shell, which starts Windows Installer on it.
#include "install/finish.h"
#include "install/payload.h"
#include "app/setup_state.h"
#include "ui/message_box.h"
#include "ui/texts.h"
#include "res/resource.h"
#include <shellapi.h>
#include <cstdio>
#include <cstdlib>

ShellExecuteFunction g_shellExecute = ShellExecuteA;

static const char kPackageName[] = "Sapi51forVaelk.msi";
static const double kMinimumDisplaySeconds = 5.0;

// "<temporary folder>Sapi51forVaelk.msi", the folder as the system reports it (with its
// backslash) or "C:\" when it reports none; 0 when the whole path does not fit.
static int ComposePackagePath(char* path)
{
    char folder[kPathSize];
    DWORD length = GetTempPathA(kPathSize, folder);
    if (length == 0)
        snprintf(folder, sizeof folder, "C:\\");
    else if (length >= kPathSize)
        return 0;
    int written = snprintf(path, kPathSize, "%s%s", folder, kPackageName);
    return written >= 0 && written < kPathSize;
}

// Writes the package and opens it, but only the copy this run has just written whole:
// a file someone else left under that name in the temporary folder is never run.
static void InstallSpeechRuntime()
{
    unsigned char* buffer = static_cast<unsigned char*>(g_allocate(kPackageBufferSize));
    if (!buffer) {
        ShowMessage(kMsgNoMemory, kEnNoMemory, kButtonsOk, g_setup.mainDialog);
        return;
    }
    char path[kPathSize];
    if (ComposePackagePath(path) &&
        ExtractPayload(PAYLOAD_SAPI_MSI, kPackageName, buffer, kPackageBufferSize, 0, 0, path))
        g_shellExecute(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    free(buffer);
}

void FinishInstall(int installSucceeded, time_t startTime)
{
    // Polls the clock: the dialog shows its waiting state, no messages are handled meanwhile.
    while (difftime(time(nullptr), startTime) < kMinimumDisplaySeconds) {
    }
    if (!installSucceeded) {
        ShowMessage(kMsgInstallFailed, kEnInstallFailed, kButtonsOk, g_setup.mainDialog);
    } else {
        ShowMessage(kMsgInstallSucceeded, kEnInstallSucceeded, kButtonsOk, g_setup.mainDialog);
        if (ShowMessage(kMsgInstallSpeech, kEnInstallSpeech, kButtonsOkCancel, g_setup.mainDialog) == IDOK)
            InstallSpeechRuntime();
    }
    g_setup.page = kPageExit;
}
