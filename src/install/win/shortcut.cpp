#include "install/win/shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include "package/gbk.h"
#include "shared/com_helpers.h"

namespace sk {
namespace {

constexpr int kLinkPathChars = MAX_PATH;

std::string FolderPart(const std::string& path) {
  const std::size_t slash = FindLastBackslash(path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool CreateShortcut(const std::string& target, const std::string& linkPath, const std::string& description) {
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
    return false;
  link->SetWorkingDirectory(FolderPart(target).c_str());
  link->SetPath(target.c_str());
  link->SetDescription(description.c_str());
  link->SetShowCmd(SW_SHOW);
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return false;
  wchar_t wide[kLinkPathChars] = {};
  // A path that does not fit is not saved under a cut name.
  if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkPath.c_str(), -1, wide, kLinkPathChars) == 0) return false;
  return SUCCEEDED(file->Save(wide, TRUE));
}

}  // namespace sk
