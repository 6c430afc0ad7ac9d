#include "unwise/win_removal_host.h"

#include "install/win/self_register.h"
#include "package/range_io.h"
#include "shared/controls.h"
#include "unwise/unwise_ids.h"
#include "unwise/win_file_removal.h"
#include "unwise/win_protected_folders.h"
#include "unwise/win_registry_removal.h"

namespace sk {

void WindowRemovalHost::SetStatus(int line, const std::string& text) {
  SetItemText(m_hWnd, line == 1 ? kStatusLine1 : kStatusLine2, text);
  // The engine runs without returning to the message loop; the lines show what it does now.
  UpdateWindow(m_hWnd);
}

void WindowRemovalHost::SetProgress(int position) { SetProgressPos(GetDlgItem(m_hWnd, kProgressBar), position); }

void WindowRemovalHost::Pause(std::int64_t ms) { Sleep(static_cast<DWORD>(ms)); }

std::optional<std::string> WindowRemovalHost::ReadLog(const std::string& path) {
  const auto bytes = ReadRange(path, -1, 0);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

void WindowRemovalHost::ReportLogNotOpened(const std::string& message) {
  MessageBoxA(m_hWnd, message.c_str(), nullptr, MB_OK);
}

std::optional<std::int64_t> WindowRemovalHost::FileSize(const std::string& path) { return FileSizeOf(path); }

bool WindowRemovalHost::DeleteFile(const std::string& path) { return DeleteFileNormal(path); }

void WindowRemovalHost::UnregisterServer(const std::string& path) {
  // A library that unregistered itself stays loaded; loaded, its file could not be deleted
  // next, so the uninstaller lets it go at once.
  if (!sk::UnregisterServer(path)) return;
  if (HMODULE library = GetModuleHandleA(path.c_str())) FreeLibrary(library);
}

void WindowRemovalHost::DeleteKey(RegRoot root, const std::string& path) { DeleteRegKey(RootKey(root), path); }

void WindowRemovalHost::DeleteTree(RegRoot root, const std::string& path) { DeleteRegTree(RootKey(root), path); }

void WindowRemovalHost::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
  DeleteRegValue(RootKey(root), path, name);
}

void WindowRemovalHost::RemoveFolderTree(const std::string& folder) { sk::RemoveFolderTree(folder); }

std::vector<std::string> WindowRemovalHost::RemainingFiles(const std::string& folder) {
  return ListRemainingFiles(folder);
}

std::string WindowRemovalHost::ProgramsFolder() { return sk::ProgramsFolder(); }

std::vector<std::string> WindowRemovalHost::ProtectedFolders() { return sk::ProtectedFolders(); }

}  // namespace sk
