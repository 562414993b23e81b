#include "venue/cards_page.h"

#include "venue/qr_code.h"
#include "venue_pages.h"

namespace merrith {
namespace {

// Text as it stands in HTML: the markup's own characters written as references.
std::string Escaped(std::string_view Text) {
  std::string Out;
  for (const char C : Text) {
    switch (C) {
      case '&':
        Out += "&amp;";
        break;
      case '<':
        Out += "&lt;";
        break;
      case '>':
        Out += "&gt;";
        break;
      case '"':
        Out += "&quot;";
        break;
      case '\'':
        Out += "&#39;";
        break;
      default:
        Out += C;
    }
  }
  return Out;
}

// The side of a card's QR code in CSS pixels: about 5 cm printed, easy for a phone's camera.
constexpr int QrPixels = 190;

}  // namespace

std::string CardsPageHtml(const std::vector<SeatCard>& Cards, std::string_view Event,
                          std::string_view Base) {
  std::string Page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Judges' devices: " +
      Escaped(Event) + "</title>\n<style>\n" + std::string(pages::CardsCss) +
      "</style>\n</head>\n<body>\n<h1>" + Escaped(Event) +
      "</h1>\n<p class=\"how\">Each judge scans the code of the seat, or opens " + Escaped(Base) +
      " and types the seat's key. Keep the cards out of sight: a key opens its seat.</p>\n"
      "<div class=\"cards\">\n";
  for (const SeatCard& Card : Cards) {
    const std::optional<QrCode> Code = EncodeQr(Card.Url);
    Page += "<section class=\"card " + Escaped(Card.Role) + "\">\n<h2>" + Escaped(Card.Title) +
            "</h2>\n";
    if (Code) Page += "<div class=\"qr\">" + QrSvg(*Code, QrPixels) + "</div>\n";
    Page += "<p class=\"url\">" + Escaped(Card.Url) + "</p>\n<p class=\"code\">Key: <b>" +
            Escaped(Card.Code) + "</b></p>\n</section>\n";
  }
  return Page + "</div>\n</body>\n</html>\n";
}

}  // namespace merrith
