#include "inspect.h"

#include <cstdio>

#include "gbk_text.h"
#include "package/setup_layout.h"
#include "package/uninstall_settings.h"

namespace sk::tool {
namespace {

class JsonVisitor {
 public:
  explicit JsonVisitor(Json& out) : out_(out) {}

  void Text(FieldName f, const std::string& v, std::size_t) { Put(f, GbkToUtf8(v)); }
  void String(FieldName f, const std::string& v) { Put(f, GbkToUtf8(v)); }
  void Number(FieldName f, std::int32_t v) { Put(f, v); }
  void Boolean(FieldName f, bool v) { Put(f, v); }
  void Folder(FieldName f, std::int32_t v) { Put(f, std::string(FolderKindKeyword(v))); }
  void Copy(FieldName f, std::int32_t v) { Put(f, std::string(CopyModeKeyword(v))); }
  void Ignore(int) {}
  void Filler(std::string_view, int) {}

 private:
  // Array fields become JSON arrays indexed as the layout counts them; a slot that is not part
  // of the array (the agreement text's slot, disk 0) stays null.
  void Put(FieldName f, Json value) {
    if (f.index < 0)
      out_[f.name] = std::move(value);
    else
      out_[f.name][static_cast<std::size_t>(f.index)] = std::move(value);
  }
  Json& out_;
};

Json Block(const char* name, const BlockRef& ref) {
  return Json{{"block", name}, {"offset", ref.offset}, {"length", ref.length}};
}

Json MediaOf(const SetupConfig& c) {
  Json media = Json::array();
  const auto add = [&](const char* name, const BlockRef& ref) {
    if (ref.present()) media.push_back(Block(name, ref));
  };
  add(c.sideIsFlash ? "side_movie" : "side_picture", c.sidePicture);
  add("icon", c.icon);
  add("background_picture", c.backgroundPicture);
  add("splash_picture", c.splashPicture);
  add("music", c.music);
  add("animation", c.animation);
  return media;
}

std::string Scalar(const Json& v) { return v.is_string() ? v.get<std::string>() : v.dump(); }

void Flatten(const std::string& prefix, const Json& value, std::string& out) {
  if (value.is_object()) {
    for (const auto& [key, item] : value.items())
      Flatten(prefix.empty() ? key : prefix + "." + key, item, out);
  } else if (value.is_array()) {
    for (std::size_t i = 0; i < value.size(); ++i)
      if (!value[i].is_null()) Flatten(prefix + "[" + std::to_string(i) + "]", value[i], out);
  } else {
    out += prefix + ": " + Scalar(value) + "\n";
  }
}

std::string FileTable(const Json& files) {
  std::string out = "files (" + std::to_string(files.size()) + "):\n";
  char line[64];
  for (const Json& f : files) {
    std::string destination = f["folder"].get<std::string>();
    if (!f["sub_folder"].get<std::string>().empty())
      destination += "\\" + f["sub_folder"].get<std::string>();
    std::snprintf(line, sizeof line, "  disk %d  offset %d  size %d  ", f["disk"].get<int>(),
                  f["offset"].get<int>(), f["size"].get<int>());
    out += line + std::string(f["compressed"].get<bool>() ? "zip  " : "plain  ") +
           f["copy_mode"].get<std::string>() + "  " + destination + "\\" +
           f["name"].get<std::string>() + "\n";
  }
  return out;
}

}  // namespace

Json InspectJson(const OpenedPackage& package) {
  Json out;
  out["file"] = package.path;
  out["kind"] = package.kind == PackageKind::kSetup ? "setup" : "uninstaller";
  out["size"] = package.fileSize;
  out["trailer"] = {{"length", package.trailer.length}, {"offset", package.trailer.offset}};
  if (package.kind == PackageKind::kUninstaller) {
    const UninstallSettings settings = ReadUninstaller(package);
    JsonVisitor visitor(out["settings"]);
    VisitUninstallSettings(visitor, settings);
    return out;
  }
  const Json config = ConfigJson(ReadSetup(package));
  for (const auto& [key, value] : config.items()) out[key] = value;
  return out;
}

Json ConfigJson(const SetupConfig& config) {
  Json out;
  JsonVisitor header(out["config"]);
  VisitSetupHeader(header, config);
  out["files"] = Json::array();
  for (const FileEntry& entry : config.files) {
    Json file;
    JsonVisitor visitor(file);
    VisitFileEntry(visitor, entry);
    out["files"].push_back(std::move(file));
  }
  out["media"] = MediaOf(config);
  return out;
}

Json TokensJson(const OpenedPackage& package) {
  Json tokens = Json::array();
  for (const std::string& token : SplitTokens(package.tokenText)) tokens.push_back(GbkToUtf8(token));
  return tokens;
}

std::string InspectText(const Json& inspected) {
  std::string out;
  for (const auto& [key, value] : inspected.items())
    if (key != "files") Flatten(key, value, out);
  if (inspected.contains("files")) out += FileTable(inspected["files"]);
  return out;
}

}  // namespace sk::tool
