// StripSwitch over any argument tail and token: never past the output buffer, the result is what
// removing every occurrence gives, or nothing at all when that does not fit.
#include <cstring>
#include <memory>

#include "FuzzInput.h"
#include "PatchInstaller.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const std::string source = input.Text();
    std::string token = input.Text();
    if (input.At >= size) token = "/s";  // seeds of a tail alone use the launcher's token
    const size_t capacity = 1 + input.Byte() * 8u;

    std::string expected = source;
    if (!token.empty()) {
        for (size_t at = expected.find(token); at != std::string::npos; at = expected.find(token)) {
            expected.erase(at, token.size());
        }
    }
    // Exactly capacity bytes, so a write past them is caught.
    std::unique_ptr<char[]> out(new char[capacity]);
    std::memset(out.get(), 'Z', capacity);
    const bool fits = StripSwitch(source.c_str(), token.c_str(), out.get(), capacity);
    FUZZ_ASSERT(fits == (expected.size() < capacity));
    const size_t written = fits ? expected.size() : 0;
    if (fits) FUZZ_ASSERT(std::memcmp(out.get(), expected.data(), expected.size()) == 0);
    for (size_t i = written; i < capacity; ++i) FUZZ_ASSERT(out[i] == 0);
    return 0;
}
