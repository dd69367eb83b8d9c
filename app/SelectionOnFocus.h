#pragma once

#include <QObject>
#include <QPalette>

class QAbstractItemView;

// Shows a view's selection only while the view has the focus: when the focus leaves, the
// selection is drawn in the colours of unselected rows, so the list looks unselected while
// the user works elsewhere. The selection itself stays.
class TSelectionOnFocus : public QObject {
  Q_OBJECT

public:
  explicit TSelectionOnFocus(QAbstractItemView* View);
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void ShowSelection(bool Shown);

  QAbstractItemView* View;
  QPalette FocusedPalette;
};
