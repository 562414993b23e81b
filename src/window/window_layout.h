#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace merrith {

// The kinds of control the windows are made of.
enum class ControlKind {
  Frame,
  Option,
  Label,
  TextBox,
  Command,
  DropDown,   // a closed list to pick one entry from
  LinesBox,   // a text box of several lines, one item a line
  ReportBox,  // several lines of read-only text in a fixed-width font, so its columns align
  AwardBox,   // a one-line box of one judge's award; the controller judges each key first
  Grid,       // a read-only table of rows under a header row; one row can be picked
};

// What a control, a menu item or a shortcut does; each toolkit dispatches on it.
enum class WindowCommand : std::uint8_t {
  None,              // a frame, a label, a box nobody watches, a menu's separator
  SelectHeight,      // a height button
  Evaluate,          // "OK": the DD of the code typed
  BatchTable,        // "D", "HD", "D+HD"
  OpenList,          // the system's open dialog for the batch list
  NewSheet,          // an empty dive sheet in a window of its own
  OpenSheet,         // a dive sheet file in a window of its own
  Exit,              // closes every window, asking for each unsaved sheet
  ChartOfList,       // the chart of the batch list, in the browser
  ChartOfEveryDive,  // the chart of every dive, in the browser
  OpenLastTable,     // the table the last batch button wrote, in the browser
  About,             // the version, the licence and the rule cycles
  SheetEventPicked,  // an event picked from the drop-down: the report is redone
  SheetDiverTyped,   // the diver's name changed: the report is redone
  SheetDivesTyped,   // the dives changed: the report is redone
  SheetBookPicked,   // a rule book picked: its events in the drop-down, the report redone
  SheetDiversTyped,  // a team's divers changed: the report is redone
  SheetOpen,         // another sheet file into this window
  SheetSave,
  SheetSaveAs,
  SheetPrint,       // the sheet's page, in the browser for printing
  SheetCopyReport,  // the report to the clipboard
  NewCompetition,   // the new competition's window: event, panel and divers
  OpenCompetition,  // a competition file (or its .csv) in the recorder's window
  // The recorder's window.
  RecordDive,        // the awards and the decision of the dive up next (or corrected)
  DecisionPicked,    // the referee's decision picked from the drop-down
  CorrectDive,       // a recorded dive picked from its grid (double-click or Enter): opened
                     // again in the award boxes, to be corrected
  CancelCorrection,  // back to the dive up next, the correction dropped
  PrintResults,      // the results page beside the file, in the browser
  ExportCsv,         // the competition's spreadsheet form, where the user says
  SetDiverStatus,    // the status picked, for the diver picked in the standings
  DrawStartOrder,    // the starting order drawn with the seed typed, or the system's
  PrintStartList,    // the start list beside the file, in the browser
  PrintRanking,      // the results page after the last complete round, in the browser
  MakeNextPhase,     // the next phase of the top N typed, where the user says
  PrintJudges,       // the judges' analysis beside the file, in the browser
  // The new competition's window.
  CompetitionEventPicked,  // an event picked: the panel it takes, its lists checked
  CompetitionBookPicked,   // a rule book picked: its events in the drop-down
  AddDivers,               // sheet files, several at once, added at the end of the order
  RemoveDiver,             // the diver picked in the grid leaves
  DiverUp,                 // the diver picked in the grid dives one place earlier
  DiverDown,               // one place later
  StartCompetition,        // writes the competition file and opens the recorder's window
  CloseWindow,             // closes the window (after its question, where it has one)
  // The judges' devices: the venue's server started from the recorder's window.
  JudgesDevices,  // the devices' window: the address and port to serve on, the seats
  DevicesStart,   // starts the server, writes the seat cards and shows them
  DevicesStop,    // stops the server: every device's connection closed
  DevicesCards,   // the seat cards' page again, in the browser
};

// A window's own enum of its controls, one value a row of its table in the same order, and
// Count last.
template <typename Id>
concept ControlEnum = std::is_enum_v<Id> && requires {
  Id::Count;
};

// A control of some window: its row in the window's table. A window's enum value stands for
// it, so a control is reached by a name the compiler checks; NoControl is none.
struct ControlId {
  std::uint8_t Row = 0xFF;
  constexpr ControlId() = default;
  // Implicit, so that a window's enum value stands wherever a control is asked for.
  template <ControlEnum Id>
  // cppcheck-suppress noExplicitConstructor
  constexpr ControlId(Id Control) : Row(static_cast<std::uint8_t>(Control)) {}
  static constexpr ControlId AtRow(std::size_t Row) {
    ControlId Id;
    Id.Row = static_cast<std::uint8_t>(Row);
    return Id;
  }
  friend constexpr bool operator==(ControlId, ControlId) = default;
};
inline constexpr ControlId NoControl{};

