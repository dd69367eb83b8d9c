#pragma once

#include "Dialogs.h"

#include <deque>
#include <vector>

// Dialogs that tests answer in advance and that record everything the window shows.
class TScriptedDialogs : public TDialogs {
public:
  struct TFileRequest {
    QString Title;
    QStringList Filters;
  };

  // Answers, taken in order; a dialog without one is a test failure (and is cancelled).
  std::deque<std::optional<QString>> Files;
  std::deque<TConfirmAnswer> Answers;

  std::vector<TFileRequest> FileRequests;
  QStringList Messages;
  QStringList Questions;
  std::vector<TConfirmButtons> QuestionButtons;
  QStringList Errors;
  QStringList ExportMessages;

  std::optional<QString> OpenFile(const QString& Title, const QStringList& Filters) override;
  void ShowMessage(const QString& Text) override { Messages << Text; }
  TConfirmAnswer Confirm(const QString& Question, TConfirmButtons Buttons) override;
  void ShowError(const QString& Message) override { Errors << Message; }
  void ShowExportDone(const QString& Text) override { ExportMessages << Text; }
};
