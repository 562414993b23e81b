#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace merrith {

// A table row of exactly the values written: its length is the number of values, so a row
// that misses or gains a value no longer fits its table and the build stops.
template <class... Values>
constexpr std::array<double, sizeof...(Values)> Row(Values... Entries) {
  return {static_cast<double>(Entries)...};
}

// A row that may be shorter than its table's widest row. It keeps its own length, so a
// column beyond its end is told apart from an entry -999.
template <std::size_t Capacity>
class RaggedRow {
 public:
  template <std::size_t Length>
  requires(Length <= Capacity) constexpr RaggedRow(const std::array<double, Length>& Entries)
      : length_(Length) {
    for (std::size_t i = 0; i < Length; ++i) entries_[i] = Entries[i];
  }

  // The number of columns the row has.
  constexpr std::size_t size() const { return length_; }

  // Whether Column lies within the row.
  constexpr bool Has(std::int64_t Column) const {
    return Column >= 0 && static_cast<std::uint64_t>(Column) < length_;
  }

  // The entry at Column; Column must lie within the row.
  constexpr double operator[](std::int64_t Column) const {
    return entries_[static_cast<std::size_t>(Column)];
  }

 private:
  std::array<double, Capacity> entries_{};
  std::size_t length_;
};

}  // namespace merrith
