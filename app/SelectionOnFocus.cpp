#include "SelectionOnFocus.h"

#include <QAbstractItemView>
#include <QEvent>

TSelectionOnFocus::TSelectionOnFocus(QAbstractItemView* ItemView)
    : QObject(ItemView), View(ItemView), FocusedPalette(ItemView->palette())
{
  ItemView->installEventFilter(this);
  ShowSelection(ItemView->hasFocus());
}

bool TSelectionOnFocus::eventFilter(QObject* Watched, QEvent* Event)
{
  if (Watched == View && (Event->type() == QEvent::FocusIn || Event->type() == QEvent::FocusOut))
    ShowSelection(Event->type() == QEvent::FocusIn);
  return false;
}

void TSelectionOnFocus::ShowSelection(bool Shown)
{
  QPalette Palette = FocusedPalette;
  if (!Shown) {
    for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive}) {
      Palette.setColor(Group, QPalette::Highlight, FocusedPalette.color(Group, QPalette::Base));
      Palette.setColor(Group, QPalette::HighlightedText, FocusedPalette.color(Group, QPalette::Text));
    }
  }
  View->setPalette(Palette);
}
