#include <gtest/gtest.h>

#include <string>

#include "StandInTest.h"
#include "VersionGate.h"

namespace {

const std::string Product1 = "{4A7C2E19-B3D5-4F68-9E01-7D25C6A8B943}";
const std::string Product2 = "{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}";
const std::string UninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}";

struct CompareRow {
    const char* Name;
    std::string Installed;
    VersionProbeResult Expected;
};

class CompareVersionTextTest : public ::testing::TestWithParam<CompareRow> {};

TEST_P(CompareVersionTextTest, OnlyIdenticalTextMatches) {
    const CompareRow& row = GetParam();
    EXPECT_EQ(CompareVersionText(row.Installed.c_str(), row.Installed.size() + 1, "12.0.4.405"), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CompareVersionTextTest,
    ::testing::Values(CompareRow{"Required", "12.0.4.405", Match},
                      CompareRow{"NextBuild", "12.0.4.406", Newer},
                      CompareRow{"NextMinor", "12.0.5.0", Newer},
                      CompareRow{"PreviousBuild", "12.0.4.404", Older},
                      CompareRow{"TrailingBlank", "12.0.4.405 ", Newer},
                      CompareRow{"LeadingZero", "12.0.04.405", Older},
                      CompareRow{"Prefix", "12.0.4.40", Older},
                      CompareRow{"Empty", "", Older},
                      CompareRow{"NumericallyLargerButSortsFirst", "9.0", Newer},
                      // Bytes compare unsigned: a high byte sorts after every digit.
                      CompareRow{"HighByte", "12.0.4.40\xE9", Newer}),
    RowName());

TEST(CompareVersionText, NothingPastTheLengthIsRead) {
    // Exactly the required bytes and no terminator within the length: the text ends there.
    const char exact[10] = {'1', '2', '.', '0', '.', '4', '.', '4', '0', '5'};
    EXPECT_EQ(CompareVersionText(exact, sizeof(exact), "12.0.4.405"), Match);
    EXPECT_EQ(CompareVersionText(exact, 9, "12.0.4.405"), Older);
    // A full buffer of other bytes is not the required text.
    std::string full(VersionValueLength, '9');
    EXPECT_EQ(CompareVersionText(full.data(), full.size(), "12.0.4.405"), Newer);
}

class InstallerProbeTest : public StandInTest {};

TEST_F(InstallerProbeTest, AsksForTheVersionStringInto260Bytes) {
    StandIn.Products[Product1] = {0, "12.0.4.405", false};
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Match);
    EXPECT_EQ(StandIn.Calls, std::vector<std::string>{"MsiGetProductInfoA " + Product1 + " VersionString"});
    EXPECT_EQ(StandIn.InstallerLengths, std::vector<uint32_t>{260});
}

TEST_F(InstallerProbeTest, GivesUnavailableWithoutAnAnswer) {
    EXPECT_EQ(QueryInstallerVersion(nullptr, "12.0.4.405"), Unavailable);
    EXPECT_TRUE(StandIn.Calls.empty());
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Unavailable);  // unknown
    StandIn.Products[Product1] = {1610, "12.0.4.405", false};                       // failing query
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Unavailable);
    StandIn.Products[Product1] = {0, std::string(300, '1'), false};  // longer than the buffer
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Unavailable);
    StandIn.Products[Product1] = {0, "12.0.4.405", false};
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), nullptr), Unavailable);
}

TEST_F(InstallerProbeTest, AnUnterminatedAnswerIsComparedOnlyWithinTheBuffer) {
    StandIn.Products[Product1] = {0, "12.0.4.405" + std::string(250, ' '), true};
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Newer);
    StandIn.Products[Product1] = {0, std::string(400, '9'), true};  // reports more than it wrote
    EXPECT_EQ(QueryInstallerVersion(Product1.c_str(), "12.0.4.405"), Newer);
}

struct RegistryRow {
    const char* Name;
    bool KeyPresent;
    RegistryValue Value;
    VersionProbeResult Expected;
};

class UninstallProbeTest : public StandInTableTest<RegistryRow> {};

