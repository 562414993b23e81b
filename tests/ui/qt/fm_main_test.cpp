#include <memory>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/fm_main.h"

// What Qt adds to the window of window/, whose procedures main_window_test tests: the
// controls as laid out, the keys, and each control wired to its procedure.
class FmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Dir = std::make_unique<QTemporaryDir>();
    Messages.clear();
    Window = std::make_unique<merrith::fmMain>();
    Window->SetMessageSink([this](std::u16string_view Text) {
      Messages << QString::fromUtf16(Text.data(), static_cast<qsizetype>(Text.size()));
    });
    Window->show();
    QApplication::setActiveWindow(Window.get());
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
  }

  void cleanup() {
    Window.reset();
    Dir.reset();
    QLocale::setDefault(QLocale::c());
  }

  // Every control of the layout with its name, caption and frame, at its place at 96 dpi.
  void drawsEveryControlOfTheLayout() {
    QCOMPARE(Window->windowTitle(), QStringLiteral("Olvaro Merrith v2015-2021"));
    QCOMPARE(Window->size(), QSize(390, 272));
    const auto Px = [](int Twips) { return merrith::TwipsToPixels(Twips, 96); };
    for (const merrith::ControlLayout& Row : merrith::MainWindowControls) {
      const QString Name = Text(merrith::ControlName(Row));
      const auto* Made = Find<QWidget>(Name);
      const QWidget* Frame = Made->parentWidget();
      const char* Caption = Row.Kind == merrith::ControlKind::Frame ? "title" : "text";
      QCOMPARE((QStringList{Name, Frame == Window.get() ? QString() : Frame->objectName(),
                            Made->property(Caption).toString()}),
               (QStringList{Name, Text(Row.Inside), Text(Row.Caption)}));
      QVERIFY2(Made->geometry() == QRect(Px(Row.Left), Px(Row.Top), Px(Row.Width), Px(Row.Height)),
               qPrintable(Name));
    }
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

  // A height, "OK" or Enter in the code box: the result with its tooltip, which stay until the
  // next "OK".
  void showsTheResultOfOKWithItsTooltip() {
    QLineEdit* Result = Find(QStringLiteral("txDD"));
    QCOMPARE(Result->toolTip(), QString());
    ClickHeight(2);
    Evaluate(QStringLiteral("5253b"), false);
    QCOMPARE(Window->GetHeightIndex(), 2);
    const QString Sum = QString::fromUtf8(
        "Back 2½ Somersaults 1½ Twists, Pike\n"
        "position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4");
    QCOMPARE(Result->text() + Result->toolTip(), "3.4" + Sum);
    ClickHeight(1);
    QCOMPARE(Result->text() + Result->toolTip(), "3.4" + Sum);
    Evaluate(QStringLiteral("614C"), true);
    QCOMPARE(Result->text(), QStringLiteral("ERROR"));
    QCOMPARE(Result->toolTip(), QStringLiteral("armstand dives are done from the platform"));
  }

  // Each batch button, clicked or pressed with Enter while it has the focus, writes the table
  // of its blocks and shows its message; the height stays.
  void eachBatchButtonWritesItsTable() {
    const char* Holds[] = {"10m</th><tr>", "<tr><th></th><th colspan=6>12m",
                           "10m</th><th colspan=6>12m"};
    ClickHeight(7);
    for (int Index = 0; Index < 3; ++Index) {
      Messages.clear();
      Find(QStringLiteral("txFN"))->setText(WriteList("104\n"));
      auto* Button = Find<QPushButton>(QStringLiteral("cmdGenTbl%1").arg(Index));
      if (Index == 1) {
        Button->setFocus();
        QTest::keyClick(Button, Qt::Key_Return);
      } else {
        QTest::mouseClick(Button, Qt::LeftButton);
      }
      QCOMPARE(Messages, QStringList{"OK, New file name is " + Dir->filePath("list.txt.htm")});
      QVERIFY2(ReadFile(Dir->filePath("list.txt.htm")).contains(Holds[Index]), Holds[Index]);
      QVERIFY(Find<QRadioButton>(QStringLiteral("optH7"))->isChecked());
      QCOMPARE(Window->GetHeightIndex(), 7);
    }
  }

  void usesTheDecimalSeparatorOfTheLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ClickHeight(2);
    Evaluate(QStringLiteral("105b"), false);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("2,4"));
    Find(QStringLiteral("txFN"))->setText(WriteList("104\n"));
    Click(QStringLiteral("cmdGenTbl0"));
    QVERIFY(ReadFile(Dir->filePath("list.txt.htm")).contains("<td>2,0</td>"));
  }

 private:
  static QString Text(std::string_view Utf8) {
    return QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
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
  QString WriteList(const QByteArray& Lines) {
    QFile File(Dir->filePath(QStringLiteral("list.txt")));
    if (!File.open(QIODevice::WriteOnly) || File.write(Lines) != Lines.size()) qFatal("no list");
    return File.fileName();
  }
  static QByteArray ReadFile(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }

  std::unique_ptr<merrith::fmMain> Window;
  QStringList Messages;
  std::unique_ptr<QTemporaryDir> Dir;
};

QTEST_MAIN(FmMainTest)
#include "fm_main_test.moc"
