// The window's "D+HD" button fed files that no editor should produce: the user reads the
// success message or "File Error!!!", the folder holds no temporary file afterwards, an
// earlier table survives a failure, and the selected height stays.
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/fm_main.h"

namespace {

// What a case puts in the folder before the run: the list (or a folder in its place) and
// what stands where the table goes.
enum class Setup { List, ListIsFolder, NoFolder, TableIsFolder };

const QByteArray OldTable = "an earlier table\n";

}  // namespace

Q_DECLARE_METATYPE(Setup)

class WindowBadInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Dir = std::make_unique<QTemporaryDir>();
    Messages.clear();
    Window = std::make_unique<merrith::fmMain>();
    Window->SetMessageSink([this](const QString& Text) { Messages << Text; });
    Window->show();
  }

  void cleanup() {
    Window.reset();
    Dir.reset();
  }

  void answersEveryBadFile_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<Setup>("Kind");
    QTest::addColumn<int>("Rows");  // data rows of the table, or -1 for "File Error!!!"
    QTest::newRow("empty file") << "in.txt" << QByteArray() << Setup::List << 0;
    QTest::newRow("only a UTF-16 mark") << "in.txt" << QByteArray("\xFF\xFE") << Setup::List << 0;
    QTest::newRow("NUL bytes") << "in.txt" << QByteArray("105\0\n\0\n201\n", 11) << Setup::List
                               << 3;
    QTest::newRow("invalid UTF-8")
        << "in.txt" << QByteArray("\xEF\xBB\xBF\x80\n\xED\xA0\x80\n") << Setup::List << 2;
    QTest::newRow("odd-length UTF-16")  // mark, 105, and half a unit
        << "in.txt" << QByteArray::fromHex("FFFE31003000350042") << Setup::List << 1;
    QTest::newRow("spaces and non-ASCII letters")
        << QStringLiteral("Sprünge für Åsa.txt") << QByteArray("105\n") << Setup::List << 1;
    QTest::newRow("list is a folder") << "in.txt" << QByteArray() << Setup::ListIsFolder << -1;
    QTest::newRow("missing folder") << "nowhere/in.txt" << QByteArray() << Setup::NoFolder << -1;
    QTest::newRow("table is a folder")
        << "in.txt" << QByteArray("105\n") << Setup::TableIsFolder << -1;
  }

  void answersEveryBadFile() {
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    QFETCH(Setup, Kind);
    QFETCH(int, Rows);
    const QString List = Dir->filePath(Name);
    const QString Table = List + QStringLiteral(".htm");
    Prepare(Kind, List, Bytes);
    const QStringList Before = Listing();
    ClickHeight(7);

    Find<QLineEdit>(QStringLiteral("txFN"))->setText(List);
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdGenTbl2")), Qt::LeftButton);

    QCOMPARE(Window->GetHeightIndex(), 7);
    if (Rows < 0) {
      QCOMPARE(Messages, QStringList{"File Error!!!"});
      QCOMPARE(Listing(), Before);
      if (Kind != Setup::NoFolder) QCOMPARE(ReadAll(OldTableFile(Kind, Table)), OldTable);
      return;
    }
    QCOMPARE(Messages, QStringList{"OK, New file name is " + Table});
    QCOMPARE(Listing(), Before);  // the new table took the earlier one's place
    const QByteArray Written = ReadAll(Table);
    QVERIFY(Written.startsWith("\xEF\xBB\xBF<table border=1><caption>"));
    QVERIFY(Written.endsWith("</table>"));
    QCOMPARE(Written.count("<tr>"), Rows + 2);
  }

 private:
  void Prepare(Setup Kind, const QString& List, const QByteArray& Bytes) {
    QDir Folder(Dir->path());
    if (Kind == Setup::NoFolder) return;
    if (Kind == Setup::ListIsFolder) {
      QVERIFY(Folder.mkdir(QFileInfo(List).fileName()));
    } else {
      WriteAll(List, Bytes);
    }
    if (Kind == Setup::TableIsFolder) {
      QVERIFY(Folder.mkdir(QFileInfo(List).fileName() + QStringLiteral(".htm")));
    }
    WriteAll(OldTableFile(Kind, List + QStringLiteral(".htm")), OldTable);
  }
  // Where an earlier table waits: in the table's place, or inside the folder that took it.
  static QString OldTableFile(Setup Kind, const QString& Table) {
    return Kind == Setup::TableIsFolder ? Table + QStringLiteral("/keep") : Table;
  }
  static void WriteAll(const QString& Path, const QByteArray& Bytes) {
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size()) qFatal("no file");
  }
  static QByteArray ReadAll(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }
  QStringList Listing() const {
    QStringList Names;
    QDirIterator It(Dir->path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (It.hasNext()) Names << QDir(Dir->path()).relativeFilePath(It.next());
    Names.sort();
    return Names;
  }
  template <typename T>
  T* Find(const QString& Name) {
    T* Found = Window->findChild<T*>(Name);
    if (!Found) qFatal("no control %s", qPrintable(Name));
    return Found;
  }
  void ClickHeight(int Index) {
    auto* Button = Find<QRadioButton>(QStringLiteral("optH%1").arg(Index));
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
  }

  std::unique_ptr<merrith::fmMain> Window;
  QStringList Messages;
  std::unique_ptr<QTemporaryDir> Dir;
};

QTEST_MAIN(WindowBadInputTest)
#include "window_bad_input_test.moc"
