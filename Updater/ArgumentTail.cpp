#include "ArgumentTail.h"

#include "platform/PlatformServices.h"

const char* ArgumentTailOf(const char* commandLine) {
    const unsigned char* at = reinterpret_cast<const unsigned char*>(commandLine);
    bool quoted = false;
    while (*at != 0 && (*at > ' ' || quoted)) {
        if (*at == '"') quoted = !quoted;
        if (PlatformServices::IsDBCSLeadByte(*at) && at[1] != 0) ++at;
        ++at;
    }
    while (*at != 0 && *at <= ' ') ++at;
    return reinterpret_cast<const char*>(at);
}
