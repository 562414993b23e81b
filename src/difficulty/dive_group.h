#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

namespace merrith {

// The groups of the rule book, numbered as the first digit of their dive numbers: 5253B is a
// twisting dive though it turns backwards. Springboard has no armstand dives.
enum class DiveGroup : std::int32_t {
  None,  // a number that cannot be read
  Forward,
  Back,
  Reverse,
  Inward,
  Twisting,
  Armstand,
};

// A group and its name as the rule book's headings print it.
struct GroupRow {
  DiveGroup Group;
  std::u16string_view Heading;
};

// clang-format off
inline constexpr GroupRow DiveGroups[] = {
  // group,               heading
    {DiveGroup::Forward,  u"Forward"},
    {DiveGroup::Back,     u"Back"},
    {DiveGroup::Reverse,  u"Reverse"},
    {DiveGroup::Inward,   u"Inward"},
    {DiveGroup::Twisting, u"Twisting"},
    {DiveGroup::Armstand, u"Armstand"},
};
// clang-format on

// One row per group, in the order of their digits, which ends with the armstand group.
static_assert([] {
  std::int32_t Digit = 1;
  for (const GroupRow& G : DiveGroups)
    if (static_cast<std::int32_t>(G.Group) != Digit++) return false;
  return DiveGroups[std::size(DiveGroups) - 1].Group == DiveGroup::Armstand;
}());

// The group as a heading names it ("Twisting"); empty for DiveGroup::None.
constexpr std::u16string_view GroupHeading(DiveGroup Group) {
  const auto Digit = static_cast<std::size_t>(Group);
  if (Digit < 1 || Digit > std::size(DiveGroups)) return {};
  return DiveGroups[Digit - 1].Heading;
}

// The group as a sentence names it ("twisting"); empty for DiveGroup::None.
inline std::u16string GroupName(DiveGroup Group) {
  std::u16string Name(GroupHeading(Group));
  if (!Name.empty()) Name[0] = static_cast<char16_t>(Name[0] - u'A' + u'a');
  return Name;
}

// The groups as a sentence lists them: "forward, back, twisting"; "none" for no group.
inline std::u16string GroupsText(std::span<const DiveGroup> Groups) {
  std::u16string Text;
  for (const DiveGroup G : Groups) Text += (Text.empty() ? u"" : u", ") + GroupName(G);
  return Text.empty() ? u"none" : Text;
}

}  // namespace merrith
