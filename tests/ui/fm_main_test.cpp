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

#include "ui/fm_main.h"

using merrith::fmMain;

class FmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startsAtOneMetreWithTheDefaultList();
  void tabVisitsTheControlsInOrder();
  void showsTheDDOfTheTypedCode_data();
  void showsTheDDOfTheTypedCode();
  void keepsTheOldResultWhenTheHeightChanges();
  void writesTheDecimalSeparatorOfTheLocale();
  void writesTheTableOfEachButton_data();
  void writesTheTableOfEachButton();
  void keepsTheHeightThroughABatchRun();
  void reportsAFileErrorWhenNoTableIsWritten_data();
  void reportsAFileErrorWhenNoTableIsWritten();
  void writesAListedLineAsTextNotMarkup();

 private:
  template <typename T>
  T* Control(const QString& Name) {
    T* Found = Window->findChild<T*>(Name);
    if (!Found) qFatal("no control %s", qPrintable(Name));
    return Found;
  }
  void ClickHeight(int Index);
  void TypeCode(const QString& Code);
  QString WriteList(const QByteArray& Lines);
  QByteArray RunBatch(int Index, const QString& ListPath);

  std::unique_ptr<fmMain> Window;
  QStringList Messages;
  std::unique_ptr<QTemporaryDir> Dir;
};

void FmMainTest::init() {
  Dir = std::make_unique<QTemporaryDir>();
  Messages.clear();
  Window = std::make_unique<fmMain>();
  Window->SetMessageSink([this](const QString& Text) { Messages << Text; });
  Window->show();
  QApplication::setActiveWindow(Window.get());
  QVERIFY(QTest::qWaitForWindowActive(Window.get()));
}

void FmMainTest::cleanup() {
  Window.reset();
  Dir.reset();
  QLocale::setDefault(QLocale::c());
}

// A click on the button's circle, where a user aims.
void FmMainTest::ClickHeight(int Index) {
  auto* Button = Control<QRadioButton>(QStringLiteral("optH%1").arg(Index));
  QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
}

void FmMainTest::TypeCode(const QString& Code) {
  auto* Box = Control<QLineEdit>(QStringLiteral("txAC"));
  Box->clear();
  QTest::keyClicks(Box, Code);
}

QString FmMainTest::WriteList(const QByteArray& Lines) {
  const QString Path = Dir->filePath(QStringLiteral("list.txt"));
  QFile File(Path);
  if (!File.open(QIODevice::WriteOnly) || File.write(Lines) != Lines.size()) qFatal("no list");
  return Path;
}

QByteArray FmMainTest::RunBatch(int Index, const QString& ListPath) {
  Control<QLineEdit>(QStringLiteral("txFN"))->setText(ListPath);
  QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdGenTbl%1").arg(Index)), Qt::LeftButton);
  QFile Table(ListPath + QStringLiteral(".htm"));
  return Table.open(QIODevice::ReadOnly) ? Table.readAll() : QByteArray();
}

void FmMainTest::startsAtOneMetreWithTheDefaultList() {
  QCOMPARE(Window->windowTitle(), QStringLiteral("Olvaro Merrith v2015-2021"));
  QCOMPARE(Window->size(), QSize(390, 272));
  QCOMPARE(Window->GetHeightIndex(), 1);
  QVERIFY(Control<QRadioButton>(QStringLiteral("optH1"))->isChecked());
  QCOMPARE(Control<QLineEdit>(QStringLiteral("txFN"))->text(), QStringLiteral("action.txt"));
  QVERIFY(Control<QLineEdit>(QStringLiteral("txDD"))->isReadOnly());
}

void FmMainTest::tabVisitsTheControlsInOrder() {
  const QStringList Expected = {"txAC",       "cmdOK",      "txDD",       "txFN",
                                "cmdGenTbl0", "cmdGenTbl1", "cmdGenTbl2", "optH1"};
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::NoModifier);
  QStringList Visited;
  for (qsizetype I = 0; I < Expected.size(); ++I) {
    Visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(Visited, Expected);
}

void FmMainTest::showsTheDDOfTheTypedCode_data() {
  QTest::addColumn<int>("Height");
  QTest::addColumn<QString>("Code");
  QTest::addColumn<bool>("PressEnter");
  QTest::addColumn<QString>("Shown");
  QTest::newRow("lower case 105b at 3m") << 2 << "105b" << false << "2.4";
  QTest::newRow("Enter runs OK") << 2 << "5253b" << true << "3.4";
  QTest::newRow("a DD of exactly 2 has no decimals") << 2 << "104c" << false << "2";
  QTest::newRow("10m asks the platform table") << 5 << "614C" << true << "2.1";
  QTest::newRow("12m asks the high-diving table") << 6 << "104B" << false << "2.9";
  QTest::newRow("no DD at the height") << 5 << "109C" << false << "ERROR";
  QTest::newRow("a space is passed as typed") << 2 << " 105b" << true << "ERROR";
  QTest::newRow("nothing typed") << 1 << "" << false << "ERROR";
}

