#include "ui/qt/table_controls.h"

#include <optional>
#include <utility>

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QToolTip>

#include "ui/qt/table_widget.h"
#include "window/grid_columns.h"

namespace merrith {
namespace {

// How long a refused key's tip stays, in milliseconds.
constexpr int TipTime = 2500;

// The key as the controller hears it; nothing for a key it is not asked about (the arrows, a
// shortcut).
std::optional<KeyPress> PressOf(const QKeyEvent& Event) {
  using enum KeyPress::Kind;
  if (Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  switch (Event.key()) {
    case Qt::Key_Space:
      return KeyPress{Space};
    case Qt::Key_Tab:
      return KeyPress{Tab};
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyPress{Enter};
    case Qt::Key_Backspace:
      return KeyPress{Backspace};
    case Qt::Key_Escape:
      return KeyPress{Escape};
    default:
      break;
  }
  const QString Typed = Event.text();
  if (Typed.size() != 1 || !Typed[0].isPrint()) return std::nullopt;
  return KeyPress{Char, Typed[0].unicode()};
}

}  // namespace

CAwardBox::CAwardBox(QWidget* Parent, Asker Asked) : QLineEdit(Parent), Ask(std::move(Asked)) {}

// Tab comes here before the window moves the focus with it, so it is asked about first too.
bool CAwardBox::event(QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return QLineEdit::event(Event);
  const std::optional<KeyPress> Press = PressOf(*static_cast<QKeyEvent*>(Event));
  if (!Press) return QLineEdit::event(Event);
  const KeyAnswer Answer = Ask(*Press);
  if (Answer.Answer == KeyAnswer::Kind::Pass) return QLineEdit::event(Event);
  if (Answer.Answer == KeyAnswer::Kind::Refuse)
    QToolTip::showText(mapToGlobal(QPoint(0, height())), Text(Answer.Tip), this, {}, TipTime);
  Event->accept();
  return true;
}

CGrid::CGrid(QWidget* Parent) : QTableWidget(Parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);
  setWordWrap(false);
  verticalHeader()->hide();
  // Rows as close as the lines of a list, so that a field of divers fits.
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(false);
}

void CGrid::SetRows(std::span<const std::vector<std::u16string>> Rows) {
  const int Picked = PickedRow();
  const QSignalBlocker Quiet(this);
  clear();
  const std::size_t Columns = Rows.empty() ? 0 : Rows[0].size();
  setColumnCount(static_cast<int>(Columns));
  setRowCount(Rows.empty() ? 0 : static_cast<int>(Rows.size() - 1));
  for (std::size_t Column = 0; Column < Columns; ++Column) {
    const Qt::Alignment Align =
        Qt::AlignVCenter | (IsNumberColumn(Rows, Column) ? Qt::AlignRight : Qt::AlignLeft);
    for (std::size_t Row = 0; Row < Rows.size(); ++Row) {
      const std::u16string Cell = Column < Rows[Row].size() ? Rows[Row][Column] : u"";
      auto* Item = new QTableWidgetItem(Text(Cell));
      Item->setTextAlignment(Align);
      if (Row == 0) {
        setHorizontalHeaderItem(static_cast<int>(Column), Item);
      } else {
        setItem(static_cast<int>(Row - 1), static_cast<int>(Column), Item);
      }
    }
  }
  resizeColumnsToContents();
  // Sized to its contents, the last column of a shown grid stops short of its right edge.
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setStretchLastSection(true);
  if (Picked < rowCount()) PickRow(Picked);
}

int CGrid::PickedRow() const {
  const QModelIndexList Picked = selectionModel()->selectedRows();
  return Picked.isEmpty() ? -1 : Picked.first().row();
}

void CGrid::PickRow(int Row) {
  if (Row < 0 || Row >= rowCount()) {
    clearSelection();
    return;
  }
  selectRow(Row);
  scrollToItem(item(Row, 0));
}

void CGrid::keyPressEvent(QKeyEvent* Event) {
  QTableWidget::keyPressEvent(Event);
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) Event->accept();
}

}  // namespace merrith
