// The one message both programs show when their package cannot be read.
#pragma once

namespace sk {

// Both languages at once, since the package's language is not known yet.
inline constexpr const char* kStartFailureText = "初始化数据失败!\r\nInit data failure!";
inline constexpr const char* kStartFailureButton = "确定/OK";

// Set to 1 in a program's environment, this suppresses the start-failure message, so that
// tests can run the programs on damaged packages unattended.
inline constexpr const char* kNoUiVariable = "SETUPKIT_NO_UI";

// Whether the test switch is set.
bool UiSuppressed();

// unwise's report, in the system's message box.
void ReportStartFailure();

}  // namespace sk
