#pragma once

#include <QString>
#include <QStringList>

#include <optional>

enum class TConfirmAnswer { Yes, No, Cancel };
enum class TConfirmButtons { YesNo, YesNoCancel };

// Every dialog the main window shows goes through here, so that tests can answer them.
class TDialogs {
public:
  virtual ~TDialogs() = default;

  // The open-file dialog shared by Open ROM and Open CDL: the chosen path, or none when the
  // user cancels. Filters are name filters such as "iNES Image (*.nes)".
  virtual std::optional<QString> OpenFile(const QString& Title, const QStringList& Filters) = 0;
  // A modal message without icon, with one OK button.
  virtual void ShowMessage(const QString& Text) = 0;
  // A modal question captioned "Confirm"; Yes is the default button.
  virtual TConfirmAnswer Confirm(const QString& Question, TConfirmButtons Buttons) = 0;
  // The error display: a modal message with the error icon and one OK button.
  virtual void ShowError(const QString& Message) = 0;
  // The closing message of the report export: not modal and without an owner, so the
  // window stays usable while it shows.
  virtual void ShowExportDone(const QString& Text) = 0;
};
