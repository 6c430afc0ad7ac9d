#include "shared/dialog.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sk {
namespace {

constexpr LONG_PTR kNotOurs = 0;

// Per thread, since the install worker runs message boxes of its own: how deep our modal loops
// are nested, and the dialogs that want the messages of other loops, with the hook that brings
// them. Kept in a Win32 TLS slot: the compiler's thread_local is emulated on this platform
// through winpthread, which would more than double a small program. A thread's state stays
// until the process ends (a few bytes, and only threads that ran a dialog have one).
struct ThreadLoops {
  int ownLoops = 0;
  std::vector<CDialog*> foreignFiltered;
  HHOOK foreignHook = nullptr;
};

const DWORD g_loopsSlot = TlsAlloc();

ThreadLoops& Loops() {
  auto* loops = static_cast<ThreadLoops*>(TlsGetValue(g_loopsSlot));
  if (!loops) {
    loops = new ThreadLoops;
    TlsSetValue(g_loopsSlot, loops);
  }
  return *loops;
}

bool IsDialogClass(HWND window) {
  char name[16] = {};
  return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
}

}  // namespace

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal(HWND owner) {
  m_bModal = true;
  m_bEnded = false;
  m_nResult = -1;
  if (!CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplate), owner,
                          DialogProc, reinterpret_cast<LPARAM>(this)))
    return -1;
  const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
  const INT_PTR result = RunModalLoop();
  // The owner comes back before the dialog goes, so that the activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindow();
  return result;
}

INT_PTR CDialog::RunModalLoop() {
  if (!m_bEnded) ShowWindow(m_hWnd, SW_SHOW);
  ++Loops().ownLoops;
  MSG message;
  while (!m_bEnded) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {  // WM_QUIT belongs to whoever runs the outer loop
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (PreTranslateTree(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  --Loops().ownLoops;
  return m_nResult;
}

bool CDialog::Create(HWND parent) {
  m_bModal = false;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplate), parent,
                            DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
  if (!m_hWnd) return;
  if (m_bModal) {
    m_nResult = result;
    m_bEnded = true;
    ShowWindow(m_hWnd, SW_HIDE);
    PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop when called from outside it
  } else {
    DestroyWindow();
  }
}

void CDialog::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CDialog::UpdateData(bool save) {
  DataExchange exchange(m_hWnd, save);
  DoDataExchange(exchange);
  return !exchange.failed();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

bool CDialog::OnCommand(WORD id, WORD, HWND) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { OnCancel(); }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

bool CDialog::PreTranslateMessage(MSG& message) { return IsDialogMessageA(m_hWnd, &message) != 0; }

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      OnClose();
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CDialog::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, CDialog* object) {
  if (object) {
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
    object->m_hWnd = window;
  }
  auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!dialog) return FALSE;  // messages that come before WM_INITDIALOG
  const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    dialog->StopFilteringForeignLoops();
    SetWindowLongPtrA(window, DWLP_USER, kNotOurs);
    dialog->m_hWnd = nullptr;
    if (dialog->m_bModal) dialog->m_bEnded = true;
  }
  return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* object = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
  return Route(window, message, wParam, lParam, object);
}

CDialog* CDialog::FromWindow(HWND window) {
  if (!IsDialogClass(window)) return nullptr;
  // Only our dialog procedure puts a CDialog into DWLP_USER; other dialogs keep their own
  // values there.
  if (GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc))
    return nullptr;
  return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

bool CDialog::PreTranslateTree(MSG& message) {
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    CDialog* dialog = FromWindow(window);
    if (dialog && dialog->PreTranslateMessage(message)) return true;
  }
  return false;
}

void CDialog::FilterForeignLoops() {
  ThreadLoops& loops = Loops();
  auto& filtered = loops.foreignFiltered;
  if (!m_hWnd || std::find(filtered.begin(), filtered.end(), this) != filtered.end()) return;
  if (!loops.foreignHook)
    loops.foreignHook = SetWindowsHookExA(WH_GETMESSAGE, ForeignLoopHook, nullptr, GetCurrentThreadId());
  if (loops.foreignHook) filtered.push_back(this);
}

void CDialog::StopFilteringForeignLoops() {
  ThreadLoops& loops = Loops();
  auto& filtered = loops.foreignFiltered;
  const auto found = std::find(filtered.begin(), filtered.end(), this);
  if (found == filtered.end()) return;
  filtered.erase(found);
  if (filtered.empty() && loops.foreignHook) {
    UnhookWindowsHookEx(loops.foreignHook);
    loops.foreignHook = nullptr;
  }
}

LRESULT CALLBACK CDialog::ForeignLoopHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && Loops().ownLoops == 0 && message->hwnd) {
    for (CDialog* dialog : Loops().foreignFiltered) {
      const HWND window = dialog->m_hWnd;
      if (message->hwnd != window && !IsChild(window, message->hwnd)) continue;
      // Taken: the loop that asked for it dispatches nothing.
      if (dialog->PreTranslateMessage(*message)) message->message = WM_NULL;
      break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace sk
