#include "support/table_text.h"

#include <algorithm>
#include <array>

#include "support/trim_white.h"

namespace merrith {
namespace {

// The first units a spreadsheet takes for a formula and runs; after an apostrophe it shows the
// cell as text.
bool StartsFormula(char16_t C) {
  return C == u'=' || C == u'+' || C == u'-' || C == u'@' || C == u'\t' || C == u'\r';
}

// A field as the spreadsheet meant it: trimmed, and without the apostrophe that kept a
// formula-looking text from running.
std::u16string FieldText(std::u16string_view Field) {
  std::u16string_view Text = mXMLParser::TrimWhiteView(Field);
  if (Text.size() > 1 && Text[0] == u'\'' && StartsFormula(Text[1])) Text.remove_prefix(1);
  return std::u16string(Text);
}

}  // namespace

char16_t FindSeparator(std::u16string_view Header) {
  constexpr std::array<char16_t, 3> Separators{u',', u';', u'\t'};  // a tie goes to the first
  std::array<std::size_t, Separators.size()> Counts{};
  bool Quoted = false;
  for (const char16_t C : Header) {
    if (C == u'"') Quoted = !Quoted;  // a doubled quote turns twice
    if (Quoted) continue;
    if (C == u'\n') break;
    for (std::size_t I = 0; I < Separators.size(); ++I)
      if (C == Separators[I]) ++Counts[I];
  }
  const auto Most = std::max_element(Counts.begin(), Counts.end());
  return Separators[static_cast<std::size_t>(Most - Counts.begin())];
}

std::vector<TableRow> ReadTableRows(std::u16string_view Text, char16_t Separator) {
  if (!Text.empty() && Text[0] == u'\uFEFF') Text.remove_prefix(1);
  std::vector<TableRow> Rows;
  std::size_t Line = 1;
  TableRow Row{Line, {}, 0};
  std::u16string Field;  // the field so far, its quotes undone
  bool Quoted = false;   // inside quotes
  bool Marked = false;   // the row has a separator or a quote: it is no blank line
  const auto EndField = [&] {
    Row.Fields.push_back(FieldText(Field));
    Field.clear();
  };
  const auto EndRow = [&](std::size_t Last) {
    EndField();
    Row.LastLine = Last;
    const std::size_t Width = Row.Fields.size();
    if (Marked || !Row.Fields[0].empty()) Rows.push_back(std::move(Row));
    Row = TableRow{Line, {}, 0};
    // A table's rows are mostly as wide as the one before.
    Row.Fields.reserve(Width);
    Marked = false;
  };
  for (std::size_t At = 0; At < Text.size(); ++At) {
    const char16_t C = Text[At];
    if (C == u'\n') ++Line;
    if (Quoted) {
      if (C != u'"') {
        Field += C;
      } else if (At + 1 < Text.size() && Text[At + 1] == u'"') {
        Field += C;
        ++At;
      } else {
        Quoted = false;
      }
    } else if (C == u'"' && Field.empty()) {
      Quoted = Marked = true;
    } else if (C == Separator) {
      EndField();
      Marked = true;
    } else if (C == u'\n') {
      EndRow(Line - 1);
    } else {
      Field += C;
    }
  }
  EndRow(Line);
  return Rows;
}

void AppendTableField(std::u16string& Out, std::u16string_view Field, char16_t Separator) {
  const bool Quoted = std::any_of(Field.begin(), Field.end(), [Separator](char16_t C) {
    return C == Separator || C == u'"' || C == u'\r' || C == u'\n';
  });
  if (Quoted) Out += u'"';
  if (!Field.empty() && StartsFormula(Field[0])) Out += u'\'';
  for (const char16_t C : Field) {
    if (C == u'"') Out += u'"';
    Out += C;
  }
  if (Quoted) Out += u'"';
}

}  // namespace merrith
