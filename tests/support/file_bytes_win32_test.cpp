#include "support/file_bytes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "support/file_outcome.h"

namespace merrith::mFSO {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// Holds File open, as another program on the desktop would, for as long as this object lives:
// a writer lets others only read; a reader lets others do anything, even delete or rename.
// The system checks share modes handle by handle, so this process can stand in for the other.
class FileHolder {
 public:
  FileHolder(const std::filesystem::path& File, bool Writer)
      : Handle(CreateFileW(
            File.c_str(), Writer ? GENERIC_WRITE : GENERIC_READ,
            Writer ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~FileHolder() {
    if (Holding()) CloseHandle(Handle);
  }
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;
  bool Holding() const { return Handle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE Handle;
};

// A file of Size bytes that takes no room on disk: only its length is set.
bool PutSparseFile(const std::filesystem::path& File, LONGLONG Size) {
  const HANDLE Handle = CreateFileW(File.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Handle == INVALID_HANDLE_VALUE) return false;
  DWORD Returned = 0;
  DeviceIoControl(Handle, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &Returned, nullptr);
  LARGE_INTEGER End{};
  End.QuadPart = Size;
  const bool Sized = SetFilePointerEx(Handle, End, nullptr, FILE_BEGIN) && SetEndOfFile(Handle);
  CloseHandle(Handle);
  return Sized;
}

// Sizes are signed 32-bit counts; 4 GiB + 5 bytes would look like 5 bytes in the low half alone.
TEST(ReadAllBytes, RefusesFilesOfTwoGibibytesOrMore) {
  for (const LONGLONG Size : {0x80000000LL, 0x100000005LL}) {
    SCOPED_TRACE(Size);
    testing::TestFolder Folder;
    ASSERT_TRUE(PutSparseFile(Folder.Path("huge.txt"), Size));
    Bytes Read{7, 7};
    EXPECT_EQ(ReadAllBytes(Folder.Text("huge.txt"), Read), ERROR_FILE_TOO_LARGE);
    EXPECT_EQ(Read, (Bytes{7, 7}));
  }
}

// Readers share the file with each other, but not with a writer. The target of a write is
// written exclusively, so even a reader that shares everything, deletion and renaming
// included, keeps the old table in place.
TEST(FileBytes, ReadsBesideAReaderAndWritesBesideNeither) {
  for (const bool Writing : {false, true}) {
    SCOPED_TRACE(Writing ? "writer" : "reader");
    testing::TestFolder Folder;
    Folder.Put("action.txt", {0x31, 0x30, 0x35});
    {
      FileHolder Holder(Folder.Path("action.txt"), Writing);
      ASSERT_TRUE(Holder.Holding());
      Bytes Read{7, 7};
      EXPECT_EQ(ReadAllBytes(Folder.Text("action.txt"), Read) != 0, Writing);
      EXPECT_EQ(Read, Writing ? (Bytes{7, 7}) : (Bytes{0x31, 0x30, 0x35}));
      EXPECT_NE(WriteAllBytes(Folder.Text("action.txt"), {9, 9}), 0);
    }
    EXPECT_EQ(Folder.Get("action.txt"), (Bytes{0x31, 0x30, 0x35}));
    EXPECT_EQ(Folder.Names(), Names{"action.txt"});
  }
}

// A pipe reports the size 0 whatever is on its way; it is read to its end all the same, which
// comes when the program writing into it closes its end.
TEST(ReadAllBytes, ReadsAPipeToItsEnd) {
  const std::wstring Name = L"\\\\.\\pipe\\merrith-test-" + std::to_wstring(GetCurrentProcessId());
  Bytes List(200000);  // more than the pipe holds at once
  for (std::size_t I = 0; I < List.size(); ++I) List[I] = static_cast<std::uint8_t>(I % 251);
  const HANDLE Server = CreateNamedPipeW(Name.c_str(), PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
  ASSERT_NE(Server, INVALID_HANDLE_VALUE);
  std::thread Writer([&] {
    if (ConnectNamedPipe(Server, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
      for (std::size_t At = 0; At < List.size();) {
        DWORD Put = 0;
        const auto Piece = static_cast<DWORD>(std::min<std::size_t>(List.size() - At, 1000));
        if (!WriteFile(Server, List.data() + At, Piece, &Put, nullptr)) break;
        At += Put;
      }
      FlushFileBuffers(Server);
    }
    CloseHandle(Server);
  });
  Bytes Got{7};
  EXPECT_EQ(ReadAllBytes(std::u16string(Name.begin(), Name.end()), Got), 0);
  // Should the read not have connected, this frees the writer, so the test fails, not hangs.
  const HANDLE Client =
      CreateFileW(Name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (Client != INVALID_HANDLE_VALUE) CloseHandle(Client);
  Writer.join();
  EXPECT_EQ(Got, List);
}

// Whatever stands at a document's name but a file on disk is refused at once and not read: a
// device, a pipe whose writer never writes, a folder, a file of 64 MiB and one byte.
TEST(ReadDocumentBytes, ReadsOnlyAFileOnDiskOfAtMost64MiB) {
  testing::TestFolder Folder;
  std::filesystem::create_directory(Folder.Path("folder.txt"));
  ASSERT_TRUE(PutSparseFile(Folder.Path("big.txt"), MostDocumentBytes + 1));
  const std::wstring Pipe =
      L"\\\\.\\pipe\\merrith-silent-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE Server = CreateNamedPipeW(Pipe.c_str(), PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
  ASSERT_NE(Server, INVALID_HANDLE_VALUE);
  const std::u16string PipeName(Pipe.begin(), Pipe.end());
  const std::u16string NotRegular = u": not a regular file";
  const struct {
    std::u16string Path;
    std::u16string Reason;
  } Cases[] = {
      {                   u"NUL",              NotRegular},
      {                 PipeName,              NotRegular},
      {Folder.Text("folder.txt"),              NotRegular},
      {   Folder.Text("big.txt"), u": larger than 64 MiB"},
  };
  for (const auto& Case : Cases) {
    Bytes Got{7};
    EXPECT_EQ(FileOutcomeText(ReadDocumentBytes(Case.Path, Got)),
              u"cannot read " + Case.Path + Case.Reason);
    EXPECT_EQ(Got, Bytes{7});
  }
  CloseHandle(Server);
}

// A page given the name of a device or a folder is refused and leaves it as it was.
TEST(WriteFileBytes, RefusesToWriteOverADeviceOrAFolder) {
  testing::TestFolder Folder;
  std::filesystem::create_directory(Folder.Path("folder.htm"));
  for (const std::u16string& Path : {std::u16string(u"NUL"), Folder.Text("folder.htm")}) {
    EXPECT_EQ(FileOutcomeText(WriteFileBytes(Path, {1})),
              u"cannot write " + Path + u": not a regular file");
  }
  EXPECT_EQ(Folder.Names(), Names{"folder.htm"});
}

}  // namespace
}  // namespace merrith::mFSO
