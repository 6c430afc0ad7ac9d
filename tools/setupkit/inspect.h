// What a package holds, by the layout's field names: as JSON, as text lines, or as the raw
// token list.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "package_reader.h"

namespace sk::tool {

using Json = nlohmann::ordered_json;

// setup.exe: trailer, "config" (every header field), "files", "media";
// unwise.exe: trailer and "settings". Texts are decoded from GBK.
Json InspectJson(const OpenedPackage& package);

// "config", "files" and "media" of a configuration, as InspectJson shows them.
Json ConfigJson(const SetupConfig& config);

// The raw descrambled tokens, token 1 first.
Json TokensJson(const OpenedPackage& package);

// "key: value" lines and a table of the files.
std::string InspectText(const Json& inspected);

}  // namespace sk::tool
