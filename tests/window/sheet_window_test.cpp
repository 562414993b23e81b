#include "window/sheet_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"
#include "held_sheets.h"
#include "sheets/sheet_reader.h"
#include "support/utf8.h"
#include "test_dialogs.h"
#include "window/document_seams.h"

namespace merrith {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Text as a file of UTF-16LE with its byte-order mark.
std::string MarkedUtf16(std::u16string_view Text) {
  std::string File = "\xFF\xFE";
  for (const char16_t Unit : Text) {
    File += static_cast<char>(Unit & 0xFF);
    File += static_cast<char>(Unit >> 8);
  }
  return File;
}

// The headings come out as the report reads them, the first of each before the first dive;
// everything else stays where it was, and the file written back reads the same.
TEST(ReadSheetFields, TakesTheHeadingsAndKeepsTheRest) {
  struct Sheet {
    const char *File, *Event, *Diver, *Dives, *Written;
  };
  // clang-format off
  const Sheet Sheets[] = {
      {"Event: women-3m\r\nDiver:  Ann \r\n105B\r\n", "women-3m", "Ann", "105B\n", "Event: women-3m\nDiver: Ann\n105B\n"},
      {"# warm-up\nHEIGHT: 3m\nevent:men-10m\nEvent: x\n105B\nDiver: late", "men-10m", "",
       "# warm-up\nHEIGHT: 3m\nEvent: x\n105B\nDiver: late",
       "Event: men-10m\n# warm-up\nHEIGHT: 3m\nEvent: x\n105B\nDiver: late\n"},
      {"", "", "", "", ""},
      {"Diver: Bo\n\n", "", "Bo", "\n", "Diver: Bo\n\n"},
      {"Event: women-3m\nClub-2: X\nDiver: Ann\n105B", "women-3m", "Ann", "Club-2: X\n105B", "Event: women-3m\nDiver: Ann\nClub-2: X\n105B\n"},
  };
  // clang-format on
  for (const Sheet& S : Sheets) {
    const SheetFields Fields = ReadSheetFields(DecodeUtf8(S.File));
    EXPECT_EQ(ToUtf8(Fields.EventId), S.Event) << S.File;
    EXPECT_EQ(ToUtf8(Fields.Diver), S.Diver) << S.File;
    EXPECT_EQ(ToUtf8(Fields.Dives), S.Dives) << S.File;
    EXPECT_EQ(ToUtf8(SheetFileText(Fields, u"\n")), S.Written) << S.File;
  }
  const SheetFields Team = ReadSheetFields(
      u"Divers:  A (W), B (M) \nEvent: mixed-team\nbook: fina-2017-2021\nDiver: A / B\n105B A");
  EXPECT_EQ(Team.BookId, u"fina-2017-2021");
  EXPECT_EQ(Team.Divers, u"A (W), B (M)");
  EXPECT_EQ(
      SheetFileText(Team, u"\n"),
      u"Book: fina-2017-2021\nEvent: mixed-team\nDiver: A / B\nDivers: A (W), B (M)\n105B A\n");
  EXPECT_EQ(SheetFileText({u"", u"A\r\nB", u"105B\n203C", u"", u""}, u"\r\n"),
            u"Diver: A  B\r\n105B\r\n203C\r\n");
}

// The divers a sheet names, as its report reads them.
std::u16string DiversOf(const SheetText& Sheet) {
  std::u16string Named;
  for (const NamedDiver& D : Sheet.Divers)
    Named += D.Name + u"/" + static_cast<char16_t>(u'0' + static_cast<int>(D.Sex)) + u";";
  return Named;
}

// Whatever a sheet holds, the window shows the headings the report reads, and once written
// (which ends its last line) it reads back as the same fields, the same divers and the same
// file.
TEST(ReadSheetFields, ReadsItsOwnFileBackAsTheSameFields) {
  const std::string_view Sheets[] = {
      testing::GirlsSheet, testing::AgeGroupMarked, testing::AgeGroupUnmarked, testing::ClubMarkup,
      testing::Synchro, testing::UnknownEvent, testing::Women3m,
      // An empty heading before a full one, a lone carriage return, headings twice and late.
      "Event:\nDiver:\nEvent: men-1m\nDiver: Bo\n105B", "Event: a\rb\r\nDiver: \r\n",
      "Diver: Ann\nDiver: Bo\n105B\nEvent: late\n\n", "\n\n", "#\n", "Club-2: X\n105B\r\n",
      // A pair, a team (its divers before or after the pair's line), books.
      "Event: synchro-mixed-3m\nDiver: Ann (W) / Ben\n105B Ann / Ben",
      "Diver: A / B\nDivers: A (W), (M), C (m)\nDivers: D (W)\n105B A / C",
      "Divers:\nBook:\nBook: nowhere\nDivers: A (W)\nDiver: B / C\n105B"};
  for (const std::string_view Sheet : Sheets) {
    const std::u16string Text = DecodeUtf8(Sheet);
    const SheetFields Fields = ReadSheetFields(Text);
    const SheetText Read = ReadSheet(Text);
    EXPECT_EQ(Fields.EventId, Read.EventId) << Sheet;
    EXPECT_EQ(Fields.Diver, Read.Diver) << Sheet;
    EXPECT_EQ(Fields.BookId, Read.BookId) << Sheet;
    for (const std::u16string_view LineEnd : {u"\n", u"\r\n"}) {
      const std::u16string Written = SheetFileText(Fields, LineEnd);
      const SheetFields Saved = ReadSheetFields(Written);
      const SheetFields Again = ReadSheetFields(SheetFileText(Saved, LineEnd));
      EXPECT_EQ(DiversOf(ReadSheet(Written)), DiversOf(Read)) << Sheet;
      for (const SheetFields* Next : {&Saved, &Again}) {
        EXPECT_EQ(Next->EventId, Fields.EventId) << Sheet;
        EXPECT_EQ(Next->Diver, Fields.Diver) << Sheet;
        EXPECT_EQ(Next->BookId, Fields.BookId) << Sheet;
        EXPECT_EQ(Next->Divers, Fields.Divers) << Sheet;
      }
      EXPECT_EQ(Again.Dives, Saved.Dives) << Sheet;
      EXPECT_EQ(SheetFileText(Saved, LineEnd), Written) << Sheet;
    }
  }
}

class SheetWindowTest : public ::testing::Test {
 protected:
  CSheetWindow Make() { return CSheetWindow(Rooms.Sheets, User.Seams()); }
  void Put(const std::string& Name, const std::string& Text) const {
    Dir.Put(Name, Bytes(Text.begin(), Text.end()));
  }
  std::string Get(const std::string& Name) const {
    const Bytes Held = Dir.Get(Name);
    return {Held.begin(), Held.end()};
  }

