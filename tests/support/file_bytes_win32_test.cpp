#include "support/file_bytes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"

namespace merrith::mFSO {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// The helper program, built beside this test.
std::wstring HolderProgram() {
  std::wstring Self(MAX_PATH, L'\0');
  Self.resize(GetModuleFileNameW(nullptr, Self.data(), static_cast<DWORD>(Self.size())));
  return (std::filesystem::path(Self).parent_path() / L"merrith_file_holder.exe").wstring();
}

HANDLE InheritableEvent() {
  SECURITY_ATTRIBUTES Inherit{sizeof Inherit, nullptr, TRUE};
  return CreateEventW(&Inherit, TRUE, FALSE, nullptr);
}

// Another process holding File open, as "writer" or "reader", for as long as this object lives.
class FileHolder {
 public:
  FileHolder(const std::filesystem::path& File, const std::wstring& Mode)
      : Ready(InheritableEvent()), Release(InheritableEvent()) {
    std::wstring CommandLine = L"\"" + HolderProgram() + L"\" \"" + File.wstring() + L"\" " + Mode +
                               L" " + Number(Ready) + L" " + Number(Release);
    STARTUPINFOW Startup{};
    Startup.cb = sizeof Startup;
    if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &Startup, &Process)) {
      return;
    }
    const HANDLE Either[] = {Ready, Process.hProcess};
    Holding = WaitForMultipleObjects(2, Either, FALSE, 30000) == WAIT_OBJECT_0;
  }
  ~FileHolder() {
    SetEvent(Release);
    if (Process.hProcess != nullptr) {
      WaitForSingleObject(Process.hProcess, 30000);
      CloseHandle(Process.hProcess);
      CloseHandle(Process.hThread);
    }
    CloseHandle(Ready);
    CloseHandle(Release);
  }
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;

  bool Holding = false;

 private:
  static std::wstring Number(HANDLE Event) {
    return std::to_wstring(reinterpret_cast<std::uintptr_t>(Event));
  }

  HANDLE Ready;
  HANDLE Release;
  PROCESS_INFORMATION Process{};
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

TEST(ReadAllBytes, FailsWhileAnotherProcessWritesTheFile) {
  testing::TestFolder Folder;
  Folder.Put("action.txt", {0x31, 0x30, 0x35});
  FileHolder Writer(Folder.Path("action.txt"), L"writer");
  ASSERT_TRUE(Writer.Holding);
  Bytes Read{7, 7};
  EXPECT_NE(ReadAllBytes(Folder.Text("action.txt"), Read), 0);
  EXPECT_EQ(Read, (Bytes{7, 7}));
}

TEST(ReadAllBytes, ReadsAFileThatAnotherProcessIsReading) {
  testing::TestFolder Folder;
  Folder.Put("action.txt", {0x31, 0x30, 0x35});
  FileHolder Reader(Folder.Path("action.txt"), L"reader");
  ASSERT_TRUE(Reader.Holding);
  Bytes Read;
  EXPECT_EQ(ReadAllBytes(Folder.Text("action.txt"), Read), 0);
  EXPECT_EQ(Read, (Bytes{0x31, 0x30, 0x35}));
}

// A reader that shares everything, deletion and renaming included, still keeps the old
// table in place: the target is written exclusively.
TEST(WriteAllBytes, FailsAndChangesNothingWhileAnotherProcessHasTheTargetOpen) {
  for (const wchar_t* Mode : {L"writer", L"reader"}) {
    SCOPED_TRACE(std::filesystem::path(Mode).string());
    testing::TestFolder Folder;
    Folder.Put("action.txt.htm", {1, 2, 3});
    {
      FileHolder Holder(Folder.Path("action.txt.htm"), Mode);
      ASSERT_TRUE(Holder.Holding);
      EXPECT_NE(WriteAllBytes(Folder.Text("action.txt.htm"), {9, 9}), 0);
    }
    EXPECT_EQ(Folder.Get("action.txt.htm"), (Bytes{1, 2, 3}));
    EXPECT_EQ(Folder.Names(), Names{"action.txt.htm"});
  }
}

}  // namespace
}  // namespace merrith::mFSO
