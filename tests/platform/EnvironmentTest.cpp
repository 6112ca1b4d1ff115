// Environment variables: whole values of any length, setting, removing.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/Environment.h"
#include "platform/WindowsError.h"

namespace {

constexpr const char* kName = "TARVIK_TEST_VARIABLE";

class Environment : public ::testing::Test {
protected:
    void TearDown() override { SetEnvironmentVariableA(kName, nullptr); }
};

TEST_F(Environment, ValuesComeBackWholeWhateverTheirLength) {
    // 1023 characters fit the first buffer exactly; longer values (a long PATH) must not come back
    // empty or cut.
    for (std::size_t length : {0u, 1u, 1022u, 1023u, 1024u, 1025u, 5000u, 32000u}) {
        SCOPED_TRACE(length);
        std::string value(length, 'v');
        if (length > 0)
            value.back() = 'E';
        SetEnvVar(kName, value);
        EXPECT_EQ(GetEnvVar(kName), value);
        EXPECT_EQ(GetEnvVar(std::string(kName)), value);
    }
}

TEST_F(Environment, MissingVariableReadsAsEmpty) {
    EXPECT_EQ(GetEnvVar(kName), "");
}


TEST_F(Environment, ExtendingALongPathKeepsIt) {
    const std::string path = std::string(3000, 'p') + ";C:\\bin";
    SetEnvVar(kName, path);
    SetEnvVar(kName, GetEnvVar(kName) + ";C:\\tools");
    EXPECT_EQ(GetEnvVar(kName), path + ";C:\\tools");
}

TEST_F(Environment, DeleteRemovesAndToleratesAMissingVariable) {
    SetEnvVarUnchecked(kName, "value");
    EXPECT_EQ(GetEnvVar(kName), "value");
    DeleteEnvVar(kName);
    EXPECT_EQ(GetEnvVar(kName), "");
    EXPECT_NO_THROW(DeleteEnvVar(std::string(kName)));
}


}  // namespace
