#include "window/main_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"
#include "stand_in_documents.h"
#include "support/utf8.h"
#include "test_dialogs.h"
#include "window/paths.h"

namespace merrith {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Utf8(std::u16string_view Text) {
  const Bytes Encoded = EncodeUtf8(Text);
  return {Encoded.begin(), Encoded.end()};
}

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
// user's decimal separator; the tooltip names the dive and shows its sum, the sum alone for a
// dive without a name, or says why there is no DD.
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
      {5, u"5511B", u".", "1.6",
          "position 0.3 + somersaults 1.3 + twists 0 + approach 0 + entry 0 = 1.6"},
      {6, u"104B", u".", "2.9", "Forward 2 Somersaults, Pike\ndirection 0 + somersaults 2.6 + "
          "twists 0 + twist count 0 + parity 0.3 + no twist 0 + position 0 = 2.9"},
      {2, u" 105b", u".", "ERROR", "not a dive number"},
      {1, u"614C", u".", "ERROR", "armstand dives are done from the platform"},
  };
  // clang-format on
  for (const Typed& C : Cases) {
    CMainWindow Form;
    Form.optH_Click(C.Height);
    const ResultBox Box = Form.cmdOK_Click(C.Code, C.Separator);
    EXPECT_EQ(Utf8(Box.Text), C.Text) << Utf8(C.Code) << " at " << C.Height;
    EXPECT_EQ(Utf8(Box.Tip), C.Tip) << Utf8(C.Code) << " at " << C.Height;
  }
}

// A folder with a list and the tables of earlier runs, one of them where a table would go.
class BatchTable : public ::testing::Test {
 protected:
  void SetUp() override {
    PutList("105\n");
    std::filesystem::create_directory(Dir.Path("list.txt.htm"));
    Dir.Put("list.txt.htm/keep", Earlier);
    Dir.Put("missing.txt.htm", Earlier);
    Form.optH_Click(7);
  }
  void PutList(const std::string& Lines) {
    Dir.Put("list.txt", Bytes(Lines.begin(), Lines.end()));
    std::filesystem::remove_all(Dir.Path("list.txt.htm"));
  }
  // The message of the button Index on the list, and the table it wrote.
  std::string Run(std::int16_t Index, const std::u16string& Separator = u".") {
    Message = Utf8(Form.cmdGenTbl_Click(Index, Dir.Text("list.txt"), Separator));
    const Bytes Table = Dir.Get("list.txt.htm");
    return {Table.begin(), Table.end()};
  }

  const Bytes Earlier = {'o', 'l', 'd'};
  merrith::testing::TestFolder Dir;
  CMainWindow Form;
  std::string Message;
};

// The calculators are asked at every height of the table, yet the user's height stays.
TEST_F(BatchTable, EachButtonWritesItsBlocks) {
  // The header without 12 m, without 10 m, or with both (cli_table_test has each table in
  // full).
  const char* Holds[] = {"10m</th><tr>", "<tr><th></th><th colspan=6>12m",
                         "10m</th><th colspan=6>12m"};
  for (std::int16_t Index = 0; Index < 3; ++Index) {
    SCOPED_TRACE(Index);
    PutList("104\n");
    const std::string Table = Run(Index);
    EXPECT_EQ(Message, "OK, New file name is " + Dir.Path("list.txt.htm").string());
    EXPECT_EQ(Form.GetHeightIndex(), 7);
    EXPECT_TRUE(Table.starts_with("\xEF\xBB\xBF<table border=1><caption>"));
    EXPECT_NE(Table.find(Holds[Index]), std::string::npos) << Table;
  }
}

