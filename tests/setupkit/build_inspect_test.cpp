// Build, then inspect: the package holds the manifest's resolved values.
#include <gtest/gtest.h>

#include "inspect.h"
#include "package/package_trailer.h"
#include "package/token_list.h"
#include "package/uninstall_settings.h"
#include "package/volume.h"
#include "package_writer.h"
#include "package_reader.h"
#include "tool_fixture.h"

namespace sk::tool::test {
namespace {

std::string Slice(const std::string& bytes, const Json& file) {
  return bytes.substr(file["offset"].get<std::size_t>(), file["size"].get<std::size_t>());
}

class BuildInspectTest : public ToolFixture {
 protected:
  void SetUp() override {
    Write("bin/app.exe", SampleBytes(5000, 1));
    Write("data/big.dat", SampleBytes(70000, 2));
    Write("data/notes.txt", "notes on disk two");
    Write("side.jpg", SampleBytes(300, 3));
    Write("tune.mid", SampleBytes(200, 4));
  }

  const std::vector<std::string> kChineseThreeDisks = {
      "product = \"演示程序\"",                                   // 1
      "language = \"zh\"",                                        // 2
      "version = \"2.5\"",                                        // 3
      "[welcome]",                                                // 4
      "lines = [\"欢迎安装演示程序\", \"\", \"第三行\"]",         // 5
      "[folder]",                                                 // 6
      "base = \"documents\"",                                     // 7
      "name = \"演示\"",                                          // 8
      "[copying]",                                                // 9
      "file_delay_ms = 0",                                        // 10
      "[media]",                                                  // 11
      "side_picture = \"side.jpg\"",                              // 12
      "music = \"tune.mid\"",                                     // 13
      "[uninstall]",                                              // 14
      "remove_keys = [{ root = \"HKEY_CURRENT_USER\", key = \"Software\\\\演示\" }]",  // 15
      "[[file_type]]",                                            // 16
      "extension = \"dmo\"",                                      // 17
      "program = \"bin/app.exe\"",                                // 18
      "[[disk]]",                                                 // 19
      "number = 1",                                               // 20
      "volume = \"DEMO.D1\"",                                     // 21
      "[[disk]]",                                                 // 22
      "number = 2",                                               // 23
      "volume = \"DEMO.D2\"",                                     // 24
      "prompt = \"请插入第二张盘\"",                              // 25
      "[[file]]",                                                 // 26
      "source = \"bin/app.exe\"",                                 // 27
      "sub_folder = \"bin\"",                                     // 28
      "shortcuts = [\"desktop\", \"quick_launch\"]",              // 29
      "shortcut_name = \"演示\"",                                 // 30
      "date = 2004-11-25T10:30:00",                               // 31
      "[[file]]",                                                 // 32
      "source = \"data/big.dat\"",                                // 33
      "disk = 1",                                                 // 34
      "compress = false",                                         // 35
      "copy = \"ask\"",                                           // 36
      "[[file]]",                                                 // 37
      "source = \"data/notes.txt\"",                              // 38
      "name = \"说明.txt\"",                                      // 39
      "folder = \"system\"",                                      // 40
      "disk = 2",                                                 // 41
  };
};

TEST_F(BuildInspectTest, InspectShowsTheResolvedManifest) {
  const std::string stub = Stub();
  Manifest manifest = Load(kChineseThreeDisks);
  ProgressBar quiet(false);
  BuildPackage(manifest, {stub, OutputPath()}, quiet);

  const Json inspected = InspectJson(OpenPackage(OutputPath()));
  const Json resolved = ConfigJson(manifest.config);
  EXPECT_EQ(inspected["config"], resolved["config"]);
  EXPECT_EQ(inspected["files"], resolved["files"]);
  EXPECT_EQ(inspected["media"], resolved["media"]);
  EXPECT_EQ(inspected["kind"], "setup");

  // The texts as the manifest wrote them, back through GBK.
  const Json& c = inspected["config"];
  EXPECT_EQ(c["product_name"], "演示程序");
  EXPECT_EQ(c["ui_text"][0], "TRUE");
  EXPECT_EQ(c["ui_text"][2], "下一步 >");
  EXPECT_EQ(c["welcome"][0], "欢迎安装演示程序");
  EXPECT_EQ(c["welcome"][2], "第三行");
  EXPECT_EQ(c["welcome"][3], "");
  EXPECT_EQ(c["folder"][5], "演示");
  EXPECT_EQ(c["folder"][6], "我的文档");
  EXPECT_EQ(c["copying"][3], "0");
  EXPECT_EQ(c["version"], "2.5");
  EXPECT_EQ(c["remove_key"][0], "HKEY_CURRENT_USER|Software\\演示");
  EXPECT_EQ(c["file_type_extension"][0], "dmo");
  EXPECT_EQ(c["file_type_program"][0], "INSTALL_FOLDER\\bin\\app.exe");
  EXPECT_EQ(c["disk_volume_name"][1], "DEMO.D1");
  EXPECT_EQ(c["disk_volume_name"][2], "DEMO.D2");
  EXPECT_EQ(c["disk_prompt"][2], "请插入第二张盘");
  EXPECT_EQ(c["music_extension"], "mid");
  EXPECT_EQ(c["required_bytes"], 5000 + 70000 + 17);

  const Json& files = inspected["files"];
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0]["name"], "app.exe");
  EXPECT_EQ(files[0]["sub_folder"], "bin");
  EXPECT_EQ(files[0]["shortcut_flags"], 1);
  EXPECT_EQ(files[0]["quick_launch"], true);
  EXPECT_EQ(files[0]["date"], "2004:11:25:10:30:00:2004:11:25:10:30:00:32:");
  EXPECT_EQ(files[0]["compressed"], true);
  EXPECT_EQ(files[1]["copy_mode"], "ASK_COPY");
  EXPECT_EQ(files[1]["compressed"], false);
  EXPECT_EQ(files[2]["name"], "说明.txt");
  EXPECT_EQ(files[2]["folder"], "SYSTEM_FOLDER");

