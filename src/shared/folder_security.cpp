#include "shared/folder_security.h"

namespace sk {
namespace {

std::vector<BYTE> TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<BYTE> bytes(size);
  if (size == 0 || !GetTokenInformation(token, kind, bytes.data(), size, &size)) bytes.clear();
  return bytes;
}

bool Elevated(const std::vector<BYTE>& elevation) {
  return elevation.size() >= sizeof(TOKEN_ELEVATION) &&
         reinterpret_cast<const TOKEN_ELEVATION*>(elevation.data())->TokenIsElevated;
}

}  // namespace

PrivateFolderSecurity::PrivateFolderSecurity() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
  m_user = TokenInformation(token, TokenUser);
  const bool elevated = Elevated(TokenInformation(token, TokenElevation));
  CloseHandle(token);
  if (m_user.empty()) return;
  std::vector<PSID> sids{reinterpret_cast<TOKEN_USER*>(m_user.data())->User.Sid};
  DWORD adminSize = sizeof m_administrators;
  if (elevated && CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, m_administrators, &adminSize))
    sids.push_back(m_administrators);
  DWORD aclSize = sizeof(ACL);
  for (PSID sid : sids) aclSize += sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
  m_acl.resize(aclSize);
  auto* acl = reinterpret_cast<ACL*>(m_acl.data());
  if (!InitializeAcl(acl, aclSize, ACL_REVISION)) return;
  for (PSID sid : sids)
    if (!AddAccessAllowedAceEx(acl, ACL_REVISION, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE, FILE_ALL_ACCESS, sid))
      return;
  if (!InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE) ||
      !SetSecurityDescriptorControl(&m_descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
    return;
  m_attributes = {sizeof m_attributes, &m_descriptor, FALSE};
  m_bReady = true;
}

}  // namespace sk
