// Records the interface language chosen in the wizard as "UILanguage" in the installed
// QuorthUI.ini: the value of the first "UILanguage=" in the file is replaced, or a
// "[Config]" section carrying the key is appended; the file is left hidden and read-only.
#include "install/config_update.h"
#include "app/setup_state.h"
#include <io.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char kConfigKey[] = "UILanguage=";
// Written the way a text-mode stream writes it: every line feed becomes CR LF on disk.
static const char kAppendFormat[] = "\n[Config]\nUILanguage=%d\n\n";

int ClearProtectiveAttributes(const char* path, int clearReadOnly, int clearHidden)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;
    int changed = 0;
    if (clearReadOnly && (attributes & FILE_ATTRIBUTE_READONLY)) {
        attributes &= ~(DWORD)FILE_ATTRIBUTE_READONLY;
        changed = 1;
    }
    if (clearHidden && (attributes & FILE_ATTRIBUTE_HIDDEN)) {
        attributes &= ~(DWORD)FILE_ATTRIBUTE_HIDDEN;
        changed = 1;
    }
    if (changed)
        SetFileAttributesA(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    return changed;
}

// Reads the whole stream from its start into a fresh block; the caller frees it.
static char* ReadWholeFile(FILE* file, long* size)
{
    if (fseek(file, 0, SEEK_END) != 0)
        return nullptr;
    long length = ftell(file);
    if (length < 0 || fseek(file, 0, SEEK_SET) != 0)
        return nullptr;
    char* text = static_cast<char*>(malloc((size_t)length + 1));
    if (!text)
        return nullptr;
    if (fread(text, 1, (size_t)length, file) != (size_t)length) {
        free(text);
        return nullptr;
    }
    text[length] = 0;
    *size = length;
    return text;
}

// Byte offset of the first "UILanguage=" anywhere in the text (case-sensitive), or -1.
static long FindKey(const char* text, long size)
{
    const long keyLength = (long)(sizeof kConfigKey - 1);
    for (long at = 0; at + keyLength <= size; at++)
        if (memcmp(text + at, kConfigKey, (size_t)keyLength) == 0)
            return at;
    return -1;
}

// Replaces the whole value after the first key (up to its line end) with the one digit,
// so a longer old value leaves nothing behind; the file shrinks when it was longer.
static void ReplaceValue(FILE* file, const char* text, long size, long keyOffset, int language)
{
    long valueStart = keyOffset + (long)(sizeof kConfigKey - 1);
    long valueEnd = valueStart;
    while (valueEnd < size && text[valueEnd] != '\r' && text[valueEnd] != '\n')
        valueEnd++;
    char digit[16];
    int digitLength = snprintf(digit, sizeof digit, "%d", language);
    if (digitLength < 0 || digitLength >= (int)sizeof digit)
        return;
    if (fseek(file, valueStart, SEEK_SET) != 0)
        return;
    fwrite(digit, 1, (size_t)digitLength, file);
    fwrite(text + valueEnd, 1, (size_t)(size - valueEnd), file);
    fflush(file);
    long newSize = valueStart + digitLength + (size - valueEnd);
    if (newSize < size)
        _chsize(_fileno(file), newSize);
}

static void AppendSection(FILE* file, int language)
{
    char block[64];
    int length = snprintf(block, sizeof block, kAppendFormat, language);
    if (length < 0 || length >= (int)sizeof block)
        return;
    if (fseek(file, 0, SEEK_END) != 0)
        return;
    for (int i = 0; i < length; i++) {
        if (block[i] == '\n')
            fputc('\r', file);
        fputc(block[i], file);
    }
}

int UpdateUiLanguage()
{
    char path[kPathSize];
    int composed = snprintf(path, sizeof path, "%s\\QuorthUI.ini", g_setup.installDir);
    if (composed < 0 || composed >= (int)sizeof path)
        return 1;  // no such file can exist under a name this long; nothing is touched

    ClearProtectiveAttributes(path, 1, 1);

    // Binary mode keeps every byte outside the value exactly as it was.
    FILE* file = fopen(path, "r+b");
    if (file) {
        long size = 0;
        char* text = ReadWholeFile(file, &size);
        if (text) {
            long keyOffset = FindKey(text, size);
            if (keyOffset >= 0)
                ReplaceValue(file, text, size, keyOffset, g_setup.uiLanguage);
            else
                AppendSection(file, g_setup.uiLanguage);
            free(text);
        }
        fclose(file);
    }

    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        attributes |= FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
        SetFileAttributesA(path, attributes & ~(DWORD)FILE_ATTRIBUTE_NORMAL);
    }
    return 1;
}
