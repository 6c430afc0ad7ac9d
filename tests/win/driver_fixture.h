// What the driver's fixture window shows, shared by the fixture and its tests.
#pragma once

namespace sk::test::fixture {

inline constexpr char kClassName[] = "SkDriverFixture";
inline constexpr char kTitle[] = "驱动测试窗口";
inline constexpr char kChildTitle[] = "driver fixture child";
inline constexpr char kOkLabel[] = "确定";
inline constexpr int kWidth = 320, kHeight = 200;
inline constexpr unsigned char kBackground[3] = {10, 200, 30};

inline constexpr int kOkButtonId = 100;
inline constexpr int kCheckBoxId = 101;
inline constexpr int kProgressId = 102;
inline constexpr int kDisabledId = 103;
inline constexpr int kHiddenId = 104;
inline constexpr int kProgressPosition = 420;

inline constexpr int kExitOkButton = 11;
inline constexpr int kExitEscape = 12;
inline constexpr int kExitEnter = 13;
inline constexpr int kExitClosed = 14;
inline constexpr int kExitSpawnFailed = 15;

}  // namespace sk::test::fixture
