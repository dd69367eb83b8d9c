#include "OpenDialog.h"

#include <QFileDialog>

std::optional<QString> TOpenDialog::Execute(const QString& Title, const QStringList& Filters)
{
  const std::unique_ptr<QFileDialog> Dialog = Prepare(Title, Filters);
  if (Dialog->exec() != QDialog::Accepted || Dialog->selectedFiles().isEmpty())
    return std::nullopt;
  Remember(*Dialog);
  return FileName;
}

std::unique_ptr<QFileDialog> TOpenDialog::Prepare(const QString& Title, const QStringList& Filters) const
{
  auto Dialog = std::make_unique<QFileDialog>(Owner, Title);
  Dialog->setAcceptMode(QFileDialog::AcceptOpen);
  Dialog->setFileMode(QFileDialog::AnyFile);
  Dialog->setNameFilters(Filters);
  if (FilterIndex < Filters.size())
    Dialog->selectNameFilter(Filters[FilterIndex]);
  if (!FileName.isEmpty())
    Dialog->selectFile(FileName);
  return Dialog;
}

void TOpenDialog::Remember(const QFileDialog& Accepted)
{
  FileName = Accepted.selectedFiles().value(0);
  FilterIndex = std::max<qsizetype>(0, Accepted.nameFilters().indexOf(Accepted.selectedNameFilter()));
}
