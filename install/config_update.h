// Records the chosen interface language as "UILanguage" in section "[Config]" of the
// installed QuorthUI.ini, which is left hidden and read-only.
#pragma once

int UpdateUiLanguage();
int ClearProtectiveAttributes(const char* path, int clearReadOnly, int clearHidden);
