#include <memory>
#include <string>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QtTest>

#include "controls_test_window.h"
#include "ui/qt/table_widget.h"

namespace {

using namespace merrith;

using testing::Listener;
using testing::TestControl;
using testing::TestWindow;

}  // namespace

// The award boxes and the grid of the recorder's windows, wired as CTableWidget draws them.
class TableControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Told = {};
    Window = std::make_unique<CTableWidget>(TestWindow, Told);
    Told.View = Window.get();
    Window->show();
    QApplication::setActiveWindow(Window.get());
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
  }
  void cleanup() { Window.reset(); }

  // Each key is asked about before the box takes it: a refused one is not typed and shows the
  // tip; Space, handled, moved the focus, and the box focused has its text selected whole.
  void awardBoxAsksTheControllerBeforeEachKey() {
    Window->Focus(TestControl::txJ1);
    QTest::keyClicks(Box(1), "7x");
    QCOMPARE(QToolTip::text(), QStringLiteral("Not an award"));
    QTest::keyClicks(Box(1), "5 ");
    QCOMPARE(Box(1)->text(), QStringLiteral("75"));
    QCOMPARE(QApplication::focusWidget(), Box(2));
    QTest::keyClicks(Box(2), "8");
    QTest::keyClick(Box(2), Qt::Key_Backspace);
    QTest::keyClick(Box(2), Qt::Key_Tab);
    QCOMPARE(Box(2)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Box(2));  // Tab refused
    Window->Focus(TestControl::txJ1);
    QTest::keyClicks(Box(1), "9");
    QCOMPARE(Box(1)->text(), QStringLiteral("9"));
    QCOMPARE(Told.Heard,
             (std::vector<std::string>{"key 7 at 0", "key x at 0", "key 5 at 0", "key 1 at 0",
                                       "key 8 at 1", "key 4 at 1", "key 2 at 1", "key 9 at 0"}));
  }

  // The header above the rows, numbers right-aligned, the last column to the right edge each
  // time; the row picked stays picked while it is there; Enter or a double-click on a row runs
  // the grid's command, not the default button's.
  void gridShowsItsRowsAndOpensThePickedOne() {
    const std::vector<std::vector<std::u16string>> Standings = {
        {u"Place", u"Diver",  u"Total"},
        {    u"1",   u"Ann", u"345.60"},
        {    u"2",   u"Bea", u"301.15"},
        {    u"3",   u"Cid", u"290.00"}
    };
    Window->SetRows(TestControl::grdDives, Standings);
    QTableWidget* Grid = Dives();
    QCOMPARE(Grid->horizontalHeaderItem(2)->text(), QStringLiteral("Total"));
    QCOMPARE(Grid->item(2, 1)->text(), QStringLiteral("Cid"));
    QVERIFY(Grid->item(0, 2)->textAlignment() & Qt::AlignRight);
    QVERIFY(Grid->item(0, 1)->textAlignment() & Qt::AlignLeft);
    QCOMPARE(Window->PickedRow(TestControl::grdDives), -1);
    Window->PickRow(TestControl::grdDives, 1);
    Window->SetRows(TestControl::grdDives, std::span(Standings).first(3));
    QCOMPARE(Window->PickedRow(TestControl::grdDives), 1);
    Window->SetRows(TestControl::grdDives, std::span(Standings).first(2));
    QCOMPARE(Window->PickedRow(TestControl::grdDives), -1);

    Window->SetRows(TestControl::grdDives, Standings);
    const QHeaderView* Header = Grid->horizontalHeader();
    QCOMPARE(Header->sectionViewportPosition(2) + Header->sectionSize(2),
             Grid->viewport()->width());
    Window->PickRow(TestControl::grdDives, 2);
    Grid->setFocus();
    QTest::keyClick(Grid, Qt::Key_Return);
    const QRect Cell = Grid->visualItemRect(Grid->item(0, 1));
    // (Qt's test double-click is the second click alone, without the first's press.)
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Cell.center());
    QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, Cell.center());
    const std::string Opened = "run " + std::to_string(int(WindowCommand::CorrectDive)) + " at 2";
    QCOMPARE(Told.Heard, (std::vector<std::string>{Opened, Opened}));
    QCOMPARE(Window->PickedRow(TestControl::grdDives), 0);
  }

  // Files dropped anywhere on a window without a drop box go to its controller, all of them;
  // a control disabled or hidden is so.
  void dropsReachTheControllerAndControlsShowAsTold() {
    QMimeData Dragged;
    Dragged.setUrls({QUrl::fromLocalFile("/tmp/ann.txt"), QUrl::fromLocalFile("/tmp/bea.txt")});
    QDragEnterEvent Enter(QPoint(10, 10), Qt::CopyAction, &Dragged, Qt::LeftButton, {});
    QApplication::sendEvent(Window.get(), &Enter);
    QVERIFY(Enter.isAccepted());
    QDropEvent Drop(QPointF(10, 10), Qt::CopyAction, &Dragged, Qt::LeftButton, {});
    QApplication::sendEvent(Window.get(), &Drop);
    QCOMPARE(Told.Heard, std::vector<std::string>{"dropped ann.txt|bea.txt"});
    QVERIFY(!Box(1)->acceptDrops());

    Window->Enable(TestControl::cmdRecord, false);
    Window->SetVisible(TestControl::grdDives, false);
    QVERIFY(!Window->Control(TestControl::cmdRecord)->isEnabled());
    QVERIFY(Dives()->isHidden());
  }

 private:
  QLineEdit* Box(int Judge) const {
    return static_cast<QLineEdit*>(
        Window->Control(Judge == 1 ? TestControl::txJ1 : TestControl::txJ2));
  }
  QTableWidget* Dives() const {
    return static_cast<QTableWidget*>(Window->Control(TestControl::grdDives));
  }

  Listener Told;
  std::unique_ptr<CTableWidget> Window;
};

QTEST_MAIN(TableControlsTest)
#include "table_controls_test.moc"
