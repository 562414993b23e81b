// How long recording one dive takes in the recorder's window of a competition of 100 divers x
// 11 dives: the awards read from the boxes, the competition file written through the atomic
// write, the standings redone and the grids refilled. Each turn corrects the last dive, which
// is the same work as recording it afresh.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "sheets/event_book.h"
#include "support/file_bytes.h"
#include "support/utf8.h"
#include "support/words.h"
#include "window/competition_controller.h"

namespace {

constexpr std::size_t Divers = 100;
constexpr std::size_t Judges = 7;

// Eleven dives from 3 m, no two of one number.
constexpr std::u16string_view Dives[] = {u"101B", u"201B", u"301B", u"401B",  u"5132D", u"103B",
                                         u"203B", u"303B", u"403B", u"5231D", u"105B"};

const merrith::EventBook& Book() {
  static const merrith::EventBook Events = [] {
    merrith::EventBook B = merrith::BuiltInEvents();
    merrith::AddRulesText(B, u"bench.toml",
                          "[[event]]\nid = \"meet-11\"\ntitle = \"Eleven dives\"\n"
                          "heights = [\"3m\"]\ndives = 11\n");
    return B;
  }();
  return Events;
}

// Every dive recorded on a panel of 7, awards varying by diver and round.
std::u16string MeetText() {
  std::u16string Text = u"Event: meet-11\nPanel: 7\n";
  for (std::size_t D = 0; D < Divers; ++D) {
    Text += u"\nDiver: Diver " + merrith::NumberText(D) + u"\nTeam: Club " +
            merrith::NumberText(D % 7) + u"\n";
    for (const std::u16string_view Dive : Dives) Text += std::u16string(Dive) + u"\n";
  }
  for (std::size_t Round = 1; Round <= std::size(Dives); ++Round)
    for (std::size_t D = 0; D < Divers; ++D) {
      Text += u"Round " + merrith::NumberText(Round) + u" | Diver " + merrith::NumberText(D) +
              u" | " + std::u16string(Dives[Round - 1]) + u" |";
      for (std::size_t J = 0; J < Judges; ++J)
        Text += u" " + merrith::NumberText(4 + (D * 7 + Round * 3 + J) % 6) + u".5";
      Text += u"\n";
    }
  return Text;
}

// A window that keeps only the boxes' texts and the drop-down's pick, as a toolkit would.
class BoxesView : public merrith::WindowView {
 public:
  std::u16string Text(merrith::ControlId Box) const override { return Texts.at(Box.Row); }
  void SetText(merrith::ControlId Box, std::u16string_view Text) override { Texts[Box.Row] = Text; }
  void SetTip(merrith::ControlId, std::u16string_view) override {}
  void Check(merrith::ControlId) override {}
  void SetChoices(merrith::ControlId, std::span<const std::u16string>) override {}
  int Picked(merrith::ControlId) const override { return 0; }
  void Pick(merrith::ControlId, int) override {}
  void SetRows(merrith::ControlId Grid,
               std::span<const std::vector<std::u16string>> Rows) override {
    benchmark::DoNotOptimize(Rows.data());
    Shown[Grid.Row] = Rows.size();
  }
  void SetCaption(std::u16string_view) override {}
  std::u16string DecimalSeparator() const override { return u"."; }
  merrith::Dialogs SystemDialogs() override { return {}; }
  merrith::DesktopPlace Place() const override { return {}; }
  void MoveTo(int, int) override {}
  void Show() override {}
  void Close() override {}
  bool IsOpen() const override { return true; }
  void Post(std::function<void()> Task) override { Task(); }
  std::unique_ptr<merrith::WindowView> OpenView(const merrith::WindowLayout&, std::u16string_view,
                                                merrith::WindowController&) override {
    return nullptr;
  }

  std::map<std::uint8_t, std::u16string> Texts;
  std::map<std::uint8_t, std::size_t> Shown;
};

void BM_RecordOneDive(benchmark::State& State) {
  const std::filesystem::path File =
      std::filesystem::temp_directory_path() / "merrith-record-bench.txt";
  const std::u16string Path = File.u16string();
  merrith::mFSO::WriteAllBytes(Path, merrith::EncodeUtf8(MeetText()));
  merrith::CCompetitionController Window(Book);
  auto Owned = std::make_unique<BoxesView>();
  BoxesView& View = *Owned;
  merrith::Dialogs Asks;
  std::u16string Said;
  Asks.Message = [&Said](std::u16string_view Text) { Said = Text; };
  Window.Attach(std::move(Owned), Asks);
  if (!Window.Load(Path)) State.SkipWithError("the competition does not read whole");
  const std::size_t Last = Window.Held().Recorded.size() - 1;
  std::size_t Turn = 0;
  for (auto _ : State) {
    Window.Correct(Last);
    for (int I = 0; I < static_cast<int>(Judges); ++I)
      View.Texts[merrith::ControlId(merrith::AwardBoxOf(I)).Row] =
          merrith::NumberText(5 + (Turn + static_cast<std::size_t>(I)) % 4);
    if (!Window.Record()) State.SkipWithError("the dive was not recorded");
    ++Turn;
  }
  if (!Said.empty()) State.SkipWithError("the window said something");
  std::filesystem::remove(File);
}
BENCHMARK(BM_RecordOneDive)->Unit(benchmark::kMillisecond);

}  // namespace
