#include "setup_ui/folder_browser.h"

#include <shlobj.h>

#include "setup_ui/folder_rules.h"

namespace sk {
namespace {

// Read by the callback only, while the dialog that Browse runs is open.
bool g_bBrowseChinese = false;

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;

BrowseEvent EventOf(UINT message) {
  if (message == BFFM_INITIALIZED) return BrowseEvent::Initialized;
  if (message == BFFM_SELCHANGED) return BrowseEvent::SelectionChanged;
  return BrowseEvent::Other;
}

}  // namespace

bool CFolderBrowser::Browse(HWND owner, bool chinese) {
  g_bBrowseChinese = chinese;
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || !allocator) return false;
  char path[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = path;
  info.lpszTitle = m_strPrompt.c_str();
  info.ulFlags = kBrowseFlags;
  info.lpfn = Callback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  bool found = false;
  if (chosen) {
    found = SHGetPathFromIDListA(chosen, path) != FALSE;
    allocator->Free(chosen);
  }
  allocator->Release();
  if (found) m_strPath = path;
  return found;
}

int CALLBACK CFolderBrowser::Callback(HWND dialog, UINT message, LPARAM, LPARAM self) {
  const auto* browser = reinterpret_cast<const CFolderBrowser*>(self);
  const BrowseActions actions = DecideBrowseActions(EventOf(message), g_bBrowseChinese, !browser->m_strTitle.empty());
  if (actions.englishButtons) {
    SetDlgItemTextA(dialog, IDOK, "OK");
    SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
  }
  if (actions.setTitle) SetWindowTextA(dialog, browser->m_strTitle.c_str());
  if (actions.enableOk) SendMessageA(dialog, BFFM_ENABLEOK, 0, 1);
  return 0;
}

}  // namespace sk
