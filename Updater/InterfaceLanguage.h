#pragma once
// The language the launcher speaks in, chosen from the system default language of Windows.
#include <cstdint>

enum InterfaceLanguage {
    English = 0,
    Dutch = 1,
    German = 2,
    Italian = 3,
    Japanese = 4,
    French = 5,
    Spanish = 6,
    Swedish = 7,
};
constexpr int InterfaceLanguageCount = 8;

// The language for a whole 16-bit language identifier; English for every identifier not listed.
InterfaceLanguage InterfaceLanguageFor(uint16_t languageId);

// Asks Windows for the system default language once per call.
InterfaceLanguage GetInterfaceLanguage();
