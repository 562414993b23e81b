#pragma once

#include <cstdint>
#include <string_view>

#include "sheets/event_book.h"

namespace merrith {

// How a sheet's Event: line names the event it is checked against.
enum class EventBy : std::uint8_t {
  None,   // it names no event of the book
  Id,     // by its id, in any case
  Title,  // by its title, in any case and spacing, which no other event has
};

// The event a sheet's Event: line names, and where it names none, the event it most likely
// means.
struct EventNamed {
  const Event* Found = nullptr;  // nullptr where it names none
  EventBy By = EventBy::None;
  const Event* Meant = nullptr;  // where none is found: the nearest by id or title, if any is near
};

// The event of the rule book BookId that Written names by its id, else by its title; else the
// one whose id or title it comes near (a title it begins, a letter or a few apart, other
// spacing).
EventNamed FindEventNamed(const EventBook& Book, std::u16string_view Written,
                          std::u16string_view BookId);

}  // namespace merrith
