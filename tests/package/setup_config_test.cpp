#include "package/setup_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "package/gbk.h"
#include "package/setup_layout.h"
#include "package/token_list.h"

namespace sk {
namespace {

// A token list with the given tokens at 1-based positions, empty elsewhere, up to count tokens.
CTokenList TokensAt(std::vector<std::pair<int, std::string>> at, int count) {
  std::vector<std::string> tokens(static_cast<std::size_t>(count));
  for (auto& [pos, text] : at) tokens[static_cast<std::size_t>(pos - 1)] = text;
  CTokenList list;
  for (const auto& t : tokens) list.Append(t);
  return list;
}

std::vector<std::string> AllTokens(CTokenList list) {
  std::vector<std::string> out;
  const std::string& text = list.Serialize();
  const auto rows = std::count(text.begin(), text.end(), '\x08');
  for (long i = 0; i < rows; ++i) out.push_back(list.NextToken());
  return out;
}

TEST(SetupConfig, TokensLandInTheirFields) {
  auto tokens = TokensAt({{1, "welcome 0"}, {12, "welcome 11"}, {13, "ignored"}, {35, "agreement text"},
                          {36, "agreement slot 3"}, {71, "default base"}, {72, "TRUE"},
                          {161, "Product"}, {166, "True"}, {170, "txt"}, {171, "3"},
                          {175, "3145728"}, {193, "TRUE"}, {197, "16711680"}, {229, "Acme\\Demo"},
                          {257, "TRUE"}, {275, "copy cancel"}, {276, "ignored"}, {289, ""},
                          {293, "TRUE"}, {299, "Demo uninstall"}, {329, "disk3.vol"}, {330, "Disk 3"},
                          {353, "a.exe"}, {354, "windows_folder"}, {357, ""}, {358, "12"}, {359, "-1"},
                          {360, "TRUE"}, {367, "2"}, {385, "b.dll"}, {386, "SYSTEM_FOLDER"},
                          {389, "ASK_COPY"}, {417, ""}, {418, "never read"}},
                         420);
  const SetupConfig c = ReadSetupConfig(tokens);
  EXPECT_EQ(c.pageTexts[kWelcomePage][0], "welcome 0");
  EXPECT_EQ(c.pageTexts[kWelcomePage][11], "welcome 11");
  EXPECT_EQ(c.agreementText, "agreement text");
  EXPECT_EQ(c.pageTexts[kAgreementPage][2], "");
  EXPECT_EQ(c.pageTexts[kAgreementPage][3], "agreement slot 3");
  EXPECT_EQ(c.pageTexts[kFolderPage][6], "default base");
  EXPECT_EQ(c.pageTexts[kFolderPage][7], "TRUE");
  EXPECT_EQ(c.productName, "Product");
  EXPECT_FALSE(c.sideIsFlash) << "\"True\" is not TRUE";
  EXPECT_EQ(c.fileTypes[0].extension, "txt");
  EXPECT_EQ(c.fileTypes[0].iconIndex, 3);
  EXPECT_DOUBLE_EQ(RequiredMegabytes(c), 3.0);
  EXPECT_TRUE(c.backgroundEnabled);
  EXPECT_EQ(c.backgroundColor, 0xFF0000);
  EXPECT_EQ(c.productKey, "Acme\\Demo");
  EXPECT_FALSE(IsEnglish(c));
  EXPECT_EQ(c.uiTexts[18], "copy cancel");
  EXPECT_TRUE(c.noUninstaller);
  EXPECT_EQ(c.uninstallDisplayName, "Demo uninstall");
  EXPECT_EQ(c.disks[2].volumeName, "disk3.vol");
  EXPECT_EQ(c.disks[2].prompt, "Disk 3");
  ASSERT_EQ(c.files.size(), 2u);
  EXPECT_EQ(c.files[0].name, "a.exe");
  EXPECT_EQ(c.files[0].folderKind, INSTALL_FOLDER) << "keywords are case-sensitive";
  EXPECT_EQ(c.files[0].copyMode, ALWAYS_COPY) << "an empty copy keyword means always";
  EXPECT_EQ(c.files[0].size, 12);
  EXPECT_EQ(c.files[0].offset, -1);
  EXPECT_TRUE(c.files[0].compressed);
  EXPECT_EQ(c.files[0].disk, 2);
  EXPECT_EQ(c.files[1].folderKind, SYSTEM_FOLDER);
  EXPECT_EQ(c.files[1].copyMode, ASK_COPY);
}

TEST(SetupConfig, RequiredSpaceTakesTheTextFirst) {
  SetupConfig c;
  c.requiredBytes = 3 * 1048576 + 1048575;
  EXPECT_DOUBLE_EQ(RequiredMegabytes(c), 3.0) << "whole megabytes";
  c.requiredMegabytes = "2.5";
  EXPECT_DOUBLE_EQ(RequiredMegabytes(c), 2.5);
  c.requiredMegabytes = "abc";
  EXPECT_DOUBLE_EQ(RequiredMegabytes(c), 0.0);
}

TEST(SetupConfig, LanguageIsChineseOnlyForExactlyTRUE) {
  SetupConfig c;
  for (const char* word : {"FALSE", "", "true", "TRUE "}) {
    c.uiTexts[0] = word;
    EXPECT_TRUE(IsEnglish(c)) << word;
  }
  c.uiTexts[0] = "TRUE";
  EXPECT_FALSE(IsEnglish(c));
}

TEST(SetupConfig, EmptyOrTruncatedListsReadAsDefaults) {
  CTokenList empty;
  const SetupConfig c = ReadSetupConfig(empty);
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(c.productName, "");
  EXPECT_EQ(c.icon.length, 0);

  auto cut = TokensAt({{161, "Half"}}, 200);
  const SetupConfig d = ReadSetupConfig(cut);
  EXPECT_EQ(d.productName, "Half");
  EXPECT_TRUE(d.files.empty());
}

TEST(SetupConfig, TextFieldsKeepTheirWidthAndCutOnACharacterBoundary) {
  const std::string zhong = "\xd6\xd0";
  std::string name254 = std::string(254, 'a');
  auto tokens = TokensAt({{1, std::string(255, 'w')},
                          {2, std::string(300, 'x')},
                          {3, name254 + zhong},     // 256 bytes: the character would be split
                          {35, std::string(4000, 'g')},
                          {170, "toolong"}},
                         352);
  const SetupConfig c = ReadSetupConfig(tokens);
  EXPECT_EQ(c.pageTexts[0][0], std::string(255, 'w')) << "255 bytes are stored whole";
  EXPECT_EQ(c.pageTexts[0][1], std::string(255, 'x'));
  EXPECT_EQ(c.pageTexts[0][2], name254) << "never half a character";
  EXPECT_EQ(c.agreementText.size(), 4000u) << "the agreement is a string";
  EXPECT_EQ(c.fileTypes[0].extension, "too");
}

// Builds a configuration with every field set from a random source, GBK texts included.
SetupConfig Generated(std::mt19937& rng) {
  const std::vector<std::string> words = {"plain", "\xb0\xb2\xd7\xb0\xb3\xcc\xd0\xf2", "C:\\Program Files\\x",
                                          "TRUE", "FALSE", "-42", "2.5", "\xd6\xd0\xce\xc4 mixed", ""};
  auto word = [&] { return words[rng() % words.size()]; };
  auto number = [&] { return static_cast<std::int32_t>(rng()); };
  struct Filler {
    std::mt19937& rng;
    decltype(word)& w;
    decltype(number)& n;
    void Text(FieldName, std::string& s, std::size_t width) { s = CutOnCharBoundary(w(), width - 1); }
    void String(FieldName, std::string& s) { s = w() + w(); }
    void Number(FieldName, std::int32_t& v) { v = n(); }
    void Boolean(FieldName, bool& b) { b = rng() % 2; }
    void Folder(FieldName, std::int32_t& v) {
      const std::int32_t kinds[] = {INSTALL_FOLDER, SYSTEM_FOLDER, WINDOWS_FOLDER, TEMP_FOLDER, USER_FOLDER, SYSDRIVER_FOLDER};
      v = kinds[rng() % 6];
    }
    void Copy(FieldName, std::int32_t& v) {
      const std::int32_t modes[] = {ALWAYS_COPY, NOTEXIST_COPY, ASK_COPY};
      v = modes[rng() % 3];
    }
    void Ignore(int) {}
  } filler{rng, word, number};
  SetupConfig c;
  VisitSetupHeader(filler, c);
  const int files = static_cast<int>(rng() % 5);
  for (int i = 0; i < files; ++i) {
    FileEntry e;
    VisitFileEntry(filler, e);
    e.name = "file" + std::to_string(i) + word();
    c.files.push_back(e);
  }
  return c;
}

// Compares every field through the layout itself.
struct Collector {
  std::vector<std::string> values;
  void Text(FieldName, const std::string& s, std::size_t) { values.push_back(s); }
  void String(FieldName, const std::string& s) { values.push_back(s); }
  void Number(FieldName, std::int32_t v) { values.push_back(std::to_string(v)); }
  void Boolean(FieldName, bool b) { values.push_back(b ? "1" : "0"); }
  void Folder(FieldName, std::int32_t v) { values.push_back(std::to_string(v)); }
  void Copy(FieldName, std::int32_t v) { values.push_back(std::to_string(v)); }
  void Ignore(int) {}
};

std::vector<std::string> Values(const SetupConfig& c) {
  Collector all;
  VisitSetupHeader(all, c);
  for (const auto& e : c.files) VisitFileEntry(all, e);
  return all.values;
}

TEST(SetupConfig, RoundTripsThroughScrambledTokens) {
  std::mt19937 rng(20261211);
  for (int round = 0; round < 50; ++round) {
    const SetupConfig original = Generated(rng);
    std::string block = ScrambledBlock(WriteSetupConfig(original));
    CTokenList read;
    read.LoadBytes(block, kPackageKey);
    const SetupConfig back = ReadSetupConfig(read);
    const auto got = Values(back), want = Values(original);
    ASSERT_EQ(got.size(), want.size()) << "round " << round;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], want[i]) << "round " << round << " value " << i;
    EXPECT_EQ(back.files.size(), original.files.size());
  }
}

TEST(SetupConfig, WriterEmitsTheFixedGroupsThenOneGroupPerFile) {
  SetupConfig c;
  c.productName = "P";
  c.files.resize(2);
  c.files[0].name = "one";
  c.files[1].name = "two";
  c.files[1].compressed = true;
  const auto tokens = AllTokens(WriteSetupConfig(c));
  ASSERT_EQ(tokens.size(), 352u + 2 * 32 + 1);
  EXPECT_EQ(tokens[160], "P");
  EXPECT_EQ(tokens[352], "one");
  EXPECT_EQ(tokens[353], "INSTALL_FOLDER");
  EXPECT_EQ(tokens[384], "two");
  EXPECT_EQ(tokens[384 + 7], "TRUE");
  EXPECT_EQ(tokens.back(), "") << "an empty name ends the list";
}

}  // namespace
}  // namespace sk
