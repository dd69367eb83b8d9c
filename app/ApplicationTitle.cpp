#include "ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ApplicationTitle(const QString& ExecutablePath)
{
  const QString Name = QFileInfo(ExecutablePath).fileName().section(u'.', 0, 0);
  return Name.left(1).toUpper() + Name.mid(1).toLower();
}

QString ApplicationTitle()
{
  return ApplicationTitle(QCoreApplication::applicationFilePath());
}
