// The GUI tests drive the real windows, so they need a QApplication; without a
// display they run on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings, backups and pictures of the user's own never come from or go to the real home.
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", home.path().toUtf8() + "/config");
  qputenv("XDG_DATA_HOME", home.path().toUtf8() + "/data");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
