// The gate over any Windows Installer answers and registry bytes, of any length up to and past
// the buffer, with or without a terminator: it passes exactly when some answer is the required
// text, never reads past what was written, and closes every key it opened.
#include "FuzzInput.h"
#include "StandInPlatform.h"
#include "VersionGate.h"

namespace {

// What a careful reader takes from bytes that Windows wrote: the text up to the first zero byte.
std::string TextOf(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    ResetStandIn();
    const char* codes[] = {"{4A7C2E19-B3D5-4F68-9E01-7D25C6A8B943}", "{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}"};
    bool expected = false;
    for (const char* code : codes) {
        const uint8_t flags = input.Byte();
        std::string value = input.Text();
        if (flags & 4) value += std::string(flags >> 3, '\0') + input.Text();  // bytes past a zero
        if (!(flags & 1)) continue;  // unknown to Windows Installer
        InstallerAnswer answer{(flags & 2) ? 1603u : 0u, value, (flags & 8) != 0};
        StandIn.Products[code] = answer;
        // Terminated answers that do not fit are refused; unterminated ones count as far as the
        // buffer holds them.
        const std::string seen = answer.Unterminated ? value.substr(0, 260)
                                 : value.size() + 1 <= 260 ? value : std::string("\x01");
        if (answer.Result == 0 && TextOf(seen) == "12.0.4.405") {
            expected = true;
        }
    }
    const uint8_t registry = input.Byte();
    std::string bytes = input.Text();
    if (registry & 4) bytes += std::string(1, '\0') + input.Text();
    bytes += std::string(registry >> 3, (registry & 2) ? '\0' : 'x');
    if (registry & 1) {
        StandIn.RegistryKeys[UninstallKeyPath]["DisplayVersion"] = {true, bytes};
        if (bytes.size() <= 260 && TextOf(bytes) == "12.0.4.405") expected = true;
    }
    FUZZ_ASSERT(IsRequiredVersionInstalled() == expected);
    FUZZ_ASSERT(StandIn.OpenKeys == 0);
    return 0;
}
