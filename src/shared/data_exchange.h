// Moving texts between a dialog's members and its controls, with byte limits.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace sk {

class DataExchange {
 public:
  DataExchange(HWND dialog, bool save) : m_hDialog(dialog), m_bSave(save) {}

  bool saving() const { return m_bSave; }
  // True once a value was refused; later exchanges of the same pass do nothing.
  bool failed() const { return m_bFailed; }

  // Control id <-> value. When saving a text longer than maxBytes (0: no limit), the user is
  // told the limit, the control gets the focus with its text selected, and the pass fails.
  void Text(int id, std::string& value, std::size_t maxBytes = 0);
  // Check box id <-> value, 0 or 1.
  void Check(int id, int& value);
  // The window of control id.
  void Control(int id, HWND& control);

 private:
  HWND m_hDialog;
  bool m_bSave;
  bool m_bFailed = false;
};

}  // namespace sk
