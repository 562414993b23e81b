#include "ui/qt/system_dialogs.h"

#include <iterator>
#include <vector>

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "ui/qt/table_widget.h"
#include "window/main_window_layout.h"

namespace merrith {
namespace {

void ShowMessageBox(QWidget* Owner, std::u16string_view Message) {
  QMessageBox Box(QMessageBox::NoIcon, Text(MessageCaption), Text(Message), QMessageBox::Ok, Owner);
  Box.exec();
}

// Qt parts the patterns of a type by spaces ("*.txt *.csv").
QString Filter(const FileKind& Kind) {
  const QString Patterns = Text(Kind.Pattern).replace(u';', u' ');
  return Text(Kind.TypeName) + " (" + Patterns + ");;All files (*)";
}

std::optional<std::u16string> Chosen(const QString& Path) {
  if (Path.isEmpty()) return std::nullopt;
  return Path.toStdU16String();
}

SaveAnswer AskToSave(QWidget* Owner, std::u16string_view Name) {
  QMessageBox Box(QMessageBox::Warning, Text(MessageCaption), Text(SaveQuestion(Name)),
                  QMessageBox::NoButton, Owner);
  const QMessageBox::ButtonRole Roles[] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                           QMessageBox::RejectRole};
  static_assert(std::size(Roles) == std::size(SaveAnswerCaptions));
  QPushButton* Buttons[std::size(Roles)] = {};
  for (std::size_t I = 0; I < std::size(Roles); ++I)
    Buttons[I] = Box.addButton(Text(SaveAnswerCaptions[I]), Roles[I]);
  Box.setDefaultButton(Buttons[0]);
  Box.setEscapeButton(Buttons[2]);
  Box.exec();
  for (std::size_t I = 0; I < std::size(Roles); ++I)
    if (Box.clickedButton() == Buttons[I]) return static_cast<SaveAnswer>(I);
  return SaveAnswer::Cancel;
}

bool AskYesNo(QWidget* Owner, std::u16string_view Question, std::u16string_view Yes,
              std::u16string_view No) {
  QMessageBox Box(QMessageBox::Question, Text(MessageCaption), Text(Question),
                  QMessageBox::NoButton, Owner);
  QPushButton* YesButton = Box.addButton(Text(Yes), QMessageBox::AcceptRole);
  QPushButton* NoButton = Box.addButton(Text(No), QMessageBox::RejectRole);
  Box.setDefaultButton(YesButton);
  Box.setEscapeButton(NoButton);
  Box.exec();
  return Box.clickedButton() == YesButton;
}

}  // namespace

Dialogs SystemDialogs(QWidget* Owner) {
  Dialogs Asks;
  Asks.Message = [Owner](std::u16string_view Message) { ShowMessageBox(Owner, Message); };
  Asks.AskOpenPath = [Owner](const FileKind& Kind, std::u16string_view Start) {
    return Chosen(QFileDialog::getOpenFileName(Owner, Text(Kind.Title), Text(Start), Filter(Kind)));
  };
  Asks.AskOpenPaths = [Owner](const FileKind& Kind, std::u16string_view Start) {
    std::vector<std::u16string> Paths;
    for (const QString& Path :
         QFileDialog::getOpenFileNames(Owner, Text(Kind.Title), Text(Start), Filter(Kind)))
      Paths.push_back(Path.toStdU16String());
    return Paths;
  };
  Asks.AskSavePath = [Owner](const FileKind& Kind, std::u16string_view Start) {
    return Chosen(QFileDialog::getSaveFileName(Owner, Text(Kind.Title), Text(Start), Filter(Kind)));
  };
  Asks.AskToSave = [Owner](std::u16string_view Name) { return AskToSave(Owner, Name); };
  Asks.AskYesNo = [Owner](std::u16string_view Question, std::u16string_view Yes,
                          std::u16string_view No) { return AskYesNo(Owner, Question, Yes, No); };
  Asks.ShowInBrowser = [](std::u16string_view Path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Text(Path)));
  };
  Asks.CopyText = [](std::u16string_view Copied) {
    QGuiApplication::clipboard()->setText(Text(Copied));
  };
  return Asks;
}

}  // namespace merrith
