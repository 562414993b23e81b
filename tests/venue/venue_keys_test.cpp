#include "venue/venue_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace merrith {
namespace {

// Each seat's key and the referee's differ, 26 letters of the key alphabet each; kept and read
// back they are the same keys, and a text kept for another panel reads as none.
TEST(VenueKeys, AreMadeAfreshForEachSeatAndKeptAsWritten) {
  const std::optional<VenueKeys> Keys = MakeVenueKeys(7);
  ASSERT_TRUE(Keys);
  ASSERT_EQ(Keys->Seats.size(), 7U);
  std::set<std::string> Seen(Keys->Seats.begin(), Keys->Seats.end());
  Seen.insert(Keys->Referee);
  EXPECT_EQ(Seen.size(), 8U);
  for (const std::string& Key : Seen) {
    EXPECT_EQ(Key.size() * 5, KeyBits);
    EXPECT_EQ(Key.find_first_not_of("abcdefghijklmnopqrstuvwxyz234567"), std::string::npos);
  }
  const std::optional<VenueKeys> Kept = ReadVenueKeys(VenueKeysText(*Keys), 7);
  ASSERT_TRUE(Kept);
  EXPECT_EQ(Kept->Seats, Keys->Seats);
  EXPECT_EQ(Kept->Referee, Keys->Referee);
  EXPECT_FALSE(ReadVenueKeys(VenueKeysText(*Keys), 5));
  EXPECT_FALSE(ReadVenueKeys(VenueKeysText(*Keys).substr(1), 7));
}

// A key typed from its card in groups and capitals is the key; any other is not.
TEST(KeysEqual, HoldsForTheKeyAsTypedAndNothingElse) {
  const std::string Key = "abcdefghijklmnopqrstuvwxyz";
  EXPECT_EQ(KeyInGroups(Key), "abcde fghij klmno pqrst uvwxy z");
  EXPECT_TRUE(KeysEqual(KeyAsTyped("ABCDE fghij-klmno pqrst uvwxy z"), Key));
  EXPECT_FALSE(KeysEqual(Key.substr(0, 25), Key));
  EXPECT_FALSE(KeysEqual(Key + "a", Key));
  EXPECT_FALSE(KeysEqual("abcdefghijklmnopqrstuvwxya", Key));
  EXPECT_FALSE(KeysEqual("", ""));
}

}  // namespace
}  // namespace merrith