  // Offsets address the data: in the setup file for disk 0, after the signature otherwise.
  const std::string setup = sk::test::ReadAll(OutputPath());
  const std::string disk1 = sk::test::ReadAll(dir.File("DEMO.D1"));
  const std::string disk2 = sk::test::ReadAll(dir.File("DEMO.D2"));
  const std::string signature(VolumeSignature.begin(), VolumeSignature.end());
  EXPECT_EQ(disk1.substr(0, 16), signature);
  EXPECT_EQ(disk2.substr(0, 16), signature);
  EXPECT_EQ(files[1]["offset"], 16);
  EXPECT_EQ(Slice(disk1, files[1]), SampleBytes(70000, 2));
  EXPECT_EQ(Slice(disk2, files[2]).substr(0, 2), "PK");  // compressed by default: a zip archive
  EXPECT_EQ(Slice(setup, files[0]).substr(0, 4), "PK\x03\x04");
  const Json& media = inspected["media"];
  ASSERT_EQ(media.size(), 2u);
  EXPECT_EQ(media[0]["block"], "side_picture");
  EXPECT_EQ(setup.substr(media[0]["offset"].get<std::size_t>(), 300), SampleBytes(300, 3));
  EXPECT_EQ(media[1]["block"], "music");
}

TEST_F(BuildInspectTest, TokensAreTheRawListInOrder) {
  Build(kChineseThreeDisks);
  const Json tokens = TokensJson(OpenPackage(OutputPath()));
  ASSERT_EQ(tokens.size(), 352u + 3 * 32 + 1);
  EXPECT_EQ(tokens[0], "欢迎安装演示程序");
  EXPECT_EQ(tokens[160], "演示程序");  // token 161
  EXPECT_EQ(tokens[256], "TRUE");      // token 257, the language
  EXPECT_EQ(tokens[352], "app.exe");   // the first file group
  EXPECT_EQ(tokens[352 + 32 + 14], "1");  // its disk, token 15 of the second group
  EXPECT_EQ(tokens.back(), "");
}

