#include "shared/data_exchange.h"

#include "shared/controls.h"
#include "shared/text_limit.h"

namespace sk {

void DataExchange::Text(int id, std::string& value, std::size_t maxBytes) {
  if (m_bFailed) return;
  if (!m_bSave) {
    SetItemText(m_hDialog, id, value);
    return;
  }
  std::string text = ItemText(m_hDialog, id);
  if (maxBytes > 0 && text.size() > maxBytes) {
    m_bFailed = true;
    const std::string notice = TooLongNotice(maxBytes);
    MessageBoxA(m_hDialog, notice.c_str(), "", MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(m_hDialog, id);
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
    return;
  }
  value = std::move(text);
}

void DataExchange::Check(int id, int& value) {
  if (m_bFailed) return;
  if (m_bSave)
    value = IsDlgButtonChecked(m_hDialog, id) == BST_CHECKED ? 1 : 0;
  else
    CheckDlgButton(m_hDialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Control(int id, HWND& control) {
  if (!m_bFailed) control = GetDlgItem(m_hDialog, id);
}

}  // namespace sk
