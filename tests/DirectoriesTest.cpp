#include <gtest/gtest.h>

#include <string>

#include "Directories.h"
#include "FixedText.h"
#include "StandInTest.h"

namespace {

struct DirectoryRow {
    const char* Name;
    std::u16string CommandLine;
    std::u16string CurrentDirectory;
    std::map<std::u16string, std::u16string> ShortForms;
    bool Wow64;
    std::u16string Package;
    std::u16string Working;
};

class ResolveDirectoriesTest : public StandInTableTest<DirectoryRow> {};

TEST_P(ResolveDirectoriesTest, FindsThePackageAndTheArchitectureFolder) {
    const DirectoryRow& row = GetParam();
    StandIn.CommandLineW = row.CommandLine;
    StandIn.CurrentDirectory = row.CurrentDirectory;
    StandIn.ShortForms = row.ShortForms;
    StandIn.Wow64 = row.Wow64;
    ASSERT_TRUE(ResolveDirectories());
    EXPECT_EQ(std::u16string(PackageDirectory), row.Package);
    EXPECT_EQ(std::u16string(WorkingDirectory), row.Working);
}

const std::map<std::u16string, std::u16string> ShortForms = {
    {u"c:\\program files\\pkg\\", u"c:\\progra~1\\pkg\\"},
    {u"C:\\Program Files\\Pkg", u"C:\\PROGRA~1\\Pkg"},
    {u"c:\\setup files\\", u"c:\\setupf~1\\"},
    {u"c:\\product setup\\", u"c:\\produc~1\\"},
    {u"..\\my pkg\\", u"..\\mypkg~1\\"},
};

INSTANTIATE_TEST_SUITE_P(
    ArgumentZero, ResolveDirectoriesTest,
    ::testing::Values(
        DirectoryRow{"FullPath64", u"C:\\Pkg\\Setup.exe /q", u"C:\\Elsewhere", ShortForms, true,
                     u"c:\\pkg\\", u"c:\\pkg\\64-bit\\"},
        DirectoryRow{"FullPath32", u"C:\\Pkg\\Setup.exe", u"C:\\Elsewhere", ShortForms, false,
                     u"c:\\pkg\\", u"c:\\pkg\\32-bit\\"},
        DirectoryRow{"QuotedPathWithBlanks", u"\"C:\\Program Files\\Pkg\\setup.exe\" /q", u"C:\\",
                     ShortForms, true, u"c:\\progra~1\\pkg\\", u"c:\\progra~1\\pkg\\64-bit\\"},
        DirectoryRow{"BareName32", u"SETUP.EXE", u"C:\\Program Files\\Pkg", ShortForms, false,
                     u"C:\\PROGRA~1\\Pkg", u"C:\\PROGRA~1\\Pkg\\32-bit\\"},
        DirectoryRow{"BareName64", u"setup", u"C:\\Pkg", ShortForms, true, u"C:\\Pkg",
                     u"C:\\Pkg\\64-bit\\"},
        // A folder the ANSI code page cannot hold survives: the folder is asked for in UTF-16.
        DirectoryRow{"BareNameCyrillicFolder", u"setup.exe", u"C:\\\u041F\u0430\u043A\u0435\u0442", {}, true,
                     u"C:\\\u041F\u0430\u043A\u0435\u0442", u"C:\\\u041F\u0430\u043A\u0435\u0442\\64-bit\\"},
        DirectoryRow{"RelativeFromParent", u"\"..\\My Pkg\\setup.exe\"", u"C:\\Work", ShortForms, true,
                     u"..\\mypkg~1\\", u"C:\\Work\\..\\mypkg~1\\64-bit\\"},
        DirectoryRow{"RelativeSubfolder", u"pkg\\setup.exe", u"C:\\Work", {}, false, u"pkg\\",
                     u"C:\\Work\\pkg\\32-bit\\"},
        DirectoryRow{"NetworkPathEqualToCurrentDirectory", u"\\\\Server\\Share\\setup.exe",
                     u"\\\\server\\SHARE", {}, true, u"\\\\server\\SHARE\\",
                     u"\\\\server\\SHARE\\64-bit\\"},
        DirectoryRow{"ColonBeyondTheDrivePosition", u"\\\\?\\C:\\Pkg\\setup.exe", u"D:\\", {}, true,
                     u"\\\\?\\c:\\pkg\\", u"\\\\?\\c:\\pkg\\64-bit\\"},
        DirectoryRow{"ForwardSlashes", u"C:/Pkg/setup.exe", u"D:\\", {}, true, u"c:/pkg/",
                     u"c:/pkg/64-bit\\"},
        // The launcher's own folder, wherever "setup" stands in the path, and whatever its name.
        DirectoryRow{"FolderNamedSetupFiles", u"\"C:\\Setup Files\\setup.exe\"", u"C:\\", ShortForms,
                     true, u"c:\\setupf~1\\", u"c:\\setupf~1\\64-bit\\"},
        DirectoryRow{"FolderNamedProductSetup", u"\"C:\\Product Setup\\setup.exe\"", u"C:\\",
                     ShortForms, true, u"c:\\produc~1\\", u"c:\\produc~1\\64-bit\\"},
        DirectoryRow{"RenamedLauncher", u"C:\\Pkg\\update.exe", u"C:\\", {}, true, u"c:\\pkg\\",
                     u"c:\\pkg\\64-bit\\"},
        DirectoryRow{"RenamedLauncherByBareName", u"update.exe", u"C:\\Pkg", {}, false, u"C:\\Pkg",
                     u"C:\\Pkg\\32-bit\\"}),
    RowName());

class DirectoriesTest : public StandInTest {};

TEST_F(DirectoriesTest, AFailingWow64QueryMeans32BitWindows) {
    StandIn.Wow64QueryFails = true;
    EXPECT_EQ(IsWow64(), 0);
    ASSERT_TRUE(ResolveDirectories());
    EXPECT_EQ(std::u16string(WorkingDirectory), u"c:\\pkg\\32-bit\\");
    StandIn.Wow64QueryFails = false;
    StandIn.Wow64 = false;
    EXPECT_EQ(IsWow64(), 0);
    StandIn.Wow64 = true;
    EXPECT_EQ(IsWow64(), 1);
}

TEST_F(DirectoriesTest, AFailedShortPathQueryLeavesTheLongForm) {
    StandIn.ShortPathFails = true;
    StandIn.CommandLineW = u"\"C:\\Program Files\\Pkg\\setup.exe\"";
    ASSERT_TRUE(ResolveDirectories());
    EXPECT_EQ(std::u16string(PackageDirectory), u"c:\\program files\\pkg\\");
    EXPECT_EQ(std::u16string(WorkingDirectory), u"c:\\program files\\pkg\\64-bit\\");

    StandIn.CommandLineW = u"setup.exe";
    StandIn.CurrentDirectory = u"C:\\Program Files\\Pkg";
    ASSERT_TRUE(ResolveDirectories());
    EXPECT_EQ(std::u16string(PackageDirectory), u"C:\\Program Files\\Pkg");
    EXPECT_EQ(std::u16string(WorkingDirectory), u"C:\\Program Files\\Pkg\\64-bit\\");
}

// Rows at the limits of the command line, WorkingDirectory and the current directory.
struct LimitRow {
    const char* Name;
    std::u16string CommandLine;
    std::u16string CurrentDirectory;
    bool Fits;
};

class DirectoryLimitTest : public StandInTableTest<LimitRow> {};

TEST_P(DirectoryLimitTest, APathThatDoesNotFitIsNeverUsed) {
    const LimitRow& row = GetParam();
    StandIn.CommandLineW = row.CommandLine;
    StandIn.CurrentDirectory = row.CurrentDirectory;
    EXPECT_EQ(ResolveDirectories(), row.Fits);
    if (row.Fits) {
        EXPECT_LT(TextLength(WorkingDirectory), WorkingDirectoryLength);
        EXPECT_EQ(WorkingDirectory[TextLength(WorkingDirectory) - 1], u'\\');
    } else {
        EXPECT_EQ(PackageDirectory[0], 0);
        EXPECT_EQ(WorkingDirectory[0], 0);
    }
}

std::u16string Repeat(char16_t c, size_t count) { return std::u16string(count, c); }

// "C:\" + folder + "\" + "64-bit\" is 259 characters for a folder of 248.
INSTANTIATE_TEST_SUITE_P(
    Limits, DirectoryLimitTest,
    ::testing::Values(
        LimitRow{"CommandLineOf999", u"C:\\Pkg\\setup.exe /" + Repeat(u'q', 999 - 18), u"C:\\", true},
        LimitRow{"CommandLineOf1000", u"C:\\Pkg\\setup.exe /" + Repeat(u'q', 1000 - 18), u"C:\\", false},
        LimitRow{"WorkingDirectoryOf259", u"C:\\" + Repeat(u'p', 248) + u"\\setup.exe", u"C:\\", true},
        LimitRow{"WorkingDirectoryOf260", u"C:\\" + Repeat(u'p', 249) + u"\\setup.exe", u"C:\\", false},
        LimitRow{"BareNameWorkingDirectoryOf260", u"setup.exe", u"C:\\" + Repeat(u'p', 249), false},
        LimitRow{"RelativeWorkingDirectoryOf260", u"p\\setup.exe", u"C:\\" + Repeat(u'p', 247), false},
        LimitRow{"CurrentDirectoryOf999", u"setup.exe", u"C:\\" + Repeat(u'p', 996), false},
        LimitRow{"CurrentDirectoryOf1000", u"p\\setup.exe", u"C:\\" + Repeat(u'p', 997), false}),
    RowName());

TEST_F(DirectoriesTest, FailingQueriesLeaveBothFoldersEmpty) {
    StandIn.ArgvFails = true;
    EXPECT_FALSE(ResolveDirectories());
    EXPECT_EQ(WorkingDirectory[0], 0);

    ResetStandIn();
    StandIn.CommandLineW = u"setup.exe";
    StandIn.CurrentDirectoryFails = true;
    EXPECT_FALSE(ResolveDirectories());
    EXPECT_EQ(PackageDirectory[0], 0);
    EXPECT_EQ(WorkingDirectory[0], 0);
}

TEST_F(DirectoriesTest, ALongCommandLineIsNeverSplit) {
    StandIn.CommandLineW = u"C:\\Pkg\\setup.exe " + Repeat(u'x', 2000);
    EXPECT_FALSE(ResolveDirectories());
    EXPECT_TRUE(CallsStartingWith("CommandLineToArgvW").empty());
}

}  // namespace
