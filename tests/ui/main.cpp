// The widget tests need an application object for their whole run.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Without a display the views are drawn offscreen, also when the binary is
  // started by hand or listed by CTest.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
