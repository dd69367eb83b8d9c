#include "ErrorGuard.h"

#include "Dialogs.h"
#include "QtText.h"

#include <exception>

QString WithFullStop(const QString& Message)
{
  if (!Message.isEmpty() && Message.back() > QChar(u'.'))
    return Message + u'.';
  return Message;
}

void RunGuarded(TDialogs& Dialogs, const std::function<void()>& Handler) noexcept
{
  try {
    Handler();
  } catch (const std::exception& Error) {
    Dialogs.ShowError(WithFullStop(FromCore(Error.what())));
  } catch (...) {
    Dialogs.ShowError(QStringLiteral("An unexpected error ended the command."));
  }
}
