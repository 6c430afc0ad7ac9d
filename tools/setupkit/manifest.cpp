#include "manifest.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include <toml++/toml.h>

#include "default_texts.h"
#include "package/font_spec.h"
#include "gbk_text.h"
#include "manifest_checks.h"
#include "package/setup_layout.h"
#include "table_reader.h"
#include "user_error.h"

namespace sk::tool {
namespace {

constexpr std::string_view kLanguages[] = {"en", "zh"};
constexpr std::string_view kFolderWords[] = {"install", "system", "windows",
                                             "temp",    "user",   "system_drive"};
constexpr std::int32_t kFolderKinds[] = {INSTALL_FOLDER, SYSTEM_FOLDER, WINDOWS_FOLDER,
                                         TEMP_FOLDER,    USER_FOLDER,   SYSDRIVER_FOLDER};
constexpr std::string_view kCopyWords[] = {"always", "if_missing", "ask"};
constexpr std::int32_t kCopyModes[] = {ALWAYS_COPY, NOTEXIST_COPY, ASK_COPY};
constexpr std::string_view kBaseWords[] = {"program_files", "windows",     "system",
                                           "documents",     "first_drive", "system_drive"};
constexpr const char* kBaseMacros[] = {"Program Files", "WINDOWS目录", "系统目录",
                                       "我的文档",      "首驱动器",    "系统驱动器"};
constexpr std::string_view kShortcutWords[] = {"desktop", "start_menu", "program_group",
                                               "quick_launch"};
constexpr std::size_t kQuickLaunch = 3;
constexpr std::string_view kRootWords[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                           "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                           "HKEY_CURRENT_CONFIG"};
constexpr std::string_view kAttributeWords[] = {"readonly", "hidden", "system", "archive"};
constexpr int kAttributeBits[] = {1, 2, 4, 32};

std::string Gbk(const std::string& utf8) { return Utf8ToGbk(utf8).value_or(std::string()); }

// A keyword-prefixed program path: "system:x.exe" names a file of a base folder, anything
// else a file below the install folder; '/' separates folders.
void ProgramPath(TableReader& t, std::string_view key, std::string& out) {
  auto value = t.TextValue(key);
  if (!value) return;
  std::string text = std::move(*value);
  std::string keyword = "INSTALL_FOLDER";
  if (auto colon = text.find(':'); colon != std::string::npos) {
    const std::string word = text.substr(0, colon);
    const auto folder = WordIndex(kFolderWords, word);
    if (!folder) t.Fail(key, "unknown folder '" + word + "' before ':'");
    keyword = std::string(FolderKindKeyword(kFolderKinds[*folder]));
    text.erase(0, colon + 1);
  }
  for (char& c : text)
    if (c == '/') c = '\\';
  out = keyword + "\\" + text;
  t.Remember(out, key);
}

void FolderText(TableReader& t, std::string_view key, std::string& out) {
  t.Text(key, out);
  for (char& c : out)
    if (c == '/') c = '\\';
}

void Font(TableReader& parent, std::string_view key, std::string& out, Language language) {
  auto t = parent.Table(key);
  if (!t) return;
  FontSpec font{.height = -12, .weight = 400};
  font.faceName = t->TextValue("face").value_or(Gbk(language == Language::kChinese ? "宋体" : "Tahoma"));
  if (font.faceName.find(':') != std::string::npos || font.faceName.size() > 31)
    t->Fail("face", "a font name has at most 31 bytes and no ':'");
  std::int32_t charset = language == Language::kChinese ? 134 : 0;
  bool italic = false, underline = false;
  t->Int("height", font.height, -1000, 1000);
  t->Int("weight", font.weight, 0, 1000);
  t->Bool("italic", italic);
  t->Bool("underline", underline);
  t->Int("charset", charset, 0, 255);
  t->CheckUnknown();
  font.italic = italic;
  font.underline = underline;
  font.charSet = static_cast<std::uint8_t>(charset);
  out = FormatFontSpec(font);
}

void Color(TableReader& t, std::string_view key, std::int32_t& out) {
  const toml::node* node = t.Node(key);
  if (!node) return;
  const auto* text = node->as_string();
  unsigned rgb = 0;
  if (!text || text->get().size() != 7 || text->get()[0] != '#' ||
      std::sscanf(text->get().c_str() + 1, "%6x", &rgb) != 1)
    t.Fail(key, "expected a colour \"#RRGGBB\"");
  // The programs take the Windows form 0x00BBGGRR.
  out = static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

void ReadWelcome(TableReader& root, SetupConfig& c) {
  auto t = root.Table("welcome");
  if (!t) return;
  t->Texts("lines", c.pageTexts[kWelcomePage]);
  t->CheckUnknown();
}

std::string ReadUtf8File(TableReader& t, std::string_view key, const BlockSource& source) {
  std::ifstream in(std::filesystem::path(source.path), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  auto gbk = Utf8ToGbk(s.str());
  if (!gbk) t.Fail(key, "the file is not UTF-8 text with a GBK form");
  return *gbk;
}

void ReadAgreement(TableReader& root, SetupConfig& c) {
  auto t = root.Table("agreement");
  if (!t) return;
  auto& page = c.pageTexts[kAgreementPage];
  t->Texts("heading", std::span<std::string>(page.data(), 2));
  t->Text("text", c.agreementText);
  if (auto file = t->Source("text_file")) {
    if (t->Has("text")) t->Fail("text_file", "give either 'text' or 'text_file'");
    c.agreementText = ReadUtf8File(*t, "text_file", *file);
    t->Remember(c.agreementText, "text_file");
  }
  t->Text("accept", page[4]);
  t->Text("decline", page[5]);
  t->CheckUnknown();
}

void ReadFolder(TableReader& root, SetupConfig& c) {
  auto t = root.Table("folder");
  if (!t) return;
  auto& page = c.pageTexts[kFolderPage];
  t->Texts("lines", std::span<std::string>(page.data(), 3));
  t->Text("prompt", page[3]);
  t->Text("browse_button", page[4]);
  t->Text("name", page[5]);
  if (auto base = t->Choice("base", kBaseWords)) page[6] = Gbk(kBaseMacros[*base]);
  bool skip = false;
  t->Bool("skip_page", skip);
  page[7] = skip ? "TRUE" : "FALSE";
  t->Text("browse_prompt", c.uiTexts[16]);
  t->Text("cancel_question", c.uiTexts[14]);
  t->CheckUnknown();
}

void ReadCopying(TableReader& root, SetupConfig& c) {
  auto t = root.Table("copying");
  if (!t) return;
  auto& page = c.pageTexts[kCopyingPage];
  t->Text("heading", page[0]);
  t->Text("status_prefix", page[1]);
  t->Text("time_left_label", page[2]);
  std::int32_t delay = 0;
  if (t->Has("file_delay_ms")) {
    t->Int("file_delay_ms", delay, 0, 60000);
    page[3] = std::to_string(delay);
  }
  t->Text("cancel_question", c.uiTexts[18]);
  t->CheckUnknown();
}

void ReadFinish(TableReader& root, SetupConfig& c) {
  auto t = root.Table("finish");
  if (!t) return;
  auto& page = c.pageTexts[kFinishPage];
  t->Texts("lines", std::span<std::string>(page.data(), 2));
  t->Text("closing", page[2]);
  t->Text("desktop_option", page[3]);
  t->Text("start_menu_option", page[4]);
  t->Text("group_option", page[5]);
  t->Text("readme_option", page[6]);
  t->Text("run_option", page[7]);
  ProgramPath(*t, "readme", c.readme);
  ProgramPath(*t, "run_program", c.runProgram);
  t->Text("cancel_question", c.uiTexts[15]);
  t->CheckUnknown();
}

struct UiTextKey {
  const char* key;
  int index;
};

// A table whose every key is one of the interface texts.
void ReadUiTexts(TableReader& root, std::string_view table, std::span<const UiTextKey> keys,
                 SetupConfig& c) {
  auto t = root.Table(table);
  if (!t) return;
  for (const UiTextKey& k : keys) t->Text(k.key, c.uiTexts[k.index]);
  t->CheckUnknown();
}

constexpr UiTextKey kButtonKeys[] = {
    {"back", 1}, {"next", 2}, {"cancel", 3}, {"install", 4}, {"finish", 5}};
constexpr UiTextKey kQuestionKeys[] = {{"cancel", 13},       {"cancel_no", 9},
                                       {"cancel_yes", 10},   {"overwrite_no", 11},
                                       {"overwrite_yes", 12}};

// "ROOT|key" or "ROOT|key|value" from {root, key[, value]} tables.
template <std::size_t N>
void RegistrySpecs(TableReader& t, std::string_view key, std::array<std::string, N>& out,
                   bool withValue) {
  const toml::node* node = t.Node(key);
  if (!node) return;
  const auto* array = node->as_array();
  if (!array || array->size() > N)
    t.Fail(key, "expected at most " + std::to_string(N) + " inline tables");
  for (std::size_t i = 0; i < array->size(); ++i) {
    const auto* item = array->get(i)->as_table();
    if (!item) t.Fail(key, "expected inline tables like { root = \"HKEY_CURRENT_USER\", key = \"...\" }");
    TableReader spec = t.Item(key, *item);
    auto root = spec.Choice("root", kRootWords);
    const std::string path = spec.TextValue("key").value_or("");
    const std::string value = withValue ? spec.TextValue("value").value_or("") : "";
    spec.CheckUnknown();
    if (!root || path.empty() || (withValue && value.empty()))
      t.Fail(key, withValue ? "each entry needs root, key and value" : "each entry needs root and key");
    out[i] = std::string(kRootWords[*root]) + "|" + path + (withValue ? "|" + value : "");
    t.Remember(out[i], key);
  }
}

void ReadUninstall(TableReader& root, SetupConfig& c) {
  auto t = root.Table("uninstall");
  if (!t) return;
  bool enabled = true;
  t->Bool("enabled", enabled);
  c.noUninstaller = !enabled;
  t->Text("display_name", c.uninstallDisplayName);
  t->Text("uninstall_button", c.uiTexts[6]);
  t->Text("files_remain_button", c.uiTexts[7]);
  t->Text("hint", c.uiTexts[17]);
  RegistrySpecs(*t, "remove_keys", c.removeKeys, false);
  RegistrySpecs(*t, "remove_values", c.removeValues, true);
  t->CheckUnknown();
}

void ReadMedia(TableReader& root, Manifest& m) {
  auto t = root.Table("media");
  if (!t) return;
  m.sidePicture = t->Source("side_picture");
  if (auto movie = t->Source("side_movie")) {
    if (m.sidePicture) t->Fail("side_movie", "give either 'side_picture' or 'side_movie'");
    m.sidePicture = movie;
    m.config.sideIsFlash = true;
  }
  m.icon = t->Source("icon");
  m.animation = t->Source("animation");
  m.music = t->Source("music");
  if (m.music) {
    const std::string ext = std::filesystem::path(m.music->path).extension().string();
    m.config.musicExtension = ext.empty() ? "mid" : ext.substr(1);
  }
  t->Text("music_extension", m.config.musicExtension);
  t->CheckUnknown();
}

void ReadBackground(TableReader& root, Manifest& m, Language language) {
  auto t = root.Table("background");
  if (!t) return;
  SetupConfig& c = m.config;
  c.backgroundEnabled = true;
  t->Bool("enabled", c.backgroundEnabled);
  m.backgroundPicture = t->Source("picture");
  t->Text("title", c.backgroundTitle);
  Color(*t, "color", c.backgroundColor);
  t->Bool("title_bar", c.backgroundTitleBar);
  t->Text("headline", c.headline);
  Font(*t, "headline_font", c.headlineFont, language);
  Color(*t, "headline_color", c.headlineColor);
  t->Int("fill", c.backgroundFill, 0, 2);
  t->CheckUnknown();
}

void ReadSplash(TableReader& root, Manifest& m, Language language) {
  auto t = root.Table("splash");
  if (!t) return;
  SetupConfig& c = m.config;
  m.splashPicture = t->Source("picture");
  if (!m.splashPicture) t->Fail("picture", "a splash needs a picture");
  t->Int("duration_ms", c.splashMillis, 0, 600000);
  t->Text("preparing_caption", c.preparingCaption);
  t->Text("preparing_message", c.preparingMessage);
  Font(*t, "preparing_font", c.preparingFont, language);
  t->CheckUnknown();
}

void ReadFileTypes(TableReader& root, SetupConfig& c) {
  auto tables = root.Tables("file_type", c.fileTypes.size());
  for (std::size_t i = 0; i < tables.size(); ++i) {
    TableReader& t = tables[i];
    FileTypeRecord& type = c.fileTypes[i];
    t.Text("extension", type.extension);
    if (type.extension.empty()) t.Fail("extension", "a file type needs an extension");
    if (type.extension.front() == '.') type.extension.erase(0, 1);
    ProgramPath(t, "program", type.program);
    t.Int("icon_index", type.iconIndex, 0, 9999);
    t.CheckUnknown();
  }
}

void ReadContextMenu(TableReader& root, SetupConfig& c) {
  auto t = root.Table("context_menu");
  if (!t) return;
  t->Text("file_entry", c.fileMenuName);
  ProgramPath(*t, "file_program", c.fileMenuProgram);
  t->Text("folder_entry", c.folderMenuName);
  ProgramPath(*t, "folder_program", c.folderMenuProgram);
  t->CheckUnknown();
}

void ReadPostInstall(TableReader& root, SetupConfig& c) {
  auto t = root.Table("post_install");
  if (!t) return;
  ProgramPath(*t, "program", c.postInstallProgram);
  t->Text("parameters", c.postInstallParameters);
  t->Bool("temporary", c.postInstallTemporary);
  t->CheckUnknown();
}

void ReadDisks(TableReader& root, SetupConfig& c, Language language) {
  for (TableReader& t : root.Tables("disk", kDiskCount)) {
    std::int32_t number = 0;
    if (!t.Has("number")) t.Fail("number", "a disk needs its number, 1 to 7");
    t.Int("number", number, 1, kDiskCount);
    DiskRecord& disk = c.disks[number - 1];
    if (!disk.volumeName.empty()) t.Fail("number", "disk " + std::to_string(number) + " is given twice");
    t.Text("volume", disk.volumeName);
    if (disk.volumeName.empty()) t.Fail("volume", "disk " + std::to_string(number) + " has no volume file name");
    for (const DiskRecord& other : c.disks)
      if (&other != &disk && other.volumeName == disk.volumeName)
        t.Fail("volume", "two disks share the volume file '" + GbkToUtf8(disk.volumeName) + "'");
    disk.prompt = DefaultDiskPrompt(language, number);
    t.Text("prompt", disk.prompt);
    t.CheckUnknown();
  }
}

std::string DateText(const FileTime& t, int attributes) {
  char one[40];
  std::snprintf(one, sizeof one, "%d:%02d:%02d:%02d:%02d:%02d:", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return std::string(one) + one + std::to_string(attributes) + ":";
}

void ReadFileTime(TableReader& t, FileEntry& entry, FileSource& source) {
  const toml::node* node = t.Node("date");
  int attributes = 32;
  if (t.Has("attributes")) {
    if (!node) t.Fail("attributes", "attributes are given together with 'date'");
    attributes = 0;
    for (std::size_t i : t.Choices("attributes", kAttributeWords)) attributes |= kAttributeBits[i];
  }
  if (!node) return;
  const auto* dt = node->as_date_time();
  const auto* d = node->as_date();
  if (!dt && !d) t.Fail("date", "expected a date and time like 2024-05-01T12:00:00");
  const toml::date date = dt ? dt->get().date : d->get();
  const toml::time time = dt ? dt->get().time : toml::time{};
  if (dt && dt->get().offset) t.Fail("date", "give a local time, without a time zone");
  if (date.year < 1980 || date.year > 2107) t.Fail("date", "the year must lie in 1980 to 2107");
  source.time = {date.year, date.month, date.day, time.hour, time.minute, time.second};
  entry.date = DateText(source.time, attributes);
}

std::string DestinationKey(const FileEntry& e) {
  std::string key = std::to_string(e.folderKind) + "\\" + e.subFolder;
  if (key.back() != '\\') key += '\\';
  key += e.name;
  // Windows file names ignore the case of ASCII letters. The second byte of a double-byte
  // character can look like a letter, so it keeps its case.
  for (std::size_t i = 0; i < key.size(); ++i) {
    const auto b = static_cast<unsigned char>(key[i]);
    if (b >= 0x81 && b <= 0xFE)
      ++i;
    else if (b >= 'A' && b <= 'Z')
      key[i] = static_cast<char>(b - 'A' + 'a');
  }
  return key;
}

// The newest entry against all before it; seen maps destinations to their entry numbers.
void CheckUniqueDestination(TableReader& t, const FileList& files,
                            std::unordered_map<std::string, std::size_t>& seen) {
  auto [at, fresh] = seen.emplace(DestinationKey(files.back()), files.size());
  if (!fresh)
    t.Fail("name", "file '" + GbkToUtf8(files.back().name) +
                       "' has the same destination as file " + std::to_string(at->second) +
                       " of the list");
}

void ReadFiles(TableReader& root, Manifest& m, bool compressByDefault) {
  auto tables = root.Tables("file", 100000);
  m.config.files.reserve(tables.size());  // origins point into the entries
  std::unordered_map<std::string, std::size_t> destinations;
  for (TableReader& t : tables) {
    FileEntry& entry = m.config.files.emplace_back();
    FileSource& source = m.sources.emplace_back();
    source.origin = t.Self();
    if (!t.Has("source")) t.Fail("source", "a file needs its source");
    source.path = t.Source("source")->path;
    const std::u8string base = std::filesystem::path(source.path).filename().u8string();
    entry.name = Gbk(std::string(base.begin(), base.end()));
    t.Remember(entry.name, "source");
    t.Text("name", entry.name);
    if (entry.name.empty())
      t.Fail(t.Has("name") ? "name" : "source",
             t.Has("name") ? "a file needs a name" : "the file name has no GBK form; give 'name'");
    if (auto folder = t.Choice("folder", kFolderWords)) entry.folderKind = kFolderKinds[*folder];
    FolderText(t, "sub_folder", entry.subFolder);
    if (auto copy = t.Choice("copy", kCopyWords)) entry.copyMode = kCopyModes[*copy];
    source.compress = compressByDefault;
    t.Bool("compress", source.compress);
    entry.compressed = source.compress;
    for (std::size_t i : t.Choices("shortcuts", kShortcutWords)) {
      if (i == kQuickLaunch)
        entry.quickLaunch = true;
      else
        entry.shortcutFlags |= 1 << i;  // desktop, start menu and program group are bits 0 to 2
    }
    t.Text("shortcut_name", entry.shortcutName);
    t.Text("shortcut_description", entry.shortcutDescription);
    FolderText(t, "group_folder", entry.groupSubFolder);
    entry.logged = true;
    t.Bool("logged", entry.logged);
    ReadFileTime(t, entry, source);
    t.Int("disk", entry.disk, 0, kDiskCount);
    if (entry.disk > 0 && m.config.disks[entry.disk - 1].volumeName.empty())
      t.Fail("disk", "disk " + std::to_string(entry.disk) +
                         " has no volume file name: add a [[disk]] with number = " +
                         std::to_string(entry.disk) + " and its volume");
    CheckUniqueDestination(t, m.config.files, destinations);
    t.CheckUnknown();
  }
}

toml::table ParseToml(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) throw UserError("setupkit: cannot read manifest '" + path + "'");
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return toml::parse(text.str(), path);
  } catch (const toml::parse_error& e) {
    throw UserError(path + ":" + std::to_string(e.source().begin.line) + ": " +
                    std::string(e.description()));
  }
}

}  // namespace

std::string FormatManifestError(const std::string& fileName, const Origin& origin,
                                const std::string& message) {
  return fileName + ":" + std::to_string(origin.line) + ": key '" + origin.key + "': " + message;
}

Manifest LoadManifest(const std::string& path) {
  const toml::table document = ParseToml(path);
  Manifest m;
  m.fileName = path;
  ManifestContext context{path, std::filesystem::u8path(path).parent_path().string(), {}};
  TableReader root(document, "", context, 1);

  const toml::node* product = root.Node("product");
  if (!product || !product->as_string() || product->as_string()->get().empty())
    root.Fail("product", "the product name is required");
  std::string productName;
  root.Text("product", productName);  // checks the GBK form before the defaults use it
  const Language language =
      root.Choice("language", kLanguages).value_or(0) == 1 ? Language::kChinese : Language::kEnglish;

  m.config = DefaultConfig(language, product->as_string()->get());
  context.origins.clear();
  root.Text("product", m.config.productName);
  root.Text("version", m.config.version);
  root.Text("release_date", m.config.releaseDate);
  root.Text("product_key", m.config.productKey);
  root.Int("compression_level", m.compressionLevel, 0, 9);
  bool compress = true;
  root.Bool("compress", compress);
  if (const toml::node* space = root.Node("required_space_mb")) {
    if (!space->is_number() || space->value<double>().value_or(-1) < 0)
      root.Fail("required_space_mb", "expected a number of megabytes");
    // Every digit the number has: a stream's default six would turn 1234567 into 1.23457e+06.
    std::array<char, 400> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(),
                                       space->value<double>().value_or(0), std::chars_format::fixed);
    m.config.requiredMegabytes.assign(text.data(), written.ptr);
  }

  ReadWelcome(root, m.config);
  ReadAgreement(root, m.config);
  ReadFolder(root, m.config);
  ReadCopying(root, m.config);
  ReadFinish(root, m.config);
  ReadUiTexts(root, "buttons", kButtonKeys, m.config);
  ReadUiTexts(root, "questions", kQuestionKeys, m.config);
  ReadUninstall(root, m.config);
  ReadMedia(root, m);
  ReadBackground(root, m, language);
  ReadSplash(root, m, language);
  ReadFileTypes(root, m.config);
  ReadContextMenu(root, m.config);
  ReadPostInstall(root, m.config);
  ReadDisks(root, m.config, language);
  ReadFiles(root, m, compress);
  root.CheckUnknown();

  CheckManifest(m, context);
  return m;
}

}  // namespace sk::tool
