// Extract gives back every file and media block byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "extract.h"
#include "inspect.h"
#include "package/uninstall_settings.h"
#include "package_reader.h"
#include "package_writer.h"
#include "tool_fixture.h"

namespace sk::tool::test {
namespace {

TEST_F(ToolFixture, ExtractGivesBackEveryFileAndBlock) {
  const std::string empty;
  Write("app.exe", SampleBytes(50000, 7));
  Write("lib/big.bin", SampleBytes(300000, 8));
  Write("empty.txt", empty);
  Write("vol.txt", SampleBytes(1000, 9));
  Write("icon.ico", SampleBytes(766, 10));
  Write("copy.avi", SampleBytes(2048, 11));
  Build({"product = \"Demo\"", "compression_level = 6", "[media]", "icon = \"icon.ico\"",
         "animation = \"copy.avi\"", "[[disk]]", "number = 3", "volume = \"DEMO.D3\"",
         "[[file]]", "source = \"app.exe\"", "[[file]]", "source = \"lib/big.bin\"",
         "sub_folder = \"lib/x\"", "compress = false", "[[file]]", "source = \"empty.txt\"",
         "folder = \"windows\"", "[[file]]", "source = \"vol.txt\"", "disk = 3"});

  const ExtractSummary summary = ExtractPackage(OutputPath(), dir.File("out"));
  EXPECT_EQ(summary.files, 4u);
  EXPECT_EQ(summary.blocks, 2u);
  const auto same = [&](const std::string& extracted, const std::string& source) {
    EXPECT_EQ(sk::test::ReadAll(dir.File("out/" + extracted)), sk::test::ReadAll(dir.File(source)))
        << extracted;
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/" + extracted))) << extracted;
  };
  same("files/INSTALL_FOLDER/app.exe", "app.exe");
  same("files/INSTALL_FOLDER/lib/x/big.bin", "lib/big.bin");
  same("files/WINDOWS_FOLDER/empty.txt", "empty.txt");
  same("files/INSTALL_FOLDER/vol.txt", "vol.txt");
  same("media/icon.ico", "icon.ico");
  same("media/animation.avi", "copy.avi");
}

TEST(SafeComponentsTest, NothingLeavesTheFolder) {
  EXPECT_EQ(SafeComponents("a\\..\\..\\b"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SafeComponents("\\.\\c:x"), (std::vector<std::string>{"c_x"}));
  EXPECT_EQ(SafeComponents("a/b"), (std::vector<std::string>{"a_b"}));
  EXPECT_TRUE(SafeComponents("..").empty());
  // The second byte of this GBK character is 0x5C, a backslash byte that is no separator.
  EXPECT_EQ(SafeComponents("\xD5\x5C\\x"), (std::vector<std::string>{"誠", "x"}));
}

// An uninstaller as setup writes it from a package of ours: inspect shows its settings and
// extract gives back the picture and the icon it took from the package.
TEST_F(ToolFixture, UninstallerOfABuiltPackage) {
  Write("side.jpg", SampleBytes(900, 21));
  Write("app.ico", SampleBytes(400, 22));
  Write("app.exe", SampleBytes(100, 23));
  Manifest manifest = Load({"product = \"演示\"", "language = \"zh\"", "[uninstall]",
                            "hint = \"再见\"", "[media]", "side_picture = \"side.jpg\"",
                            "icon = \"app.ico\"", "[[file]]", "source = \"app.exe\""});
  ProgressBar quiet(false);
  BuildPackage(manifest, {Stub(), OutputPath()}, quiet);

  const std::string unwise = "MZ the unwise program";
  const std::string builtin = "built-in picture";
  ASSERT_EQ(WriteUninstallerPackage(dir.File("unwise.exe"), manifest.config,
                                    {std::span(reinterpret_cast<const std::uint8_t*>(unwise.data()), unwise.size()),
                                     std::span(reinterpret_cast<const std::uint8_t*>(builtin.data()), builtin.size()),
                                     OutputPath()}),
            1);
  const Json settings = InspectJson(OpenPackage(dir.File("unwise.exe")))["settings"];
  EXPECT_EQ(settings["product_name"], "演示");
  EXPECT_EQ(settings["language"], "TRUE");
  EXPECT_EQ(settings["hint_line"], "再见");
  EXPECT_EQ(settings["picture_offset"], static_cast<int>(unwise.size()));

  const ExtractSummary summary = ExtractPackage(dir.File("unwise.exe"), dir.File("out"));
  EXPECT_EQ(summary.files, 0u);
  EXPECT_EQ(summary.blocks, 2u);
  EXPECT_EQ(sk::test::ReadAll(dir.File("out/media/picture")), SampleBytes(900, 21));
  EXPECT_EQ(sk::test::ReadAll(dir.File("out/media/icon.ico")), SampleBytes(400, 22));
}

}  // namespace
}  // namespace sk::tool::test
