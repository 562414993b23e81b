#include "report/chart_file.h"

#include <cstdint>

#include "difficulty/heights.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith {

ChartChoice ChartDefaults() {
  ChartChoice Choice;
  for (const Height& H : Heights) Choice.Heights.push_back(H.Index);
  return Choice;
}

ChartPage ChartOfList(std::optional<std::u16string_view> List, const ChartChoice& Choice) {
  if (!List) return {BuildChart(ListNamedDiveNumbers(), Choice), {}};
  ChartList Read = ReadChartList(*List);
  return {BuildChart(Read.Dives, Choice), std::move(Read.LeftOut)};
}

FileOutcome WriteChartFile(std::u16string_view ListPath, std::u16string_view ChartPath) {
  std::optional<std::u16string> List;
  if (!ListPath.empty()) {
    std::vector<std::uint8_t> Bytes;
    FileOutcome Read = ReadFileBytes(ListPath, Bytes);
    if (!Read.Done()) return Read;
    List = mFSO::DecodeText(Bytes, mFSO::CodePageSystem);
  }
  const std::vector<std::uint8_t> Page = EncodeUtf8(ChartOfList(List, ChartDefaults()).Html);
  return WriteFileBytes(ChartPath, Page);
}

}  // namespace merrith
