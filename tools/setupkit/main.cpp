// setupkit: builds, inspects and extracts setup packages.
#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "user_error.h"

using namespace sk::tool;

int main(int argc, char** argv) {
  CLI::App app{"setupkit: builds, inspects and extracts setup packages"};
  app.require_subcommand(1);

  BuildCommand build;
  auto* buildCmd = app.add_subcommand("build", "build a setup.exe from a manifest");
  buildCmd->add_option("manifest", build.manifest, "the manifest (setup.toml)")->required();
  buildCmd->add_option("-o,--output", build.output, "the setup file to write");
  buildCmd->add_option("--stub", build.stub, "the bare setup.exe to append the package to");

  std::string file, folder;
  bool json = false, tokens = false;
  auto* inspectCmd = app.add_subcommand("inspect", "show what a setup.exe or unwise.exe holds");
  inspectCmd->add_option("file", file, "the package")->required();
  inspectCmd->add_flag("--json", json, "print JSON");
  inspectCmd->add_flag("--tokens", tokens, "print the raw descrambled token list as JSON");

  auto* extractCmd = app.add_subcommand("extract", "write out every file and media block");
  extractCmd->add_option("file", file, "the package")->required();
  extractCmd->add_option("-d,--dir", folder, "the folder to write into")->required();

  auto* newCmd = app.add_subcommand("new", "write a starter manifest with example assets");
  newCmd->add_option("dir", folder, "the folder to write into")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : kUserErrorStatus;
  }

  try {
    if (*buildCmd) return RunBuild(build, std::cout);
    if (*inspectCmd) return RunInspect(file, json, tokens, std::cout);
    if (*extractCmd) return RunExtract(file, folder, std::cout);
    return RunNew(folder, std::cout);
  } catch (const UserError& e) {
    std::cerr << e.what() << "\n";
    return kUserErrorStatus;
  } catch (const std::exception& e) {
    std::cerr << "setupkit: " << e.what() << "\n";
    return kFailureStatus;
  }
}
