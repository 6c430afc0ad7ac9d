// The four commands of setupkit, each returning the program's exit status.
#pragma once

#include <ostream>
#include <string>

namespace sk::tool {

struct BuildCommand {
  std::string manifest;
  std::string output;  // default: the manifest's folder, "setup.exe"
  std::string stub;    // default: the setup.exe beside the tool
};

int RunBuild(const BuildCommand& command, std::ostream& out);
int RunInspect(const std::string& file, bool json, bool tokens, std::ostream& out);
int RunExtract(const std::string& file, const std::string& folder, std::ostream& out);
int RunNew(const std::string& folder, std::ostream& out);

}  // namespace sk::tool
