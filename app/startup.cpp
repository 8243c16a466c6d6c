// Process start-up and teardown: reads the platform and the system language into
// g_setup, turns the carried bitmap font into the glyph atlas, opens the wizard as a
// modeless dialog, runs the message loop until the wizard ends, then cleans up.
#include "app/startup.h"
#include "app/message_loop.h"
#include "glyph/glyph_atlas.h"
#include "install/payload.h"
#include "res/resource.h"
#include "ui/message_box.h"
#include "ui/texts.h"
#include "ui/wizard.h"
#include <commctrl.h>
#include <cstdlib>
#include <cstring>

static_assert(sizeof(OSVERSIONINFOA) == 148, "GetVersionExA takes the 148-byte record");

bool IsDbcsCodePage()
{
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info))
        return false;
    return info.MaxCharSize > 1;
}

ShortcutLanguage DeriveShortcutLanguage(bool dbcsCodePage, LANGID systemLanguage)
{
    // Chinese names only where the code page can show them; the lowest sublanguage
    // bit separates Taiwan, Hong Kong and Macau (Traditional) from the rest.
    if (!dbcsCodePage || (systemLanguage & 0x3FF) != LANG_CHINESE)
        return kShortcutEnglish;
    return (systemLanguage & 0x400) ? kShortcutTraditional : kShortcutSimplified;
}

void ApplyVersionInfo(const OSVERSIONINFOA& version, bool* isNt, bool* legacyShell)
{
    *isNt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    *legacyShell = version.dwMajorVersion == 3;
}

void DetectPlatform()
{
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    g_setup.isNt = false;
    g_setup.legacyShell = false;
    if (GetVersionExA(&version))
        ApplyVersionInfo(version, &g_setup.isNt, &g_setup.legacyShell);
    g_setup.dbcsCodePage = IsDbcsCodePage();
    g_setup.shortcutLanguage = DeriveShortcutLanguage(g_setup.dbcsCodePage, GetSystemDefaultLangID());
}

// Inflates the font and builds the atlas. Returns 1 when the atlas is ready, otherwise
// stores the exit code in *exitCode and returns 0 (the atlas is released already).
static int LoadGlyphFont(int* exitCode)
{
    unsigned char* fontBuffer = static_cast<unsigned char*>(g_allocate(kFontBufferSize));
    if (!fontBuffer) {
        ShowMessage(kMsgNoMemory, kEnNoMemory, kButtonsOk, nullptr);
        *exitCode = 1;
        return 0;
    }
    // Cells past the end of the carried font stay blank: a set bit is no ink.
    memset(fontBuffer, 0xFF, kFontBufferSize);
    unsigned long length = 0;
    if (!InflatePayload(PAYLOAD_FONT, fontBuffer, kFontBufferSize, &length)) {
        free(fontBuffer);
        *exitCode = 1;
        return 0;
    }
    if (!BuildGlyphAtlas(fontBuffer)) {
        free(fontBuffer);
        ReleaseGlyphAtlas();
        *exitCode = 0;
        return 0;
    }
    free(fontBuffer);
    return 1;
}

int SetupMain(HINSTANCE instance, HINSTANCE previousInstance)
{
    if (previousInstance)
        return 0;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    DetectPlatform();
    g_setup.instance = instance;

    int exitCode = 0;
    if (!LoadGlyphFont(&exitCode))
        return exitCode;

    g_setup.page = kPageFolder;
    g_setup.appIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));

    // The wizard holds a progress bar: its class must exist before the dialog does.
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_PROGRESS_CLASS;
    InitCommonControlsEx(&controls);

    g_setup.mainDialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr,
                                            WizardDialogProc, 0);
    if (!g_setup.mainDialog) {
        // Nothing could ever end a loop without its dialog.
        ReleaseGlyphAtlas();
        return 0;
    }

    RunMessageLoop();

    DestroyWindow(g_setup.mainDialog);
    ReleaseGlyphAtlas();
    return 0;
}
