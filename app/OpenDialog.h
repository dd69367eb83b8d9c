#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

// The open-file dialog that Open ROM and Open CDL share. It offers the path accepted last as
// the next initial file name, and the position of the filter entry chosen last; a cancelled
// run changes neither. A typed name of a missing file is accepted (it fails when read).
class TOpenDialog {
public:
  explicit TOpenDialog(QWidget* DialogOwner) : Owner(DialogOwner) {}

  std::optional<QString> Execute(const QString& Title, const QStringList& Filters);

  // The two halves of Execute, apart so that tests can run them without a modal loop.
  std::unique_ptr<QFileDialog> Prepare(const QString& Title, const QStringList& Filters) const;
  void Remember(const QFileDialog& Accepted);

private:
  QWidget* Owner;
  QString FileName;
  qsizetype FilterIndex = 0;
};
