#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/competition_csv.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/trim_white.h"
#include "window/main_controller.h"

namespace merrith {

// Whether the file at Path is a competition: its spreadsheet form, or a file whose head names
// the panel of judges (a Panel: line, in any case), which no dive sheet has. A file that cannot
// be read is left to the sheet window, which says why.
inline bool IsCompetitionFile(std::u16string_view Path) {
  if (IsCsvPath(Path)) return true;
  std::vector<std::uint8_t> Bytes;
  if (mFSO::ReadAllBytes(Path, Bytes) != 0) return false;
  const std::u16string Text = mFSO::DecodeText(Bytes, 0);
  constexpr std::u16string_view Key = u"panel:";
  for (std::size_t Start = 0; Start < Text.size();) {
    const std::size_t End = std::min(Text.find(u'\n', Start), Text.size());
    const std::u16string_view Line =
        mXMLParser::TrimWhiteView(std::u16string_view(Text).substr(Start, End - Start));
    bool Same = Line.size() >= Key.size();
    for (std::size_t I = 0; Same && I < Key.size(); ++I) Same = (Line[I] | 0x20) == Key[I];
    if (Same) return true;
    Start = End + 1;
  }
  return false;
}

// A file named on the command line ("Open with", a file dropped on the program): a competition
// opens in the recorder's window, anything else as a dive sheet, each beside the main window.
inline void OpenNamedFile(CMainController& Main, std::u16string_view Path) {
  if (IsCompetitionFile(Path)) {
    Main.OpenCompetition(Path);
  } else {
    Main.OpenSheet(Path);
  }
}

}  // namespace merrith
