// The access list of a private folder: full control for the process's user, and for the
// administrators when the process runs elevated; nothing inherited from the folder above.
#pragma once

#include <windows.h>

#include <vector>

namespace sk {

class PrivateFolderSecurity {
 public:
  PrivateFolderSecurity();
  PrivateFolderSecurity(const PrivateFolderSecurity&) = delete;
  PrivateFolderSecurity& operator=(const PrivateFolderSecurity&) = delete;

  // For CreateDirectoryA. Null when the list could not be built: then no folder is to be made
  // at all, since one with the temporary folder's access would not be private.
  SECURITY_ATTRIBUTES* attributes() { return m_bReady ? &m_attributes : nullptr; }

 private:
  std::vector<BYTE> m_user;  // TOKEN_USER
  BYTE m_administrators[SECURITY_MAX_SID_SIZE] = {};
  std::vector<BYTE> m_acl;
  SECURITY_DESCRIPTOR m_descriptor = {};
  SECURITY_ATTRIBUTES m_attributes = {};
  bool m_bReady = false;
};

}  // namespace sk
