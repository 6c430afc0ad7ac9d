// The texts a package gets for every key the manifest leaves out, in English or Chinese.
#pragma once

#include <string>

#include "package/setup_config.h"

namespace sk::tool {

enum class Language { kEnglish, kChinese };

// A configuration whose every text is the default for the language, with the product's name
// (UTF-8) put where the texts mention it; texts are GBK.
SetupConfig DefaultConfig(Language language, const std::string& productUtf8);

// The default prompt of the insert-disk dialog for disk 1 to 7, GBK.
std::string DefaultDiskPrompt(Language language, int disk);

}  // namespace sk::tool
