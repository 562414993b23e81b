#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_test_folder.h"
#include "support/file_outcome.h"

namespace merrith::mFSO {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// An empty file leaves the array as passed, and so does a failure: no file, no folder, a folder.
TEST(ReadAllBytes, ReadsTheWholeFileOrFailsAndLeavesTheArrayAsPassed) {
  testing::TestFolder Folder;
  Folder.Put("action.txt", {0x31, 0x30, 0x35, 0x0D, 0x0A});
  Folder.Put("empty.txt", {});
  std::filesystem::create_directory(Folder.Path("list"));
  Bytes Read{7};
  EXPECT_EQ(ReadAllBytes(Folder.Text("empty.txt"), Read), 0);
  for (const char* Name : {"missing.txt", "no-folder/action.txt", "list"})
    EXPECT_NE(ReadAllBytes(Folder.Text(Name), Read), 0) << Name;
  EXPECT_EQ(Read, Bytes{7});
  EXPECT_EQ(ReadAllBytes(Folder.Text("action.txt"), Read), 0);
  EXPECT_EQ(Read, (Bytes{0x31, 0x30, 0x35, 0x0D, 0x0A}));
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

// Made as the user would, with the system's own calls; a system that cannot make symbolic
// links (Windows without the right to) skips the test.
bool MadeLink(const std::filesystem::path& Target, const std::filesystem::path& Link) {
  std::error_code Failed;
  std::filesystem::create_symlink(Target, Link, Failed);
  return !Failed;
}

// A competition opened through a link is saved into the file the link leads to, by a rename in
// that file's own folder; the link stays a link and nothing is left beside either.
TEST(WriteFileBytes, WritesThroughALinkIntoItsFinalTarget) {
  testing::TestFolder Folder;
  std::filesystem::create_directories(Folder.Path("pool/links"));
  Folder.Put("meet.txt", {1});
  if (!MadeLink("../../meet.txt", Folder.Path("pool/links/meet.txt"))) GTEST_SKIP();
  ASSERT_TRUE(MadeLink("meet.txt", Folder.Path("pool/links/again.txt")));  // a link to a link
  const struct {
    const char* Name;
    Bytes Dives;
  } Saves[] = {
      { "pool/links/meet.txt", {'1', '0', '5', 'B'}},
      {"pool/links/again.txt",                {'2'}}
  };
  for (const auto& Save : Saves) {
    ASSERT_TRUE(WriteFileBytes(Folder.Text(Save.Name), Save.Dives).Done()) << Save.Name;
    EXPECT_EQ(Folder.Get("meet.txt"), Save.Dives) << Save.Name;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(Folder.Path("pool/links/meet.txt")));
  EXPECT_TRUE(std::filesystem::is_symlink(Folder.Path("pool/links/again.txt")));
  EXPECT_EQ(Folder.Names(), (Names{"meet.txt", "pool"}));
  EXPECT_EQ(Folder.Names("pool/links"), (Names{"again.txt", "meet.txt"}));
}

// A page is never written over the competition it is made from, whatever the path it is given.
TEST(SameFile, TellsOneFileUnderEveryNameFromTwoFilesAlike) {
  testing::TestFolder Folder;
  Folder.Put("meet.txt", {1});
  Folder.Put("copy.txt", {1});
  std::filesystem::create_hard_link(Folder.Path("meet.txt"), Folder.Path("hard.txt"));
  const bool Linked = MadeLink("meet.txt", Folder.Path("link.txt"));
  const struct {
    const char* Other;
    bool Same;
  } Cases[] = {
      {   "meet.txt",   true},
      { "./meet.txt",   true},
      {   "hard.txt",   true},
      {   "link.txt", Linked},
      {   "copy.txt",  false},
      {"missing.txt",  false},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(SameFile(Folder.Text("meet.txt"), Folder.Text(Case.Other)), Case.Same) << Case.Other;
  }
}

}  // namespace
}  // namespace merrith::mFSO