TEST_F(BuildInspectTest, EnglishDefaultsFromAProductAndOneFile) {
  Build({"product = \"Tiny\"", "[[file]]", "source = \"bin/app.exe\""});
  const Json c = InspectJson(OpenPackage(OutputPath()))["config"];
  EXPECT_EQ(c["ui_text"][0], "FALSE");
  EXPECT_EQ(c["welcome"][0], "Welcome to the Tiny Setup Wizard");
  EXPECT_EQ(c["agreement"][4], "I accept the agreement");
  EXPECT_EQ(c["ui_text"][5], "Finish");
  EXPECT_EQ(c["folder"][5], "Tiny");
  EXPECT_EQ(c["folder"][6], "Program Files");
  EXPECT_EQ(c["uninstall_display_name"], "Tiny");
  EXPECT_EQ(c["product_key"], "Tiny");
  EXPECT_EQ(c["no_uninstaller"], false);
}

TEST_F(BuildInspectTest, RequiredSpaceKeepsEveryDigit) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.5", "1.5"}, {"12", "12"}, {"1234567", "1234567"}, {"9e8", "900000000"}, {"0.125", "0.125"}};
  for (const auto& [given, stored] : cases) {
    const Manifest m = Load({std::string("required_space_mb = ") + given, "product = \"Tiny\""});
    EXPECT_EQ(m.config.requiredMegabytes, stored) << given;
  }
}

TEST_F(BuildInspectTest, NamesDifferingInASecondByteAreDifferentFiles) {
  // The second bytes of these two characters are 'A' and 'a' in GBK (81 41, 81 61).
  Build({"product = \"Tiny\"", "[[file]]", "source = \"bin/app.exe\"", "name = \"丄.txt\"",
         "[[file]]", "source = \"bin/app.exe\"", "name = \"乤.txt\""});
  const Json files = InspectJson(OpenPackage(OutputPath()))["files"];
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]["name"], "丄.txt");
  EXPECT_EQ(files[1]["name"], "乤.txt");
}

TEST_F(BuildInspectTest, SameManifestSameBytes) {
  Build(kChineseThreeDisks);
  const std::string first = sk::test::ReadAll(OutputPath());
  const std::string firstDisk = sk::test::ReadAll(dir.File("DEMO.D1"));
  Build(kChineseThreeDisks);
  EXPECT_EQ(sk::test::ReadAll(OutputPath()), first);
  EXPECT_EQ(sk::test::ReadAll(dir.File("DEMO.D1")), firstDisk);
}

TEST_F(BuildInspectTest, UninstallerSettingsAreShown) {
  // An uninstaller file as setup writes it: the program, then the settings and a trailer.
  UninstallSettings settings;
  settings.productName = "Demo";
  settings.language = "FALSE";
  settings.hintLine = "bye";
  const std::string block = ScrambledBlock(WriteUninstallSettings(settings));
  const std::string program = "MZ unwise program";
  Write("unwise.exe", program + block +
                          FormatPackageTrailer({static_cast<std::int32_t>(block.size()),
                                                static_cast<std::int32_t>(program.size())}));
  const Json inspected = InspectJson(OpenPackage(dir.File("unwise.exe")));
  EXPECT_EQ(inspected["kind"], "uninstaller");
  EXPECT_EQ(inspected["settings"]["product_name"], "Demo");
  EXPECT_EQ(inspected["settings"]["hint_line"], "bye");
  EXPECT_EQ(inspected["settings"]["language"], "FALSE");
}

}  // namespace
}  // namespace sk::tool::test
