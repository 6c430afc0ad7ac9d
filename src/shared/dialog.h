// A dialog bound to a numbered dialog template of the running program, with virtual handlers.
// The object is reached from its window through DWLP_USER, set at WM_INITDIALOG; there is no
// table of windows anywhere.
//
// Modal dialogs run a message loop of their own rather than DialogBox's, so that every dialog
// of ours on the way from a message's window up to its top-level owner sees the message first
// (PreTranslateMessage): the keys of a modeless dialog owned by a modal one still reach it.
#pragma once

#include <windows.h>

#include "shared/data_exchange.h"

namespace sk {

class CDialog {
 public:
  explicit CDialog(int templateId) : m_nTemplate(templateId) {}
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally; the value given to EndDialog, or -1 when it could not be created.
  INT_PTR DoModal(HWND owner);
  // Creates the dialog modeless (hidden unless its template says WS_VISIBLE); false on failure.
  bool Create(HWND parent);
  // Ends a modal run with result, or destroys a modeless dialog.
  void EndDialog(INT_PTR result);
  void DestroyWindow();

  // Offers this dialog's messages (its own and its controls') to PreTranslateMessage also
  // while a message loop that is not ours pumps them, such as the property sheet's modal run,
  // for as long as the window exists. Loops of ours offer them already and are left alone.
  void FilterForeignLoops();

  // Moves data between the members and the controls (DoDataExchange); false when a value
  // was refused while saving, after its notice has been shown.
  bool UpdateData(bool save);

  HWND hwnd() const { return m_hWnd; }
  HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
  int templateId() const { return m_nTemplate; }

 protected:
  // Returns TRUE to let the system put the focus on the first tab stop. The base pushes the
  // members into the controls.
  virtual BOOL OnInitDialog();
  // WM_COMMAND; true when handled. The base maps IDOK and IDCANCEL to OnOK and OnCancel.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  virtual void OnOK();
  virtual void OnCancel();
  // The close box (WM_CLOSE); the base behaves as Cancel.
  virtual void OnClose();
  virtual void DoDataExchange(DataExchange&) {}
  // Sees every message before the handlers above. Returning true ends the message with
  // result as the dialog procedure's value (for most messages that is TRUE after
  // SetMessageResult; for WM_CTLCOLOR* it is the brush).
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
  // The value a handled message returns to its sender, for messages that need one.
  void SetMessageResult(LRESULT value) const { SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, value); }

  // Sees the messages of this dialog and of its controls before they are dispatched; true
  // when the message has been taken. The base gives them to the dialog manager (tab, arrows,
  // Enter, Escape).
  virtual bool PreTranslateMessage(MSG& message);

  // Called for every message; pages extend it with the notifications of their sheet.
  virtual INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Window procedure plumbing: binds object to window at WM_INITDIALOG (object is null for
  // every other message) and routes the message to it.
  static INT_PTR Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, CDialog* object);
  // The dialog object of a window of ours, or null.
  static CDialog* FromWindow(HWND window);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Offers a message to our dialogs from its window up; true when one took it.
  static bool PreTranslateTree(MSG& message);
  static LRESULT CALLBACK ForeignLoopHook(int code, WPARAM wParam, LPARAM lParam);
  void StopFilteringForeignLoops();
  INT_PTR RunModalLoop();

  int m_nTemplate;
  HWND m_hWnd = nullptr;
  bool m_bModal = false;
  bool m_bEnded = false;
  INT_PTR m_nResult = -1;
};

}  // namespace sk
