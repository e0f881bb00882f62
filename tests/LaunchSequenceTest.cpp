#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "LaunchSequence.h"
#include "StandInTest.h"

namespace {

const std::string Product1 = "{4A7C2E19-B3D5-4F68-9E01-7D25C6A8B943}";

class RunUpdateTest : public StandInTest {
protected:
    void Install() { StandIn.Products[Product1] = {0, "12.0.4.405", false}; }
};

TEST_F(RunUpdateTest, ARefusalShowsTheMessageEndsWith1AndStartsNothing) {
    EXPECT_EQ(RunUpdate("/q /s"), RefusedByVersionGate);
    EXPECT_EQ(StandIn.Boxes.size(), 1u);
    EXPECT_TRUE(StandIn.Started.empty());
    // The directories were resolved first all the same.
    const auto& calls = StandIn.Calls;
    EXPECT_LT(std::find(calls.begin(), calls.end(), "GetCommandLineW") - calls.begin(),
              std::find_if(calls.begin(), calls.end(),
                           [](const std::string& call) { return call.rfind("Msi", 0) == 0; }) -
                  calls.begin());
    EXPECT_EQ(std::u16string(WorkingDirectory), u"c:\\pkg\\64-bit\\");
}

TEST_F(RunUpdateTest, TheRequiredVersionRunsThePatchAndEndsWith0) {
    Install();
    StandIn.ChildRunsForWaits = 20;
    EXPECT_EQ(RunUpdate("X /s"), PatchInstallerRan);
    EXPECT_TRUE(StandIn.Boxes.empty());
    ASSERT_EQ(StandIn.Started.size(), 1u);
    EXPECT_EQ(StandIn.Started[0].CommandLine,
              u"/C C:\\Windows\\system32\\msiexec.exe /p QuorvaneServer12v5Update.msp X ");
    EXPECT_EQ(StandIn.Started[0].CurrentDirectory, u"c:\\pkg\\64-bit\\");
    EXPECT_EQ(StandIn.Waits, 20) << "the launcher ends only after the child";
    EXPECT_EQ(StandIn.Calls.back(), "CreateProcessW");
}

TEST_F(RunUpdateTest, AFailingPatchInstallerStillEndsWith0) {
    Install();
    StandIn.ChildExitCode = 1603;
    EXPECT_EQ(RunUpdate(""), PatchInstallerRan);
}

TEST_F(RunUpdateTest, WhatCannotBeStartedWholeEndsWith2) {
    Install();
    StandIn.CreateProcessFails = true;
    EXPECT_EQ(RunUpdate(""), PatchInstallerNotStarted);
    EXPECT_EQ(StandIn.ExitCodeQueries, 0);

    ResetStandIn();
    Install();
    EXPECT_EQ(RunUpdate(std::string(1000, 'q').c_str()), PatchInstallerNotStarted);
    EXPECT_TRUE(StandIn.Started.empty());

    ResetStandIn();
    Install();
    StandIn.CommandLineW = u"C:\\Pkg\\setup.exe " + std::u16string(1000, u'q');
    EXPECT_EQ(RunUpdate(""), PatchInstallerNotStarted);
    EXPECT_TRUE(StandIn.Started.empty());
}

TEST_F(RunUpdateTest, UnresolvedDirectoriesStillGetTheRefusalExplained) {
    StandIn.CommandLineW = u"C:\\Pkg\\setup.exe " + std::u16string(1000, u'q');
    EXPECT_EQ(RunUpdate(""), RefusedByVersionGate);
    EXPECT_EQ(StandIn.Boxes.size(), 1u);
}

}  // namespace
