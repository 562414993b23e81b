#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Which way a file was being moved when it failed.
enum class FileStep : std::uint8_t { Read, Write };

// Why a file was turned away before a byte of it moved; None when it was not.
enum class FileRefusal : std::uint8_t {
  None,
  NotRegularFile,  // a folder, a FIFO, a device or a socket where a document belongs
  TooLarge,        // a document of more than MostDocumentBytes
};

// The largest document read whole. A competition of a hundred divers is well under a megabyte;
// anything larger is a wrong file, not one to hold in memory.
inline constexpr std::int64_t MostDocumentBytes = std::int64_t{64} << 20;

// What became of reading or writing one whole file: the system's error number, 0 when it went
// well, with the file and the way it was being moved, so that a failure can be told with its
// reason. A refused file has an error number too (a folder's, a too large file's, or the
// system's "not supported"), so that Error alone never takes a refusal for success.
struct FileOutcome {
  FileStep Step = FileStep::Read;
  std::int32_t Error = 0;
  std::u16string Path;  // as it was handed over; "-" for the standard input
  FileRefusal Refused = FileRefusal::None;

  bool Done() const { return Error == 0 && Refused == FileRefusal::None; }
};

// ReadAllBytes with its outcome.
FileOutcome ReadFileBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes);

// Reads the whole document at Path into Bytes, as ReadFileBytes does, but only a regular file
// of at most MostDocumentBytes: anything else (a FIFO even without a writer, a device, a
// folder, a socket, a larger file) is refused at once, before a byte of it is read. After a
// failure or a refusal Bytes is as it was.
FileOutcome ReadDocumentBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes);

// ReadStandardInput with its outcome, for the path "-".
FileOutcome ReadStandardInputBytes(std::vector<std::uint8_t>& Bytes);

// WriteAllBytes with its outcome: a target that is a folder, a FIFO or a device is refused
// and left as it is; a symbolic link's final target is replaced and the link stays.
FileOutcome WriteFileBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes);

// The system's own words for the error number Error ("Permission denied"), without a final
// full stop or line end; the number itself where the system has no words for it.
std::u16string SystemErrorText(std::int32_t Error);

// Why an outcome failed, in words: "not a regular file", "larger than 64 MiB", or the
// system's words for its error; empty for an outcome that went well.
std::u16string FileOutcomeReason(const FileOutcome& Outcome);

// A failure in words, naming the file and the reason: "cannot write chart.htm: Permission
// denied"; empty for an outcome that went well.
std::u16string FileOutcomeText(const FileOutcome& Outcome);

}  // namespace merrith
