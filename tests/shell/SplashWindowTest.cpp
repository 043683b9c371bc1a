#include <gtest/gtest.h>

#include "shell/SplashWindow.h"

namespace {

TEST(SplashWindow, VersionIsPlainMajorMinorRevision) {
  EXPECT_EQ(shell::frmSpilash::VersionText(3, 4, 12), "3.4.12");
  EXPECT_EQ(shell::frmSpilash::VersionText(3, 4, 0), "3.4.0");
}

TEST(SplashWindow, LoadShowsTheVersionClearsTheStatusAndHidesOk) {
  shell::frmSpilash splash;
  EXPECT_EQ(splash.lblVersion->text(),
            shell::frmSpilash::VersionText(QN_VERSION_MAJOR, QN_VERSION_MINOR, QN_VERSION_PATCH));
  EXPECT_TRUE(splash.lblText->text().isEmpty());
  EXPECT_TRUE(splash.cmdOK->isHidden());
  splash.ShowOkButton = true;
  splash.Form_Load();
  EXPECT_FALSE(splash.cmdOK->isHidden());
}

}  // namespace
