// COM for both programs: the apartment of the user-interface thread and interface pointers
// that release themselves.
#pragma once

#include <objbase.h>
#include <ole2.h>

namespace sk {

// OLE for the lifetime of the object (pictures, shell links and ActiveX need the full OLE
// apartment, not only COM). Uninitialises only what it initialised.
class ComApartment {
 public:
  ComApartment() : m_bOk(SUCCEEDED(OleInitialize(nullptr))) {}
  ~ComApartment() {
    if (m_bOk) OleUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return m_bOk; }

 private:
  bool m_bOk;
};

// One reference to an interface, released when replaced or destroyed.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  void Reset() {
    if (m_p) m_p->Release();
    m_p = nullptr;
  }
  // For functions that hand out a new reference: releases the old one first.
  T** Put() {
    Reset();
    return &m_p;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  T* Get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

 private:
  T* m_p = nullptr;
};

}  // namespace sk
