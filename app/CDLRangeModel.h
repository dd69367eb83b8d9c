#pragma once

#include "CDLObj.h"

#include <QAbstractTableModel>
#include <QHash>

#include <memory>

// The rows of the range list: row i shows range i as hex offset texts, read from the ranges
// only when the view asks, so a list of millions appears at once. The first column's text
// can be edited in place; that changes only the text shown, never a range.
class TCDLRangeModel : public QAbstractTableModel {
  Q_OBJECT

public:
  using QAbstractTableModel::QAbstractTableModel;

  // Replaces every row by those of Ranges (none: no rows). The model keeps the list it
  // shows alive, so the rows stay as they are when the window's list is replaced without
  // being shown.
  void ShowRanges(std::shared_ptr<const TCDLRangeList> Ranges);

  int rowCount(const QModelIndex& Parent = {}) const override;
  int columnCount(const QModelIndex& Parent = {}) const override;
  QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& Index, const QVariant& Value, int Role = Qt::EditRole) override;
  QVariant headerData(int Section, Qt::Orientation Orientation, int Role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& Index) const override;

private:
  std::shared_ptr<const TCDLRangeList> Ranges;
  QHash<int, QString> EditedStartTexts;
};
