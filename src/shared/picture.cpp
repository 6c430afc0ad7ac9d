#include "shared/picture.h"

#include <cstring>

#include "shared/resource_bytes.h"

namespace sk {

bool CPicture::LoadFromMemory(const void* bytes, long length) {
  m_nSizeHint = 0;
  return Load(bytes, length);
}

bool CPicture::LoadFromResource(int id, const char* type) {
  unsigned long size = 0;
  const unsigned char* bytes = LoadResourceBytes(id, type, &size);
  m_nSizeHint = static_cast<long>(size);
  return Load(bytes, bytes ? static_cast<long>(size) : 0);
}

bool CPicture::Load(const void* bytes, long length) {
  m_bLoaded = false;
  m_stream.Reset();
  if (!bytes || length <= 0) return false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length));
  if (!block) return false;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(target, bytes, static_cast<std::size_t>(length));
  GlobalUnlock(block);
  // The stream frees the block when it is released.
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, m_stream.Put()))) {
    GlobalFree(block);
    return false;
  }
  m_picture.Reset();
  if (FAILED(OleLoadPicture(m_stream.Get(), m_nSizeHint, TRUE, IID_IPicture, m_picture.PutVoid())) ||
      !m_picture)
    return false;
  m_picture->get_Width(&m_nWidth);
  m_picture->get_Height(&m_nHeight);
  m_bLoaded = true;
  return true;
}

bool CPicture::Draw(HDC dc, int x, int y, int cx, int cy) const {
  if (!m_bLoaded) return false;
  // The source is given bottom-up, as HIMETRIC runs upward.
  return SUCCEEDED(m_picture->Render(dc, x, y, cx, cy, 0, m_nHeight, m_nWidth, -m_nHeight, nullptr));
}

}  // namespace sk
