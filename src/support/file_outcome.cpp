#include "support/file_outcome.h"

#include "support/file_bytes.h"

namespace merrith {

FileOutcome ReadFileBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes) {
  return {FileStep::Read, mFSO::ReadAllBytes(Path, Bytes), std::u16string(Path)};
}

FileOutcome ReadStandardInputBytes(std::vector<std::uint8_t>& Bytes) {
  return {FileStep::Read, mFSO::ReadStandardInput(Bytes), u"-"};
}

FileOutcome WriteFileBytes(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes) {
  return {FileStep::Write, mFSO::WriteAllBytes(Path, Bytes), std::u16string(Path)};
}

std::u16string FileOutcomeText(const FileOutcome& Outcome) {
  if (Outcome.Done()) return {};
  const std::u16string_view Verb =
      Outcome.Step == FileStep::Read ? u"cannot read " : u"cannot write ";
  const std::u16string Named = Outcome.Path.empty() ? u"a file without a name" : Outcome.Path;
  return std::u16string(Verb) + Named + u": " + SystemErrorText(Outcome.Error);
}

}  // namespace merrith
