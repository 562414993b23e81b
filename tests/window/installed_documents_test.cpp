#include "window/document_seams.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "file_test_folder.h"

namespace merrith {
namespace {

// Makes Folder the user's configuration folder; the rules folder is then Folder/RulesIn.
#ifdef _WIN32
constexpr const char* RulesIn = "Merrith/events";
void UseConfigFolder(const std::filesystem::path& Folder) {
  _wputenv_s(L"APPDATA", Folder.wstring().c_str());
}
#else
constexpr const char* RulesIn = "merrith/events";
void UseConfigFolder(const std::filesystem::path& Folder) {
  setenv("XDG_CONFIG_HOME", Folder.c_str(), 1);
}
#endif

std::vector<std::uint8_t> Bytes(const std::string& Text) { return {Text.begin(), Text.end()}; }

// The user's rules files join the built-in events, once: a file with a fault is named with
// its place, and files changed later count from the next start.
TEST(InstalledDocuments, ReadTheUsersRulesOnceBesideTheBuiltInOnes) {
  const testing::TestFolder Config;
  const std::filesystem::path Folder = Config.Path(RulesIn).make_preferred();
  std::filesystem::create_directories(Folder);
  const std::string Rest = "\ntitle = \"Club meet\"\nheights = [\"1m\"]\ndives = 5\n";
  Config.Put(RulesIn + std::string("/club.toml"), Bytes("[[event]]\nid = \"club-5\"" + Rest));
  Config.Put(RulesIn + std::string("/broken.toml"), Bytes("[[event]]\nid = 5" + Rest));
  UseConfigFolder(Config.Path(""));
  const DocumentRooms Rooms = InstalledDocuments();
  EXPECT_EQ(std::filesystem::path(Rooms.Sheets.RulesFolder()), Folder);

  const std::vector<EventChoice> Events = Rooms.Sheets.Events(DefaultBookId);
  std::filesystem::remove_all(Folder);
  ASSERT_EQ(Events.size(), 35u);  // the default book's 34 and the club's
  EXPECT_EQ(Events.front().Id, u"women-1m");
  EXPECT_EQ(Events.back().Title, u"Club meet");
  const std::vector<std::u16string> Faults = Rooms.Sheets.RulesFaults();
  ASSERT_EQ(Faults.size(), 1u);
  EXPECT_EQ(Faults[0].rfind((Folder / "broken.toml").u16string() + u":2:", 0), 0u)
      << std::filesystem::path(Faults[0]).string();
  const std::u16string Report = Rooms.Sheets.Report(u"Event: club-5\n105B\n");
  EXPECT_NE(Report.find(u"Event:    Club meet (club-5)\n"), std::u16string::npos);
}

}  // namespace
}  // namespace merrith