// A missing list or folder, no name, a folder as the list or where the table goes: a failed
// run leaves the folder as it was, an earlier table included, and the height.
TEST_F(BatchTable, ReportsAFileErrorAndWritesNothing) {
  const auto Before = Dir.Names();
  for (const char* Name : {"missing.txt", "nowhere/list.txt", "", "list.txt.htm", "list.txt"}) {
    const std::u16string Path = *Name ? Dir.Text(Name) : u"";
    EXPECT_EQ(Utf8(Form.cmdGenTbl_Click(2, Path, u".")), "File Error!!!") << Name;
  }
  EXPECT_EQ(Form.GetHeightIndex(), 7);
  EXPECT_EQ(Dir.Names(), Before);
  EXPECT_EQ(Dir.Get("list.txt.htm/keep"), Earlier);
  EXPECT_EQ(Dir.Get("missing.txt.htm"), Earlier);
}

TEST_F(BatchTable, WritesAListedLineAsTextNotMarkup) {
  PutList("<b a='1'>\"105&\n");
  const std::string Table = Run(0);
  EXPECT_NE(Table.find("<tr><td>&lt;b a=&#39;1&#39;&gt;&quot;105&amp;</td><td>-</td>"),
            std::string::npos);
  EXPECT_EQ(Table.find("<b"), std::string::npos);
}

TEST_F(BatchTable, PutsTheDecimalSeparatorInEveryCell) {
  PutList("104\n");
  EXPECT_NE(Run(0, u",").find("<td>2,4</td><td>2,1</td><td>2,0</td>"), std::string::npos);
}

// The menu's procedures: each asks, does, and tells through the dialogs.
class MainMenu : public ::testing::Test {
 protected:
  void SetUp() override { Dir.Put("list.txt", {'1', '0', '5', '\n'}); }
  merrith::testing::TestFolder Dir;
  merrith::testing::TestDialogs User;
  CMainWindow Form{User.Seams(), testing::StandInDocuments()};
};

TEST_F(MainMenu, OpenListGivesThePathChosen) {
  User.Paths = {Dir.Text("list.txt"), std::nullopt};
  EXPECT_EQ(Form.mnuOpenList_Click(u"action.txt"), Dir.Text("list.txt"));
  EXPECT_EQ(Form.mnuOpenList_Click(u"action.txt"), std::nullopt);
  EXPECT_EQ(User.Asked, (std::vector<std::u16string>{u"Open list", u"Open list"}));
}

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
// a list that cannot be read, or no list named, gives the batch table's message.
TEST_F(MainMenu, WritesChartsAndOpensThem) {
  Form.mnuChartList_Click(Dir.Text("list.txt"));
  Form.mnuChartAll_Click();
  Form.mnuChartList_Click(Dir.Text("missing.txt"));
  Form.mnuChartList_Click(u"");
  EXPECT_EQ(User.Pages, (std::vector<std::u16string>{Dir.Text("list.txt.chart.htm"),
                                                     TemporaryPath(u"every dive.chart.htm")}));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(User.Pages[1])));
  EXPECT_EQ(User.Messages, (std::vector<std::u16string>{u"File Error!!!", u"File Error!!!"}));
}

// The rules files' faults are told at the first sheet window's opening, and only then.
TEST_F(MainMenu, TellsTheFaultsOfTheRulesFilesOnce) {
  DocumentRooms Faulty = testing::StandInDocuments();
  Faulty.Sheets.RulesFaults = [] { return std::vector<std::u16string>{u"a.toml:2:6: no id"}; };
  CMainWindow Told{User.Seams(), Faulty};
  Told.SheetOpening();
  Told.SheetOpening();
  Form.SheetOpening();
  ASSERT_EQ(User.Messages.size(), 1u);
  EXPECT_NE(User.Messages[0].find(u"left out:\n\na.toml:2:6: no id\n\n"), std::u16string::npos);
}

TEST(AboutText, NamesTheVersionTheRuleCyclesAndTheRulesFolder) {
  const std::string About = Utf8(AboutText(u"/home/ann/.config/merrith/events"));
  for (const char* Said : {"Merrith 1.", "rule cycle 2015-2021", "FINA Diving Rules 2017-2021",
                           "read from /home/ann/.config/merrith/events", "MIT License"})
    EXPECT_NE(About.find(Said), std::string::npos) << Said;
  EXPECT_EQ(Utf8(AboutText(u"")).find("read from"), std::string::npos);
}

}  // namespace
}  // namespace merrith
