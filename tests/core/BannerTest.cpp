// The banner's version comes from the program file's version resource.
#include <gtest/gtest.h>

#include "core/Banner.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

TEST(Banner, VersionFromTheResourceOrUnknown) {
    struct Case {
        std::string path;
        std::string version;
    };
    const Case cases[] = {
        {BinPath("tarvik.exe"), kFileVersion},
        {BinPath("exitwith.exe"), "Unknown"},  // built without a version resource
        {BinPath("no-such-program.exe"), "Unknown"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(BannerVersion(c.path), c.version);
    }
}

}  // namespace
