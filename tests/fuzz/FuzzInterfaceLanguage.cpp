// Every language identifier gives one of the eight languages, and the box shows that language's
// caption and text with the error icon and no owner.
#include <cstring>

#include "FuzzInput.h"
#include "InterfaceLanguage.h"
#include "StandInPlatform.h"
#include "VersionMismatchMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    ResetStandIn();
    StandIn.LanguageId = static_cast<uint16_t>(input.Byte() | (input.Byte() << 8));
    const InterfaceLanguage language = GetInterfaceLanguage();
    FUZZ_ASSERT(language >= English && language <= Swedish);
    const uint16_t id = StandIn.LanguageId;
    const uint16_t primary = id & 0x3FF;
    if (language != English) {
        // Only an identifier of the language's own primary language can give it.
        const uint16_t primaries[] = {0x09, 0x13, 0x07, 0x10, 0x11, 0x0C, 0x0A, 0x1D};
        FUZZ_ASSERT(primary == primaries[language]);
    }
    ShowVersionMismatch();
    FUZZ_ASSERT(StandIn.Boxes.size() == 1);
    FUZZ_ASSERT(StandIn.Boxes[0].Owner == nullptr && StandIn.Boxes[0].Type == 0x10);
    FUZZ_ASSERT(StandIn.Boxes[0].Text == VersionMismatchMessages[language].Text);
    FUZZ_ASSERT(StandIn.Boxes[0].Caption == VersionMismatchMessages[language].Caption);
    return 0;
}
