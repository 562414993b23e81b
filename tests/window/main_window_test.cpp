#include "window/main_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"
#include "support/utf8.h"
#include "test_dialogs.h"
#include "window/document_seams.h"
#include "window/paths.h"

namespace merrith {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CMainWindow, SelectsOnlyTheHeightsThereAre) {
  CMainWindow Form;
  EXPECT_EQ(Form.GetHeightIndex(), 1);
  Form.optH_Click(7);
  for (const int NoHeight : {0, 10, -1}) Form.optH_Click(static_cast<std::int16_t>(NoHeight));
  EXPECT_EQ(Form.GetHeightIndex(), 7);
  Form.Form_Load();
  EXPECT_EQ(Form.GetHeightIndex(), 1);
}

// "OK" reads the code as typed (upper-cased, spaces kept) at the selected height, with the
// user's decimal separator; the tooltip names the dive and shows its sum, or says why there is
// no DD (the explanation's own cases are the CLI's explain tests').
TEST(CMainWindow, OKShowsTheDDAndWhatItIsMadeOf) {
  struct Typed {
    std::int16_t Height;
    std::u16string Code;
    std::u16string Separator;
    std::string Text;
    std::string Tip;
  };
  // clang-format off
  const Typed Cases[] = {
      {2, u"105b", u",", "2,4", "Forward 2½ Somersaults, Pike\n"
          "position 0,2 + somersaults 2,2 + twists 0 + approach 0 + entry 0 = 2,4"},
      {2, u" 105b", u".", "ERROR", "not a dive number"},
      {1, u"614C", u".", "ERROR", "armstand dives are done from the platform"},
  };
  // clang-format on
  for (const Typed& C : Cases) {
    CMainWindow Form;
    Form.optH_Click(C.Height);
    const ResultBox Box = Form.cmdOK_Click(C.Code, C.Separator);
    EXPECT_EQ(ToUtf8(Box.Text), C.Text) << ToUtf8(C.Code) << " at " << C.Height;
    EXPECT_EQ(ToUtf8(Box.Tip), C.Tip) << ToUtf8(C.Code) << " at " << C.Height;
  }
}

// A failed run (no list, no name, a folder as the list or where the table goes) says so and
// leaves the folder as it was; each button then writes its blocks, with the user's decimal
// separator and the listed lines as text. The user's height stays: the calculators are asked
// at every height of the table.
TEST(CMainWindow, BatchButtonsWriteTheirTableOrNothing) {
  testing::TestFolder Dir;
  const Bytes Earlier = {'o', 'l', 'd'};
  Dir.Put("list.txt", {'1', '0', '4', '\n', '<', 'b', '\'', '&', '\n'});
  std::filesystem::create_directory(Dir.Path("list.txt.htm"));
  Dir.Put("list.txt.htm/keep", Earlier);
  Dir.Put("missing.txt.htm", Earlier);
  CMainWindow Form;
  Form.optH_Click(7);
  const auto Before = Dir.Names();
  for (const char* Name : {"missing.txt", "nowhere/list.txt", "", "list.txt.htm", "list.txt"}) {
    const std::u16string Path = *Name ? Dir.Text(Name) : u"";
    EXPECT_EQ(ToUtf8(Form.cmdGenTbl_Click(2, Path, u".")), "File Error!!!") << Name;
  }
  EXPECT_EQ(Dir.Names(), Before);
  EXPECT_EQ(Dir.Get("list.txt.htm/keep"), Earlier);
  EXPECT_EQ(Dir.Get("missing.txt.htm"), Earlier);

  std::filesystem::remove_all(Dir.Path("list.txt.htm"));
  // The header ends at 10 m, starts at 12 m, or has both; the CLI's tests have each in full.
  const char* Holds[] = {"10m</th><tr>", "<tr><th></th><th colspan=6>12m",
                         "10m</th><th colspan=6>12m"};
  for (std::int16_t Index = 0; Index < 3; ++Index) {
    EXPECT_EQ(ToUtf8(Form.cmdGenTbl_Click(Index, Dir.Text("list.txt"), u",")),
              "OK, New file name is " + Dir.Path("list.txt.htm").string());
    const Bytes Written = Dir.Get("list.txt.htm");
    const std::string Table(Written.begin(), Written.end());
    EXPECT_NE(Table.find(Holds[Index]), std::string::npos) << Table;
    EXPECT_NE(Table.find("<tr><td>&lt;b&#39;&amp;</td>"), std::string::npos) << Table;
    const bool Springboard = Index != 1;
    EXPECT_EQ(Table.find("<td>2,4</td><td>2,1</td><td>2,0</td>") != std::string::npos, Springboard);
  }
  EXPECT_EQ(Form.GetHeightIndex(), 7);
}

