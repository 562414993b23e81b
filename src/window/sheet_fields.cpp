#include "window/sheet_fields.h"

#include <cstddef>
#include <vector>

#include "support/trim_white.h"

namespace merrith {
namespace {

using mXMLParser::TrimWhite;

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

// The key of a "Key: value" line in lower case (ASCII letters only), or empty.
std::u16string HeaderKey(std::u16string_view Line) {
  const std::size_t Colon = Line.find(u':');
  if (Colon == std::u16string_view::npos) return {};
  std::u16string Key = TrimWhite(std::u16string(Line.substr(0, Colon)));
  for (char16_t& Unit : Key) {
    if (Unit >= u'A' && Unit <= u'Z') Unit = static_cast<char16_t>(Unit - u'A' + u'a');
    if (Unit < u'a' || Unit > u'z') return {};
  }
  return Key;
}

// Blank lines and comments come before the dives as well as among them.
bool IsBlankOrComment(std::u16string_view Line) {
  const std::u16string Trimmed = TrimWhite(std::u16string(Line));
  return Trimmed.empty() || Trimmed.front() == u'#';
}

// A header value on one line: a line end typed into it would start a line of its own.
std::u16string OneLine(std::u16string_view Value) {
  std::u16string Line(Value);
  for (char16_t& Unit : Line)
    if (Unit == u'\r' || Unit == u'\n') Unit = u' ';
  return Line;
}

}  // namespace

SheetFields ReadSheetFields(std::u16string_view Text) {
  SheetFields Fields;
  bool EventTaken = false;
  bool DiverTaken = false;
  bool InHeader = true;
  std::u16string Dives;
  bool First = true;
  for (const std::u16string_view Line : SplitLines(Text)) {
    if (InHeader && !IsBlankOrComment(Line)) {
      const std::u16string Key = HeaderKey(Line);
      const std::u16string Value = TrimWhite(std::u16string(Line.substr(Line.find(u':') + 1)));
      if (Key == u"event" && !EventTaken) {
        Fields.EventId = Value;
        EventTaken = true;
        continue;
      }
      if (Key == u"diver" && !DiverTaken) {
        Fields.Diver = Value;
        DiverTaken = true;
        continue;
      }
      InHeader = !Key.empty();
    }
    if (!First) Dives += u'\n';
    Dives += Line;
    First = false;
  }
  Fields.Dives = std::move(Dives);
  return Fields;
}

std::u16string SheetFileText(const SheetFields& Fields, std::u16string_view LineEnd) {
  std::u16string Text;
  const auto Header = [&](std::u16string_view Key, std::u16string_view Value) {
    if (Value.empty()) return;
    Text.append(Key).append(OneLine(Value)).append(LineEnd);
  };
  Header(u"Event: ", Fields.EventId);
  Header(u"Diver: ", Fields.Diver);
  for (const std::u16string_view Line : SplitLines(Fields.Dives)) Text.append(Line).append(LineEnd);
  // The split gives an empty last line after a final line end, or for no dives at all.
  if (Fields.Dives.empty() || Fields.Dives.ends_with(u'\n'))
    Text.resize(Text.size() - LineEnd.size());
  return Text;
}

}  // namespace merrith
