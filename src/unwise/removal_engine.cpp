#include "unwise/removal_engine.h"

#include "install/install_paths.h"
#include "package/gbk.h"
#include "package/setup_log.h"
#include "unwise/removal_rules.h"

namespace sk {
namespace {

constexpr std::int64_t kStepPauseMs = 500;

struct Texts {
  bool english;
  std::string Start(const std::string& product) const {
    return english ? "Uninstalling " + product + "..." : "\xd5\xfd\xd4\xda\xd0\xb6\xd4\xd8" + product + "...";  // 正在卸载%s...
  }
  std::string Reading() const {
    return english ? "Getting files information..." : "\xd5\xfd\xd4\xda\xb6\xc1\xc8\xa1\xce\xc4\xbc\xfe\xd0\xc5\xcf\xa2...";  // 正在读取文件信息...
  }
  std::string Deleting(const std::string& path) const {
    return (english ? "Deleting " : "\xd5\xfd\xd4\xda\xc9\xbe\xb3\xfd ") + AbbreviatePath(path, 35);  // 正在删除 %s
  }
  std::string Types() const {
    return english ? "Deleting files type" : "\xd5\xfd\xd4\xda\xc9\xbe\xb3\xfd\xce\xc4\xbc\xfe\xc0\xe0\xd0\xcd\xb9\xd8\xc1\xaa";  // 正在删除文件类型关联
  }
  std::string RightClick() const {
    return english ? "Deleting right click" : "\xd5\xfd\xd4\xda\xc9\xbe\xb3\xfd\xd3\xd2\xbc\xfc\xb9\xd8\xc1\xaa";  // 正在删除右键关联
  }
  std::string Shortcuts() const {
    return english ? "Deleting files shortcut" : "\xd5\xfd\xd4\xda\xc9\xbe\xb3\xfd\xce\xc4\xbc\xfe\xbf\xec\xbd\xdd\xca\xbd";  // 正在删除文件快捷式
  }
  std::string Registry() const {
    return english ? "Deleting registered information" : "\xd5\xfd\xd4\xda\xc9\xbe\xb3\xfd\xd7\xa2\xb2\xe1\xb1\xed\xd0\xc5\xcf\xa2";  // 正在删除注册表信息
  }
  std::string Complete(const std::string& product) const {
    return english ? product + " uninstall complete." : product + " \xd0\xb6\xd4\xd8\xcd\xea\xb3\xc9...";  // %s 卸载完成...
  }
  std::string ClickToExit(const std::string& label) const {
    return english ? "please click [" + label + "] exit" : "\xc7\xeb\xb5\xa5\xbb\xf7 [" + label + "] \xcd\xcb\xb3\xf6";  // 请单击 [%s] 退出
  }
  std::string FilesRemain() const {
    return english ? "The following files aren't deleted." : "\xd2\xd4\xcf\xc2\xce\xc4\xbc\xfe\xce\xb4\xb1\xbb\xc9\xbe\xb3\xfd...";  // 以下文件未被删除...
  }
  std::string LogNotOpened() const {
    return english ? "Open setup.log file failure!" : "\xb4\xf2\xbf\xaa setup.log \xca\xa7\xb0\xdc!";  // 打开 setup.log 失败!
  }
};

void DeleteKeysUnlessShared(RemovalHost& host, const std::vector<std::string>& keys) {
  for (const auto& key : keys)
    if (!IsSharedKey(RegRoot::ClassesRoot, key)) host.DeleteKey(RegRoot::ClassesRoot, key);
}

void DeleteTreeUnlessShared(RemovalHost& host, RegRoot root, const std::string& path) {
  if (!IsSharedKey(root, path)) host.DeleteTree(root, path);
}

}  // namespace

std::string InstallFolderOf(const std::string& logPath) {
  const std::size_t last = FindLastBackslash(logPath);
  return last == std::string::npos ? std::string() : logPath.substr(0, last);
}

RemovalResult RunRemoval(const std::string& logPath, const UninstallSettings& settings, RemovalHost& host) {
  const Texts texts{settings.language != "TRUE"};
  const auto bytes = host.ReadLog(logPath);
  if (!bytes) {
    host.ReportLogNotOpened(texts.LogNotOpened());
    return {RemovalOutcome::LogNotOpened, {}};
  }
  const SetupLogContent log = ReadSetupLog(*bytes);
  const std::string install = InstallFolderOf(logPath);
  const std::vector<std::string> protectedFolders = host.ProtectedFolders();

  host.SetStatus(1, texts.Start(settings.productName));
  host.SetStatus(2, texts.Reading());
  host.Pause(kStepPauseMs);

  // Progress counts bytes, 64-bit: installations pass 2 GiB.
  std::int64_t total = 0;
  for (const auto& path : log.files) total += host.FileSize(path).value_or(0);
  const std::int64_t pause = RemovalPausePerFile(static_cast<std::int64_t>(log.files.size()));
  std::int64_t done = 0;
  for (const auto& path : log.files) {
    host.SetStatus(2, texts.Deleting(path));
    done += host.FileSize(path).value_or(0);
    // A library unregisters itself while it is still there to load.
    if (IsSelfRegistering(path)) host.UnregisterServer(path);
    host.DeleteFile(path);
    host.SetProgress(RemovalProgress(done, total));
    if (total < kUnpacedTotalBytes) host.Pause(pause);
  }

  for (const auto& ext : log.extensions) {
    // A type that the system and every other program rely on (exe, lnk, txt...) stays whole:
    // its command and icon keys are as shared as the type itself.
    const FileTypeKeys keys = FileTypeKeysFor(ext);
    if (!IsSharedKey(RegRoot::ClassesRoot, keys.dotExtension) && !IsSharedKey(RegRoot::ClassesRoot, keys.file))
      DeleteKeysUnlessShared(host, keys.DeletionOrder());
  }
  if (!log.extensions.empty()) {
    host.SetStatus(2, texts.Types());
    host.Pause(kStepPauseMs);
  }

  for (const auto& spec : settings.removeKeys)
    if (const auto key = ParseKeySpec(spec)) DeleteTreeUnlessShared(host, key->root, key->path);
  for (const auto& spec : settings.removeValues)
    if (const auto value = ParseValueSpec(spec); value && IsDeletableValue(*value))
      host.DeleteValue(value->root, value->path, value->name);

  for (const auto& entry : log.rightClicks) {
    const MenuEntryKeys keys = MenuEntryKeysFor(entry.allFiles, entry.name);
    if (!IsSharedKey(RegRoot::ClassesRoot, keys.entry)) DeleteKeysUnlessShared(host, keys.DeletionOrder());
  }
  if (!log.rightClicks.empty()) {
    host.SetStatus(2, texts.RightClick());
    host.Pause(kStepPauseMs);
  }

  for (const auto& shortcut : log.shortcuts) host.DeleteFile(shortcut);
  if (!log.shortcuts.empty()) {
    host.SetStatus(2, texts.Shortcuts());
    host.Pause(kStepPauseMs);
  }
  std::vector<std::string> keep = protectedFolders;
  if (!install.empty()) keep.push_back(install);
  for (const auto& folder : GroupFoldersToRemove(log.shortcuts, host.ProgramsFolder()))
    if (MayRemoveTree(folder, keep)) host.RemoveFolderTree(folder);

  if (const auto key = ApplicationKey(settings.productKey)) {
    host.SetStatus(2, texts.Registry());
    DeleteTreeUnlessShared(host, RegRoot::CurrentUser, *key);
    host.Pause(kStepPauseMs);
  }
  if (!install.empty()) host.DeleteFile(install + "\\unwise.exe");
  if (!settings.displayName.empty())
    if (const auto key = UninstallEntryKey(settings.productKey)) DeleteTreeUnlessShared(host, RegRoot::LocalMachine, *key);
  if (!install.empty()) host.DeleteFile(install + "\\" + std::string(kSetupLogName));

  const std::vector<std::string> remaining = install.empty() ? std::vector<std::string>() : host.RemainingFiles(install);
  if (remaining.empty()) {
    if (MayRemoveTree(install, protectedFolders)) host.RemoveFolderTree(install);
    host.SetStatus(1, texts.Complete(settings.productName));
    host.SetStatus(2, texts.ClickToExit(settings.finishLabel));
    host.SetProgress(1000);
    return {RemovalOutcome::Done, {}};
  }
  host.SetStatus(2, "");
  host.SetStatus(1, texts.FilesRemain());
  host.SetProgress(1000);
  return {RemovalOutcome::FilesRemain, remaining};
}

}  // namespace sk
