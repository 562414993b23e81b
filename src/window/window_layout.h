#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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
  SheetOpen,         // another sheet file into this window
  SheetSave,
  SheetSaveAs,
  SheetPrint,       // the sheet's page, in the browser for printing
  SheetCopyReport,  // the report to the clipboard
};

// One control as laid out on paper: lengths in twips (1/1440 inch), positions inside a frame
// relative to the frame.
struct ControlLayout {
  std::string_view Name;  // optH and cmdGenTbl are arrays of controls, told apart by Index
  std::int16_t Index;     // the member's index in its array, or NotInArray
  ControlKind Kind;
  std::string_view Inside;   // the frame that holds it, empty for the window itself
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
  std::string_view ReadOnlyBox;    // a one-line text box that only shows, or empty
  std::string_view DefaultButton;  // what Enter presses off the other buttons, or empty
  std::span<const MenuItem> Menu;
  std::span<const KeyBinding> Keys;
};

// The row of the control Name (and Index, for a member of an array) in Window, or the number
// of rows when there is no such control.
constexpr std::size_t ControlRow(const WindowLayout& Window, std::string_view Name,
                                 std::int16_t Index = NotInArray) {
  std::size_t Row = 0;
  while (Row < Window.Controls.size() &&
         (Window.Controls[Row].Name != Name || Window.Controls[Row].Index != Index))
    ++Row;
  return Row;
}

// The row of the first control that runs Command, or the number of rows when none does.
constexpr std::size_t CommandRow(const WindowLayout& Window, WindowCommand Command) {
  std::size_t Row = 0;
  while (Row < Window.Controls.size() && Window.Controls[Row].Command != Command) ++Row;
  return Row;
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
  if (!Control.Inside.empty()) {
    const ControlLayout& Frame = Window.Controls[ControlRow(Window, Control.Inside)];
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
    if (!Control.Inside.empty()) {
      const std::size_t Frame = ControlRow(Window, Control.Inside);
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