  testing::TestFolder Dir;
  testing::TestDialogs User;
  const DocumentRooms Rooms = InstalledDocuments();
};

// The report is redone from the sheet as it stands; the caption marks changes not saved.
TEST_F(SheetWindowTest, TypingRedoesTheReportAndMarksTheCaption) {
  CSheetWindow Sheet = Make();
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - Untitled");
  EXPECT_EQ(Sheet.EventRow(), -1);
  Sheet.txDives_Change(u"105B\n203C\n# spare\n");
  Sheet.cboEvent_Click(1);
  Sheet.cboEvent_Click(999);  // no such entry
  Sheet.txDiver_Change(u"Ann");
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - Untitled*");
  EXPECT_EQ(Sheet.EventRow(), 1);
  EXPECT_EQ(Sheet.Text(), u"Event: women-3m\nDiver: Ann\n105B\n203C\n# spare\n");
  EXPECT_EQ(Sheet.Report(), Rooms.Sheets.Report(Sheet.Text()));
  Sheet.txDiver_Change(u"");
  Sheet.txDives_Change(u"");
  Sheet.cboEvent_Click(-1);
  EXPECT_FALSE(Sheet.Changed()) << "back as it was: nothing to save";
}

// Saved as UTF-8 with a mark, in the sheet format; a second Save asks nothing.
TEST_F(SheetWindowTest, SavesTheSheetFileUnderTheNameGiven) {
  CSheetWindow Sheet = Make();
  Sheet.cboEvent_Click(0);
  Sheet.txDives_Change(u"105B 3m 2.4\n");
  EXPECT_FALSE(Sheet.cmdSave_Click()) << "Save as... cancelled";
  User.Paths = {Dir.Text("a.txt")};
  ASSERT_TRUE(Sheet.cmdSave_Click());
  const std::string End(ToUtf8(SheetLineEnd));
  EXPECT_EQ(Get("a.txt"),
            "\xEF\xBB\xBF"
            "Event: women-1m" +
                End + "105B 3m 2.4" + End);
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - a.txt");
  Sheet.txDiver_Change(u"Bo");
  ASSERT_TRUE(Sheet.cmdSave_Click());
  EXPECT_EQ(User.Asked, (std::vector<std::u16string>{u"Save dive sheet", u"Save dive sheet"}));
  EXPECT_NE(Get("a.txt").find("Diver: Bo"), std::string::npos);
  EXPECT_TRUE(User.Messages.empty());
}

// Where the save cannot go (a folder stands there) the window says so and keeps its sheet
// and its file; the folder is left whole.
TEST_F(SheetWindowTest, AFailedSaveSaysSoAndLeavesWhatWasThere) {
  Put("a.txt", "Event: men-10m\n105B\n");
  std::filesystem::create_directory(Dir.Path("b.txt"));
  Put("b.txt/keep", "old");
  CSheetWindow Sheet = Make();
  ASSERT_TRUE(Sheet.Load(Dir.Text("a.txt")));
  Sheet.txDives_Change(u"107B\n");
  User.Paths = {Dir.Text("b.txt")};
  EXPECT_FALSE(Sheet.cmdSaveAs_Click());
  EXPECT_EQ(testing::WithoutReasons(User.Messages),
            std::vector<std::u16string>{u"Cannot write " + Dir.Text("b.txt") +
                                        u": \u2026; the file there is as it was."});
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - a.txt*");
  EXPECT_EQ(Get("b.txt/keep"), "old");
  EXPECT_EQ(Get("a.txt"), "Event: men-10m\n105B\n");
}

// A missing file is named; the window keeps what it had. An event no rule book has stays
// the sheet's, at the end of the drop-down.
TEST_F(SheetWindowTest, OpensWhatItCanAndLosesNothing) {
  CSheetWindow Sheet = Make();
  Sheet.txDives_Change(u"105B");
  EXPECT_FALSE(Sheet.Load(Dir.Text("missing.txt")));
  EXPECT_EQ(testing::WithoutReasons(User.Messages),
            std::vector<std::u16string>{u"Cannot read " + Dir.Text("missing.txt") + u": \u2026."});
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - Untitled*");

  Put("club.txt", MarkedUtf16(u"Event: club\n105B"));
  ASSERT_TRUE(Sheet.Load(Dir.Text("club.txt")));
  EXPECT_EQ(Sheet.Caption(), u"Dive sheet - club.txt");
  EXPECT_EQ(Sheet.EventChoices().back().Id, u"club");
  EXPECT_EQ(Sheet.EventRow(), static_cast<int>(Sheet.EventChoices().size()) - 1);
  EXPECT_EQ(Sheet.Text(), u"Event: club\n105B\n");
}

// A sheet in UTF-8 reads as UTF-8 whatever the system's character set; one in another set is
// read in the system's or as Windows-1252, and the message names the file.
TEST_F(SheetWindowTest, ReadsUtf8FirstAndNamesASheetThatIsNot) {
  Put("utf8.txt", "Diver: Zo\xC3\xAB \xC3\x85str\xC3\xB6m\n105B\n");
  Put("latin.txt", "Diver: Zo\xEB \xC5str\xF6m\n105B\n");
  CSheetWindow Sheet = Make();
  ASSERT_TRUE(Sheet.Load(Dir.Text("utf8.txt")));
  EXPECT_TRUE(User.Messages.empty());
  EXPECT_EQ(Sheet.Text(), u"Diver: Zo\u00EB \u00C5str\u00F6m\n105B\n");
  ASSERT_TRUE(Sheet.Load(Dir.Text("latin.txt")));
  EXPECT_EQ(Sheet.Text(), u"Diver: Zo\u00EB \u00C5str\u00F6m\n105B\n");
  ASSERT_EQ(User.Messages.size(), 1U);
  EXPECT_TRUE(User.Messages[0].starts_with(Dir.Text("latin.txt") + u" is not UTF-8: read as "))
      << ToUtf8(User.Messages[0]);
}

// The default book comes first; a book picked lists its events and is named on the sheet (the
// default by no Book: line), the sheet's event kept. A book that no rules file has stays the
// sheet's, last, and the report says so. The divers' box is offered for a team's event, or
// while it holds names.
TEST_F(SheetWindowTest, PicksTheBookAndOffersATeamsDivers) {
  CSheetWindow Sheet = Make();
  const auto RowOf = [&Sheet](std::u16string_view Id) {
    const std::vector<EventChoice>& Events = Sheet.EventChoices();
    for (std::size_t Row = 0; Row < Events.size(); ++Row)
      if (Events[Row].Id == Id) return static_cast<int>(Row);
    return -1;
  };
  ASSERT_EQ(Sheet.BookChoices().size(), 2u);
  EXPECT_EQ(Sheet.BookChoices()[0].Id, DefaultBookId);
  EXPECT_EQ(Sheet.BookRow(), 0);
  EXPECT_EQ(Sheet.EventChoices().size(), 34u);
  EXPECT_FALSE(Sheet.DiversOffered());
  Sheet.cboEvent_Click(RowOf(u"mixed-team"));
  EXPECT_TRUE(Sheet.DiversOffered());
  Sheet.cboEvent_Click(RowOf(u"women-3m"));
  EXPECT_FALSE(Sheet.DiversOffered());
  Sheet.cboBook_Click(1);
  EXPECT_EQ(Sheet.EventChoices().size(), 32u);
  EXPECT_EQ(Sheet.EventRow(), RowOf(u"women-3m"));
  EXPECT_EQ(Sheet.Text(), u"Book: fina-2017-2021\nEvent: women-3m\n");
  Sheet.cboBook_Click(0);
  EXPECT_EQ(Sheet.Text(), u"Event: women-3m\n");

  Put("team.txt", "Book: FINA-2017-2021\nEvent: mixed-team\nDivers: Ann (W)\n105B\n");
  ASSERT_TRUE(Sheet.Load(Dir.Text("team.txt")));
  EXPECT_EQ(Sheet.BookRow(), 1);
  EXPECT_EQ(Sheet.EventRow(), 32) << "the 2017 book has no team event";
  EXPECT_TRUE(Sheet.DiversOffered());
  Sheet.txDivers_Change(u"");
  EXPECT_FALSE(Sheet.DiversOffered());

  Put("nowhere.txt", "Book: nowhere\nEvent: men-1m\n105B\n");
  ASSERT_TRUE(Sheet.Load(Dir.Text("nowhere.txt")));
  EXPECT_EQ(Sheet.BookChoices().back().Title, u"nowhere");
  EXPECT_EQ(Sheet.BookRow(), 2);
  EXPECT_EQ(Sheet.EventChoices().size(), 1u);
  EXPECT_EQ(Sheet.Text(), u"Book: nowhere\nEvent: men-1m\n105B\n");
  EXPECT_NE(Sheet.Report().find(u"Line 1: no rule book has the id nowhere: the books are"),
            std::u16string::npos);
}

// Closing asks only about changes: Save saves (and a save that does not happen keeps the
// window), Don't save closes, Cancel keeps it.
TEST_F(SheetWindowTest, AsksBeforeClosingWithChanges) {
  const struct Case {
    SaveAnswer Answer;
    bool NameGiven, Closes, Saved;
  } Cases[] = {
      {    SaveAnswer::Save,  true,  true,  true},
      {    SaveAnswer::Save, false, false, false},
      {SaveAnswer::DontSave, false,  true, false},
      {  SaveAnswer::Cancel, false, false, false}
  };
  for (const Case& C : Cases) {
    User = {};
    User.Answer = C.Answer;
    if (C.NameGiven) User.Paths = {Dir.Text("closing.txt")};
    CSheetWindow Sheet = Make();
    EXPECT_TRUE(Sheet.Form_QueryUnload()) << "nothing to save, nothing asked";
    Sheet.txDives_Change(u"105B");
    EXPECT_EQ(Sheet.Form_QueryUnload(), C.Closes) << static_cast<int>(C.Answer);
    EXPECT_EQ(User.Asked.front(), u"Untitled");
    EXPECT_EQ(std::filesystem::exists(Dir.Path("closing.txt")), C.Saved);
    std::filesystem::remove(Dir.Path("closing.txt"));
  }
}

// "Open..." asks about changes first; Cancel there opens nothing.
TEST_F(SheetWindowTest, OpenAsksAboutChangesFirst) {
  Put("a.txt", "Diver: Ann\n");
  CSheetWindow Sheet = Make();
  Sheet.txDives_Change(u"105B");
  User.Paths = {Dir.Text("a.txt")};
  Sheet.cmdOpen_Click();
  EXPECT_EQ(User.Asked, std::vector<std::u16string>{u"Untitled"});
  User.Answer = SaveAnswer::DontSave;
  Sheet.cmdOpen_Click();
  EXPECT_EQ(Sheet.Fields().Diver, u"Ann");
  EXPECT_FALSE(Sheet.Changed());
}

// The page goes beside the sheet's file (an untitled sheet's to the temporary folder) and to
// the browser; where it cannot be written, or no browser opens, the user is told.
TEST_F(SheetWindowTest, PrintsThePageInTheBrowser) {
  CSheetWindow Sheet = Make();
  Sheet.cmdPrint_Click();
  ASSERT_EQ(User.Pages.size(), 1u);
  EXPECT_TRUE(User.Pages[0].ends_with(u"Untitled dive sheet.htm"));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(User.Pages[0])));

  Put("a.txt", "105B\n");
  std::filesystem::create_directory(Dir.Path("b.txt.htm"));
  Put("b.txt", "105B\n");
  ASSERT_TRUE(Sheet.Load(Dir.Text("a.txt")));
  User.BrowserOpens = false;
  Sheet.cmdPrint_Click();
  EXPECT_EQ(User.Pages.back(), Dir.Text("a.txt.htm"));
  EXPECT_TRUE(Get("a.txt.htm").starts_with("<!DOCTYPE html>"));
  ASSERT_TRUE(Sheet.Load(Dir.Text("b.txt")));
  Sheet.cmdPrint_Click();
  EXPECT_EQ(
      testing::WithoutReasons(User.Messages),
      (std::vector<std::u16string>{
          u"No browser opened the page; it is at " + Dir.Text("a.txt.htm"),
          u"Cannot write " + Dir.Text("b.txt.htm") + u": \u2026; the file there is as it was."}));
  Sheet.cmdCopy_Click();
  EXPECT_EQ(User.Clipboard, Sheet.Report());
}

}  // namespace
}  // namespace merrith
