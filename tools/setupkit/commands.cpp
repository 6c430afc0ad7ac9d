#include "commands.h"

#include <filesystem>

#include "extract.h"
#include "inspect.h"
#include "manifest.h"
#include "package_writer.h"
#include "starter.h"
#include "stub_check.h"
#include "user_error.h"

namespace sk::tool {

int RunBuild(const BuildCommand& command, std::ostream& out) {
  Manifest manifest = LoadManifest(command.manifest);
  BuildOptions options;
  options.stubPath = command.stub.empty() ? DefaultStubPath() : command.stub;
  options.outputPath =
      command.output.empty()
          ? (std::filesystem::u8path(command.manifest).parent_path() / "setup.exe").string()
          : command.output;
  std::error_code ec;
  if (command.stub.empty() && !std::filesystem::exists(options.stubPath, ec))
    throw UserError("setupkit: no setup.exe beside the tool at '" + options.stubPath +
                    "'; give the stub with --stub PATH");
  if (std::filesystem::equivalent(options.stubPath, options.outputPath, ec))
    throw UserError("setupkit: the output '" + options.outputPath + "' would replace the stub");
  ProgressBar progress(StderrIsTerminal());
  BuildPackage(manifest, options, progress);
  out << "built " << options.outputPath << " with " << manifest.config.files.size() << " files\n";
  return 0;
}

int RunInspect(const std::string& file, bool json, bool tokens, std::ostream& out) {
  const OpenedPackage package = OpenPackage(file);
  // Texts are valid UTF-8 by now; only a file name given by the user could be otherwise.
  const auto dump = [](const Json& j) { return j.dump(2, ' ', false, Json::error_handler_t::replace); };
  if (tokens)
    out << dump(TokensJson(package)) << "\n";
  else if (json)
    out << dump(InspectJson(package)) << "\n";
  else
    out << InspectText(InspectJson(package));
  return 0;
}

int RunExtract(const std::string& file, const std::string& folder, std::ostream& out) {
  const ExtractSummary summary = ExtractPackage(file, folder);
  out << "extracted " << summary.files << " files and " << summary.blocks << " media blocks to "
      << folder << "\n";
  return 0;
}

int RunNew(const std::string& folder, std::ostream& out) {
  WriteStarter(folder);
  out << "wrote a starter manifest to " << folder
      << "; build it with: setupkit build " << (std::filesystem::u8path(folder) / "setup.toml").string()
      << "\n";
  return 0;
}

}  // namespace sk::tool
