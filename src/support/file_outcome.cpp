#include "support/file_outcome.h"

#include <string>

#include "support/file_bytes.h"
#include "support/utf8.h"

namespace merrith {

FileOutcome ReadFileBytes(std::u16string_view Path, std::vector<std::uint8_t>& Bytes) {
  return {FileStep::Read, mFSO::ReadAllBytes(Path, Bytes), std::u16string(Path)};
}

FileOutcome ReadStandardInputBytes(std::vector<std::uint8_t>& Bytes) {
  return {FileStep::Read, mFSO::ReadStandardInput(Bytes), u"-"};
}

std::u16string FileOutcomeReason(const FileOutcome& Outcome) {
  switch (Outcome.Refused) {
    case FileRefusal::NotRegularFile:
      return u"not a regular file";
    case FileRefusal::TooLarge:
      return u"larger than " + DecodeUtf8(std::to_string(MostDocumentBytes >> 20)) + u" MiB";
    case FileRefusal::None:
      break;
  }
  return Outcome.Error == 0 ? std::u16string() : SystemErrorText(Outcome.Error);
}

std::u16string FileOutcomeText(const FileOutcome& Outcome) {
  if (Outcome.Done()) return {};
  const std::u16string_view Verb =
      Outcome.Step == FileStep::Read ? u"cannot read " : u"cannot write ";
  const std::u16string Named = Outcome.Path.empty() ? u"a file without a name" : Outcome.Path;
  return std::u16string(Verb) + Named + u": " + FileOutcomeReason(Outcome);
}

}  // namespace merrith
