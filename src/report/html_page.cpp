#include "report/html_page.h"

namespace merrith {
namespace {

// What every page wears. The margins leave the width of an A4 sheet, the narrower of the two,
// to the content; Letter's shorter height only moves the page breaks. A table's head rows
// repeat at the top of each page it runs onto, no row is cut in two, and a heading, or a row
// of class group that heads the rows after it, stays with what it heads.
constexpr std::u16string_view SharedStyle =
    u"@page { size: portrait; margin: 10mm; }\n"
    u"html { color: #000; background: #fff; }\n"
    u"body { font-family: \"DejaVu Sans\", Arial, sans-serif; font-size: 10.5pt; margin: 0; }\n"
    u"h1 { font-size: 14pt; margin: 0 0 4mm; }\n"
    u"table { border-collapse: collapse; }\n"
    u"thead { display: table-header-group; }\n"
    u"tr, th, td { break-inside: avoid; page-break-inside: avoid; }\n"
    u"h1, h2, h3, tr.group { break-after: avoid; page-break-after: avoid; }\n"
    u"@media screen { body { margin: 1em; } }\n"
    u"@media print { a { color: inherit; text-decoration: none; } }\n";

// Text as a CSS string, quotes included: a quote, a backslash, a line end and < (which could
// end the style element) as escapes, so that a meet's name shows as typed.
std::u16string CssString(std::u16string_view Text) {
  std::u16string Out = u"\"";
  for (const char16_t Unit : Text) {
    if (Unit == u'"' || Unit == u'\\' || Unit == u'<' || Unit < u' ') {
      Out += u'\\';
      Out += Unit == u'"' ? u"22 " : Unit == u'\\' ? u"5C " : Unit == u'<' ? u"3C " : u"20 ";
      continue;
    }
    Out += Unit;
  }
  return Out + u"\"";
}

}  // namespace

void AppendHtmlText(std::u16string& Out, std::u16string_view Text) {
  for (char16_t Unit : Text) {
    switch (Unit) {
      case u'&':
        Out += u"&amp;";
        break;
      case u'<':
        Out += u"&lt;";
        break;
      case u'>':
        Out += u"&gt;";
        break;
      case u'"':
        Out += u"&quot;";
        break;
      case u'\'':
        Out += u"&#39;";
        break;
      default:
        Out += Unit;
    }
  }
}

void AppendElement(std::u16string& Out, std::u16string_view Tag, std::u16string_view Class,
                   std::u16string_view Text) {
  Out += u"<" + std::u16string(Tag);
  if (!Class.empty()) Out += u" class=\"" + std::u16string(Class) + u"\"";
  Out += u">";
  AppendHtmlText(Out, Text);
  Out += u"</" + std::u16string(Tag) + u">";
}

void AppendFact(std::u16string& Out, std::u16string_view Name, std::u16string_view Text) {
  Out += u"<tr>";
  AppendElement(Out, u"th", u"", Name);
  AppendElement(Out, u"td", u"", Text);
  Out += u"</tr>\n";
}

std::u16string PageStart(std::u16string_view Title, std::u16string_view Style,
                         const RunningHead& Head) {
  // The margin boxes hold 10 pt type, as the pages do; the top margin leaves them room.
  std::u16string Margins =
      u"@page { margin: 14mm 10mm 12mm;\n"
      u"  @top-left { content: " +
      CssString(Head.Left) + u"; font-size: 10pt; }\n  @top-right { content: " +
      CssString(Head.Right) +
      u"; font-size: 10pt; padding-right: 1mm; }\n"
      u"  @bottom-right { content: \"Page \" counter(page) \" of \" counter(pages); "
      u"font-size: 10pt; padding-right: 1mm; } }\n";
  return PageStart(Title, Margins + std::u16string(Style));
}

std::u16string PageStart(std::u16string_view Title, std::u16string_view Style) {
  std::u16string Page =
      u"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendHtmlText(Page, Title);
  Page += u"</title>\n<style>\n";
  Page += SharedStyle;
  Page += Style;
  Page += u"</style>\n</head>\n<body>\n";
  return Page;
}

}  // namespace merrith
