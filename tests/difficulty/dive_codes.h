#pragma once

#include <string>
#include <vector>

namespace merrith::testing {

// Dive numbers of every group, with and without flying digits, over a wide range of half
// somersaults, twists, directions and position letters, including some that no table allows.
inline std::vector<std::u16string> GeneratedCodes() {
  std::vector<std::u16string> Codes;
  const std::u16string Letters = u"ABCDEZ9";
  auto Number = [](int N) {
    std::u16string Text;
    for (char C : std::to_string(N)) Text += static_cast<char16_t>(C);
    return N < 10 ? Text : u"(" + Text + u")";
  };
  for (char16_t Pos : Letters) {
    for (int Som = 0; Som <= 12; ++Som) {
      for (int Group = 0; Group <= 7; ++Group)
        for (int Fly = 0; Fly <= 2; ++Fly)
          Codes.push_back(Number(Group) + Number(Fly) + Number(Som) + Pos);
      for (int Group = 5; Group <= 6; ++Group)
        for (int Dir = 0; Dir <= 6; ++Dir)
          for (int Twi = 0; Twi <= 11; ++Twi) {
            Codes.push_back(Number(Group) + Number(Dir) + Number(Som) + Number(Twi) + Pos);
            Codes.push_back(Number(Group) + u"1" + Number(Dir) + Number(Som) + Number(Twi) + Pos);
            Codes.push_back(Number(Group) + Number(Dir) + Number(Som) + Number(Twi) + u"M" + Pos);
          }
    }
  }
  return Codes;
}

}  // namespace merrith::testing
