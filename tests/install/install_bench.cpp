// Shared helpers of the installation-engine tests; see install_bench.h.
#include "install_bench.h"
#include "app/setup_state.h"
#include "res/resource.h"
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <zlib.h>
#include <cstdio>

ScratchFolder::ScratchFolder(const char* tag)
{
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%smq_install_%s_%lu_%d", temp, tag, GetCurrentProcessId(), ++counter);
    path_ = path;
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ReadBytes(const std::string& path, std::string* bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes->clear();
    char chunk[65536];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes->append(chunk, got);
    fclose(file);
    return true;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

std::string InflatedEntry(int resourceId)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resourceId), "TEXT");
    if (!found)
        return std::string();
    const Bytef* data = static_cast<const Bytef*>(LockResource(LoadResource(nullptr, found)));
    std::vector<Bytef> out(16u << 20);
    uLongf length = out.size();
    if (uncompress(out.data(), &length, data, SizeofResource(nullptr, found)) != Z_OK)
        return std::string();
    return std::string(reinterpret_cast<const char*>(out.data()), length);
}

HeldOpen::HeldOpen(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
{
}

HeldOpen::~HeldOpen()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

void ResetForTest()
{
    ResetSetupState();
    g_setup.instance = GetModuleHandleA(nullptr);
}

namespace {
WNDPROC originalBarProc;

LRESULT CALLBACK RecordingBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS)
        MainDialog::Events().push_back("pos " + std::to_string((int)wParam));
    else if (message == WM_PAINT)
        MainDialog::Events().push_back("paint");
    return CallWindowProcA(originalBarProc, window, message, wParam, lParam);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
}  // namespace

std::vector<std::string>& MainDialog::Events()
{
    static std::vector<std::string> events;
    return events;
}

std::vector<int> MainDialog::Positions()
{
    std::vector<int> positions;
    for (const std::string& event : Events())
        if (event.compare(0, 4, "pos ") == 0)
            positions.push_back(std::stoi(event.substr(4)));
    return positions;
}

MainDialog::MainDialog()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WIZARD), nullptr, PlainDialogProc, 0);
    HWND bar = GetDlgItem(dialog_, IDC_PROGRESS);
    originalBarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingBarProc)));
    Events().clear();
    g_setup.mainDialog = dialog_;
}

MainDialog::~MainDialog()
{
    DestroyWindow(dialog_);
    g_setup.mainDialog = nullptr;
}
