// A folder with a manifest, its source files and a stand-in stub, for building packages with
// the tool's own code.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manifest.h"
#include "support/temp_dir.h"

namespace sk::tool::test {

class ToolFixture : public ::testing::Test {
 protected:
  // Writes a file below the folder, creating its folders; returns its path.
  std::string Write(const std::string& name, const std::string& bytes);
  // A file that passes for a bare setup.exe: it carries the stub marker.
  std::string Stub();
  // Writes setup.toml from lines (line n of the manifest is lines[n - 1]) and loads it.
  Manifest Load(const std::vector<std::string>& lines);
  // Loads and builds into setup.exe beside the manifest; returns the package path.
  std::string Build(const std::vector<std::string>& lines);
  // Every file below the folder, relative, sorted.
  std::vector<std::string> Listing() const;
  std::string ManifestPath() const { return dir.File("setup.toml"); }
  std::string OutputPath() const { return dir.File("setup.exe"); }

  sk::test::TempDir dir;
};

// A case title as a gtest name: letters and digits, the rest '_'.
std::string TestName(const std::string& title);

// A few kilobytes of bytes that compress somewhat, from a seed.
std::string SampleBytes(std::size_t size, unsigned seed);

}  // namespace sk::tool::test
