#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/file_bytes.h"
#include "support/string_builder.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"

namespace merrith {
namespace {

// Pieces as the batch table appends them: tags, codes and one-decimal values.
constexpr std::array<std::u16string_view, 8> Pieces{u"<tr>", u"<td>", u"5253",   u"</td>",
                                                    u"3.4",  u"<td>", u"\u2013", u"</tr>"};

// Ten million short appends, then the document as UTF-8. Run alone to read the peak memory:
// /usr/bin/time -v support_bench --benchmark_filter=AppendThenEncode
void AppendThenEncode(benchmark::State& State) {
  std::size_t Units = 0;
  std::size_t Encoded = 0;
  for (auto _ : State) {
    CStringBuilder Builder;
    Units = 0;
    for (int I = 0; I < 10'000'000; ++I) {
      const std::u16string_view Piece = Pieces[static_cast<std::size_t>(I) % Pieces.size()];
      Builder.Append(Piece);
      Units += Piece.size();
    }
    const std::vector<std::uint8_t> Utf8 = Builder.ToAnsiArrayByCP(mFSO::CodePageUtf8);
    Encoded = Utf8.size();
    benchmark::DoNotOptimize(Utf8.data());
  }
  State.counters["units"] = static_cast<double>(Units);
  State.counters["utf8_bytes"] = static_cast<double>(Encoded);
}
BENCHMARK(AppendThenEncode)->Unit(benchmark::kMillisecond)->Iterations(3);

// A dive list of 50 MB in UTF-8 with mark, lines padded as editors leave them.
std::vector<std::uint8_t> MakeDiveList() {
  const std::string Lines[] = {"  105\r\n", "5253\t\r\n",
                               "\xC2\xA0"
                               "614\xE3\x80\x80\r\n",
                               "10(11)\r\n", "\r\n"};
  std::string Text = "\xEF\xBB\xBF";
  for (std::size_t I = 0; Text.size() < 50'000'000; ++I) Text += Lines[I % std::size(Lines)];
  return {Text.begin(), Text.end()};
}

// Reading the list as the batch table does: decode, split at line feeds, trim each line.
void DecodeSplitTrim(benchmark::State& State) {
  const auto Path = std::filesystem::temp_directory_path() / "merrith-bench-list.txt";
  if (mFSO::WriteAllBytes(Path.u16string(), MakeDiveList()) != 0) {
    State.SkipWithError("cannot write the dive list");
    return;
  }
  std::vector<std::uint8_t> Bytes;
  mFSO::ReadAllBytes(Path.u16string(), Bytes);
  std::filesystem::remove(Path);
  for (auto _ : State) {
    const std::u16string Text = mFSO::DecodeText(Bytes, mFSO::CodePageSystem);
    std::size_t Codes = 0;
    std::size_t Start = 0;
    while (Start <= Text.size()) {
      std::size_t End = Text.find(u'\n', Start);
      if (End == std::u16string::npos) End = Text.size();
      const std::u16string Line = mXMLParser::TrimWhite(Text.substr(Start, End - Start));
      if (!Line.empty()) ++Codes;
      Start = End + 1;
    }
    benchmark::DoNotOptimize(Codes);
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) *
                          static_cast<std::int64_t>(Bytes.size()));
}
BENCHMARK(DecodeSplitTrim)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace merrith
