// Controls of the uninstaller window that the program itself adds to or reads from its template.
#pragma once

#include "resource_ids.h"

namespace sk {

inline constexpr int kStatusLine1 = IDC_UNWISE_STATUS1;
inline constexpr int kStatusLine2 = IDC_UNWISE_STATUS2;
inline constexpr int kProgressBar = IDC_UNWISE_PROGRESS;
inline constexpr int kAnimation = IDC_UNWISE_ANIMATION;
// The list of files left behind, created at initialisation.
inline constexpr int kRemainingList = 1224;

}  // namespace sk
