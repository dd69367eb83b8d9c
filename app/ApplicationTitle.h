#pragma once

#include <QString>

// The title of an executable: its file name without folder, cut at the first ".", the first
// character in upper case and every later one in lower case ("/usr/bin/tavrox" gives Tavrox).
QString ApplicationTitle(const QString& ExecutablePath);

// The title of this program's own executable; it captions messages and the error display.
QString ApplicationTitle();
