#include "venue/feed_ring.h"

#include <algorithm>

namespace merrith {
namespace {

StreamText EventText(std::uint64_t Id, std::string_view Kind, std::string_view Data) {
  std::string Text = "id: " + std::to_string(Id) + "\nevent: ";
  Text.append(Kind).append("\ndata: ").append(Data).append("\n\n");
  return std::make_shared<const std::string>(std::move(Text));
}

}  // namespace

CFeedRing::CFeedRing(std::size_t MostKept, std::uint64_t First)
    : Most(std::max<std::size_t>(MostKept, 1)),
      Last(First),
      Now(std::make_shared<const std::string>("{}")),
      NowEvent(EventText(First, "state", "{}")) {}

std::vector<StreamText> CFeedRing::Take(const FeedNews& News) {
  std::vector<StreamText> Sent;
  for (const FeedItem& Item : News.Items) {
    Sent.push_back(EventText(++Last, Item.Kind, Item.Data));
    Kept.push_back(Sent.back());
    if (Kept.size() > Most) Kept.pop_front();
  }
  Now = std::make_shared<const std::string>(News.State);
  NowEvent = EventText(Last, "state", News.State);
  return Sent;
}

std::vector<StreamText> CFeedRing::Since(std::optional<std::uint64_t> Held) const {
  const std::uint64_t Oldest = Last - Kept.size();  // the last event the ring no longer keeps
  if (!Held || *Held < Oldest || *Held > Last) return {NowEvent};
  return {Kept.begin() + static_cast<std::ptrdiff_t>(*Held - Oldest), Kept.end()};
}

std::optional<std::uint64_t> ReadEventId(std::string_view Text) {
  if (Text.empty() || Text.size() > 19) return std::nullopt;
  std::uint64_t Id = 0;
  for (const char Digit : Text) {
    if (Digit < '0' || Digit > '9') return std::nullopt;
    Id = Id * 10 + static_cast<std::uint64_t>(Digit - '0');
  }
  return Id;
}

}  // namespace merrith
