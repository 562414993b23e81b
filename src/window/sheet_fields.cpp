#include "window/sheet_fields.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

#include "sheets/sheet_reader.h"
#include "support/trim_white.h"

namespace merrith {
namespace {

// The lines of Text, each without its line end; a final line end leaves an empty last line.
std::vector<std::u16string_view> SplitLines(std::u16string_view Text) {
  std::vector<std::u16string_view> Lines;
  for (;;) {
    const std::size_t End = Text.find(u'\n');
    std::u16string_view Line = Text.substr(0, End);
    if (Line.ends_with(u'\r')) Line.remove_suffix(1);
    Lines.push_back(Line);
    if (End == std::u16string_view::npos) return Lines;
    Text.remove_prefix(End + 1);
  }
}

// A header value on one line: a line end typed into it would start a line of its own. A
// carriage return alone ends no line of a sheet, and a value read from one keeps it.
std::u16string OneLine(std::u16string_view Value) {
  std::u16string Line(Value);
  for (std::size_t I = 0; I < Line.size(); ++I) {
    const bool BeforeFeed = I + 1 < Line.size() && Value[I + 1] == u'\n';
    if (Value[I] == u'\n' || (Value[I] == u'\r' && BeforeFeed)) Line[I] = u' ';
  }
  return Line;
}

// The value of the heading on the line Number (from 1; 0 for none), trimmed, as the sheet's
// reader takes it: what follows the first colon.
std::u16string HeadingValue(const std::vector<std::u16string_view>& Lines, std::size_t Number) {
  if (Number == 0 || Number > Lines.size()) return {};
  const std::u16string_view Line = Lines[Number - 1];
  return std::u16string(mXMLParser::TrimWhiteView(Line.substr(Line.find(u':') + 1)));
}

}  // namespace

SheetFields ReadSheetFields(std::u16string_view Text) {
  const SheetText Sheet = ReadSheet(Text);
  const std::vector<std::u16string_view> Lines = SplitLines(Text);
  SheetFields Fields{
      Sheet.EventId, Sheet.Diver, {}, Sheet.BookId, HeadingValue(Lines, Sheet.DiversLine)};
  // An empty heading stays a line of its own: written back without it, a second one further
  // down would take its place.
  const auto Taken = [](const std::u16string& Value, std::size_t Line) {
    return Value.empty() ? 0 : Line;
  };
  const std::size_t Headings[] = {
      Taken(Fields.EventId, Sheet.EventLine), Taken(Fields.Diver, Sheet.DiverLine),
      Taken(Fields.BookId, Sheet.BookLine), Taken(Fields.Divers, Sheet.DiversLine)};
  std::size_t Number = 0;
  bool First = true;
  for (const std::u16string_view Line : Lines) {
    ++Number;
    if (std::find(std::begin(Headings), std::end(Headings), Number) != std::end(Headings)) continue;
    if (!First) Fields.Dives += u'\n';
    Fields.Dives += Line;
    First = false;
  }
  return Fields;
}

std::u16string SheetFileText(const SheetFields& Fields, std::u16string_view LineEnd) {
  std::u16string Text;
  const auto Header = [&](std::u16string_view Key, std::u16string_view Value) {
    if (Value.empty()) return;
    Text.append(Key).append(OneLine(Value)).append(LineEnd);
  };
  Header(u"Book: ", Fields.BookId);
  Header(u"Event: ", Fields.EventId);
  Header(u"Diver: ", Fields.Diver);
  Header(u"Divers: ", Fields.Divers);
  for (const std::u16string_view Line : SplitLines(Fields.Dives)) Text.append(Line).append(LineEnd);
  // The split gives an empty last line after a final line end, or for no dives at all.
  if (Fields.Dives.empty() || Fields.Dives.ends_with(u'\n'))
    Text.resize(Text.size() - LineEnd.size());
  return Text;
}

}  // namespace merrith
