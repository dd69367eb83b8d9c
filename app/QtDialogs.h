#pragma once

#include "Dialogs.h"
#include "OpenDialog.h"

#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

// The dialogs of the real program: QFileDialog and QMessageBox, captioned with the
// application's title.
class TQtDialogs : public TDialogs {
public:
  explicit TQtDialogs(QWidget* Owner);
  ~TQtDialogs() override;
  TQtDialogs(const TQtDialogs&) = delete;
  TQtDialogs& operator=(const TQtDialogs&) = delete;

  std::optional<QString> OpenFile(const QString& Title, const QStringList& Filters) override;
  void ShowMessage(const QString& Text) override;
  TConfirmAnswer Confirm(const QString& Question, TConfirmButtons Buttons) override;
  void ShowError(const QString& Message) override;
  void ShowExportDone(const QString& Text) override;

private:
  QWidget* Owner;
  TOpenDialog OpenDialog;
  // Closing messages of exports; closed ones go when the next one is shown.
  std::vector<std::unique_ptr<QMessageBox>> ExportMessages;
};

// The boxes themselves, made apart from showing them so that tests can drive them.
std::unique_ptr<QMessageBox> MakeConfirmationBox(QWidget* Owner, const QString& Question, TConfirmButtons Buttons);
TConfirmAnswer ConfirmationAnswer(const QMessageBox& Answered);
std::unique_ptr<QMessageBox> MakeExportDoneBox(const QString& Text);
