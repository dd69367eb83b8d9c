#pragma once

#include <QFile>
#include <QString>

#include <string>

// The core works with the 8-bit texts and file names of the operating system; the window
// with QString. These two cross between them.
inline QString FromCore(const std::string& Text)
{
  return QFile::decodeName(QByteArray::fromStdString(Text));
}

inline std::string ToCore(const QString& Text)
{
  return QFile::encodeName(Text).toStdString();
}
