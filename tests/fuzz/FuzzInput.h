#pragma once
// Reads a fuzzer's bytes as fields: NUL-separated texts (UTF-8 for wide text, where a byte that is
// not valid UTF-8 stands for the code unit of its value) and single flag bytes. Text inputs keep
// the seeds readable: each seed is a row of a unit-test table written out.
#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzInput {
    const uint8_t* Data;
    size_t Size;
    size_t At = 0;

    std::string Text() {
        std::string text;
        while (At < Size && Data[At] != 0) text += static_cast<char>(Data[At++]);
        if (At < Size) ++At;
        return text;
    }

    uint8_t Byte() { return At < Size ? Data[At++] : 0; }
};

inline std::u16string Wide(const std::string& text) {
    std::u16string wide;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC0 && lead < 0xE0 ? 2 : 1;
        bool valid = length > 1 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        }
        if (!valid) {
            wide += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        uint32_t code = length == 2 ? lead & 0x1F : lead & 0x0F;
        for (size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (code == 0) {  // an overlong zero would end the text early
            wide += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        wide += static_cast<char16_t>(code);
        i += length;
    }
    return wide;
}

// The fuzz targets stop at the first broken contract, with the reason.
#define FUZZ_ASSERT(condition)                                                                  \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            __builtin_printf("contract broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                   \
        }                                                                                       \
    } while (0)
