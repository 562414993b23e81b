#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>

#include "file_test_folder.h"
#include "support/file_bytes.h"
#include "support/file_calls_posix.h"
#include "support/file_outcome.h"

namespace merrith::mFSO {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// Puts the real system calls back after a test has stood in for some of them.
class FileCallsTest : public ::testing::Test {
 protected:
  void TearDown() override { ActiveFileCalls() = SystemFileCalls(); }
  FileCalls& Calls() { return ActiveFileCalls(); }
  merrith::testing::TestFolder Folder;
};

template <typename T>
T Fail(int Error) {
  errno = Error;
  return -1;
}

// A sparse file of Size bytes (it takes no disk space), where the file system can hold one.
bool MadeSparse(const std::filesystem::path& Path, off_t Size) {
  const int Fd = ::open(Path.c_str(), O_WRONLY | O_CREAT, 0644);
  EXPECT_GE(Fd, 0) << Path;
  const bool Sized = Fd >= 0 && ::ftruncate(Fd, Size) == 0;
  if (Fd >= 0) ::close(Fd);
  return Sized;
}

// A stand-in for fstat under which a regular file passes for a pipe.
int PassesForAPipe(int Fd, struct stat* Info) {
  const int Result = SystemFileCalls().Fstat(Fd, Info);
  Info->st_mode = S_IFIFO | 0600;
  return Result;
}

// A list longer than a pipe holds at once, so that it comes in several reads.
Bytes LongList() {
  Bytes List(200000);
  for (std::size_t I = 0; I < List.size(); ++I) List[I] = static_cast<std::uint8_t>(I % 251);
  return List;
}

// A FIFO reports the size 0 whatever is on its way; it is read to its end all the same. A
// writer that closes at once gives no bytes, and the array stays as passed, as for an empty file.
TEST_F(FileCallsTest, ReadsAFifoToItsEnd) {
  std::signal(SIGPIPE, SIG_IGN);  // a writer left alone gets EPIPE instead
  const std::string Fifo = Folder.Path("list.txt").string();
  ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
  for (const Bytes& List : {LongList(), Bytes{}}) {
    Bytes Got{7};
    // The far end, as a program piping the list in: it gives up when the reading end goes
    // away, so a reader that never comes fails the test instead of hanging it.
    std::thread Writer([&] {
      const int Fd = ::open(Fifo.c_str(), O_WRONLY | O_CLOEXEC);
      for (std::size_t At = 0; Fd >= 0 && At < List.size();) {
        const ssize_t Put = ::write(Fd, List.data() + At, List.size() - At);
        if (Put <= 0) break;
        At += static_cast<std::size_t>(Put);
      }
      if (Fd >= 0) ::close(Fd);
    });
    EXPECT_EQ(ReadAllBytes(Folder.Text("list.txt"), Got), 0);
    ::close(::open(Fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));  // frees a waiting writer
    Writer.join();
    EXPECT_EQ(Got, List.empty() ? Bytes{7} : List);
  }
}

// A file redirected to standard input is read from where it stands, not at the size it reports.
TEST_F(FileCallsTest, ReadsStandardInputFromWhereItStands) {
  Folder.Put("list.txt", {'1', '0', '5', '\r', '\n', '2', '0', '5'});
  const int File = ::open(Folder.Path("list.txt").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(File, 0);
  ::lseek(File, 3, SEEK_SET);  // as a script that has read the first line itself leaves it
  const int Saved = ::dup(STDIN_FILENO);
  ::dup2(File, STDIN_FILENO);
  Bytes Got;
  const std::int32_t Status = ReadStandardInput(Got);
  ::dup2(Saved, STDIN_FILENO);
  ::close(Saved);
  ::close(File);
  EXPECT_EQ(Status, 0);
  EXPECT_EQ(Got, (Bytes{'\r', '\n', '2', '0', '5'}));
}

// Stand-ins for read: the file in pieces; its end, or a failure, half way through it.
ssize_t InPieces(int Fd, void* Buffer, size_t Count) {
  return SystemFileCalls().Read(Fd, Buffer, std::min<size_t>(Count, 30000));
}
ssize_t EndsHalfWay(int Fd, void* Buffer, size_t Count) {
  return ::lseek(Fd, 0, SEEK_CUR) >= 100000 ? 0 : InPieces(Fd, Buffer, Count);
}
ssize_t FailsHalfWay(int Fd, void* Buffer, size_t Count) {
  return ::lseek(Fd, 0, SEEK_CUR) >= 100000 ? Fail<ssize_t>(EIO) : InPieces(Fd, Buffer, Count);
}

// A read that delivers the file in pieces is no failure; one that fails, or ends before the
// size the file reported (a file that shrank while being read), fails and leaves the array as
// passed, and so does a failing pipe, which is read without a size.
TEST_F(FileCallsTest, ReadInPiecesSucceedsAndAFailedOneLeavesTheArrayUntouched) {
  Folder.Put("list.txt", LongList());
  Bytes Got{7};
  Calls().Read = InPieces;
  EXPECT_EQ(ReadAllBytes(Folder.Text("list.txt"), Got), 0);
  EXPECT_EQ(Got, LongList());
  Got = {7};
  Calls().Read = EndsHalfWay;
  EXPECT_EQ(ReadAllBytes(Folder.Text("list.txt"), Got), EIO);
  Calls().Read = FailsHalfWay;
  EXPECT_EQ(ReadAllBytes(Folder.Text("list.txt"), Got), EIO);
  Calls().Fstat = PassesForAPipe;
  EXPECT_EQ(ReadAllBytes(Folder.Text("list.txt"), Got), EIO);
  EXPECT_EQ(Got, Bytes{7});
}

TEST_F(FileCallsTest, FileOfTwoGigabytesIsTooLarge) {
  if (!MadeSparse(Folder.Path("huge.txt"), off_t{1} << 31))
    GTEST_SKIP() << "this file system cannot hold a sparse file of 2 GiB";
  Bytes Got{7};
  EXPECT_EQ(ReadAllBytes(Folder.Text("huge.txt"), Got), EFBIG);
  EXPECT_EQ(Got, Bytes{7});
}

TEST_F(FileCallsTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  Folder.Put("out.htm", {'o', 'l', 'd'});
  auto Expect = [&](std::int32_t Status, const char* Fault) {
    EXPECT_EQ(WriteAllBytes(Folder.Text("out.htm"), Bytes(1000, 'n')), Status) << Fault;
    EXPECT_EQ(Folder.Get("out.htm"), (Bytes{'o', 'l', 'd'})) << Fault;
    EXPECT_EQ(Folder.Names(), Names{"out.htm"}) << Fault;
    Calls() = SystemFileCalls();
  };
  Calls().Write = [](int Fd, const void* Buffer, size_t Count) -> ssize_t {
    return Count < 1000 ? 0 : SystemFileCalls().Write(Fd, Buffer, Count / 2);
  };
  Expect(EIO, "short write");
  Calls().Write = [](int, const void*, size_t) { return Fail<ssize_t>(ENOSPC); };
  Expect(ENOSPC, "disk full");
  Calls().Fsync = [](int) { return Fail<int>(EIO); };
  Expect(EIO, "flush fails");
  Calls().Rename = [](const char*, const char*) { return Fail<int>(EXDEV); };
  Expect(EXDEV, "rename fails");
}

TEST_F(FileCallsTest, ReplacedFileKeepsItsPermissions) {
  Folder.Put("out.htm", {1});
  std::filesystem::permissions(Folder.Path("out.htm"), std::filesystem::perms(0640));
  ASSERT_EQ(WriteAllBytes(Folder.Text("out.htm"), {2}), 0);
  EXPECT_EQ(std::filesystem::status(Folder.Path("out.htm")).permissions(),
            std::filesystem::perms(0640));
}

// A path the system cannot take as it is must not open or create a file under another name.
TEST_F(FileCallsTest, RejectsPathsThatWouldNameAnotherFile) {
  Folder.Put("a", {1});
  const std::u16string WithZero = Folder.Text("a") + u'\0' + u"b";
  Bytes Got;
  EXPECT_EQ(ReadAllBytes(WithZero, Got), EINVAL);
  EXPECT_EQ(WriteAllBytes(WithZero, {2}), EINVAL);
  EXPECT_EQ(WriteAllBytes(Folder.Text("a") + char16_t(0xD800), {2}), EILSEQ);
  EXPECT_EQ(Folder.Names(), Names{"a"});
  EXPECT_EQ(Folder.Get("a"), Bytes{1});
}

// Only a regular file is read as a document: a FIFO without a writer, a device that never ends,
// a folder, or a FIFO put in the file's place after a look at it are refused at once.
TEST_F(FileCallsTest, ReadsADocumentOnlyFromARegularFile) {
  ASSERT_EQ(::mkfifo(Folder.Path("fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_directory(Folder.Path("folder.txt"));
  Folder.Put("meet.txt", {1});
  const std::u16string Paths[] = {Folder.Text("fifo.txt"), Folder.Text("folder.txt"), u"/dev/null",
                                  u"/dev/zero", Folder.Text("meet.txt")};
  Calls().Fstat = PassesForAPipe;
  for (const std::u16string& Path : Paths) {
    Bytes Got{7};
    EXPECT_EQ(FileOutcomeText(ReadDocumentBytes(Path, Got)),
              u"cannot read " + Path + u": not a regular file");
    EXPECT_EQ(Got, Bytes{7});
  }
}

// A document of 64 MiB is read; one byte more is refused before the file is even opened.
TEST_F(FileCallsTest, ReadsADocumentOfAtMost64MiB) {
  for (const off_t Size : {off_t{64} << 20, (off_t{64} << 20) + 1}) {
    if (!MadeSparse(Folder.Path("big.txt"), Size))
      GTEST_SKIP() << "this file system cannot hold a sparse file of 64 MiB";
    const bool Over = Size > MostDocumentBytes;
    if (Over) Calls().Open = [](const char*, int, mode_t) { return Fail<int>(EIO); };
    Bytes Got{7};
    const FileOutcome Read = ReadDocumentBytes(Folder.Text("big.txt"), Got);
    EXPECT_EQ(Got.size(), Over ? 1 : std::size_t{64} << 20);
    const std::u16string Refusal =
        u"cannot read " + Folder.Text("big.txt") + u": larger than 64 MiB";
    EXPECT_EQ(FileOutcomeText(Read), Over ? Refusal : u"");
  }
}

// A page given the name of a FIFO or of a folder, or of a link to one, is refused at once and
// leaves it as it was: replacing it would cut off whatever reads the FIFO.
TEST_F(FileCallsTest, RefusesToWriteOverAFifoOrAFolder) {
  ASSERT_EQ(::mkfifo(Folder.Path("page.htm").c_str(), 0600), 0);
  std::filesystem::create_directory(Folder.Path("folder.htm"));
  std::filesystem::create_symlink("page.htm", Folder.Path("link.htm"));
  for (const char* Name : {"page.htm", "folder.htm", "link.htm"}) {
    EXPECT_EQ(FileOutcomeText(WriteFileBytes(Folder.Text(Name), {1})),
              u"cannot write " + Folder.Text(Name) + u": not a regular file");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(Folder.Path("page.htm")));
  EXPECT_TRUE(std::filesystem::is_symlink(Folder.Path("link.htm")));
  EXPECT_EQ(Folder.Names(), (Names{"folder.htm", "link.htm", "page.htm"}));
}

// A failure is told with its file, its way and the system's reason; a success with nothing.
TEST_F(FileCallsTest, TellsAFailureWithItsFileAndReason) {
  Bytes Got;
  const FileOutcome Read = ReadFileBytes(Folder.Text("missing.txt"), Got);
  EXPECT_EQ(FileOutcomeText(Read),
            u"cannot read " + Folder.Text("missing.txt") + u": No such file or directory");
  Folder.Put("chart.htm", {1});
  EXPECT_EQ(FileOutcomeText(ReadFileBytes(Folder.Text("chart.htm"), Got)), u"");
  EXPECT_EQ(FileOutcomeText(WriteFileBytes(Folder.Text("no-folder/chart.htm"), Got)),
            u"cannot write " + Folder.Text("no-folder/chart.htm") + u": No such file or directory");
  EXPECT_EQ(FileOutcomeText({FileStep::Write, EACCES, u"chart.htm"}),
            u"cannot write chart.htm: Permission denied");
  EXPECT_EQ(FileOutcomeText({FileStep::Read, ENOENT, u""}),
            u"cannot read a file without a name: No such file or directory");
}

}  // namespace
}  // namespace merrith::mFSO
