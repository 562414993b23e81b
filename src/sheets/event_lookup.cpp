#include "sheets/event_lookup.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "support/words.h"

namespace merrith {
namespace {

// The most of a written name that is compared letter by letter: longer is near no event.
constexpr std::size_t NearLength = 64;

// A name as it is compared: its letters in lower case and its digits, nothing else.
std::u16string NameKey(std::u16string_view Name) {
  std::u16string Key;
  for (const char16_t C : Name) {
    if (C >= u'A' && C <= u'Z')
      Key += static_cast<char16_t>(C - u'A' + u'a');
    else if ((C >= u'a' && C <= u'z') || (C >= u'0' && C <= u'9'))
      Key += C;
  }
  return Key;
}

// How many letters must be put in, taken out or changed to make A into B.
std::size_t EditsBetween(std::u16string_view A, std::u16string_view B) {
  std::vector<std::size_t> Row(B.size() + 1);
  std::iota(Row.begin(), Row.end(), std::size_t{0});
  for (std::size_t I = 1; I <= A.size(); ++I) {
    std::size_t Diagonal = Row[0];
    Row[0] = I;
    for (std::size_t J = 1; J <= B.size(); ++J) {
      const std::size_t Above = Row[J];
      Row[J] = std::min({Row[J] + 1, Row[J - 1] + 1, Diagonal + (A[I - 1] == B[J - 1] ? 0 : 1)});
      Diagonal = Above;
    }
  }
  return Row[B.size()];
}

// How far Key is from the name Name: 0 for the same letters or the start of a title, else the
// edits between them.
std::size_t Distance(std::u16string_view Key, std::u16string_view Name) {
  const std::u16string Other = NameKey(Name);
  if (Other.starts_with(Key)) return 0;
  return EditsBetween(Key, Other);
}

}  // namespace

EventNamed FindEventNamed(const EventBook& Book, std::u16string_view Written,
                          std::u16string_view BookId) {
  if (const Event* ById = Book.Find(Written, BookId)) return {ById, EventBy::Id, nullptr};
  const std::u16string Key = NameKey(Written);
  if (Key.size() < 3 || Written.size() > NearLength) return {};
  const auto InBook = [BookId](const Event& E) { return SameWord(E.Book, BookId); };
  const auto SameTitle = [&](const Event& E) { return InBook(E) && NameKey(E.Title) == Key; };
  const auto Titled = std::find_if(Book.Events.begin(), Book.Events.end(), SameTitle);
  if (Titled != Book.Events.end() && std::none_of(std::next(Titled), Book.Events.end(), SameTitle))
    return {&*Titled, EventBy::Title, nullptr};
  // Near: a few edits for a long name, one for a short one.
  const std::size_t Most = std::max<std::size_t>(1, Key.size() / 4);
  EventNamed Near;
  std::size_t Best = Most + 1;
  for (const Event& E : Book.Events) {
    if (!InBook(E)) continue;
    const std::size_t Far = std::min(Distance(Key, E.Id), Distance(Key, E.Title));
    if (Far < Best) {
      Best = Far;
      Near.Meant = &E;
    }
  }
  return Near;
}

}  // namespace merrith
