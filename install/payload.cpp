// The payload store: every installed file travels as a zlib stream in a "TEXT" resource.
// One entry is inflated whole into a caller's buffer and written to disk with one write,
// clearing the protective attributes an earlier installation may have left on the target.
#include "install/payload.h"
#include "app/setup_state.h"
#include <zlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void* (*g_allocate)(size_t size) = malloc;

bool InflatePayload(int resourceId, unsigned char* buffer, unsigned long capacity, unsigned long* length)
{
    HRSRC found = FindResourceA(g_setup.instance, MAKEINTRESOURCEA(resourceId), "TEXT");
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(g_setup.instance, found);
    const unsigned char* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!data)
        return false;
    DWORD stored = SizeofResource(g_setup.instance, found);
    uLongf inflated = capacity;
    if (uncompress(buffer, &inflated, data, stored) != Z_OK)
        return false;
    *length = inflated;
    return true;
}

int ExtractPayload(int resourceId, const char* fileName, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden, const char* fullPath)
{
    unsigned long length = 0;
    if (!InflatePayload(resourceId, buffer, capacity, &length))
        return 0;
    return WritePayloadFile(fileName, buffer, length, readOnly, hidden, fullPath);
}

// The target path: fullPath as given, or installDir and fileName joined by one backslash.
// A path that does not fit the buffer is refused rather than cut short.
static int ComposeTargetPath(char* path, const char* fileName, const char* fullPath)
{
    int written = fullPath ? snprintf(path, kPathSize, "%s", fullPath)
                           : snprintf(path, kPathSize, "%s\\%s", g_setup.installDir, fileName);
    return written >= 0 && written < kPathSize;
}

int WritePayloadFile(const char* fileName, const unsigned char* data, unsigned long length,
                     int readOnly, int hidden, const char* fullPath)
{
    char path[kPathSize];
    if (!ComposeTargetPath(path, fileName, fullPath))
        return 0;

    // An earlier installation leaves its files read-only and hidden; open them up first.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        attributes &= ~(DWORD)(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    }

    FILE* file = fopen(path, "wb");
    if (!file)
        return 0;
    size_t written = fwrite(data, 1, length, file);
    fclose(file);
    if (written != length)
        return 0;

    if (readOnly || hidden) {
        attributes = GetFileAttributesA(path);
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if (readOnly)
                attributes |= FILE_ATTRIBUTE_READONLY;
            if (hidden)
                attributes |= FILE_ATTRIBUTE_HIDDEN;
            attributes &= ~(DWORD)FILE_ATTRIBUTE_NORMAL;  // "normal" stands only alone
            SetFileAttributesA(path, attributes);
        }
    }
    return 1;
}
