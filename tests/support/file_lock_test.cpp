#include "support/file_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "file_test_folder.h"

namespace merrith {
namespace {

// Two windows on one competition: the second is kept out and told who records, until the first
// lets go; the lock file goes with the last holder.
TEST(CFileLock, KeepsASecondHolderOutAndTellsItWho) {
  testing::TestFolder Folder;
  Folder.Put("meet.txt", {1});
  CFileLock First;
  CFileLock Second;
  ASSERT_TRUE(First.Take(Folder.Text("meet.txt"), u"ann on poolside-laptop").Taken);
  const LockAttempt Refused = Second.Take(Folder.Text("meet.txt"), u"bob");
  EXPECT_FALSE(Refused.Taken);
  EXPECT_EQ(Refused.Holder, u"ann on poolside-laptop");
  EXPECT_FALSE(Second.Held());
  First.Release();
  EXPECT_TRUE(Second.Take(Folder.Text("meet.txt"), u"bob").Taken);
  Second.Release();
  EXPECT_EQ(Folder.Names(), std::vector<std::string>{"meet.txt"});
}

// The lock belongs to the file, whichever link it was opened through, and moves with its object.
TEST(CFileLock, IsTheFilesWhateverItsNameAndMovesWithItsObject) {
  testing::TestFolder Folder;
  Folder.Put("meet.txt", {1});
  std::error_code Failed;
  std::filesystem::create_symlink("meet.txt", Folder.Path("link.txt"), Failed);
  if (Failed) GTEST_SKIP() << "this system makes no symbolic links";
  CFileLock Moved;
  {
    CFileLock First;
    ASSERT_TRUE(First.Take(Folder.Text("link.txt"), u"ann").Taken);
    Moved = std::move(First);
  }
  EXPECT_TRUE(Moved.Held());
  CFileLock Second;
  EXPECT_EQ(Second.Take(Folder.Text("meet.txt"), u"bob").Holder, u"ann");
  Moved = CFileLock();
  EXPECT_TRUE(Second.Take(Folder.Text("meet.txt"), u"bob").Taken);
}

}  // namespace
}  // namespace merrith