void FmMainTest::showsTheDDOfTheTypedCode() {
  QFETCH(int, Height);
  QFETCH(QString, Code);
  QFETCH(bool, PressEnter);
  QFETCH(QString, Shown);
  ClickHeight(Height);
  TypeCode(Code);
  if (PressEnter) {
    QTest::keyClick(Control<QLineEdit>(QStringLiteral("txAC")), Qt::Key_Return);
  } else {
    QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }
  QCOMPARE(Window->GetHeightIndex(), Height);
  QCOMPARE(Control<QLineEdit>(QStringLiteral("txDD"))->text(), Shown);
}

void FmMainTest::keepsTheOldResultWhenTheHeightChanges() {
  ClickHeight(2);
  TypeCode(QStringLiteral("105b"));
  QTest::keyClick(Control<QLineEdit>(QStringLiteral("txAC")), Qt::Key_Enter);
  ClickHeight(5);
  QCOMPARE(Control<QLineEdit>(QStringLiteral("txDD"))->text(), QStringLiteral("2.4"));
  QTest::keyClick(Control<QLineEdit>(QStringLiteral("txAC")), Qt::Key_Enter);
  QCOMPARE(Control<QLineEdit>(QStringLiteral("txDD"))->text(), QStringLiteral("2.3"));
}

void FmMainTest::writesTheDecimalSeparatorOfTheLocale() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ClickHeight(2);
  TypeCode(QStringLiteral("105b"));
  QTest::mouseClick(Control<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  QCOMPARE(Control<QLineEdit>(QStringLiteral("txDD"))->text(), QStringLiteral("2,4"));
  const QByteArray Table = RunBatch(0, WriteList("104\n"));
  QVERIFY(Table.contains("<td>2,4</td><td>2,1</td><td>2,0</td>"));
}

void FmMainTest::writesTheTableOfEachButton_data() {
  QTest::addColumn<int>("Index");
  QTest::addColumn<QByteArray>("Holds");
  QTest::addColumn<QByteArray>("Lacks");
  QTest::newRow("D") << 0
                     << QByteArray("<td>104</td><td>2.6</td><td>2.3</td><td>2.2</td><td>-</td>")
                     << QByteArray("colspan=6");
  QTest::newRow("HD") << 1
                      << QByteArray("<td>104</td><td>3.1</td><td>2.9</td><td>2.7</td><td>-</td>")
                      << QByteArray("colspan=5");
  QTest::newRow("D+HD") << 2
                        << QByteArray("<td>2.1</td><td>-</td><td></td><td>3.1</td><td>2.9</td>")
                        << QByteArray("\n");
}

void FmMainTest::writesTheTableOfEachButton() {
  QFETCH(int, Index);
  QFETCH(QByteArray, Holds);
  QFETCH(QByteArray, Lacks);
  const QString List = WriteList("104\r\n\r\n");
  const QByteArray Table = RunBatch(Index, List);
  QCOMPARE(Messages, QStringList{"OK, New file name is " + List + ".htm"});
  QVERIFY(Table.startsWith("\xEF\xBB\xBF<table border=1><caption>"));
  QVERIFY(Table.endsWith("<td></td></table>"));
  QVERIFY2(Table.contains(Holds), Table.constData());
  QVERIFY(!Table.contains(Lacks));
}

void FmMainTest::keepsTheHeightThroughABatchRun() {
  ClickHeight(7);
  const QString List = WriteList("105\n614\n");
  for (int Index = 0; Index < 3; ++Index) RunBatch(Index, List);
  QCOMPARE(Messages.size(), 3);
  QCOMPARE(Window->GetHeightIndex(), 7);
  QVERIFY(Control<QRadioButton>(QStringLiteral("optH7"))->isChecked());
}

void FmMainTest::reportsAFileErrorWhenNoTableIsWritten_data() {
  QTest::addColumn<QString>("Name");
  QTest::newRow("missing list") << "missing.txt";
  QTest::newRow("no name") << "";
  QTest::newRow("output name taken by a folder") << "list.txt";
}

void FmMainTest::reportsAFileErrorWhenNoTableIsWritten() {
  QFETCH(QString, Name);
  WriteList("105\n");
  QVERIFY(QDir(Dir->path()).mkdir(QStringLiteral("list.txt.htm")));
  const QString Path = Name.isEmpty() ? Name : Dir->filePath(Name);
  RunBatch(2, Path);
  QCOMPARE(Messages, QStringList{"File Error!!!"});
  QVERIFY(!QFile::exists(Dir->filePath(QStringLiteral("missing.txt.htm"))));
  QVERIFY(QFileInfo(Dir->filePath(QStringLiteral("list.txt.htm"))).isDir());
}

void FmMainTest::writesAListedLineAsTextNotMarkup() {
  const QByteArray Table = RunBatch(0, WriteList("<b>105</b>\n"));
  QVERIFY(Table.contains("<tr><td>&lt;b&gt;105&lt;/b&gt;</td><td>-</td>"));
  QVERIFY(!Table.contains("<b>"));
}

QTEST_MAIN(FmMainTest)
#include "fm_main_test.moc"
