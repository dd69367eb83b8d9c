#include "LayoutFont.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr double LayoutPointSize = 8.0;
constexpr double SmallestPointSize = 6.0;
constexpr double SizeStep = 0.25;

bool Fits(const QWidget& Control, int Width, int Height)
{
  return Width <= Control.width() && Height <= Control.height();
}

bool TextFits(const QWidget& Control)
{
  const QFontMetrics Metrics = Control.fontMetrics();
  if (const auto* const Button = qobject_cast<const QPushButton*>(&Control)) {
    const int Margin = 2 * Control.style()->pixelMetric(QStyle::PM_ButtonMargin);
    return Fits(Control, Metrics.horizontalAdvance(Button->text()) + Margin, Metrics.height());
  }
  if (const auto* const Box = qobject_cast<const QGroupBox*>(&Control))
    return Metrics.horizontalAdvance(Box->title()) + 16 <= Control.width();
  if (qobject_cast<const QLineEdit*>(&Control))
    return Metrics.height() + 4 <= Control.height();
  if (qobject_cast<const QLabel*>(&Control) || qobject_cast<const QAbstractButton*>(&Control)) {
    const QSize Needed = Control.sizeHint();
    return Fits(Control, Needed.width(), Needed.height());
  }
  return true;
}

// The layout's own controls, not the parts Qt's widgets are made of (named "qt_...").
bool IsLayoutControl(const QWidget& Control)
{
  return !Control.objectName().isEmpty() && !Control.objectName().startsWith(QLatin1String("qt_"));
}

bool LayoutFits(const QWidget& Window)
{
  const QList<QWidget*> Controls = Window.findChildren<QWidget*>();
  return std::all_of(Controls.begin(), Controls.end(),
                     [](const QWidget* Control) { return !IsLayoutControl(*Control) || TextFits(*Control); });
}

} // namespace

void ApplyLayoutFont(QWidget& Window)
{
  QFont Font(QStringLiteral("Tahoma"));
  Font.setPointSizeF(LayoutPointSize);
  if (QFontInfo(Font).family() == QLatin1String("Tahoma")) {
    Window.setFont(Font);
    return;
  }
  Font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  for (double Size = LayoutPointSize; Size >= SmallestPointSize; Size -= SizeStep) {
    Font.setPointSizeF(Size);
    Window.setFont(Font);
    if (LayoutFits(Window))
      return;
  }
}
