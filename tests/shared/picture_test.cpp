// Pictures and icons from package bytes, through the system's loaders.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "layer_test_ids.h"
#include "resource_ids.h"
#include "shared/icon_bytes.h"
#include "shared/picture.h"
#include "shared/private_temp.h"
#include "shared/resource_bytes.h"

namespace sk {
namespace {

std::string ResourceText(int id, const char* type) {
  unsigned long size = 0;
  const unsigned char* bytes = LoadResourceBytes(id, type, &size);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes), size) : std::string();
}

class PictureTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ole_.ok()); }
  ComApartment ole_;
  const std::string jpeg_ = ResourceText(IDR_BUILTIN_PICTURE, "JPG");
};

TEST_F(PictureTest, LoadsAJpegFromMemoryWithItsSize) {
  ASSERT_GT(jpeg_.size(), 100u);
  CPicture picture;
  ASSERT_TRUE(picture.LoadFromMemory(jpeg_.data(), static_cast<long>(jpeg_.size())));
  EXPECT_TRUE(picture.loaded());
  // 120 x 250 pixels at 96 dots per inch, in hundredths of a millimetre.
  EXPECT_NEAR(picture.width(), 120 * 2540 / 96, 2);
  EXPECT_NEAR(picture.height(), 250 * 2540 / 96, 2);
}

TEST_F(PictureTest, LoadsFromTheProgramsResources) {
  CPicture picture;
  EXPECT_TRUE(picture.LoadFromResource(IDR_BUILTIN_PICTURE, "JPG"));
  EXPECT_FALSE(picture.LoadFromResource(IDR_BUILTIN_PICTURE, "PIC")) << "no such type";
  EXPECT_FALSE(picture.loaded()) << "a failed load leaves nothing held";
}

TEST_F(PictureTest, DamagedBytesLoadNothing) {
  const std::string cut = jpeg_.substr(0, 40);
  std::string scrambled = jpeg_;
  for (std::size_t i = 2; i < scrambled.size(); i += 3) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
  const std::string garbage(500, '\x7f');
  struct Case {
    const char* name;
    const std::string* bytes;
  };
  for (const Case& c : {Case{"cut", &cut}, Case{"scrambled", &scrambled}, Case{"garbage", &garbage}}) {
    CPicture picture;
    EXPECT_FALSE(picture.LoadFromMemory(c.bytes->data(), static_cast<long>(c.bytes->size()))) << c.name;
    EXPECT_FALSE(picture.loaded()) << c.name;
  }
  CPicture picture;
  EXPECT_FALSE(picture.LoadFromMemory(jpeg_.data(), 0));
  EXPECT_FALSE(picture.LoadFromMemory(nullptr, 10));
}

// The colour at the middle of a 60 x 100 bitmap after drawing into it.
COLORREF DrawnMiddle(const CPicture& picture, bool* drawn) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 100);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, 60, 100};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  *drawn = picture.Draw(dc, 0, 0, 60, 100);
  const COLORREF middle = GetPixel(dc, 30, 50);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return middle;
}

TEST_F(PictureTest, DrawsStretchedOnlyWhenLoaded) {
  CPicture empty;
  bool drawn = true;
  EXPECT_EQ(DrawnMiddle(empty, &drawn), RGB(255, 255, 255));
  EXPECT_FALSE(drawn);
  CPicture picture;
  ASSERT_TRUE(picture.LoadFromMemory(jpeg_.data(), static_cast<long>(jpeg_.size())));
  EXPECT_NE(DrawnMiddle(picture, &drawn), RGB(255, 255, 255)) << "the side picture has no white middle";
  EXPECT_TRUE(drawn);
}

class IconTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CreatePrivateTempFolder("layertest")); }
  void TearDown() override {
    // The conversion's file exists only while the icon loads.
    EXPECT_EQ(GetFileAttributesA((PrivateTempFolder() + "mirl.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    RemovePrivateTempFolder();
  }
  const std::string icon_ = ResourceText(IDR_TEST_ICON, MAKEINTRESOURCEA(10));  // RT_RCDATA
};

TEST_F(IconTest, MakesAnIconFromIconFileBytes) {
  ASSERT_GT(icon_.size(), 22u);
  HICON icon = LoadIconFromBytes(icon_.data(), static_cast<long>(icon_.size()));
  ASSERT_NE(icon, nullptr);
  ICONINFO info = {};
  EXPECT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

TEST_F(IconTest, DamagedBytesGiveNoIcon) {
  const std::string header = icon_.substr(0, 6);
  std::string wrongOffset = icon_;
  for (std::size_t entry = 6; entry + 16 <= icon_.size() && entry < 6 + 16 * 2; entry += 16)
    wrongOffset[entry + 13] = '\x7f';  // each image's offset points past the end
  const std::string jpeg = ResourceText(IDR_BUILTIN_PICTURE, "JPG");
  for (const std::string* bytes : std::initializer_list<const std::string*>{&header, &wrongOffset, &jpeg})
    EXPECT_EQ(LoadIconFromBytes(bytes->data(), static_cast<long>(bytes->size())), nullptr);
  EXPECT_EQ(LoadIconFromBytes("", 0), nullptr);
}

}  // namespace
}  // namespace sk
