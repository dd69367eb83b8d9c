#include "QtDialogs.h"

#include "ApplicationTitle.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

void RunMessageBox(QWidget* Owner, QMessageBox::Icon Icon, const QString& Text)
{
  QMessageBox Box(Icon, ApplicationTitle(), Text, QMessageBox::Ok, Owner);
  Box.exec();
}

} // namespace

std::unique_ptr<QMessageBox> MakeConfirmationBox(QWidget* Owner, const QString& Question, TConfirmButtons Buttons)
{
  auto Box = std::make_unique<QMessageBox>(QMessageBox::Question, QStringLiteral("Confirm"), Question,
                                           QMessageBox::NoButton, Owner);
  QPushButton* const Yes = Box->addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
  QPushButton* const No = Box->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
  Box->setDefaultButton(Yes);
  // Esc, and the close box, give Cancel where there is one and No otherwise.
  if (Buttons == TConfirmButtons::YesNoCancel)
    Box->setEscapeButton(Box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole));
  else
    Box->setEscapeButton(No);
  return Box;
}

TConfirmAnswer ConfirmationAnswer(const QMessageBox& Answered)
{
  QAbstractButton* const Clicked = Answered.clickedButton();
  const QMessageBox::ButtonRole Role = Clicked ? Answered.buttonRole(Clicked) : QMessageBox::RejectRole;
  if (Role == QMessageBox::YesRole)
    return TConfirmAnswer::Yes;
  if (Role == QMessageBox::NoRole)
    return TConfirmAnswer::No;
  return TConfirmAnswer::Cancel;
}

std::unique_ptr<QMessageBox> MakeExportDoneBox(const QString& Text)
{
  auto Box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tavrox"), Text, QMessageBox::Ok);
  Box->setWindowModality(Qt::NonModal);
  // It has no owner, so it must not keep the program running once the window has closed.
  Box->setAttribute(Qt::WA_QuitOnClose, false);
  return Box;
}

TQtDialogs::TQtDialogs(QWidget* DialogOwner) : Owner(DialogOwner), OpenDialog(DialogOwner) {}

TQtDialogs::~TQtDialogs() = default;

std::optional<QString> TQtDialogs::OpenFile(const QString& Title, const QStringList& Filters)
{
  return OpenDialog.Execute(Title, Filters);
}

void TQtDialogs::ShowMessage(const QString& Text)
{
  RunMessageBox(Owner, QMessageBox::NoIcon, Text);
}

TConfirmAnswer TQtDialogs::Confirm(const QString& Question, TConfirmButtons Buttons)
{
  const std::unique_ptr<QMessageBox> Box = MakeConfirmationBox(Owner, Question, Buttons);
  Box->exec();
  return ConfirmationAnswer(*Box);
}

void TQtDialogs::ShowError(const QString& Message)
{
  RunMessageBox(Owner, QMessageBox::Critical, Message);
}

void TQtDialogs::ShowExportDone(const QString& Text)
{
  std::erase_if(ExportMessages, [](const std::unique_ptr<QMessageBox>& Box) { return !Box->isVisible(); });
  ExportMessages.push_back(MakeExportDoneBox(Text));
  ExportMessages.back()->show();
}
