#include "VorlHexEdit.h"

#include <QKeyEvent>

namespace {

bool IsHexDigit(QChar Character)
{
  const char16_t Code = Character.unicode();
  return (Code >= u'0' && Code <= u'9') || (Code >= u'A' && Code <= u'F') || (Code >= u'a' && Code <= u'f');
}

// Whether the key types a character. With Ctrl held, a character key types a control
// character (Ctrl+C is code 3), whatever text the platform attaches to the event; Delete
// types none, though some platforms attach code 127 to it.
bool TypesCharacter(const QKeyEvent& Event)
{
  const bool ControlHeld = Event.modifiers().testFlag(Qt::ControlModifier);
  const bool AltGraph = ControlHeld && Event.modifiers().testFlag(Qt::AltModifier);
  if (ControlHeld && !AltGraph)
    return Event.key() < Qt::Key_Escape;
  return !Event.text().isEmpty() && Event.text().front() != QChar(0x7F);
}

bool IsAccepted(const QKeyEvent& Event)
{
  const bool ControlHeld = Event.modifiers().testFlag(Qt::ControlModifier) &&
                           !Event.modifiers().testFlag(Qt::AltModifier);
  if (ControlHeld)
    return false;
  const QChar Character = Event.text().front();
  return Character == QChar(u'\b') || IsHexDigit(Character);
}

} // namespace

TVorlHexEdit::TVorlHexEdit(QWidget* Parent) : QLineEdit(Parent)
{
  // An input method would commit text past the key filter.
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TVorlHexEdit::event(QEvent* Event)
{
  if (Event->type() == QEvent::ShortcutOverride) {
    Event->ignore();
    return true;
  }
  return QLineEdit::event(Event);
}

void TVorlHexEdit::keyPressEvent(QKeyEvent* Event)
{
  if (TypesCharacter(*Event) && !IsAccepted(*Event)) {
    Event->accept();
    return;
  }
  QLineEdit::keyPressEvent(Event);
}
