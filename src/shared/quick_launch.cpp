#include "shared/quick_launch.h"

#include "package/gbk.h"

namespace sk {

std::string QuickLaunchFolder(const std::string& appData) {
  return WithBackslash(appData) + "Microsoft\\Internet Explorer\\Quick Launch\\";
}

}  // namespace sk
