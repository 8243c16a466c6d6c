// STUB
#include "install/payload.h"
bool InflatePayload(int, unsigned char*, unsigned long, unsigned long*) { return false; }
int ExtractPayload(int, const char*, unsigned char*, unsigned long, int, int, const char*) { return 0; }
int WritePayloadFile(const char*, const unsigned char*, unsigned long, int, int, const char*) { return 0; }