TEST_P(UninstallProbeTest, ReadsDisplayVersionFromThe64BitView) {
    const RegistryRow& row = GetParam();
    if (row.KeyPresent) StandIn.RegistryKeys[UninstallKey]["DisplayVersion"] = row.Value;
    EXPECT_EQ(QueryUninstallVersion("12.0.4.405", UninstallKeyPath, UninstallValueName, UninstallAccessMask),
              row.Expected);
    EXPECT_EQ(StandIn.RegistryAccess, std::vector<uint32_t>{0x20119});
    EXPECT_EQ(StandIn.OpenKeys, 0) << "the key is closed on every path";
    EXPECT_EQ(CallsStartingWith("RegCloseKey").size(), row.KeyPresent ? 1u : 0u);
}

const std::string Unterminated260 = "12.0.4.405" + std::string(250, 'x');

INSTANTIATE_TEST_SUITE_P(
    Values, UninstallProbeTest,
    ::testing::Values(
        RegistryRow{"NoKey", false, {}, Unavailable},
        RegistryRow{"NoValue", true, {false, ""}, Unavailable},
        RegistryRow{"Required", true, {true, std::string("12.0.4.405", 11)}, Match},
        RegistryRow{"RequiredWithoutTerminator", true, {true, "12.0.4.405"}, Match},
        RegistryRow{"TextEndsAtItsTerminator", true, {true, std::string("12.0.4.405\0junk", 15)}, Match},
        RegistryRow{"Newer", true, {true, std::string("12.0.5.0", 9)}, Newer},
        RegistryRow{"TrailingBlank", true, {true, std::string("12.0.4.405 ", 12)}, Newer},
        RegistryRow{"Full260BytesUnterminated", true, {true, Unterminated260}, Newer},
        RegistryRow{"LongerThanTheBuffer", true, {true, std::string(261, '1')}, Unavailable},
        RegistryRow{"DwordValue", true, {true, std::string("\x95\x01\0\0", 4)}, Newer}),
    RowName());

struct GateRow {
    const char* Name;
    std::map<std::string, InstallerAnswer> Products;
    std::string DisplayVersion;  // empty: no uninstall entry
    bool Expected;
    std::vector<std::string> Probes;
};

class GateTest : public StandInTableTest<GateRow> {};

TEST_P(GateTest, ProbesEachRowAndOnlyMatchCounts) {
    const GateRow& row = GetParam();
    StandIn.Products = row.Products;
    if (!row.DisplayVersion.empty()) {
        StandIn.RegistryKeys[UninstallKey]["DisplayVersion"] = {true, row.DisplayVersion + '\0'};
    }
    EXPECT_EQ(IsRequiredVersionInstalled(), row.Expected);
    std::vector<std::string> probes;
    for (const std::string& call : StandIn.Calls) {
        if (call.rfind("MsiGetProductInfoA ", 0) == 0) probes.push_back(call.substr(19, 38));
        if (call.rfind("RegOpenKeyExA ", 0) == 0) probes.push_back("uninstall entry");
    }
    EXPECT_EQ(probes, row.Probes);
}

const InstallerAnswer Required = {0, "12.0.4.405", false};
const std::vector<std::string> AllProbes = {Product1, "uninstall entry", Product2, "uninstall entry"};

INSTANTIATE_TEST_SUITE_P(
    InstalledStates, GateTest,
    ::testing::Values(
        GateRow{"NothingInstalled", {}, "", false, AllProbes},
        GateRow{"Product1", {{Product1, Required}}, "", true, {Product1, Product2, "uninstall entry"}},
        GateRow{"Product2", {{Product2, Required}}, "", true, {Product1, "uninstall entry", Product2}},
        GateRow{"BothProducts", {{Product1, Required}, {Product2, Required}}, "", true, {Product1, Product2}},
        GateRow{"UninstallEntryOnly", {}, "12.0.4.405", true, AllProbes},
        GateRow{"NewerBuild", {{Product1, {0, "12.0.4.406", false}}}, "", false, AllProbes},
        GateRow{"NewerVersion", {{Product2, {0, "12.0.5.0", false}}}, "12.0.5.0", false, AllProbes},
        GateRow{"Older", {{Product1, {0, "12.0.4.400", false}}}, "12.0.3.0", false, AllProbes},
        GateRow{"TrailingBlank", {{Product1, {0, "12.0.4.405 ", false}}}, "12.0.4.405 ", false, AllProbes},
        GateRow{"LeadingZero", {{Product2, {0, "12.0.04.405", false}}}, "", false, AllProbes}),
    RowName());

}  // namespace
