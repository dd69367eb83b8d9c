#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

std::optional<QString> TScriptedDialogs::OpenFile(const QString& Title, const QStringList& Filters)
{
  FileRequests.push_back({Title, Filters});
  if (Files.empty()) {
    ADD_FAILURE() << "unexpected open-file dialog: " << Title.toStdString();
    return std::nullopt;
  }
  const QString File = Files.front().value_or(QString());
  const bool Chosen = Files.front().has_value();
  Files.pop_front();
  return Chosen ? std::optional<QString>(File) : std::nullopt;
}

TConfirmAnswer TScriptedDialogs::Confirm(const QString& Question, TConfirmButtons Buttons)
{
  Questions << Question;
  QuestionButtons.push_back(Buttons);
  if (Answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << Question.toStdString();
    return TConfirmAnswer::Cancel;
  }
  const TConfirmAnswer Answer = Answers.front();
  Answers.pop_front();
  return Answer;
}
