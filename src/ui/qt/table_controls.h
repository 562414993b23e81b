#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QTableWidget>

#include "window/window_view.h"

namespace merrith {

// One judge's award box: each character, and each key that moves between the boxes, goes to
// the controller before the box takes it; a key refused shows the controller's tip at the box
// for a moment.
class CAwardBox : public QLineEdit {
 public:
  using Asker = std::function<KeyAnswer(KeyPress Key)>;
  CAwardBox(QWidget* Parent, Asker Ask);

 protected:
  bool event(QEvent* Event) override;

 private:
  Asker Ask;
};

// A read-only table of rows below a header, one row picked at a time; Tab leaves it, and Enter
// or a double-click on a row opens it.
class CGrid : public QTableWidget {
 public:
  explicit CGrid(QWidget* Parent);

  // The rows, the first the header; the picked row stays picked where it still exists.
  void SetRows(std::span<const std::vector<std::u16string>> Rows);
  // The picked row below the header, or -1; and pick one (-1: none), scrolled into sight.
  int PickedRow() const;
  void PickRow(int Row);

 protected:
  // Enter opens the current row and goes no further: not to the window's default button.
  void keyPressEvent(QKeyEvent* Event) override;
};

}  // namespace merrith
