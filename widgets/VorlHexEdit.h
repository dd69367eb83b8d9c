#pragma once

#include <QLineEdit>

// A single-line field that takes only hexadecimal digits and backspace from the keyboard.
// Every other typed character, the control characters of Ctrl+letter included, is dropped
// before the edit sees it, so Ctrl+C, Ctrl+V and Ctrl+Z do nothing here. Keys that type no
// character (Delete, arrows, Home, End) work as usual, and so does pasting from the context
// menu or with Shift+Insert, unfiltered.
class TVorlHexEdit : public QLineEdit {
  Q_OBJECT

public:
  explicit TVorlHexEdit(QWidget* Parent = nullptr);

protected:
  // The window's menu shortcuts come before the field: Ctrl+X runs Exit instead of cutting.
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
};
