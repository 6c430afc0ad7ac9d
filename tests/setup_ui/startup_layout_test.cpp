#include <gtest/gtest.h>

#include "setup_ui/startup_layout.h"

namespace sk {
namespace {

TEST(StartupLayout, SplashSitsRightOfCentre) {
  EXPECT_EQ(SplashRect(1024, 768), (Rect{266, 128, 266 + 512, 128 + 364}));
  EXPECT_EQ(SplashRect(800, 600), (Rect{210, 100, 610, 380}));
}

TEST(StartupLayout, PrepareDialogKeepsItsSizeInTheCorner) {
  EXPECT_EQ(PreparePlacement(1024, 768, 340, 101), (Rect{654, 607, 994, 708})) << "101 * 1.5 = 151";
  EXPECT_EQ(PreparePlacement(800, 600, 300, 100), (Rect{470, 440, 770, 540}));
}

TEST(StartupLayout, CancelIsEnglishOnlyForTheExactWordFalse) {
  struct Case {
    const char* language;
    bool english;
  };
  for (const Case& c : {Case{"FALSE", true}, Case{"TRUE", false}, Case{"false", false},
                        Case{"FALSE ", false}, Case{"", false}, Case{"English", false}})
    EXPECT_EQ(PrepareCancelInEnglish(c.language), c.english) << '"' << c.language << '"';
}

TEST(StartupLayout, FillStyles) {
  EXPECT_EQ(BackgroundFillFor(0), BackgroundFill::kSolid);
  EXPECT_EQ(BackgroundFillFor(1), BackgroundFill::kTowardBlack);
  EXPECT_EQ(BackgroundFillFor(2), BackgroundFill::kTowardWhite);
  for (int other : {3, -1, 100}) EXPECT_EQ(BackgroundFillFor(other), BackgroundFill::kNone) << other;
}

TEST(StartupLayout, MessageIconsByKind) {
  struct Case {
    int kind;
    bool mainWindow;
    MessageIcon icon;
  };
  for (const Case& c : {Case{-1, true, MessageIcon::kNone}, Case{0, true, MessageIcon::kProgram},
                        Case{0, false, MessageIcon::kNone}, Case{1, false, MessageIcon::kExclamation},
                        Case{2, false, MessageIcon::kQuestion}, Case{3, true, MessageIcon::kStop},
                        Case{4, true, MessageIcon::kNone}, Case{-7, false, MessageIcon::kNone}})
    EXPECT_EQ(MessageIconFor(c.kind, c.mainWindow), c.icon) << c.kind << ' ' << c.mainWindow;
}

}  // namespace
}  // namespace sk
