#include <gtest/gtest.h>

#include <string>

#include "ArgumentTail.h"
#include "StandInTest.h"

namespace {

struct TailRow {
    const char* Name;
    std::string CommandLine;
    std::string Expected;
    std::vector<unsigned char> LeadBytes;
};

class ArgumentTailTest : public StandInTableTest<TailRow> {};

TEST_P(ArgumentTailTest, SkipsTheProgramNameAndTheBlanksAfterIt) {
    const TailRow& row = GetParam();
    StandIn.LeadBytes = row.LeadBytes;
    EXPECT_EQ(std::string(ArgumentTailOf(row.CommandLine.c_str())), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ArgumentTailTest,
    ::testing::Values(
        TailRow{"OnlyTheProgram", "setup.exe", "", {}},
        TailRow{"OnlyTheProgramAndBlanks", "C:\\Pkg\\setup.exe   ", "", {}},
        TailRow{"Empty", "", "", {}},
        TailRow{"OneSwitch", "C:\\Pkg\\setup.exe /s", "/s", {}},
        TailRow{"BlanksInsideTheTailStay", "setup.exe  \t /q  X=\"a b\" ", "/q  X=\"a b\" ", {}},
        TailRow{"QuotedPathWithBlanks", "\"C:\\Program Files\\Pkg\\setup.exe\" /q", "/q", {}},
        TailRow{"QuotedPathAlone", "\"C:\\Program Files\\Pkg\\setup.exe\"", "", {}},
        TailRow{"QuotesInsideTheToken", "C:\\\"Program Files\"\\setup.exe /q", "/q", {}},
        TailRow{"UnclosedQuoteTakesAll", "\"C:\\Pkg\\setup.exe /q", "", {}},
        TailRow{"ControlCharacterEndsTheToken", "setup.exe\x01/q", "/q", {}},
        // Bytes above 127 are above the blank, not below it as a signed char would make them.
        TailRow{"HighByteInTheName", "C:\\\xC4pfel\\setup.exe /q", "/q", {}},
        // A lead byte takes the next byte with it, even one that looks like a blank or a quote.
        TailRow{"LeadByteTakesABlank", "C:\\\x81 x\\setup.exe /q", "/q", {0x81}},
        TailRow{"LeadByteTakesAQuote", "C:\\\x81\"x y\\setup.exe /q", "y\\setup.exe /q", {0x81}},
        TailRow{"NoLeadBytesInThisCodePage", "C:\\\x81 x\\setup.exe /q", "x\\setup.exe /q", {}}),
    RowName());

TEST(ArgumentTail, ALeadByteBeforeTheTerminatorNeverSkipsIt) {
    ResetStandIn();
    StandIn.LeadBytes = {0x81};
    const char commandLine[] = "setup.exe\x81\0 /never";
    EXPECT_EQ(ArgumentTailOf(commandLine), commandLine + 10);
    EXPECT_EQ(*ArgumentTailOf(commandLine), '\0');
}

}  // namespace
