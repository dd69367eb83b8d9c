// Window tests run the real window on Qt's offscreen platform, with no screen needed.

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // Keeps the per-user data folder of these runs apart from a real user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication Application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
