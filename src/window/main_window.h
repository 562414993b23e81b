#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "report/single_dive.h"
#include "window/main_window_layout.h"

namespace merrith {

// Where a window shows its messages to the user: a modal box captioned MessageCaption with an
// OK button only, or whatever a test puts in its place.
using MessageSink = std::function<void(std::u16string_view Message)>;

// The main window's state and its four procedures, whichever toolkit draws it: the toolkit
// passes in what the user typed and shows what comes back.
class CMainWindow {
 public:
  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return HeightIndex; }

  // When the window opens: 1 m is selected.
  void Form_Load();

  // A height button was selected; Index is its HeightIndex.
  void optH_Click(std::int16_t Index);

  // "OK" was pressed with Typed in the code box: the text for the result box and its tooltip.
  ResultBox cmdOK_Click(std::u16string_view Typed, std::u16string_view DecimalSeparator) const;

  // A batch button was pressed (0 "D", 1 "HD", 2 "D+HD") with FileName in the file name box:
  // writes the table and returns the message for the user.
  std::u16string cmdGenTbl_Click(std::int16_t Index, std::u16string_view FileName,
                                 std::u16string_view DecimalSeparator) const;

 private:
  std::int32_t HeightIndex = InitialHeightIndex;
};

}  // namespace merrith
