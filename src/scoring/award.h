#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace merrith {

// An award in half points: 7.5 is 15; a judge awards 0 to 20 (0 to 10 points).
using HalfPoints = std::int32_t;
inline constexpr HalfPoints MaxAward = 20;
// Points in hundredths: 59.64 is 5964. Every dive's points and every total is exact in them.
using Hundredths = std::int64_t;

// An award as a judge's card or a file writes it: "7", "7.0", "7.5", "7,5", "10", "0.5",
// white space around it dropped; nothing for anything else (a quarter, below 0, above 10, a
// sign, spaces inside, "75").
std::optional<HalfPoints> ReadAward(std::u16string_view Text);
// A missing award as files write it: "-".
inline bool IsMissingAward(std::u16string_view Text) { return Text.size() == 1 && Text[0] == u'-'; }
// An award as the recorder types it from a judge's card: as ReadAward reads it, and two digits
// with no separator as the card shows them, a point apart where ReadAward reads none ("75"
// is 7.5; "10" stays 10).
std::optional<HalfPoints> ReadTypedAward(std::u16string_view Text);
// An award as results print it: "7.0", "7.5", "10.0".
std::u16string AwardText(HalfPoints Award);
// Points as results print them, with one or two decimals or none ("152.40", "152.4", "152"),
// white space around them dropped; nothing for anything else (a sign, a third decimal, a
// comma, more than MostPointsDigits whole digits).
inline constexpr std::size_t MostPointsDigits = 7;
std::optional<Hundredths> ReadPoints(std::u16string_view Text);
// Points with two decimals: "45.00", "59.64", "0.00"; a minus sign never occurs.
std::u16string PointsText(Hundredths Points);

}  // namespace merrith
