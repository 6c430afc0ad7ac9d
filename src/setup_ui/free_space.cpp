#include "setup_ui/free_space.h"

#include <windows.h>

#include "setup_ui/folder_rules.h"
#include "setup_ui/message_dlg.h"

namespace sk {

bool EnsureFreeSpace(const std::string& folder, double requiredMb, bool english, const FreeSpaceQuestion& question) {
  const auto measure = [&](int& megabytes) {
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA((folder + "\\").c_str(), &available, &total, &free)) return false;
    megabytes = static_cast<int>(free.QuadPart >> 20);
    return true;
  };
  const auto ask = [&](double required, int free) {
    return ShowMessage(DiskSpaceQuestion(required, free, english), "", question.iconKind, 3, question.labels[0],
                       question.labels[1], question.labels[2]);
  };
  return AskUntilRoom(requiredMb, question.stopAnswer, measure, ask);
}

}  // namespace sk
