// A windowed ActiveX control inside a window of ours: created by its class id, activated in
// place through a minimal site of our own (client site, in-place site and frame, as far as a
// windowed control asks for them) and driven through its IDispatch.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleidl.h>

#include <string>

#include "shared/com_helpers.h"

namespace sk {

class CActiveXSite;

class CActiveXHost {
 public:
  CActiveXHost() = default;
  ~CActiveXHost() { Destroy(); }
  CActiveXHost(const CActiveXHost&) = delete;
  CActiveXHost& operator=(const CActiveXHost&) = delete;

  // Creates the control in parent over rect (the parent's client coordinates); its window stays
  // hidden unless visible. False, with nothing kept, when the class is not registered, does not
  // activate in place or has no window of its own.
  bool Create(const CLSID& clsid, HWND parent, const RECT& rect, bool visible);
  // Deactivates and releases the control, which takes its window with it.
  void Destroy();

  // The control's own window; null when there is no control.
  HWND window() const { return m_hWnd; }

  // DISPATCH_PROPERTYPUT of one value: VT_BOOL, VT_I4, or an 8-bit text of the ANSI code page
  // passed as a BSTR.
  HRESULT PutBool(DISPID id, bool value);
  HRESULT PutLong(DISPID id, long value);
  HRESULT PutText(DISPID id, const std::string& value);
  // DISPATCH_METHOD without arguments; the second form wants a VT_BOOL result.
  HRESULT CallMethod(DISPID id);
  HRESULT CallBoolMethod(DISPID id, bool& result);

 private:
  HRESULT Put(DISPID id, VARIANT& value);

  ComPtr<IOleObject> m_object;
  ComPtr<IDispatch> m_dispatch;
  CActiveXSite* m_pSite = nullptr;
  HWND m_hWnd = nullptr;
};

}  // namespace sk
