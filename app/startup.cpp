// STUB: replaced by the start-up implementation.
#include "app/startup.h"
#include "app/message_loop.h"
int SetupMain(HINSTANCE, HINSTANCE) { return 0; }
bool IsDbcsCodePage() { return false; }
ShortcutLanguage DeriveShortcutLanguage(bool, LANGID) { return 0; }
void ApplyVersionInfo(const OSVERSIONINFOA&, bool*, bool*) {}
