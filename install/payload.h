// The payload store: numbered "TEXT" resources of this executable, each one complete
// zlib stream. Entries are inflated whole into the caller's buffer and written in one go.
#pragma once
#include <windows.h>
#include <cstddef>

enum {
    kLicenceCapacity = 65536,
    kInstallBufferSize = 1048576,
    kPackageBufferSize = 12582912,
};

bool InflatePayload(int resourceId, unsigned char* buffer, unsigned long capacity, unsigned long* length);
int ExtractPayload(int resourceId, const char* fileName, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden, const char* fullPath);
int WritePayloadFile(const char* fileName, const unsigned char* data, unsigned long length,
                     int readOnly, int hidden, const char* fullPath);

// The heap allocation behind every one-operation buffer the payload is inflated into
// (font, licence texts, installation, speech-runtime package): malloc; tests replace it
// to make an allocation fail. Blocks are released with free().
extern void* (*g_allocate)(size_t size);
