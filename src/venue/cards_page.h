#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "venue/venue.h"

namespace merrith {

// The page of seat cards to print or show on the laptop's screen: one card per seat and one for
// the referee, each with its title, a QR code of its address, the address to type and its key
// in groups. Event names the event; Base is the address of the page that takes a typed key.
std::string CardsPageHtml(const std::vector<SeatCard>& Cards, std::string_view Event,
                          std::string_view Base);

}  // namespace merrith