// One control as laid out on paper: lengths in twips (1/1440 inch), positions inside a frame
// relative to the frame.
struct ControlLayout {
  ControlId Id;           // its window's enum value, which is its row
  std::string_view Name;  // optH and cmdGenTbl are arrays of controls, told apart by Index
  std::int16_t Index;     // the member's index in its array, or NotInArray
  ControlKind Kind;
  ControlId Inside;          // the frame that holds it, NoControl for the window itself
  std::string_view Caption;  // a text box's initial text
  int Left;
  int Top;
  int Width;
  int Height;
  WindowCommand Command;  // what using it does
};

inline constexpr std::int16_t NotInArray = -1;

// One item of a window's menu bar. The & before a letter marks its access key.
struct MenuItem {
  std::string_view Menu;      // the menu it stands in: "&File"
  std::string_view Caption;   // "&Open list...", or empty for a separating line
  std::string_view Shortcut;  // "Ctrl+O", "Ctrl+Shift+C", or empty
  WindowCommand Command;
};

// A shortcut of a window that has no menu item.
struct KeyBinding {
  std::string_view Shortcut;
  WindowCommand Command;
};

// Everything a toolkit needs to draw one window: its controls in tab order and what they do.
struct WindowLayout {
  std::string_view Caption;
  std::span<const ControlLayout> Controls;
  int ClientWidth;  // in twips, below the menu bar where there is one
  int ClientHeight;
  ControlId ReadOnlyBox;    // a one-line text box that only shows, or NoControl
  ControlId DefaultButton;  // what Enter presses off the other buttons, or NoControl
  ControlId DropBox;        // the box a file dropped on the window fills, or NoControl
  std::span<const MenuItem> Menu;
  std::span<const KeyBinding> Keys;
};

// The layout of the control Id in Window.
constexpr const ControlLayout& LayoutOf(const WindowLayout& Window, ControlId Id) {
  return Window.Controls[Id.Row];
}

// Each row's id is its own row and the window's enum has as many values as rows, so that an
// id names the control it says.
template <ControlEnum Id>
constexpr bool IdsFollowRows(const WindowLayout& Window) {
  if (Window.Controls.size() != static_cast<std::size_t>(Id::Count)) return false;
  for (std::size_t Row = 0; Row < Window.Controls.size(); ++Row)
    if (Window.Controls[Row].Id != ControlId::AtRow(Row)) return false;
  return true;
}

// The member Index of the array whose members run Command ("optH", 3), or NoControl.
constexpr ControlId MemberOf(const WindowLayout& Window, WindowCommand Command,
                             std::int16_t Index) {
  for (const ControlLayout& Control : Window.Controls)
    if (Control.Command == Command && Control.Index == Index) return Control.Id;
  return NoControl;
}

// What Enter presses while Focused has the focus: a command button itself, anything else the
// window's default button (NoControl when it has none).
constexpr ControlId EnterButton(const WindowLayout& Window, ControlId Focused) {
  if (Focused.Row < Window.Controls.size() &&
      LayoutOf(Window, Focused).Kind == ControlKind::Command)
    return Focused;
  return Window.DefaultButton;
}

// The option buttons that stand in a row with Option in the table are one group, of which one
// is checked: the first and the last of them.
struct OptionRows {
  ControlId First;
  ControlId Last;
};
constexpr OptionRows OptionGroup(const WindowLayout& Window, ControlId Option) {
  const auto IsOption = [&Window](std::size_t Row) {
    return Row < Window.Controls.size() && Window.Controls[Row].Kind == ControlKind::Option;
  };
  std::size_t First = Option.Row;
  std::size_t Last = Option.Row;
  while (First > 0 && IsOption(First - 1)) --First;
  while (IsOption(Last + 1)) ++Last;
  return {ControlId::AtRow(First), ControlId::AtRow(Last)};
}

// A rectangle in twips: the place of a control in the window's client area.
struct TwipsRect {
  int Left;
  int Top;
  int Width;
  int Height;
};

// Where Control stands in the client area: a frame's member moved by its frame's corner. For
// toolkits whose frames do not hold their members.
constexpr TwipsRect PlaceInWindow(const WindowLayout& Window, const ControlLayout& Control) {
  TwipsRect Place{Control.Left, Control.Top, Control.Width, Control.Height};
  if (Control.Inside != NoControl) {
    const ControlLayout& Frame = LayoutOf(Window, Control.Inside);
    Place.Left += Frame.Left;
    Place.Top += Frame.Top;
  }
  return Place;
}

