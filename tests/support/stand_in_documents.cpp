#include "stand_in_documents.h"

#include <cstdint>
#include <string>
#include <vector>

#include "difficulty/dive_numbers.h"
#include "report/html_page.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/utf8.h"
#include "window/sheet_fields.h"

namespace merrith::testing {
namespace {

// The lines of Dives that hold a dive: not blank, not a comment, no Key: value.
int CountDiveLines(std::u16string_view Dives) {
  int Count = 0;
  bool Blank = true;
  bool Skip = false;
  for (std::size_t I = 0; I <= Dives.size(); ++I) {
    const char16_t Unit = I < Dives.size() ? Dives[I] : u'\n';
    if (Unit == u'\n') {
      Count += !Blank && !Skip ? 1 : 0;
      Blank = true;
      Skip = false;
    } else if (Unit != u' ' && Unit != u'\t' && Unit != u'\r') {
      if (Blank && Unit == u'#') Skip = true;
      if (Unit == u':') Skip = true;
      Blank = false;
    }
  }
  return Count;
}

std::u16string StandInReport(std::u16string_view Text) {
  const SheetFields Fields = ReadSheetFields(Text);
  return u"Stand-in report: this build checks no sheets.\nEvent: " + Fields.EventId + u"\nDiver: " +
         Fields.Diver + u"\nDive lines: " +
         std::u16string(DecodeUtf8(std::to_string(CountDiveLines(Fields.Dives)))) + u"\n";
}

std::vector<EventChoice> StandInEvents() {
  return {
      {u"women-1m", u"Women 1 m springboard"},
      {u"women-3m", u"Women 3 m springboard"},
      { u"men-10m",          u"Men platform"}
  };
}

// A page of Title with Text as it stands, written as the documents are: UTF-8 with a mark.
BatchOutcome WritePlainPage(std::u16string_view Title, std::u16string_view Text,
                            std::u16string_view Path) {
  std::u16string Page = PageStart(Title, u"pre { font-size: 10pt; }\n");
  Page += u"<pre>";
  AppendHtmlText(Page, Text);
  Page += u"</pre>\n";
  Page += PageEnd;
  std::vector<std::uint8_t> Bytes{0xEF, 0xBB, 0xBF};
  AppendUtf8(Page, Bytes);
  return mFSO::WriteAllBytes(Path, Bytes) == 0 ? BatchOutcome::Written : BatchOutcome::WriteFailed;
}

BatchOutcome StandInChart(std::u16string_view ListPath, std::u16string_view ChartPath) {
  std::u16string Numbers;
  if (ListPath.empty()) {
    for (const DiveNumber& Number : ListDiveNumbers()) Numbers += Number.Number + u'\n';
  } else {
    std::vector<std::uint8_t> Bytes;
    if (mFSO::ReadAllBytes(ListPath, Bytes) != 0) return BatchOutcome::ReadFailed;
    Numbers = mFSO::DecodeText(Bytes, mFSO::CodePageSystem);
  }
  return WritePlainPage(u"Chart", Numbers, ChartPath);
}

}  // namespace

DocumentRooms StandInDocuments() {
  SheetFunctions Sheets{
      StandInReport,
      StandInEvents,
      [](std::u16string_view Text, std::u16string_view Path) {
        return WritePlainPage(u"Dive sheet", StandInReport(Text), Path);
      },
      [] { return std::u16string(); },
      [] { return std::vector<std::u16string>(); },
  };
  return {std::move(Sheets), StandInChart};
}

}  // namespace merrith::testing
