// Storage for the process-wide SetupState.
#include "app/setup_state.h"
#include "res/resource.h"

SetupState g_setup = {};

void ResetSetupState()
{
    g_setup = SetupState();
    g_setup.defaultCommand = IDC_NEXT;
}

namespace {
// The default command is a constant of the program; set it before anything runs.
struct DefaultCommandInit {
    DefaultCommandInit() { g_setup.defaultCommand = IDC_NEXT; }
} defaultCommandInit;
}  // namespace
