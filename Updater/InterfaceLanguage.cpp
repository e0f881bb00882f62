#include "InterfaceLanguage.h"

#include "platform/PlatformServices.h"

namespace {

struct LanguageMapping {
    uint16_t LanguageId;
    InterfaceLanguage Language;
};

// Exact identifiers only: another sublanguage of a listed primary language is not listed.
constexpr LanguageMapping LanguageMappings[] = {
    {0x0413, Dutch},    {0x0813, Dutch},
    {0x0407, German},   {0x0807, German},   {0x0C07, German},   {0x1007, German},   {0x1407, German},
    {0x0410, Italian},  {0x0810, Italian},
    {0x0411, Japanese},
    {0x040C, French},   {0x080C, French},   {0x0C0C, French},   {0x100C, French},   {0x140C, French},
    {0x180C, French},
    {0x040A, Spanish},  {0x080A, Spanish},  {0x0C0A, Spanish},  {0x100A, Spanish},  {0x140A, Spanish},
    {0x180A, Spanish},  {0x1C0A, Spanish},  {0x200A, Spanish},  {0x240A, Spanish},  {0x280A, Spanish},
    {0x2C0A, Spanish},  {0x300A, Spanish},  {0x340A, Spanish},  {0x380A, Spanish},  {0x3C0A, Spanish},
    {0x400A, Spanish},  {0x440A, Spanish},  {0x480A, Spanish},  {0x4C0A, Spanish},  {0x500A, Spanish},
    {0x041D, Swedish},  {0x081D, Swedish},
};

}  // namespace

InterfaceLanguage InterfaceLanguageFor(uint16_t languageId) {
    for (const LanguageMapping& mapping : LanguageMappings) {
        if (mapping.LanguageId == languageId) return mapping.Language;
    }
    return English;
}

InterfaceLanguage GetInterfaceLanguage() {
    return InterfaceLanguageFor(PlatformServices::GetSystemDefaultLangID());
}
