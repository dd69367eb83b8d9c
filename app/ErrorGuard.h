#pragma once

#include <QString>

#include <functional>

class TDialogs;

// An error's message as the error display shows it: with a full stop appended when its last
// character sorts after "." (a letter, digit or quotation mark, but not ")").
QString WithFullStop(const QString& Message);

// Runs a handler. An error it raises ends it there and is shown once by the error display,
// so that no exception ever crosses a signal-slot call or Qt's event loop.
void RunGuarded(TDialogs& Dialogs, const std::function<void()>& Handler) noexcept;
