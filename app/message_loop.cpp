// STUB
#include "app/message_loop.h"
bool IsButtonClassName(const char*) { return false; }
bool ApplyEnterKeyRule(const MSG&) { return false; }
void RunMessageLoop() {}
