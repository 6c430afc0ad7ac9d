// A windowed ActiveX control under the Shockwave Flash class id: it is activated in place in
// its container's window, keeps a playing state (set by the Playing property and Play, cleared
// by kStandinStopMessage) and writes every call it gets to the log file, one line each.
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "win/flash_standin/standin_protocol.h"

namespace {

using sk::test::kStandinLogVariable;
using sk::test::kStandinStopMessage;
using sk::test::kStandinWindowClass;

constexpr char kClassKey[] = "CLSID\\{D27CDB6E-AE6D-11CF-96B8-444553540000}";
constexpr CLSID kClsid = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr DISPID kPlaying = 0x7D, kPlay = 0x70, kIsPlaying = 0x81;

HMODULE g_module = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;

void Log(const std::string& line) {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(kStandinLogVariable, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Narrow(BSTR text) {
  const int length = static_cast<int>(SysStringLen(text));
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::string Describe(const VARIANT& value) {
  switch (value.vt) {
    case VT_BOOL: return "BOOL " + std::to_string(value.boolVal);
    case VT_I4: return "I4 " + std::to_string(value.lVal);
    case VT_BSTR: return "BSTR " + Narrow(value.bstrVal);
    default: return "VT" + std::to_string(value.vt);
  }
}

class StandinControl final : public IOleObject, public IOleInPlaceObject, public IDispatch {
 public:
  StandinControl() { InterlockedIncrement(&g_objects); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleObject)
      *out = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
      *out = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IDispatch)
      *out = static_cast<IDispatch*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0) {
      Log("ole released");
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override {
    Log(site ? "ole SetClientSite" : "ole SetClientSite none");
    if (site) site->AddRef();
    if (m_site) m_site->Release();
    m_site = site;
    return S_OK;
  }
  STDMETHODIMP GetClientSite(IOleClientSite** site) override {
    if (!site) return E_POINTER;
    *site = m_site;
    if (m_site) m_site->AddRef();
    return S_OK;
  }
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override {
    Log("ole Close");
    if (m_window) InPlaceDeactivate();
    return S_OK;
  }
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) override {
    Log("ole DoVerb " + std::to_string(verb));
    if (verb != OLEIVERB_INPLACEACTIVATE && verb != OLEIVERB_SHOW) return OLEOBJ_S_INVALIDVERB;
    return m_window ? S_OK : Activate(site ? site : m_site);
  }
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID* id) override {
    if (!id) return E_POINTER;
    *id = kClsid;
    return S_OK;
  }
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD, DWORD* status) override {
    if (!status) return E_POINTER;
    *status = OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
  }
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow / IOleInPlaceObject
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = m_window;
    return m_window ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP InPlaceDeactivate() override {
    if (!m_window) return S_OK;
    Log("ole InPlaceDeactivate");
    m_logWindow = false;  // the window's own end is the control's doing
    DestroyWindow(m_window);
    m_window = nullptr;
    if (m_inPlaceSite) {
      m_inPlaceSite->OnInPlaceDeactivate();
      m_inPlaceSite->Release();
      m_inPlaceSite = nullptr;
    }
    return S_OK;
  }
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT) override {
    if (m_window && position)
      MoveWindow(m_window, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, TRUE);
    return S_OK;
  }
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (!params) return E_POINTER;
    if (flags & DISPATCH_PROPERTYPUT) {
      if (params->cArgs != 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
        Log("put " + std::to_string(id) + " malformed");
        return DISP_E_PARAMNOTOPTIONAL;
      }
      const VARIANT& value = params->rgvarg[0];
      Log("put " + std::to_string(id) + " " + Describe(value));
      if (id == kPlaying && value.vt == VT_BOOL) m_playing = value.boolVal != VARIANT_FALSE;
      return S_OK;
    }
    if (flags & DISPATCH_METHOD) {
      if (id == kIsPlaying) {
        Log("call " + std::to_string(id) + " -> " + std::to_string(m_playing ? VARIANT_TRUE : VARIANT_FALSE));
        if (result) {
          VariantInit(result);
          result->vt = VT_BOOL;
          result->boolVal = m_playing ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
      }
      Log("call " + std::to_string(id));
      if (id != kPlay) return DISP_E_MEMBERNOTFOUND;
      m_playing = true;
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  ~StandinControl() {
    if (m_window) DestroyWindow(m_window);
    if (m_inPlaceSite) m_inPlaceSite->Release();
    if (m_site) m_site->Release();
    InterlockedDecrement(&g_objects);
  }

  HRESULT Activate(IOleClientSite* site) {
    if (!site) return E_INVALIDARG;
    IOleInPlaceSite* inPlace = nullptr;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)))) return E_NOINTERFACE;
    HWND parent = nullptr;
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT position = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof info;
    if (inPlace->CanInPlaceActivate() != S_OK || FAILED(inPlace->GetWindow(&parent)) ||
        FAILED(inPlace->GetWindowContext(&frame, &document, &position, &clip, &info))) {
      inPlace->Release();
      return E_FAIL;
    }
    if (frame) frame->Release();
    if (document) document->Release();
    inPlace->OnInPlaceActivate();
    m_window = CreateWindowExA(0, kStandinWindowClass, "", WS_CHILD | WS_VISIBLE, position.left, position.top,
                               position.right - position.left, position.bottom - position.top, parent, nullptr,
                               g_module, this);
    if (!m_window) {
      inPlace->OnInPlaceDeactivate();
      inPlace->Release();
      return E_FAIL;
    }
    m_inPlaceSite = inPlace;
    m_logWindow = true;  // from here on the container's doing
    return S_OK;
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->m_logWindow) {
      switch (message) {
        case WM_SHOWWINDOW: Log(wParam ? "window shown" : "window hidden"); break;
        case WM_LBUTTONDOWN: Log("window lbuttondown"); break;
        case WM_LBUTTONUP: Log("window lbuttonup"); break;
        case WM_RBUTTONDOWN: Log("window rbuttondown"); break;
        case WM_RBUTTONUP: Log("window rbuttonup"); break;
        default: break;
      }
      if (message == kStandinStopMessage) {
        Log("window stop");
        self->m_playing = false;
        return 0;
      }
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return DefWindowProcA(window, message, wParam, lParam);
  }

 public:
  static bool RegisterWindowClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = g_module;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kStandinWindowClass;
    return RegisterClassA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }

 private:
  LONG m_refs = 1;
  IOleClientSite* m_site = nullptr;
  IOleInPlaceSite* m_inPlaceSite = nullptr;
  HWND m_window = nullptr;
  bool m_playing = false;
  bool m_logWindow = false;
};

class StandinFactory final : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (!StandinControl::RegisterWindowClass()) return E_FAIL;
    auto* control = new StandinControl;
    const HRESULT result = control->QueryInterface(iid, out);
    control->Release();
    return result;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock)
      InterlockedIncrement(&g_locks);
    else
      InterlockedDecrement(&g_locks);
    return S_OK;
  }
};

StandinFactory g_factory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != kClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE; }

// In the classes root: Wine's COM looks only at the machine's classes, not the user's.
extern "C" HRESULT WINAPI DllRegisterServer() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(g_module, path, sizeof path);
  if (length == 0 || length >= sizeof path) return SELFREG_E_CLASS;
  HKEY key = nullptr;
  const std::string server = std::string(kClassKey) + "\\InprocServer32";
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return SELFREG_E_CLASS;
  static constexpr char kModel[] = "Apartment";
  const bool ok = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path), length + 1) ==
                      ERROR_SUCCESS &&
                  RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(kModel),
                                 sizeof kModel) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
  const LSTATUS status = RegDeleteTreeA(HKEY_CLASSES_ROOT, kClassKey);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
