#include "shared/activex_host.h"

#include <ocidl.h>

namespace sk {

// The container side a windowed control talks to while it is activated in place: one window
// (the parent), one rectangle, no menus, toolbars or status bar.
class CActiveXSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  CActiveXSite(HWND parent, const RECT& rect) : m_hParent(parent), m_rect(rect) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
      *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
      *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
      *out = static_cast<IOleInPlaceFrame*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --m_nRefs;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite: nothing to save and no container to browse.
  STDMETHODIMP SaveObject() override { return S_OK; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, for the in-place site and the frame alike.
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = m_hParent;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = this;
    AddRef();
    *document = nullptr;  // the frame is the only window
    *position = m_rect;
    *clip = m_rect;
    info->fMDIApp = FALSE;
    info->hwndFrame = m_hParent;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT rect) override {
    if (rect) m_rect = *rect;
    return S_OK;
  }

  // IOleInPlaceUIWindow: no toolbars to make room for.
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame: no menus, no status bar, no accelerators of the frame.
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~CActiveXSite() = default;

  ULONG m_nRefs = 1;
  HWND m_hParent;
  RECT m_rect;
};

bool CActiveXHost::Create(const CLSID& clsid, HWND parent, const RECT& rect, bool visible) {
  Destroy();
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, m_object.PutVoid())))
    return false;
  m_pSite = new CActiveXSite(parent, rect);
  IOleClientSite* site = m_pSite;
  m_object->SetClientSite(site);
  ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(m_object->QueryInterface(IID_IPersistStreamInit, persist.PutVoid()))) persist->InitNew();
  RECT position = rect;
  ComPtr<IOleInPlaceObject> inPlace;
  if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &position)) ||
      FAILED(m_object->QueryInterface(IID_IOleInPlaceObject, inPlace.PutVoid())) ||
      FAILED(inPlace->GetWindow(&m_hWnd)) || !m_hWnd) {
    inPlace.Reset();
    Destroy();
    return false;
  }
  m_object->QueryInterface(IID_IDispatch, m_dispatch.PutVoid());
  if (!visible) ShowWindow(m_hWnd, SW_HIDE);
  return true;
}

void CActiveXHost::Destroy() {
  if (m_object) {
    ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, inPlace.PutVoid()))) inPlace->InPlaceDeactivate();
    m_object->Close(OLECLOSE_NOSAVE);
    m_object->SetClientSite(nullptr);
  }
  m_dispatch.Reset();
  m_object.Reset();
  if (m_pSite) m_pSite->Release();
  m_pSite = nullptr;
  m_hWnd = nullptr;
}

HRESULT CActiveXHost::Put(DISPID id, VARIANT& value) {
  if (!m_dispatch) return E_NOINTERFACE;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &named, 1, 1};
  return m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                            nullptr);
}

HRESULT CActiveXHost::PutBool(DISPID id, bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return Put(id, v);
}

HRESULT CActiveXHost::PutLong(DISPID id, long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return Put(id, v);
}

HRESULT CActiveXHost::PutText(DISPID id, const std::string& value) {
  const int size = static_cast<int>(value.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, value.data(), size, nullptr, 0);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  if (!v.bstrVal) return E_OUTOFMEMORY;
  MultiByteToWideChar(CP_ACP, 0, value.data(), size, v.bstrVal, wide);
  const HRESULT result = Put(id, v);
  VariantClear(&v);
  return result;
}

HRESULT CActiveXHost::CallMethod(DISPID id) {
  if (!m_dispatch) return E_NOINTERFACE;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  return m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
}

HRESULT CActiveXHost::CallBoolMethod(DISPID id, bool& result) {
  result = false;
  if (!m_dispatch) return E_NOINTERFACE;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT answer;
  VariantInit(&answer);
  HRESULT hr = m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &answer, nullptr, nullptr);
  if (SUCCEEDED(hr)) hr = VariantChangeType(&answer, &answer, 0, VT_BOOL);
  if (SUCCEEDED(hr)) result = answer.boolVal != VARIANT_FALSE;
  VariantClear(&answer);
  return hr;
}

}  // namespace sk