// The menu's procedures: each asks, does, and tells through the dialogs.
class MainMenu : public ::testing::Test {
 protected:
  // A list as Windows' Notepad saves it in UTF-16.
  void SetUp() override { Dir.Put("list.txt", {0xFF, 0xFE, '1', 0, '0', 0, '5', 0, '\n', 0}); }
  merrith::testing::TestFolder Dir;
  merrith::testing::TestDialogs User;
  CMainWindow Form{User.Seams(), InstalledDocuments()};
};

// The last table is the last one written, found where it was written.
TEST_F(MainMenu, OpensTheLastTableWritten) {
  Form.mnuLastTable_Click();
  EXPECT_EQ(User.Messages,
            std::vector<std::u16string>{u"No table written yet: press D, HD or D+HD first."});
  Form.cmdGenTbl_Click(0, Dir.Text("list.txt"), u".");
  Form.cmdGenTbl_Click(0, Dir.Text("missing.txt"), u".");
  Form.mnuLastTable_Click();
  EXPECT_EQ(User.Pages, std::vector<std::u16string>{Dir.Text("list.txt.htm")});
}

// A chart beside the list, or of every dive in the temporary folder, opens in the browser;
// a list that cannot be read, no list named, or a chart that cannot be written is told with its
// file and reason, and leaves what stands where the chart would go.
TEST_F(MainMenu, WritesChartsAndOpensThem) {
  Form.mnuChartList_Click(Dir.Text("list.txt"));
  Form.mnuChartAll_Click();
  Form.mnuChartList_Click(Dir.Text("missing.txt"));
  Form.mnuChartList_Click(u"");
  Dir.Put("taken.txt", {'1', '0', '5'});
  std::filesystem::create_directory(Dir.Path("taken.txt.chart.htm"));
  Form.mnuChartList_Click(Dir.Text("taken.txt"));
  EXPECT_EQ(User.Pages, (std::vector<std::u16string>{Dir.Text("list.txt.chart.htm"),
                                                     TemporaryPath(u"every dive.chart.htm")}));
  const std::vector<std::uint8_t> Chart = Dir.Get("list.txt.chart.htm");
  const std::string Page(Chart.begin(), Chart.end());
  for (const char* Shown : {"class=no>105<", "Forward 2\u00bd Somersaults", ">1m<", ">27m<"})
    EXPECT_NE(Page.find(Shown), std::string::npos) << Shown;
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(User.Pages[1])));
  EXPECT_EQ(testing::WithoutReasons(User.Messages),
            (std::vector<std::u16string>{u"Cannot read " + Dir.Text("missing.txt") + u": \u2026.",
                                         u"Cannot read a file without a name: \u2026.",
                                         u"Cannot write " + Dir.Text("taken.txt.chart.htm") +
                                             u": \u2026; the file there is as it was."}));
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path("taken.txt.chart.htm")));
}

// The rules files' faults are told at the first sheet window's opening, and only then.
TEST_F(MainMenu, TellsTheFaultsOfTheRulesFilesOnce) {
  DocumentRooms Faulty = InstalledDocuments();
  Faulty.Sheets.RulesFaults = [] { return std::vector<std::u16string>{u"a.toml:2:6: no id"}; };
  CMainWindow Told{User.Seams(), Faulty};
  Told.SheetOpening();
  Told.SheetOpening();
  Form.SheetOpening();
  ASSERT_EQ(User.Messages.size(), 1u);
  EXPECT_NE(User.Messages[0].find(u"left out:\n\na.toml:2:6: no id\n\n"), std::u16string::npos);
}

// Both rule books: the 2024 one that sheets and competitions are checked against, and the one
// they may name instead.
TEST(AboutText, NamesTheVersionTheRuleCyclesBothBooksAndTheRulesFolder) {
  const std::string About = ToUtf8(AboutText(u"/home/ann/.config/merrith/events"));
  for (const char* Said :
       {"Merrith 1.", "rule cycle 2015-2021",
        "Dive sheets and competitions are checked against the World Aquatics Diving Rules 2024, "
        "unless they name the FINA Diving Rules 2017-2021 (Book: fina-2017-2021).",
        "read from /home/ann/.config/merrith/events", "MIT License"})
    EXPECT_NE(About.find(Said), std::string::npos) << Said;
  EXPECT_EQ(ToUtf8(AboutText(u"")).find("read from"), std::string::npos);
}

}  // namespace
}  // namespace merrith
