// Reads one payload entry straight from this executable's "TEXT" resources with zlib,
// independently of the setup's own store reader, so the content tests check the data
// the build packed rather than the code that reads it.
#ifndef MQ_TESTS_PAYLOAD_ENTRY_H
#define MQ_TESTS_PAYLOAD_ENTRY_H

#include <windows.h>
#include <zlib.h>
#include <string>
#include <vector>

// Built against a vendor folder (MQ_PAYLOAD_DIR), the checks of our own sample content
// (Unifont glyphs, sample programs, page texts) do not apply; the format checks still do.
#ifdef MQ_VENDOR_PAYLOAD
#define SKIP_UNLESS_SAMPLE_PAYLOAD() GTEST_SKIP() << "the vendor's payload is packed, not the sample"
#else
#define SKIP_UNLESS_SAMPLE_PAYLOAD() (void)0
#endif

struct PackedEntry {
    const unsigned char *data = nullptr;   // the stored zlib stream
    DWORD size = 0;
};

inline PackedEntry FindPackedEntry(int id)
{
    PackedEntry entry;
    HRSRC info = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), "TEXT");
    if (!info)
        return entry;
    HGLOBAL loaded = LoadResource(GetModuleHandleA(nullptr), info);
    if (!loaded)
        return entry;
    entry.data = static_cast<const unsigned char *>(LockResource(loaded));
    entry.size = SizeofResource(GetModuleHandleA(nullptr), info);
    return entry;
}

// Inflates entry id into out; returns zlib's result (Z_OK on success). consumed receives
// the number of stored bytes the stream took, so trailing garbage shows.
inline int InflateEntry(int id, std::string &out, uLong *consumed = nullptr, uLong capacity = 12582912)
{
    PackedEntry entry = FindPackedEntry(id);
    out.clear();
    if (!entry.data)
        return Z_STREAM_ERROR;
    out.resize(capacity);
    uLongf length = capacity;
    uLong sourceLength = entry.size;
    int result = uncompress2(reinterpret_cast<Bytef *>(&out[0]), &length, entry.data, &sourceLength);
    out.resize(result == Z_OK ? length : 0);
    if (consumed)
        *consumed = sourceLength;
    return result;
}

// The Wine view of a Unix path: "Z:" and the path with backslashes.
inline std::string WinePath(const std::string &unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}

#endif
