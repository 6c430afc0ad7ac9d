// The built-in resources of the programs, read the way the programs' windows will use them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resource_ids.h"
#include "support/temp_dir.h"
#include "win/child_process.h"

namespace sk::test {
namespace {

// A program file loaded for its resources only.
class ResourceModule {
 public:
  explicit ResourceModule(const std::string& path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ResourceModule() {
    if (module_) FreeLibrary(module_);
  }
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;
  HMODULE get() const { return module_; }

  std::string Bytes(int id, const char* type) const {
    HRSRC info = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    HGLOBAL data = info ? LoadResource(module_, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module_, info)) : std::string();
  }

 private:
  HMODULE module_;
};

TEST(Resources, SetupCarriesTheUnwiseProgramAndThePicture) {
  ResourceModule setup(HostPath(SK_SETUP_EXE));
  ASSERT_NE(setup.get(), nullptr);
  EXPECT_EQ(setup.Bytes(IDR_UNWISE_IMAGE, "EXE"), ReadAll(HostPath(SK_UNWISE_EXE)));
  EXPECT_EQ(setup.Bytes(IDR_BUILTIN_PICTURE, "JPG"), ReadAll(HostPath(SK_BUILTIN_PICTURE)));
}

TEST(Resources, BothProgramsCarryTheIcon) {
  for (const char* program : {SK_SETUP_EXE, SK_UNWISE_EXE}) {
    ResourceModule module(HostPath(program));
    HICON icon = static_cast<HICON>(
        LoadImageA(module.get(), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr) << program;
    if (icon) DestroyIcon(icon);
  }
}

TEST(Resources, TheAnimationControlOpensTheCopyingClip) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_ANIMATE_CLASS};
  ASSERT_TRUE(InitCommonControlsEx(&controls));
  HWND animation = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_POPUP, 0, 0, 100, 60, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(animation, nullptr);
  ResourceModule unwise(HostPath(SK_UNWISE_EXE));
  EXPECT_TRUE(SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(unwise.get()),
                           reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_COPYING_ANIMATION))));
  SendMessageA(animation, ACM_OPENA, 0, 0);  // closes the clip
  DestroyWindow(animation);
}

}  // namespace
}  // namespace sk::test
