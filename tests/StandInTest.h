#pragma once
#include <gtest/gtest.h>

#include <string>

#include "Directories.h"
#include "StandInPlatform.h"

// Every test starts from a fresh stand-in and empty process-wide buffers.
inline void StartFresh() {
    ResetStandIn();
    PackageDirectory[0] = 0;
    WorkingDirectory[0] = 0;
}

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override { StartFresh(); }
};

template <typename Row>
class StandInTableTest : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override { StartFresh(); }
};

// Names each row of a table after its Name field.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.Name;
    }
};
