#include "CDLRangeModel.h"

#include "HexOffsetText.h"
#include "QtText.h"

namespace {

enum TColumn { StartColumn, EndColumn, ColumnCount };

} // namespace

void TCDLRangeModel::ShowRanges(std::shared_ptr<const TCDLRangeList> NewRanges)
{
  beginResetModel();
  Ranges = std::move(NewRanges);
  EditedStartTexts.clear();
  endResetModel();
}

int TCDLRangeModel::rowCount(const QModelIndex& Parent) const
{
  return Parent.isValid() || !Ranges ? 0 : Ranges->Count();
}

int TCDLRangeModel::columnCount(const QModelIndex& Parent) const
{
  return Parent.isValid() ? 0 : ColumnCount;
}

QVariant TCDLRangeModel::data(const QModelIndex& Index, int Role) const
{
  if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
    return {};
  if (Index.column() == StartColumn) {
    if (const auto Edited = EditedStartTexts.constFind(Index.row()); Edited != EditedStartTexts.constEnd())
      return *Edited;
  }
  const TCDLRange& Range = Ranges->Items(Index.row());
  return FromCore(HexOffsetText(Index.column() == StartColumn ? Range.StartOffset : Range.EndOffset));
}

bool TCDLRangeModel::setData(const QModelIndex& Index, const QVariant& Value, int Role)
{
  if (!Index.isValid() || Index.column() != StartColumn || Role != Qt::EditRole)
    return false;
  EditedStartTexts.insert(Index.row(), Value.toString());
  emit dataChanged(Index, Index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

QVariant TCDLRangeModel::headerData(int Section, Qt::Orientation Orientation, int Role) const
{
  if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(Section, Orientation, Role);
  return Section == StartColumn ? QStringLiteral("Start Offset") : QStringLiteral("End Offset");
}

Qt::ItemFlags TCDLRangeModel::flags(const QModelIndex& Index) const
{
  Qt::ItemFlags Flags = QAbstractTableModel::flags(Index);
  if (Index.column() == StartColumn)
    Flags |= Qt::ItemIsEditable;
  return Flags;
}
