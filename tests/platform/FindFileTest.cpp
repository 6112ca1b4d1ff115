// Directory searches: every match with its long name, short name and kind; nothing for no match.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/FindFile.h"
#include "support/TempDir.h"

namespace {

TEST(FindFile, MatchesCarryNameShortNameAndKind) {
    TempDir temp;
    CreateDirectoryA(temp.File("A Long Folder Name").c_str(), nullptr);
    temp.Write("b.txt", "");
    const std::vector<FoundEntry> all = FindAllMatches(temp.File("*"));
    ASSERT_EQ(all.size(), 4u);  // ".", "..", and the two entries, in the system's sorted order
    EXPECT_EQ(all[2].name, "A Long Folder Name");
    EXPECT_TRUE(all[2].isFolder);
    EXPECT_FALSE(all[2].shortName.empty());
    EXPECT_EQ(all[3].name, "b.txt");
    EXPECT_FALSE(all[3].isFolder);
    EXPECT_EQ(FindFirstMatch(temp.File("B.*"))->name, "b.txt");
    EXPECT_FALSE(FindFirstMatch(temp.File("nosuch")));
    EXPECT_TRUE(FindAllMatches(temp.File("nosuch\\*")).empty());
}

}  // namespace
