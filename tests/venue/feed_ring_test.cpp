#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "venue/feed_ring.h"

namespace merrith {
namespace {

std::vector<std::string> Texts(const std::vector<StreamText>& Sent) {
  std::vector<std::string> Out;
  for (const StreamText& T : Sent) Out.push_back(*T);
  return Out;
}

// A ring of three after five events (numbered 1 to 5) and the event now.
CFeedRing FiveEvents() {
  CFeedRing Ring(3);
  Ring.Take({"{\"n\":0}", {{"next", "{}"}}});
  Ring.Take({
      "{\"n\":1}", {{"accepted", "{\"a\":1}"}, {"next", "{}"}}
  });
  Ring.Take({
      "{\"n\":2}", {{"correction", "{}"}, {"withdrawal", "{}"}}
  });
  return Ring;
}

// A server's events are numbered on from its first number: a client of a server that ran before
// holds a lower one and is sent the event now.
TEST(FeedRing, NumbersOnFromItsFirstNumber) {
  CFeedRing Ring(3, 1000);
  EXPECT_EQ(Texts(Ring.Take({"{}", {{"next", "{}"}}})),
            std::vector<std::string>{"id: 1001\nevent: next\ndata: {}\n\n"});
  EXPECT_EQ(Texts(Ring.Since(1000)),
            std::vector<std::string>{"id: 1001\nevent: next\ndata: {}\n\n"});
  EXPECT_EQ(Texts(Ring.Since(999)),
            std::vector<std::string>{"id: 1001\nevent: state\ndata: {}\n\n"});
}

// What a client holding an event is sent: those after it while the ring keeps them, else the
// event now as one.
TEST(FeedRing, SendsWhatAClientMissedOrTheWholeEvent) {
  const CFeedRing Ring = FiveEvents();
  const std::string State = "id: 5\nevent: state\ndata: {\"n\":2}\n\n";
  struct Row {
    const char* What;
    std::optional<std::uint64_t> Held;
    std::vector<std::string> Sent;
  };
  const Row Rows[] = {
      {                 "a new client",std::nullopt,                                          {State}                                       },
      { "one the ring no longer keeps",            1,                                          {State}},
      {"the oldest it no longer keeps",
       2, {"id: 3\nevent: next\ndata: {}\n\n", "id: 4\nevent: correction\ndata: {}\n\n",
 "id: 5\nevent: withdrawal\ndata: {}\n\n"}                                                   },
      {             "one but the last",            4,       {"id: 5\nevent: withdrawal\ndata: {}\n\n"}},
      {                     "the last",            5,                                               {}},
      {               "one never sent",            6,                                          {State}},
  };
  for (const Row& R : Rows) EXPECT_EQ(Texts(Ring.Since(R.Held)), R.Sent) << R.What;
}

TEST(FeedRing, ReadsAnEventsNumberOfDigitsOnly) {
  EXPECT_EQ(ReadEventId("42"), 42U);
  EXPECT_EQ(ReadEventId("0"), 0U);
  for (const char* Bad : {"", "-1", "4 2", "x", "99999999999999999999"})
    EXPECT_FALSE(ReadEventId(Bad)) << Bad;
}

}  // namespace
}  // namespace merrith
