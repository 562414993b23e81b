#include "report/chart_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"

namespace merrith {
namespace {

// The window's chart: of the list's dives (UTF-16 read as a list is) or of every dive, at
// every height with names; nothing written when the list cannot be read, and a chart that
// cannot be written leaves what stands there.
TEST(WriteChartFile, WritesTheChartOfTheListWholeOrNotAtAll) {
  const testing::TestFolder Dir;
  Dir.Put("list.txt", {0xFF, 0xFE, '1', 0, '0', 0, '5', 0, '\n', 0});
  std::filesystem::create_directory(Dir.Path("folder.htm"));
  struct Case {
    const char* List;
    const char* Chart;
    BatchOutcome Outcome;
    std::vector<std::string> Shows;
  };
  // clang-format off
  const Case Cases[] = {
    //        List              Chart                      Outcome  What the page shows
      {   "list.txt",    "list.chart.htm",     BatchOutcome::Written, {"<!DOCTYPE html>", "class=no>105<",
                                                                       "Forward 2\u00bd Somersaults", ">1m<", ">27m<"}},
      {           "",   "every.chart.htm",     BatchOutcome::Written, {"class=no>6243<"}},
      {"missing.txt", "missing.chart.htm",  BatchOutcome::ReadFailed, {}},
      {   "list.txt",        "folder.htm", BatchOutcome::WriteFailed, {}},
  };
  // clang-format on
  for (const Case& C : Cases) {
    const std::u16string List = *C.List != 0 ? Dir.Text(C.List) : u"";
    EXPECT_EQ(WriteChartFile(List, Dir.Text(C.Chart)), C.Outcome) << C.Chart;
    if (C.Shows.empty()) continue;
    const std::vector<std::uint8_t> Bytes = Dir.Get(C.Chart);
    const std::string Page(Bytes.begin(), Bytes.end());
    for (const std::string& Shown : C.Shows)
      EXPECT_NE(Page.find(Shown), std::string::npos) << C.Chart << ": " << Shown;
  }
  std::vector<std::string> Left = Dir.Names();
  std::sort(Left.begin(), Left.end());
  EXPECT_EQ(Left, (std::vector<std::string>{"every.chart.htm", "folder.htm", "list.chart.htm",
                                            "list.txt"}));
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path("folder.htm")));
}

}  // namespace
}  // namespace merrith
