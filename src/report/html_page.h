#pragma once

#include <string>
#include <string_view>

namespace merrith {

// Appends Text to Out as HTML text: &, <, > and both quotes as character references, so that
// whatever a list or a sheet holds shows as typed and never as markup.
void AppendHtmlText(std::u16string& Out, std::u16string_view Text);

// Appends the element Tag (of class Class, where it is not empty) holding Text as HTML text.
void AppendElement(std::u16string& Out, std::u16string_view Tag, std::u16string_view Class,
                   std::u16string_view Text);

// Appends a row of a table of facts: Name in a heading cell, then Text.
void AppendFact(std::u16string& Out, std::u16string_view Name, std::u16string_view Text);

// The start of a page to read on screen and print, up to and including <body>: UTF-8, Title
// (HTML text), the styling every printed page shares (portrait on A4 or Letter, black on
// white, 10 pt type or larger, table heads repeated on each page, no row split across pages,
// headings and rows of class "group" kept with what follows them), then Style, the page's
// own rules.
std::u16string PageStart(std::u16string_view Title, std::u16string_view Style);

// What each printed sheet of a competition's page repeats in its margins, whatever it holds:
// at the top left (the meet) and the top right (the event and the phase); the sheet's number
// and the sheets' count go at the bottom right.
struct RunningHead {
  std::u16string Left;
  std::u16string Right;
};

// PageStart, with Head printed in the margins of every sheet.
std::u16string PageStart(std::u16string_view Title, std::u16string_view Style,
                         const RunningHead& Head);

// The end of a page that PageStart began.
inline constexpr std::u16string_view PageEnd = u"</body>\n</html>\n";

}  // namespace merrith
