#include "setup_ui/package_icon.h"

#include "package/range_io.h"
#include "resource_ids.h"
#include "shared/icon_bytes.h"

namespace sk {

HICON LoadPackageIcon(const std::string& ownPath, const BlockRef& iconBlock) {
  if (!iconBlock.present()) return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  const auto bytes = ReadRange(ownPath, iconBlock.length, iconBlock.offset);
  if (!bytes) return nullptr;
  return LoadIconFromBytes(bytes->data(), static_cast<long>(bytes->size()));
}

}  // namespace sk
