#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "support/file_lock.h"
#include "test_dialogs.h"
#include "ui/qt/fm_main.h"
#include "window/competition_controller.h"
#include "window/sheet_window_layout.h"

// What Qt adds to the windows of window/, whose procedures main_window_test and
// sheet_window_test test: the controls as laid out, the menu, the keys, and each control
// wired to its procedure.
class FmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Dir = std::make_unique<QTemporaryDir>();
    User = {};
    Window = std::make_unique<merrith::fmMain>();
    Window->Controller().SetDialogs(User.Seams());
    Window->show();
    QApplication::setActiveWindow(Window.get());
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
  }

  void cleanup() {
    for (merrith::CSheetController* Sheet : Window->Controller().Sheets()) Sheet->CloseAsked();
    Window.reset();
    Dir.reset();
    QLocale::setDefault(QLocale::c());
  }

  // A client area of 390 x 272 below the menu bar; a control of each kind with its caption, the
  // file name box in its frame at its place at 96 dpi.
  void drawsEveryControlOfTheLayout() {
    QCOMPARE(Window->windowTitle(), QStringLiteral("Olvaro Merrith v2015-2021"));
    QCOMPARE(Window->centralWidget()->geometry(), QRect(0, Window->menuBar()->height(), 390, 272));
    QCOMPARE(Window->size(), QSize(390, 272 + Window->menuBar()->height()));
    QCOMPARE((QStringList{Find<QGroupBox>(QStringLiteral("Frame2"))->title(),
                          Find<QRadioButton>(QStringLiteral("optH9"))->text(),
                          Find<QLabel>(QStringLiteral("Label3"))->text(),
                          Find(QStringLiteral("txFN"))->text(),
                          Find<QPushButton>(QStringLiteral("cmdGenTbl2"))->text()}),
             (QStringList{"Batch Table", "27m", "File name:", "action.txt", "D+HD"}));
    QCOMPARE(Find(QStringLiteral("txFN"))->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(Find(QStringLiteral("txFN"))->geometry(), QRect(96, 24, 241, 18));
    QVERIFY(Find<QRadioButton>(QStringLiteral("optH1"))->isChecked());
    QVERIFY(Find(QStringLiteral("txDD"))->isReadOnly());
    QVERIFY(Find<QPushButton>(QStringLiteral("cmdOK"))->isDefault());
  }

  // The heights are one stop: Tab leaves them for the code box and comes back to "1m".
  void tabVisitsTheControlsInOrder() {
    const QStringList Expected = {"txAC",       "cmdOK",      "txDD",       "txFN",
                                  "cmdGenTbl0", "cmdGenTbl1", "cmdGenTbl2", "optH1"};
    QStringList Visited;
    for (qsizetype I = 0; I < Expected.size(); ++I) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      Visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(Visited, Expected);
  }

  // Enter in the code box or "OK" at a height: the result with its tooltip, which stay until
  // the next "OK"; a decimal comma where the user's locale has one.
  void showsTheResultOfOKWithItsTooltip() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QLineEdit* Result = Find(QStringLiteral("txDD"));
    Evaluate(QStringLiteral("614C"), true);
    ClickHeight(2);
    QCOMPARE(Result->text() + "|" + Result->toolTip(),
             QStringLiteral("ERROR|armstand dives are done from the platform"));
    Evaluate(QStringLiteral("105b"), false);
    QCOMPARE(Result->text(), QStringLiteral("2,4"));
    QVERIFY(Result->toolTip().startsWith(QString::fromUtf8("Forward 2½ Somersaults, Pike\n")));
  }

  // Each batch button, clicked or pressed with Enter while it has the focus, writes the table
  // of its blocks, with the locale's decimal comma, and shows its message; the height stays.
  void eachBatchButtonWritesItsTable() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* Holds[] = {"10m</th><tr>", "<tr><th></th><th colspan=6>12m",
                           "10m</th><th colspan=6>12m"};
    ClickHeight(7);
    for (int Index = 0; Index < 3; ++Index) {
      Find(QStringLiteral("txFN"))->setText(WriteFile(QStringLiteral("list.txt"), "104\n"));
      auto* Button = Find<QPushButton>(QStringLiteral("cmdGenTbl%1").arg(Index));
      if (Index == 1) {
        Button->setFocus();
        QTest::keyClick(Button, Qt::Key_Return);
      } else {
        QTest::mouseClick(Button, Qt::LeftButton);
      }
      const QByteArray Table = ReadFile(Dir->filePath("list.txt.htm"));
      QVERIFY2(Table.contains(Holds[Index]), Holds[Index]);
      QVERIFY(Index == 1 || Table.contains("<td>2,0</td>"));  // the high dives have no 2.0
      QVERIFY(Find<QRadioButton>(QStringLiteral("optH7"))->isChecked());
    }
    QCOMPARE(User.Messages.size(), 3u);
    QCOMPARE(QString::fromStdU16String(User.Messages.back()),
             "OK, New file name is " + Dir->filePath("list.txt.htm"));
  }

  // The menu bar, menu by menu, each item with its shortcut after a tab.
  void drawsTheMenuOfTheLayout() {
    QStringList Drawn;
    for (QAction* Menu : Window->menuBar()->actions()) {
      Drawn << Menu->text();
      for (QAction* Item : Menu->menu()->actions())
        Drawn.back() += "|" + Item->text() + (Item->shortcut().isEmpty() ? "" : "\t") +
                        Item->shortcut().toString();
    }
    QCOMPARE(
        Drawn,
        (QStringList{"&File|&Open list...\tCtrl+O|&New dive sheet\tCtrl+N|Open &dive sheet...||New "
                     "&competition...|Open co&mpetition...||E&xit",
                     "&Tables|&Chart of the list|Chart of &every dive|Open the &last table",
                     "&Help|&About Merrith"}));
  }

  // Ctrl+O puts the list picked in the file name box (cancelled: the box stays); Ctrl+N
  // opens an untitled sheet beside the window; a file dropped fills the file name box.
  void shortcutsAndDropsReachTheirProcedures() {
    User.Paths = {Dir->filePath("picked.txt").toStdU16String(), std::nullopt};
    QTest::keyClick(Window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(Window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(Find(QStringLiteral("txFN"))->text(), Dir->filePath("picked.txt"));
    QTest::keyClick(Window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Window->Controller().Sheets().size(), 1u);
    QCOMPARE(Shown(Window->Controller().Sheets()[0]).windowTitle(),
             QStringLiteral("Dive sheet - Untitled"));

    QMimeData Dragged;
    Dragged.setUrls({QUrl::fromLocalFile(Dir->filePath("dropped.txt"))});
    QDragEnterEvent Enter(QPoint(100, 200), Qt::CopyAction, &Dragged, Qt::LeftButton, {});
    QApplication::sendEvent(Window.get(), &Enter);
    QVERIFY(Enter.isAccepted());
    QDropEvent Drop(QPointF(100, 200), Qt::CopyAction, &Dragged, Qt::LeftButton, {});
    QApplication::sendEvent(Window.get(), &Drop);
    QCOMPARE(Find(QStringLiteral("txFN"))->text(), Dir->filePath("dropped.txt"));
  }

  // The sheet window as laid out, its report in a fixed-width font and redone as the user
  // types; the caption marks the change. Save and Print, clicked; Copy report by its keys, Save
  // as by its.
  void sheetWindowRunsItsProceduresAsTheUserTypesAndClicks() {
    merrith::CSheetController* Form = Window->Controller().NewSheet();
    merrith::CTableWidget* Sheet = &Shown(Form);
    QCOMPARE(Sheet->size(), QSize(merrith::TwipsToPixels(merrith::SheetWindow.ClientWidth, 96),
                                  merrith::TwipsToPixels(merrith::SheetWindow.ClientHeight, 96)));
    auto* Report = Sheet->findChild<QPlainTextEdit*>(QStringLiteral("txReport"));
    QVERIFY(QFontInfo(Report->font()).fixedPitch());
    QVERIFY(Report->isReadOnly());
    auto* Dives = Sheet->findChild<QPlainTextEdit*>(QStringLiteral("txDives"));
    QTest::keyClicks(Dives, "105B");
    QTest::keyClick(Dives, Qt::Key_Return);
    QTest::keyClicks(Dives, "203C");
    Sheet->findChild<QComboBox*>(QStringLiteral("cboEvent"))->setCurrentIndex(2);
    QTest::keyClicks(Sheet->findChild<QLineEdit*>(QStringLiteral("txDiver")), "Ann");
    QCOMPARE(Form->Form().Text(), u"Event: men-1m\nDiver: Ann\n105B\n203C\n");
    QCOMPARE(Report->toPlainText().toStdU16String(), Form->Form().Report());
    QCOMPARE(Sheet->windowTitle(), QStringLiteral("Dive sheet - Untitled*"));

    User.Paths = {Dir->filePath("a.txt").toStdU16String(), Dir->filePath("b.txt").toStdU16String()};
    QTest::mouseClick(Sheet->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(Sheet->windowTitle(), QStringLiteral("Dive sheet - a.txt"));
    Activate(*Sheet);  // shortcuts are the active window's
    QTest::keyClick(Sheet, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Sheet->windowTitle(), QStringLiteral("Dive sheet - b.txt"));
    QTest::keyClick(Sheet, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(User.Clipboard, Form->Form().Report());
    QTest::mouseClick(Sheet->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    QCOMPARE(User.Pages, std::vector<std::u16string>{Dir->filePath("b.txt.htm").toStdU16String()});
  }

  // Closing the main window asks for each unsaved sheet; Cancel keeps every window open,
  // Don't save closes them all.
  void closingTheMainWindowAsksForEachUnsavedSheet() {
    Window->Controller().NewSheet();
    Window->Controller().NewSheet()->Form().txDives_Change(u"105B");
    QVERIFY(!Window->close());
    QCOMPARE(Window->Controller().Sheets().size(), 2u);
    User.Answer = merrith::SaveAnswer::DontSave;
    QVERIFY(Window->close());
    QTRY_COMPARE(Window->Controller().Sheets().size(), 0u);
  }

  // The recorder's window of a field of 24 divers and seven judges: the standings fit without
  // scrolling, the award boxes of the panel show and the focus is in the first; a dive keyed as
  // on the cards is recorded into the file, and the focus is back in the first box.
  void recorderWindowFitsItsFieldAndRecordsWhatIsKeyed() {
    QByteArray Meet = "Event: women-1m\nPanel: 7\n";
    for (int Diver = 1; Diver <= 24; ++Diver)
      Meet += "Diver: Diver " + QByteArray::number(Diver) + "\n101B\n201B\n301B\n401B\n5132D\n";
    const QString Path = WriteFile(QStringLiteral("meet.txt"), Meet);
    merrith::CCompetitionController* Meeting = OpenRecorder(Path);
    QVERIFY(Meeting != nullptr);
    merrith::CTableWidget& Table = Recorder(Meeting);
    Activate(Table);
    QCOMPARE(Table.windowTitle(), QStringLiteral("Competition - meet.txt"));
    const auto Find = [&Table](const char* Name) {
      return Table.findChild<QWidget*>(QString::fromLatin1(Name));
    };
    auto* Standings = static_cast<QTableWidget*>(Find("grdStandings"));
    QCOMPARE(Standings->rowCount(), 24);
    QCOMPARE(Standings->verticalScrollBar()->maximum(), 0);
    QVERIFY(Find("txAward7")->isVisible() && !Find("txAward8")->isVisible());
    QCOMPARE(QApplication::focusWidget(), Find("txAward1"));
    QVERIFY(static_cast<QLabel*>(Find("lblDive"))->text().contains("Diver 1"));

    for (const char Key : std::string_view("7x 6.5 7 7,5 65 6 6"))  // each to the box focused
      QTest::keyClick(QApplication::focusWidget(), Key);
    QCOMPARE(QToolTip::text().isEmpty(), false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(static_cast<QTableWidget*>(Find("grdDives"))->rowCount(), 1);
    QCOMPARE(QApplication::focusWidget(), Find("txAward1"));
    QVERIFY(static_cast<QLabel*>(Find("lblDive"))->text().contains("Diver 2"));
    QVERIFY(ReadFile(Path).contains("Round 1 | Diver 1 | 101B | 7.0 6.5 7.0 7.5 6.5 6.0 6.0"));
  }

  // Two recorder windows on one file: the second reads only and its caption says who records
  // it; its Record is refused with a message, and the file stays as it was. Closed by its close
  // box, the first lets the file go at once: the second takes it over, the dive the first
  // recorded meanwhile is a clash it offers to read again, and then it records on. Closing the
  // main window lets the file go at once too.
  void aSecondRecorderReadsOnlyUntilTheFirstCloses() {
    const QString Path = WriteFile(QStringLiteral("meet.txt"), ThreeDivers);
    merrith::CCompetitionController* First = OpenRecorder(Path);
    merrith::CCompetitionController* Second = OpenRecorder(Path);
    QVERIFY(First != nullptr && Second != nullptr);
    const QString Holder = QString::fromStdU16String(merrith::ThisProcessHolder());
    QCOMPARE(Recorder(First).windowTitle(), QStringLiteral("Competition - meet.txt"));
    QCOMPARE(Recorder(Second).windowTitle(),
             "Competition - meet.txt (read only: " + Holder + " records it)");
    QCOMPARE(QString::fromStdU16String(User.Messages.back()),
             "Opened to read only: " + Holder + " is recording it.");

    KeyInto(Recorder(Second), "6 6 6 6 6\r");
    QCOMPARE(QString::fromStdU16String(User.Messages.back()),
             "Opened to read only: " + Holder +
                 " is recording it. The awards are still keyed: record them again.");
    QCOMPARE(ReadFile(Path), QByteArray(ThreeDivers));

    KeyInto(Recorder(First), "7 7 7 7 7\r");
    QVERIFY(ReadFile(Path).contains("Round 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"));
    QVERIFY(Recorder(First).close());
    User.Yes = true;
    QTest::mouseClick(Recorder(Second).findChild<QPushButton*>(QStringLiteral("cmdRecord")),
                      Qt::LeftButton);
    QCOMPARE(User.Asked.size(), 1u);
    QVERIFY(QString::fromStdU16String(User.Asked[0]).contains("records this dive already"));
    QCOMPARE(Recorder(Second).windowTitle(), QStringLiteral("Competition - meet.txt"));
    KeyInto(Recorder(Second), "6 6 6 6 6\r");
    QVERIFY(
        ReadFile(Path).endsWith("Round 1 | Ann Example | 101B | 7.0 7.0 7.0 7.0 7.0\n"
                                "Round 1 | Bea Example | 101C | 6.0 6.0 6.0 6.0 6.0\n"));

    QVERIFY(Window->close());
    merrith::CFileLock Probe;
    QVERIFY(Probe.Take(Path.toStdU16String(), u"the next recorder").Taken);
  }

 private:
  static constexpr char ThreeDivers[] =
      "Event: women-1m\nPanel: 5\n"
      "Diver: Ann Example\n101B\n201B\n301B\n"
      "Diver: Bea Example\n101C\n201C\n301C\n"
      "Diver: Cat Example\n101B\n201B\n301B\n";
  QString WriteFile(const QString& Name, const QByteArray& Bytes) {
    QFile File(Dir->filePath(Name));
    if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size()) qFatal("no file");
    return File.fileName();
  }
  merrith::CCompetitionController* OpenRecorder(const QString& Path) {
    return Window->Controller().OpenCompetition(Path.toStdU16String());
  }
  static merrith::CTableWidget& Recorder(merrith::CCompetitionController* Meeting) {
    return static_cast<merrith::CTableWidget&>(Meeting->View());
  }
  // Makes Shown the active window, whose focused box takes the keys.
  static void Activate(merrith::CTableWidget& Shown) {
    QApplication::setActiveWindow(&Shown);
    if (!QTest::qWaitForWindowActive(&Shown)) qFatal("the recorder is not active");
  }
  // Keys into the focused box of Shown, made the active window: \r is Enter.
  static void KeyInto(merrith::CTableWidget& Shown, std::string_view Keys) {
    Activate(Shown);
    for (const char Key : Keys) {
      if (Key == '\r') {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      } else {
        QTest::keyClick(QApplication::focusWidget(), Key);
      }
    }
  }
  static merrith::CTableWidget& Shown(merrith::CSheetController* Sheet) {
    return static_cast<merrith::CTableWidget&>(Sheet->View());
  }
  template <typename T = QLineEdit>
  T* Find(const QString& Name) {
    T* Found = Window->findChild<T*>(Name);
    if (!Found) qFatal("no control %s", qPrintable(Name));
    return Found;
  }
  // A click on the button's circle, where a user aims.
  void ClickHeight(int Index) {
    auto* Button = Find<QRadioButton>(QStringLiteral("optH%1").arg(Index));
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
  }
  void Click(const QString& Name) { QTest::mouseClick(Find<QPushButton>(Name), Qt::LeftButton); }
  void Evaluate(const QString& Code, bool PressEnter) {
    Find(QStringLiteral("txAC"))->clear();
    QTest::keyClicks(Find(QStringLiteral("txAC")), Code);
    if (PressEnter) {
      QTest::keyClick(Find(QStringLiteral("txAC")), Qt::Key_Return);
    } else {
      Click(QStringLiteral("cmdOK"));
    }
  }
  static QByteArray ReadFile(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }

  std::unique_ptr<merrith::fmMain> Window;
  merrith::testing::TestDialogs User;
  std::unique_ptr<QTemporaryDir> Dir;
};

QTEST_MAIN(FmMainTest)
#include "fm_main_test.moc"
