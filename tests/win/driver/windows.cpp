#include "win/driver/windows.h"

#include <commctrl.h>

namespace sk::gui {
namespace {

bool Matches(HWND window, const WindowQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  if (query.processId) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != query.processId) return false;
  }
  if (query.owner && Owner(window) != *query.owner) return false;
  if (query.className && ClassName(window) != *query.className) return false;
  if (query.title && WindowText(window) != *query.title) return false;
  return true;
}

struct Search {
  const WindowQuery* query;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (Matches(window, *search->query)) search->found.push_back(window);
  return TRUE;
}

}  // namespace

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  const bool answered = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                            DefaultWaitMs(), &answer) != 0;
  result = static_cast<LRESULT>(answer);
  return answered;
}

bool AskWithText(HWND window, UINT message, WPARAM wParam, const std::string& text, LRESULT& result) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;
  bool answered = false;
  void* remote = VirtualAllocEx(process, nullptr, text.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote) {
    const bool written = WriteProcessMemory(process, remote, text.c_str(), text.size() + 1, nullptr) != 0;
    if (written) answered = Ask(window, message, wParam, reinterpret_cast<LPARAM>(remote), result);
    // A window that did not answer in time may still read the text later.
    if (!written || answered) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return answered;
}

std::string SelectedTreeItemText(HWND tree) {
  LRESULT item = 0;
  if (!Ask(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, item) || !item) return "";
  DWORD processId = 0;
  GetWindowThreadProcessId(tree, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return "";
  struct Request {
    TVITEMA item;
    char text[MAX_PATH];
  };
  std::string text;
  auto* remote = static_cast<Request*>(VirtualAllocEx(process, nullptr, sizeof(Request), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (remote) {
    Request request = {};
    request.item.mask = TVIF_TEXT;
    request.item.hItem = reinterpret_cast<HTREEITEM>(item);
    request.item.pszText = remote->text;
    request.item.cchTextMax = MAX_PATH;
    LRESULT answered = 0;
    if (WriteProcessMemory(process, remote, &request, sizeof request, nullptr) &&
        Ask(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote), answered) && answered &&
        ReadProcessMemory(process, remote, &request, sizeof request, nullptr)) {
      request.text[MAX_PATH - 1] = '\0';
      text = request.text;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

std::vector<HWND> FindWindows(const WindowQuery& query) {
  Search search{&query, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = FindWindows(query);
        if (!windows.empty()) found = windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::string WindowText(HWND window) {
  // GetWindowTextA does not ask a window of another process, it gives the text the window was
  // created with; an edit control's contents are had only by asking it.
  char text[1024] = {};
  LRESULT length = 0;
  if (!Ask(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), length)) return {};
  return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string ClassName(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string ControlText(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  return control ? WindowText(control) : std::string();
}

bool HasStyle(HWND window, LONG_PTR style) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & style) == style;
}

bool IsShown(HWND window) { return HasStyle(window, WS_VISIBLE); }

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

namespace {

// The answer to a query message, or fallback when the window does not answer in time.
LRESULT Query(HWND window, UINT message, LRESULT fallback) {
  LRESULT result = 0;
  return Ask(window, message, 0, 0, result) ? result : fallback;
}

}  // namespace

int CheckState(HWND button) { return static_cast<int>(Query(button, BM_GETCHECK, -1)); }

int ProgressPosition(HWND progressBar) { return static_cast<int>(Query(progressBar, PBM_GETPOS, -1)); }

bool HasIcon(HWND staticControl) { return Query(staticControl, STM_GETICON, 0) != 0; }

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  return rect;
}

}  // namespace sk::gui
