// The 3D window's tests need real OpenGL: an X display (Xvfb, which CTest starts
// through xvfb-run) and Mesa's software renderer behind it. The offscreen
// platform has no OpenGL, so these tests run on xcb.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "gl_tests needs an X display; run them with xvfb-run -a.\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  // Remembered settings go to a folder of this run only.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessmoor-Editor-Test");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
