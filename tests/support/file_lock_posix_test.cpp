#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "file_test_folder.h"
#include "support/file_lock.h"

namespace merrith {
namespace {

// A recorder that was killed keeps nobody out: its lock file stays, but its lock went with it.
TEST(CFileLock, IsTakenAfterItsHolderWasKilled) {
  testing::TestFolder Folder;
  const std::u16string Meet = Folder.Text("meet.txt");
  int Ready[2];
  ASSERT_EQ(::pipe(Ready), 0);
  const pid_t Child = ::fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    CFileLock Held;
    const char Taken = Held.Take(Meet, u"ann").Taken ? 'y' : 'n';
    [[maybe_unused]] const ssize_t Told = ::write(Ready[1], &Taken, 1);
    while (true) ::pause();
  }
  ::close(Ready[1]);  // so that a child that died early ends the read below
  char Taken = 'n';
  EXPECT_TRUE(::read(Ready[0], &Taken, 1) == 1 && Taken == 'y');
  ::close(Ready[0]);
  CFileLock Next;
  EXPECT_EQ(Next.Take(Meet, u"bob").Holder, u"ann");
  ::kill(Child, SIGKILL);
  ::waitpid(Child, nullptr, 0);
  EXPECT_TRUE(std::filesystem::exists(Folder.Path("meet.txt.lock")));
  EXPECT_TRUE(Next.Take(Meet, u"bob").Taken);
}

}  // namespace
}  // namespace merrith
