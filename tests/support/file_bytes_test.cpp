#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_test_folder.h"

namespace merrith::mFSO {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

TEST(ReadAllBytes, ReadsTheWholeFileAndLeavesTheArrayAsPassedForAnEmptyOne) {
  testing::TestFolder Folder;
  Folder.Put("action.txt", {0x31, 0x30, 0x35, 0x0D, 0x0A});
  Folder.Put("empty.txt", {});
  Bytes Read{7};
  EXPECT_EQ(ReadAllBytes(Folder.Text("empty.txt"), Read), 0);
  EXPECT_EQ(Read, Bytes{7});
  EXPECT_EQ(ReadAllBytes(Folder.Text("action.txt"), Read), 0);
  EXPECT_EQ(Read, (Bytes{0x31, 0x30, 0x35, 0x0D, 0x0A}));
}

TEST(ReadAllBytes, FailsAndLeavesTheArrayUntouchedWhenThereIsNoFileToRead) {
  testing::TestFolder Folder;
  std::filesystem::create_directory(Folder.Path("list"));
  for (const char* Name : {"missing.txt", "no-folder/action.txt", "list"}) {
    Bytes Read{7};
    EXPECT_NE(ReadAllBytes(Folder.Text(Name), Read), 0) << Name;
    EXPECT_EQ(Read, Bytes{7}) << Name;
  }
}

TEST(WriteAllBytes, CreatesOrReplacesTheWholeFile) {
  testing::TestFolder Folder;
  ASSERT_EQ(WriteAllBytes(Folder.Text("out.htm"), {1, 2, 3, 4, 5}), 0);
  ASSERT_EQ(WriteAllBytes(Folder.Text("out.htm"), {9, 8}), 0);  // no tail of the longer file
  EXPECT_EQ(Folder.Get("out.htm"), (Bytes{9, 8}));
  ASSERT_EQ(WriteAllBytes(Folder.Text("out.htm"), {}), 0);
  EXPECT_EQ(Folder.Get("out.htm"), Bytes{});
  EXPECT_EQ(Folder.Names(), Names{"out.htm"});
}

TEST(WriteAllBytes, FailsAndChangesNothingWithoutAPlaceForTheFile) {
  testing::TestFolder Folder;
  std::filesystem::create_directory(Folder.Path("out.htm"));
  Folder.Put("out.htm/kept.txt", {1});
  EXPECT_NE(WriteAllBytes(Folder.Text("no-folder/out.htm"), {2}), 0);
  EXPECT_NE(WriteAllBytes(Folder.Text("out.htm"), {2}), 0);
  EXPECT_EQ(Folder.Names(), Names{"out.htm"});
  EXPECT_EQ(Folder.Get("out.htm/kept.txt"), Bytes{1});
}

}  // namespace
}  // namespace merrith::mFSO
