#include "window/dialogs.h"

namespace merrith {

void ShowPage(const Dialogs& Asks, std::u16string_view Path) {
  if (!Asks.ShowInBrowser(Path))
    Asks.Message(u"No browser opened the page; it is at " + std::u16string(Path));
}

}  // namespace merrith
