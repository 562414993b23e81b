#include "venue/cards_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merrith {
namespace {

std::size_t Count(const std::string& Text, const std::string& What) {
  std::size_t Found = 0;
  for (std::size_t At = Text.find(What); At != std::string::npos; At = Text.find(What, At + 1))
    ++Found;
  return Found;
}

// One card per seat and the referee's, each with its QR code, address and key in groups; names
// stand in the page as text, never as markup.
TEST(CardsPageHtml, ShowsEachSeatsCodeAndKeyWithNamesAsText) {
  const std::vector<SeatCard> Cards = {
      {     "J1",   "judge", "Judge 1",     "http://10.0.0.2:8080/pad#abcde", "abcde"},
      {     "J2",   "judge", "Judge 2",     "http://10.0.0.2:8080/pad#fghij", "fghij"},
      {"referee", "referee", "Referee", "http://10.0.0.2:8080/referee#klmno", "klmno"},
  };
  const std::string Page = CardsPageHtml(Cards, "<b>Spring & Co</b>", "http://10.0.0.2:8080/");
  EXPECT_EQ(Count(Page, "<svg "), 3U);
  EXPECT_EQ(Count(Page, "<section class=\"card "), 3U);
  EXPECT_NE(Page.find("<h2>Judge 2</h2>"), std::string::npos);
  EXPECT_NE(Page.find("Key: <b>klmno</b>"), std::string::npos);
  EXPECT_NE(Page.find("<h1>&lt;b&gt;Spring &amp; Co&lt;/b&gt;</h1>"), std::string::npos);
  EXPECT_EQ(Page.find("<b>Spring"), std::string::npos);
}

}  // namespace
}  // namespace merrith
