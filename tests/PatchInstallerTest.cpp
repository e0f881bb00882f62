#include <gtest/gtest.h>

#include <string>

#include "FixedText.h"
#include "PatchInstaller.h"
#include "StandInTest.h"

namespace {

struct StripRow {
    const char* Name;
    std::string Source;
    std::string Expected;
};

class StripSwitchTest : public ::testing::TestWithParam<StripRow> {};

TEST_P(StripSwitchTest, RemovesEverySlashS) {
    const StripRow& row = GetParam();
    char out[FilteredArgumentsLength];
    std::fill(out, out + sizeof(out), 'Z');
    ASSERT_TRUE(StripSwitch(row.Source.c_str(), "/s", out, sizeof(out)));
    EXPECT_EQ(std::string(out), row.Expected);
    for (size_t i = row.Expected.size(); i < sizeof(out); ++i) ASSERT_EQ(out[i], 0) << "at " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Tails, StripSwitchTest,
    ::testing::Values(
        StripRow{"Empty", "", ""},
        StripRow{"NoSwitchPassesWithItsBlanks", " /q  /norestart ", " /q  /norestart "},
        StripRow{"SwitchAtTheEnd", "X /s", "X "},
        StripRow{"UpperCaseStays", "/S", "/S"},
        StripRow{"LongerSwitchLosesTwoCharacters", "/silent /q", "ilent /q"},
        StripRow{"JoinedOccurrenceVanishes", "//ss", ""},
        StripRow{"Repeated", "/s/s /s", " "},
        StripRow{"InsideAWord", "PATH=a/sb", "PATH=ab"},
        StripRow{"QuotedValueWithBlanks", "TARGETDIR=\"C:\\My Files\" /s /qn", "TARGETDIR=\"C:\\My Files\"  /qn"}),
    RowName());

TEST(StripSwitch, AResultThatDoesNotFitIsNotWritten) {
    char out[8];
    std::fill(out, out + sizeof(out), 'Z');
    EXPECT_TRUE(StripSwitch("1234567", "/s", out, sizeof(out)));
    EXPECT_STREQ(out, "1234567");
    std::fill(out, out + sizeof(out), 'Z');
    EXPECT_FALSE(StripSwitch("12345678", "/s", out, sizeof(out)));
    for (char c : out) EXPECT_EQ(c, 0);
    // The source may be far longer than the buffer; only the result has to fit.
    std::string longSource;
    for (int i = 0; i < 2000; ++i) longSource += "/s";
    EXPECT_TRUE(StripSwitch((longSource + "/q").c_str(), "/s", out, sizeof(out)));
    EXPECT_STREQ(out, "/q");
}

TEST(StripSwitch, AnEmptyTokenRemovesNothing) {
    char out[16];
    EXPECT_TRUE(StripSwitch("/s /q", "", out, sizeof(out)));
    EXPECT_STREQ(out, "/s /q");
}

class PatchInstallerTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        CopyText(WorkingDirectory, WorkingDirectoryLength, u"C:\\PKG\\64-bit\\");
    }
};

TEST_F(PatchInstallerTest, StartsTheCommandProcessorHiddenInTheArchitectureFolder) {
    ASSERT_TRUE(RunPatchInstaller("X ", PatchFileName));
    ASSERT_EQ(StandIn.Started.size(), 1u);
    const ProcessStart& start = StandIn.Started[0];
    EXPECT_EQ(start.ApplicationName, u"C:\\Windows\\system32\\cmd.exe");
    EXPECT_EQ(start.CommandLine,
              u"/C C:\\Windows\\system32\\msiexec.exe /p QuorvaneServer12v5Update.msp X ");
    EXPECT_EQ(start.CurrentDirectory, u"C:\\PKG\\64-bit\\");
    EXPECT_FALSE(start.InheritHandles);
    EXPECT_EQ(start.CreationFlags, 0x20u);
    EXPECT_EQ(start.Startup.dwFlags, 1u);
    EXPECT_EQ(start.Startup.wShowWindow, 0u);
    EXPECT_EQ(StandIn.WideningCodePages, std::vector<uint32_t>{3});
}

TEST_F(PatchInstallerTest, AnEmptyTailEndsWithTheFileNameAndOneBlank) {
    ASSERT_TRUE(RunPatchInstaller("", PatchFileName));
    EXPECT_EQ(StandIn.Started.at(0).CommandLine,
              u"/C C:\\Windows\\system32\\msiexec.exe /p QuorvaneServer12v5Update.msp ");
}

