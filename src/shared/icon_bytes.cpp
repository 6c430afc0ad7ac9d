#include "shared/icon_bytes.h"

#include <string>

#include "package/file_io.h"
#include "package/setup_loader.h"
#include "shared/private_temp.h"

namespace sk {

// The system loads icons of every size and depth from a file only, so the bytes pass through
// mirl.tmp in the private temporary folder for the moment of the load.
HICON LoadIconFromBytes(const void* bytes, long length) {
  if (!bytes || length < 0) return nullptr;
  const std::string path = JoinPath(PrivateTempFolder(), kConfigTempName);
  ClearFileAttributes(path);
  {
    File file = File::CreateTruncate(path);
    if (!file.IsOpen()) return nullptr;
    file.Write(bytes, static_cast<std::size_t>(length));
  }
  auto* icon = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0,
                                             LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION));
  DeleteFilePath(path);
  return icon;
}

}  // namespace sk