// A frame holds the controls laid out after it, so a toolkit meets each frame before its
// members; and every control stands inside the client area.
constexpr bool LaidOutSoundly(const WindowLayout& Window) {
  for (std::size_t Row = 0; Row < Window.Controls.size(); ++Row) {
    const ControlLayout& Control = Window.Controls[Row];
    if (Control.Inside != NoControl) {
      const std::size_t Frame = Control.Inside.Row;
      if (Frame >= Row || Window.Controls[Frame].Kind != ControlKind::Frame) return false;
    }
    const TwipsRect Place = PlaceInWindow(Window, Control);
    if (Place.Left < 0 || Place.Top < 0 || Place.Left + Place.Width > Window.ClientWidth ||
        Place.Top + Place.Height > Window.ClientHeight)
      return false;
  }
  return true;
}

// A shortcut as the tables write it: Ctrl, then Shift, then a letter or a digit.
struct KeyChord {
  bool Ctrl = false;
  bool Shift = false;
  char Key = '\0';  // 'A' to 'Z' or '0' to '9'; '\0' when the text is no shortcut
};

// The chord of Text ("Ctrl+Shift+C"); Key '\0' when Text is empty or malformed.
constexpr KeyChord ReadShortcut(std::string_view Text) {
  KeyChord Chord;
  if (Text.starts_with("Ctrl+")) {
    Chord.Ctrl = true;
    Text.remove_prefix(5);
  }
  if (Text.starts_with("Shift+")) {
    Chord.Shift = true;
    Text.remove_prefix(6);
  }
  const bool KeyAlone = Text.size() == 1 &&
                        ((Text[0] >= 'A' && Text[0] <= 'Z') || (Text[0] >= '0' && Text[0] <= '9'));
  if (KeyAlone && Chord.Ctrl) Chord.Key = Text[0];
  return Chord;
}

// How many shortcuts Window has, and the I-th: its menu items' (most of them empty), then its
// keys'.
constexpr std::size_t ShortcutCount(const WindowLayout& Window) {
  return Window.Menu.size() + Window.Keys.size();
}
constexpr std::string_view ShortcutAt(const WindowLayout& Window, std::size_t I) {
  return I < Window.Menu.size() ? Window.Menu[I].Shortcut
                                : Window.Keys[I - Window.Menu.size()].Shortcut;
}

// The letter after the & of a caption, in lower case; '\0' when it has none.
constexpr char AccessKey(std::string_view Caption) {
  const std::size_t Mark = Caption.find('&');
  if (Mark + 1 >= Caption.size()) return '\0';
  const char Key = Caption[Mark + 1];
  return Key >= 'A' && Key <= 'Z' ? static_cast<char>(Key - 'A' + 'a') : Key;
}

// Every shortcut of Window reads as a chord and no two are alike; the items of each menu
// stand together and have access keys of their own.
constexpr bool ShortcutsSound(const WindowLayout& Window) {
  for (std::size_t I = 0; I < ShortcutCount(Window); ++I) {
    const KeyChord Chord = ReadShortcut(ShortcutAt(Window, I));
    if (Chord.Key == '\0') {
      if (I < Window.Menu.size() && ShortcutAt(Window, I).empty()) continue;
      return false;
    }
    for (std::size_t J = 0; J < I; ++J) {
      const KeyChord Other = ReadShortcut(ShortcutAt(Window, J));
      if (Other.Key == Chord.Key && Other.Shift == Chord.Shift) return false;
    }
  }
  for (std::size_t I = 0; I < Window.Menu.size(); ++I) {
    const MenuItem& Item = Window.Menu[I];
    const bool Follows = I > 0 && Window.Menu[I - 1].Menu == Item.Menu;
    if (AccessKey(Item.Menu) == '\0') return false;
    for (std::size_t J = 0; J < I && !Follows; ++J)
      if (Window.Menu[J].Menu == Item.Menu ||
          AccessKey(Window.Menu[J].Menu) == AccessKey(Item.Menu))
        return false;
    if (Item.Caption.empty()) continue;
    if (AccessKey(Item.Caption) == '\0') return false;
    for (std::size_t J = 0; J < I; ++J)
      if (Window.Menu[J].Menu == Item.Menu &&
          AccessKey(Window.Menu[J].Caption) == AccessKey(Item.Caption))
        return false;
  }
  return true;
}

// A control's unique name: an array member's name carries its index ("optH1", "cmdGenTbl0").
inline std::string ControlName(std::string_view Name, std::int16_t Index = NotInArray) {
  std::string Unique(Name);
  if (Index != NotInArray) Unique += std::to_string(Index);
  return Unique;
}
inline std::string ControlName(const ControlLayout& Control) {
  return ControlName(Control.Name, Control.Index);
}

// Twips in pixels at Dpi dots per inch, to the nearest pixel: 15 twips a pixel at 96 dpi.
constexpr int TwipsToPixels(int Twips, int Dpi) { return (Twips * Dpi + 720) / 1440; }

}  // namespace merrith
