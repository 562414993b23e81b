#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/fm_main.h"

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

  void opensAtOneMetreWithTheSampleList() {
    QCOMPARE(Window->windowTitle(), QStringLiteral("Olvaro Merrith v2015-2021"));
    QCOMPARE(Window->size(), QSize(390, 272));
    QCOMPARE(Window->GetHeightIndex(), 1);
    QVERIFY(Find<QRadioButton>(QStringLiteral("optH1"))->isChecked());
    QCOMPARE(Find(QStringLiteral("txFN"))->text(), QStringLiteral("action.txt"));
    QVERIFY(Find(QStringLiteral("txDD"))->isReadOnly());
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

  void showsTheDDOfTheTypedCode_data() {
    QTest::addColumn<int>("Height");
    QTest::addColumn<QString>("Code");
    QTest::addColumn<bool>("PressEnter");
    QTest::addColumn<QString>("Shown");
    QTest::newRow("lower case 105b at 3m") << 2 << "105b" << false << "2.4";
    QTest::newRow("Enter runs OK") << 2 << "5253b" << true << "3.4";
    QTest::newRow("a DD of exactly 2 has no decimals") << 2 << "104c" << false << "2";
    QTest::newRow("10m asks the platform table") << 5 << "614C" << true << "2.1";
    QTest::newRow("12m asks the high-diving table") << 6 << "104B" << false << "2.9";
    QTest::newRow("no DD at the height") << 3 << "109C" << false << "ERROR";
    QTest::newRow("a space is passed as typed") << 2 << " 105b" << true << "ERROR";
  }

  void showsTheDDOfTheTypedCode() {
    QFETCH(int, Height);
    QFETCH(QString, Code);
    QFETCH(bool, PressEnter);
    QFETCH(QString, Shown);
    ClickHeight(Height);
    Evaluate(Code, PressEnter);
    QCOMPARE(Window->GetHeightIndex(), Height);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), Shown);
  }

  // The tooltip tells the dive and its sum, or why there is no DD, until the next "OK".
  void tellsWhatTheResultStandsForInItsTooltip() {
    const QString Sum = QString::fromUtf8(
        "Back 2½ Somersaults 1½ Twists, Pike\n"
        "position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4");
    QCOMPARE(Find(QStringLiteral("txDD"))->toolTip(), QString());
    ClickHeight(2);
    Evaluate(QStringLiteral("5253b"), false);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("3.4"));
    QCOMPARE(Find(QStringLiteral("txDD"))->toolTip(), Sum);
    ClickHeight(1);
    QCOMPARE(Find(QStringLiteral("txDD"))->toolTip(), Sum);
    Evaluate(QStringLiteral("614C"), true);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("ERROR"));
    QCOMPARE(Find(QStringLiteral("txDD"))->toolTip(),
             QStringLiteral("armstand dives are done from the platform"));
  }

  void keepsTheOldResultWhenTheHeightChanges() {
    ClickHeight(2);
    Evaluate(QStringLiteral("105b"), true);
    ClickHeight(5);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("2.4"));
    Click(QStringLiteral("cmdOK"));
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("2.3"));
  }

  void usesTheDecimalSeparatorOfTheLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ClickHeight(2);
    Evaluate(QStringLiteral("105b"), false);
    QCOMPARE(Find(QStringLiteral("txDD"))->text(), QStringLiteral("2,4"));
    QCOMPARE(Find(QStringLiteral("txDD"))->toolTip(),
             QString::fromUtf8(
                 "Forward 2½ Somersaults, Pike\n"
                 "position 0,2 + somersaults 2,2 + twists 0 + approach 0 + entry 0 = 2,4"));
    QVERIFY(RunBatch(0, WriteList("104\n")).contains("<td>2,4</td><td>2,1</td><td>2,0</td>"));
  }

  void writesTheTableOfEachButton_data() {
    QTest::addColumn<int>("Index");
    QTest::addColumn<QByteArray>("Holds");
    QTest::addColumn<QByteArray>("Lacks");
    QTest::newRow("D") << 0
                       << QByteArray("<td>104</td><td>2.6</td><td>2.3</td><td>2.2</td><td>-</td>")
                       << QByteArray("colspan=6");
    QTest::newRow("HD") << 1
                        << QByteArray("<td>104</td><td>3.1</td><td>2.9</td><td>2.7</td><td>-</td>")
                        << QByteArray("colspan=5");
    QTest::newRow("D+HD, 10m before 12m")
        << 2 << QByteArray("<td>2.1</td><td>-</td><td></td><td>3.1</td><td>2.9</td>")
        << QByteArray("\n");
  }

  // The calculators are asked at every height of the table, yet the user's height stays.
  void writesTheTableOfEachButton() {
    QFETCH(int, Index);
    QFETCH(QByteArray, Holds);
    QFETCH(QByteArray, Lacks);
    ClickHeight(7);
    const QString List = WriteList("104\r\n\r\n");
    const QByteArray Table = RunBatch(Index, List);
    QCOMPARE(Messages, QStringList{"OK, New file name is " + List + ".htm"});
    QCOMPARE(Window->GetHeightIndex(), 7);
    QVERIFY(Find<QRadioButton>(QStringLiteral("optH7"))->isChecked());
    QVERIFY(Table.startsWith("\xEF\xBB\xBF<table border=1><caption>"));
    QVERIFY(Table.endsWith("<td></td></table>"));
    QVERIFY2(Table.contains(Holds), Table.constData());
    QVERIFY(!Table.contains(Lacks));
  }

  // A failed run leaves the folder as it was, an earlier table included, and the height.
  void reportsAFileErrorWhenNoTableIsWritten_data() {
    QTest::addColumn<QString>("Name");
    QTest::newRow("missing list") << "missing.txt";
    QTest::newRow("missing folder") << "nowhere/list.txt";
    QTest::newRow("no name") << "";
    QTest::newRow("table name taken by a folder") << "list.txt";
  }

  void reportsAFileErrorWhenNoTableIsWritten() {
    QFETCH(QString, Name);
    WriteList("105\n");
    QVERIFY(QDir(Dir->path()).mkdir(QStringLiteral("list.txt.htm")));
    const QStringList Old = {WriteFile(QStringLiteral("list.txt.htm/keep"), "an earlier table"),
                             WriteFile(QStringLiteral("missing.txt.htm"), "an earlier table")};
    const QStringList Before = QDir(Dir->path()).entryList(QDir::AllEntries | QDir::Hidden);
    ClickHeight(7);
    RunBatch(2, Name.isEmpty() ? Name : Dir->filePath(Name));
    QCOMPARE(Messages, QStringList{"File Error!!!"});
    QCOMPARE(Window->GetHeightIndex(), 7);
    QCOMPARE(QDir(Dir->path()).entryList(QDir::AllEntries | QDir::Hidden), Before);
    QCOMPARE(ReadFile(Old[0]) + ReadFile(Old[1]), QByteArray("an earlier table").repeated(2));
  }

  void writesAListedLineAsTextNotMarkup() {
    const QByteArray Table = RunBatch(0, WriteList("<b a='1'>\"105&\n"));
    QVERIFY(Table.contains("<tr><td>&lt;b a=&#39;1&#39;&gt;&quot;105&amp;</td><td>-</td>"));
    QVERIFY(!Table.contains("<b"));
  }

 private:
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
  QString WriteFile(const QString& Name, const QByteArray& Bytes) {
    QFile File(Dir->filePath(Name));
    if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size()) qFatal("no file");
    return File.fileName();
  }
  QString WriteList(const QByteArray& Lines) {
    return WriteFile(QStringLiteral("list.txt"), Lines);
  }
  QByteArray RunBatch(int Index, const QString& ListPath) {
    Find(QStringLiteral("txFN"))->setText(ListPath);
    Click(QStringLiteral("cmdGenTbl%1").arg(Index));
    return ReadFile(ListPath + QStringLiteral(".htm"));
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
