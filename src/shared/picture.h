// A picture (JPEG, GIF, BMP, ...) loaded through the system's OLE picture loader and drawn
// stretched into a rectangle.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "shared/com_helpers.h"

namespace sk {

class CPicture {
 public:
  CPicture() = default;
  CPicture(const CPicture&) = delete;
  CPicture& operator=(const CPicture&) = delete;

  // False (and nothing held) when the bytes are no picture the loader reads.
  bool LoadFromMemory(const void* bytes, long length);
  // A picture resource of the running program by numeric id and type name.
  bool LoadFromResource(int id, const char* type);
  // Renders the whole picture stretched to (x, y, cx, cy); false when nothing is loaded.
  bool Draw(HDC dc, int x, int y, int cx, int cy) const;

  bool loaded() const { return m_bLoaded; }
  // Size in HIMETRIC units (0.01 mm), as the picture reports it.
  long width() const { return m_nWidth; }
  long height() const { return m_nHeight; }

 private:
  // Copies the bytes into a movable block, makes the stream over it and loads from it.
  bool Load(const void* bytes, long length);

  bool m_bLoaded = false;
  OLE_XSIZE_HIMETRIC m_nWidth = 0;
  OLE_YSIZE_HIMETRIC m_nHeight = 0;
  ComPtr<IStream> m_stream;
  ComPtr<IPicture> m_picture;
  long m_nSizeHint = 0;  // bytes the loader reads; 0: the whole stream
};

}  // namespace sk
