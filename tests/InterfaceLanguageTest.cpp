#include <gtest/gtest.h>

#include <set>

#include "InterfaceLanguage.h"
#include "StandInTest.h"

namespace {

// Written out apart from the launcher's table, so a slip in either shows.
InterfaceLanguage Expected(uint16_t id) {
    static const std::set<uint16_t> dutch = {0x0413, 0x0813};
    static const std::set<uint16_t> german = {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407};
    static const std::set<uint16_t> italian = {0x0410, 0x0810};
    static const std::set<uint16_t> french = {0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C, 0x180C};
    static const std::set<uint16_t> swedish = {0x041D, 0x081D};
    if (dutch.count(id)) return Dutch;
    if (german.count(id)) return German;
    if (italian.count(id)) return Italian;
    if (id == 0x0411) return Japanese;
    if (french.count(id)) return French;
    if ((id & 0x3FF) == 0x0A && (id >> 10) >= 0x01 && (id >> 10) <= 0x14) return Spanish;
    if (swedish.count(id)) return Swedish;
    return English;
}

TEST(InterfaceLanguage, EveryIdentifierMapsExactly) {
    for (uint32_t id = 0; id <= 0xFFFF; ++id) {
        ASSERT_EQ(InterfaceLanguageFor(static_cast<uint16_t>(id)), Expected(static_cast<uint16_t>(id)))
            << std::hex << "0x" << id;
    }
}

struct LanguageRow {
    uint16_t Id;
    InterfaceLanguage Language;
};

class InterfaceLanguageTest : public StandInTableTest<LanguageRow> {};

TEST_P(InterfaceLanguageTest, ComesFromTheSystemDefaultLanguage) {
    StandIn.LanguageId = GetParam().Id;
    EXPECT_EQ(GetInterfaceLanguage(), GetParam().Language);
    EXPECT_EQ(CallsStartingWith("GetSystemDefaultLangID").size(), 1u);
}

// The listed edges and the neighbours of listed identifiers.
INSTANTIATE_TEST_SUITE_P(
    Identifiers, InterfaceLanguageTest,
    ::testing::Values(LanguageRow{0x0409, English}, LanguageRow{0x0809, English},
                      LanguageRow{0x0009, English}, LanguageRow{0x0000, English},
                      LanguageRow{0xFFFF, English}, LanguageRow{0x0413, Dutch},
                      LanguageRow{0x0813, Dutch}, LanguageRow{0x0C13, English},
                      LanguageRow{0x0013, English}, LanguageRow{0x1407, German},
                      LanguageRow{0x1807, English}, LanguageRow{0x0810, Italian},
                      LanguageRow{0x0C10, English}, LanguageRow{0x0411, Japanese},
                      LanguageRow{0x0811, English}, LanguageRow{0x0011, English},
                      LanguageRow{0x180C, French}, LanguageRow{0x1C0C, English},
                      LanguageRow{0x040A, Spanish}, LanguageRow{0x500A, Spanish},
                      LanguageRow{0x540A, English}, LanguageRow{0x000A, English},
                      LanguageRow{0x081D, Swedish}, LanguageRow{0x0C1D, English},
                      LanguageRow{0x0416, English}));

}  // namespace
