// Every user error of a build: its message names file, line and key, and nothing is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "package/stub_marker.h"
#include "package_writer.h"
#include "tool_fixture.h"
#include "user_error.h"

namespace sk::tool::test {
namespace {

struct ErrorCase {
  const char* title;
  std::vector<std::string> lines;
  std::string message;  // after the manifest's path
};

const std::string kFile = "[[file]]";
const std::string kSource = "source = \"a.txt\"";

const ErrorCase kCases[] = {
    {"unknown key", {"product = \"Demo\"", "verison = \"2\""},
     ":2: key 'verison': unknown key; did you mean 'version'?"},
    {"unknown key in a file", {"product = \"Demo\"", kFile, kSource, "sub_foldr = \"bin\""},
     ":4: key 'file.sub_foldr': unknown key; did you mean 'file.sub_folder'?"},
    {"unknown table", {"product = \"Demo\"", "[buttns]", "back = \"<\""},
     ":2: key 'buttns': unknown key; did you mean 'buttons'?"},
    {"missing source", {"product = \"Demo\"", kFile, "source = \"missing.bin\""},
     ":3: key 'file.source': cannot read source file 'missing.bin'"},
    {"text without GBK form", {"product = \"Demo\"", "[welcome]", "lines = [\"Hi \U0001F600\"]"},
     ":3: key 'welcome.lines': text has a character with no GBK form: \"Hi \U0001F600\""},
    {"text too long", {"product = \"Demo\"", "[buttons]", "", "next = \"" + std::string(5000, 'n') + "\""},
     ":4: key 'buttons.next': text is 5000 bytes in GBK; a text holds at most 4098 bytes"},
    {"Chinese text too long for its field",
     {"product = \"Demo\"", "[folder]", "prompt = \"" + [] {
        std::string s;
        for (int i = 0; i < 128; ++i) s += "汉";
        return s;
      }() + "\""},
     ":3: key 'folder.prompt': text is 256 bytes in GBK; the field holds at most 255 bytes"},
    {"byte 0x07 in a text", {"product = \"Demo\"", "version = \"1\\u00072\""},
     ":2: key 'version': text contains the byte 0x07, which a package cannot hold"},
    {"byte 0x00 in a text", {"product = \"Demo\"", "[finish]", "closing = \"a\\u0000b\""},
     ":3: key 'finish.closing': text contains the byte 0x00, which a package cannot hold"},
    {"byte 0x08 in a file name", {"product = \"Demo\"", kFile, kSource, "name = \"a\\bb\""},
     ":4: key 'file.name': text contains the byte 0x08, which a package cannot hold"},
    {"extension longer than 3 bytes",
     {"product = \"Demo\"", "[[file_type]]", "extension = \"html\"", "program = \"a.exe\""},
     ":3: key 'file_type.extension': text is 4 bytes in GBK; the field holds at most 3 bytes"},
    {"disk outside 0 to 7", {"product = \"Demo\"", kFile, kSource, "disk = 8"},
     ":4: key 'file.disk': 8 is outside 0 to 7"},
    {"disk without volume file", {"product = \"Demo\"", kFile, kSource, "disk = 2"},
     ":4: key 'file.disk': disk 2 has no volume file name: add a [[disk]] with number = 2 and "
     "its volume"},
    {"disk table without volume", {"product = \"Demo\"", "[[disk]]", "number = 1"},
     ":2: key 'disk.volume': disk 1 has no volume file name"},
    {"same destination twice",
     {"product = \"Demo\"", kFile, kSource, kFile, "source = \"b/a.txt\"", "name = \"A.TXT\""},
     ":6: key 'file.name': file 'A.TXT' has the same destination as file 1 of the list"},
    {"product missing", {"version = \"1\""}, ":1: key 'product': the product name is required"},
    {"unknown shortcut", {"product = \"Demo\"", kFile, kSource, "shortcuts = [\"desk\"]"},
     ":4: key 'file.shortcuts': expected words out of desktop, start_menu, program_group, "
     "quick_launch"},
    {"attributes without date", {"product = \"Demo\"", kFile, kSource, "attributes = [\"hidden\"]"},
     ":4: key 'file.attributes': attributes are given together with 'date'"},
    {"unknown base folder of a path", {"product = \"Demo\"", "[finish]", "readme = \"docs:a.txt\""},
     ":3: key 'finish.readme': unknown folder 'docs' before ':'"},
    {"unknown copy mode", {"product = \"Demo\"", kFile, kSource, "copy = \"never\""},
     ":4: key 'file.copy': expected one of always, if_missing, ask"},
    {"wrong type", {"product = \"Demo\"", kFile, kSource, "compress = \"yes\""},
     ":4: key 'file.compress': expected true or false"},
    {"welcome line longer than the page takes",
     {"product = \"Demo\"", "[welcome]", "lines = [\"" + std::string(48, 'w') + "\"]"},
     ":3: key 'welcome.lines': text is 48 bytes in GBK; the field holds at most 47 bytes"},
    {"agreement heading longer than the page takes",
     {"product = \"Demo\"", "[agreement]", "heading = [\"Terms\", \"" + std::string(48, 'a') + "\"]"},
     ":3: key 'agreement.heading': text is 48 bytes in GBK; the field holds at most 47 bytes"},
    {"folder prompt longer than the page takes",
     {"product = \"Demo\"", "[folder]", "prompt = \"" + std::string(48, 'f') + "\""},
     ":3: key 'folder.prompt': text is 48 bytes in GBK; the field holds at most 47 bytes"},
    {"default welcome quoting a product name too long for the page",
     {"product = \"" + std::string(20, 'P') + "\""},
     ":1: key 'product': the default of 'welcome[0]' quotes the product name and becomes too "
     "long (text is 48 bytes in GBK; the field holds at most 47 bytes); set it yourself"},
    {"default quoting a long product name",
     {"product = \"" + std::string(250, 'P') + "\""},
     ":1: key 'product': the default of 'welcome[0]' quotes the product name and becomes too "
     "long (text is 278 bytes in GBK; the field holds at most 255 bytes); set it yourself"},
};

class ManifestErrorTest : public ToolFixture, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ManifestErrorTest, NamesFileLineAndKeyAndWritesNothing) {
  const ErrorCase& c = GetParam();
  Write("a.txt", "alpha");
  Write("b/a.txt", "beta");
  const std::string stub = Stub();
  std::string text;
  for (const auto& line : c.lines) text += line + "\n";
  Write("setup.toml", text);
  const auto before = Listing();
  try {
    Manifest manifest = LoadManifest(ManifestPath());
    ProgressBar quiet(false);
    BuildPackage(manifest, {stub, OutputPath()}, quiet);
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(e.what(), ManifestPath() + c.message);
  }
  EXPECT_EQ(Listing(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ManifestErrorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return TestName(info.param.title); });

struct StubCase {
  const char* title;
  std::string stub;
  std::string message;  // after "setupkit: '<stub>'"
};

class StubErrorTest : public ToolFixture, public ::testing::WithParamInterface<StubCase> {};

TEST_P(StubErrorTest, RefusesTheStubAndWritesNothing) {
  Write("a.txt", "alpha");
  const std::string stub = Write("other.exe", GetParam().stub);
  Manifest manifest = Load({"product = \"Demo\"", kFile, kSource, "disk = 1", "[[disk]]",
                            "number = 1", "volume = \"DEMO.D1\""});
  const auto before = Listing();
  ProgressBar quiet(false);
  try {
    BuildPackage(manifest, {stub, OutputPath()}, quiet);
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(e.what(), "setupkit: '" + stub + "'" + GetParam().message);
  }
  EXPECT_EQ(Listing(), before);
}

const StubCase kStubCases[] = {
    {"not ours", "MZ some other program", " is not a setup.exe of ours"},
    {"already packaged", "MZ " + std::string(kStubMarker) + " config&LEN:6,SEEK:3.",
     " already carries a package; give the bare setup.exe"},
};

INSTANTIATE_TEST_SUITE_P(Cases, StubErrorTest, ::testing::ValuesIn(kStubCases),
                         [](const auto& info) { return TestName(info.param.title); });

TEST_F(ToolFixture, MissingStubIsAUserError) {
  Write("a.txt", "alpha");
  Manifest manifest = Load({"product = \"Demo\"", kFile, kSource});
  ProgressBar quiet(false);
  EXPECT_THROW(BuildPackage(manifest, {dir.File("nothing.exe"), OutputPath()}, quiet), UserError);
  EXPECT_FALSE(std::filesystem::exists(OutputPath()));
}

}  // namespace
}  // namespace sk::tool::test
