// Writes every file entry (decompressed) and every media block of a package into a folder,
// for auditing: files under files/<FOLDER_KIND>/<sub-folder>/<name>, blocks under media/.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sk::tool {

struct ExtractSummary {
  std::size_t files = 0;
  std::size_t blocks = 0;
};

// Throws UserError for a damaged package, naming the entry.
ExtractSummary ExtractPackage(const std::string& packagePath, const std::string& folder);

// The components of a GBK path as UTF-8, without empty, "." and ".." parts, so that nothing
// a package says can reach outside the extraction folder.
std::vector<std::string> SafeComponents(const std::string& gbkPath);

}  // namespace sk::tool