TEST_F(PatchInstallerTest, ArgumentsAreWidenedWithTheThreadCodePage) {
    ASSERT_TRUE(RunPatchInstaller("TARGETDIR=\"C:\\\xC4pfel\"", PatchFileName));
    const std::u16string& line = StandIn.Started.at(0).CommandLine;
    EXPECT_EQ(line.substr(line.size() - 20), u"TARGETDIR=\"C:\\\u00C4pfel\"");
}

TEST_F(PatchInstallerTest, TheCommandLineIsStartedWholeOrNotAtAll) {
    const std::u16string fixed = u"/C C:\\Windows\\system32\\msiexec.exe /p QuorvaneServer12v5Update.msp ";
    const std::string fits(999 - fixed.size(), 'a');
    ASSERT_TRUE(RunPatchInstaller(fits.c_str(), PatchFileName));
    EXPECT_EQ(StandIn.Started.at(0).CommandLine.size(), 999u);

    ResetStandIn();
    const std::string tooLong(1000 - fixed.size(), 'a');
    EXPECT_FALSE(RunPatchInstaller(tooLong.c_str(), PatchFileName));
    EXPECT_TRUE(StandIn.Started.empty());
    EXPECT_EQ(StandIn.ExitCodeQueries, 0);
}

TEST_F(PatchInstallerTest, ASystemDirectoryThatDoesNotFitStartsNothing) {
    // 259 characters fit the query, but not with "\cmd.exe" after them.
    StandIn.SystemDirectory = u"C:\\" + std::u16string(256, u'w');
    EXPECT_FALSE(RunPatchInstaller("", PatchFileName));
    StandIn.SystemDirectory = u"C:\\" + std::u16string(257, u'w');
    EXPECT_FALSE(RunPatchInstaller("", PatchFileName));
    StandIn.SystemDirectory = u"C:\\" + std::u16string(259 - 3 - 8, u'w');
    EXPECT_TRUE(RunPatchInstaller("", PatchFileName));
    EXPECT_EQ(StandIn.Started.size(), 1u);
}

TEST_F(PatchInstallerTest, NothingIsWaitedForWhenNoProcessStarted) {
    StandIn.CreateProcessFails = true;
    EXPECT_FALSE(RunPatchInstaller("", PatchFileName));
    EXPECT_EQ(StandIn.ExitCodeQueries, 0);
    EXPECT_EQ(StandIn.Waits, 0);

    ResetStandIn();  // an unresolved folder starts nothing either
    WorkingDirectory[0] = 0;
    EXPECT_FALSE(RunPatchInstaller("", PatchFileName));
    EXPECT_TRUE(StandIn.Started.empty());
}

struct WaitRow {
    const char* Name;
    int RunsForWaits;
    uint32_t ExitCode;
    bool QueryFails;
    bool WaitFails;
    uint32_t Expected;
};

class WaitForChildTest : public StandInTableTest<WaitRow> {};

TEST_P(WaitForChildTest, EndsOnceTheChildHasEnded) {
    const WaitRow& row = GetParam();
    StandIn.ChildRunsForWaits = row.RunsForWaits;
    StandIn.ChildExitCode = row.ExitCode;
    StandIn.ExitCodeQueryFails = row.QueryFails;
    StandIn.WaitFails = row.WaitFails;
    PlatformServices::ProcessHandle process = nullptr;
    const PlatformServices::StartupRecord startup = {};
    char16_t commandLine[] = u"child";
    ASSERT_TRUE(PlatformServices::CreateProcessW(u"a", commandLine, false, 0, u"b", &startup, &process));
    EXPECT_EQ(WaitForChild(process), row.Expected);
    const int waits = row.WaitFails ? 1 : row.RunsForWaits + (row.ExitCode == 259 || row.QueryFails ? 1 : 0);
    EXPECT_EQ(StandIn.Waits, waits);
    // One exit-code query per 1 ms wait, and one more at the end.
    EXPECT_EQ(StandIn.ExitCodeQueries, StandIn.Waits + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Children, WaitForChildTest,
    ::testing::Values(WaitRow{"AlreadyEnded", 0, 7, false, false, 7},
                      WaitRow{"RunsAWhile", 40, 0, false, false, 0},
                      WaitRow{"FailingInstaller", 5, 1603, false, false, 1603},
                      WaitRow{"EndsWithStillActiveItself", 5, 259, false, false, 259},
                      WaitRow{"ExitCodeCannotBeRead", 5, 0, true, false, 259},
                      WaitRow{"WaitFails", 5, 3, false, true, 259}),
    RowName());

}  // namespace
