#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace merrith {

// Which way a file was being moved when it failed.
enum class FileStep : std::uint8_t { Read, Write };

// What became of reading or writing one whole file: the system's error number, 0 when it went
// well, with the file and the way it was being moved, so that a failure can be told with its
// reason.
struct FileOutcome {
  FileStep Step = FileStep::Read;
  std::int32_t Error = 0;
  std::u16string Path;  // as it was handed over; "-" for the standard input

  bool Done() const { return Error == 0; }
};

// ReadAllBytes with its outcome.
FileOutcome ReadFileBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes);

// ReadStandardInput with its outcome, for the path "-".
FileOutcome ReadStandardInputBytes(std::vector<std::uint8_t>& Bytes);

// WriteAllBytes with its outcome.
FileOutcome WriteFileBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes);

// The system's own words for the error number Error ("Permission denied"), without a final
// full stop or line end; the number itself where the system has no words for it.
std::u16string SystemErrorText(std::int32_t Error);

// A failure in words, naming the file and the reason: "cannot write chart.htm: Permission
// denied"; empty for an outcome that went well.
std::u16string FileOutcomeText(const FileOutcome& Outcome);

}  // namespace merrith
