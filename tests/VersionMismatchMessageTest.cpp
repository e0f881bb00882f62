#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <string>

#include "StandInTest.h"
#include "VersionMismatchMessage.h"

namespace {

// The messages as they read, in UTF-8, from tests/messages (the end-to-end tests read the same
// files); the bytes the launcher must show are computed from these with iconv, apart from the
// launcher's own tables.
std::string MessageUtf8(const std::string& language) {
    std::ifstream file(std::string(MESSAGES_DIR) + "/" + language + ".txt", std::ios::binary);
    EXPECT_TRUE(file.good()) << "no message file for " << language;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

constexpr const char JapaneseCaptionUtf8[] = "Windowsインストーラ";

std::string Encode(const std::string& utf8, const char* codePage) {
    iconv_t converter = iconv_open(codePage, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv cannot convert to " << codePage;
        return {};
    }
    std::string input = utf8;
    std::string output(input.size() * 2 + 16, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<size_t>(-1)) << "not representable in " << codePage;
    output.resize(output.size() - outLeft);
    return output;
}

struct MessageRow {
    const char* Name;
    uint16_t LanguageId;
    const char* CaptionUtf8;
    const char* Language;
    const char* CodePage;
};

class VersionMismatchMessageTest : public StandInTableTest<MessageRow> {};

TEST_P(VersionMismatchMessageTest, ShowsTheTextInTheSystemLanguage) {
    const MessageRow& row = GetParam();
    StandIn.LanguageId = row.LanguageId;
    ShowVersionMismatch();
    ASSERT_EQ(StandIn.Boxes.size(), 1u);
    const MessageBoxShown& box = StandIn.Boxes[0];
    EXPECT_EQ(box.Owner, nullptr);
    EXPECT_EQ(box.Type, 0x10u);
    EXPECT_EQ(box.Caption, Encode(row.CaptionUtf8, row.CodePage));
    EXPECT_EQ(box.Text, Encode(MessageUtf8(row.Language), row.CodePage));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, VersionMismatchMessageTest,
    ::testing::Values(
        MessageRow{"EnglishUnitedStates", 0x0409, "Windows Installer", "English", "CP1252"},
        MessageRow{"DutchShowsEnglish", 0x0413, "Windows Installer", "English", "CP1252"},
        MessageRow{"GermanGermany", 0x0407, "Windows Installer", "German", "CP1252"},
        MessageRow{"GermanSwitzerland", 0x0807, "Windows Installer", "German", "CP1252"},
        MessageRow{"Italian", 0x0410, "Windows Installer", "Italian", "CP1252"},
        MessageRow{"Japanese", 0x0411, JapaneseCaptionUtf8, "Japanese", "CP932"},
        MessageRow{"FrenchFrance", 0x040C, "Windows Installer", "French", "CP1252"},
        MessageRow{"FrenchCanada", 0x0C0C, "Windows Installer", "French", "CP1252"},
        MessageRow{"SpanishMexicoShowsEnglish", 0x080A, "Windows Installer", "English", "CP1252"},
        MessageRow{"Swedish", 0x041D, "Windows Installer", "Swedish", "CP1252"},
        MessageRow{"PortugueseFallsBackToEnglish", 0x0416, "Windows Installer", "English", "CP1252"}),
    RowName());

TEST(VersionMismatchMessage, JapaneseKeepsTheTrailByte5C) {
    // 能 is 0x94 0x5C in code page 932; a tool that takes 0x5C for a backslash loses it.
    const std::string text = VersionMismatchMessages[Japanese].Text;
    EXPECT_NE(text.find("\x89\xC2\x94\x5C\x90\xAB"), std::string::npos) << "可能性";
}

}  // namespace
