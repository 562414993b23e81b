#include "sheets/event_book.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "fina_2017_2021_events.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/file_outcome.h"
#include "support/text_decoding.h"
#include "support/utf8.h"
#include "support/words.h"
#include "world_aquatics_2024_events.h"

namespace merrith {
namespace {

namespace fs = std::filesystem;

// The folder of the user's own rules files; nothing when the environment names no home.
std::optional<fs::path> UserEventsFolder() {
#ifdef _WIN32
  const wchar_t* AppData = _wgetenv(L"APPDATA");
  if (AppData == nullptr || *AppData == 0) return std::nullopt;
  return fs::path(AppData) / L"Merrith" / L"events";
#else
  // A relative XDG_CONFIG_HOME is to be ignored, as an unset one.
  const char* Config = std::getenv("XDG_CONFIG_HOME");
  if (Config != nullptr && *Config == '/') return fs::path(Config) / "merrith" / "events";
  const char* Home = std::getenv("HOME");
  if (Home == nullptr || *Home == 0) return std::nullopt;
  return fs::path(Home) / ".config" / "merrith" / "events";
#endif
}

// Whether the bytes are UTF-16, by a byte-order mark or a zero second byte; anything else is
// handed to the TOML reader as UTF-8, which it says where it is not.
bool IsUtf16(const std::vector<std::uint8_t>& Bytes) {
  if (Bytes.size() < 2) return false;
  return (Bytes[0] == 0xFF && Bytes[1] == 0xFE) || (Bytes[0] == 0xFE && Bytes[1] == 0xFF) ||
         Bytes[1] == 0;
}

}  // namespace

std::u16string_view WhoWords(Who By) {
  constexpr std::u16string_view Words[] = {u"anyone", u"a woman", u"a man", u"a mixed pair"};
  return Words[static_cast<std::size_t>(By)];
}

const Event* EventBook::Find(std::u16string_view Id, std::u16string_view BookId) const {
  const auto Found = std::find_if(Events.begin(), Events.end(), [Id, BookId](const Event& E) {
    return SameWord(E.Id, Id) && SameWord(E.Book, BookId);
  });
  return Found == Events.end() ? nullptr : &*Found;
}

const RuleBook* EventBook::FindBook(std::u16string_view Id) const {
  const auto Found = std::find_if(Books.begin(), Books.end(),
                                  [Id](const RuleBook& B) { return SameWord(B.Id, Id); });
  return Found == Books.end() ? nullptr : &*Found;
}

std::u16string EventBook::BookIds() const {
  std::u16string Ids;
  for (const RuleBook& B : Books) AppendJoined(Ids, u", ", B.Id);
  return Ids;
}

void AddRulesFile(EventBook& Book, std::u16string_view Path) {
  std::vector<std::uint8_t> Bytes;
  if (const std::int32_t Error = mFSO::ReadAllBytes(Path, Bytes); Error != 0) {
    Book.Errors.push_back(
        {std::u16string(Path), 0, 0, u"cannot be read: " + SystemErrorText(Error)});
    return;
  }
  if (IsUtf16(Bytes)) Bytes = EncodeUtf8(mFSO::DecodeText(Bytes, mFSO::CodePageSystem));
  AddRulesText(Book, Path, {reinterpret_cast<const char*>(Bytes.data()), Bytes.size()});
}

EventBook BuiltInEvents() {
  EventBook Book;
  AddRulesText(Book, BuiltInRulesNames[0], WorldAquatics2024Toml);
  AddRulesText(Book, BuiltInRulesNames[1], Fina2017To2021Toml);
  return Book;
}

std::u16string UserRulesFolder() {
  try {
    const std::optional<fs::path> Folder = UserEventsFolder();
    return Folder ? Folder->u16string() : std::u16string();
  } catch (...) {  // a name the system cannot convert, or no memory
    return {};
  }
}

std::vector<std::u16string> UserRulesFiles() {
  std::vector<std::u16string> Files;
  try {
    const std::optional<fs::path> Folder = UserEventsFolder();
    std::error_code Failed;
    if (!Folder || !fs::is_directory(*Folder, Failed)) return Files;
    for (const fs::directory_entry& Entry : fs::directory_iterator(*Folder, Failed)) {
      if (Entry.path().extension() == ".toml" && Entry.is_regular_file(Failed))
        Files.push_back(Entry.path().u16string());
    }
  } catch (...) {  // a name the system cannot convert, or no memory: no files of the user's
    Files.clear();
  }
  std::sort(Files.begin(), Files.end());
  return Files;
}

EventBook LoadEventBook(std::span<const std::u16string> Files) {
  EventBook Book = BuiltInEvents();
  for (const std::u16string& File : UserRulesFiles()) AddRulesFile(Book, File);
  for (const std::u16string& File : Files) AddRulesFile(Book, File);
  return Book;
}

std::u16string HeightsText(const Event& E, std::u16string_view Joint) {
  std::u16string Text;
  for (std::int32_t H : E.Heights) AppendJoined(Text, Joint, HeightText(H));
  return Text;
}

std::u16string RulesErrorText(const RulesError& Error) {
  std::u16string Text = Error.File;
  if (Error.Line > 0) Text += u":" + NumberText(Error.Line) + u":" + NumberText(Error.Column);
  return Text + u": " + Error.Text;
}

}  // namespace merrith
