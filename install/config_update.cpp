// STUB
#include "install/config_update.h"
int UpdateUiLanguage() { return 1; }
int ClearProtectiveAttributes(const char*, int, int) { return 0; }
