// Typed access to one TOML table of the manifest. Every key asked for becomes a known key of the
// table; CheckUnknown then rejects any other key, suggesting the nearest known one.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <toml++/toml.h>

#include "manifest.h"

namespace sk::tool {

struct ManifestContext {
  std::string fileName;  // for messages
  std::string folder;    // paths in the manifest are relative to it
  // Text fields that the manifest set, by their address in the manifest being loaded, so that
  // the checks after reading can name the key and line of a text that does not fit.
  std::map<const void*, Origin> origins;
};

class TableReader {
 public:
  TableReader(const toml::table& table, std::string prefix, ManifestContext& context,
              int line);

  bool Has(std::string_view key);
  // Texts arrive as UTF-8 and are stored as GBK; a text without a GBK form is an error.
  void Text(std::string_view key, std::string& out);
  // The same for a text that is only part of a field.
  std::optional<std::string> TextValue(std::string_view key);
  // An array of texts into consecutive slots; more items than slots is an error.
  void Texts(std::string_view key, std::span<std::string> out);
  void Bool(std::string_view key, bool& out);
  void Int(std::string_view key, std::int32_t& out, std::int32_t min, std::int32_t max);
  // A word out of a fixed set; returns its index.
  std::optional<std::size_t> Choice(std::string_view key, std::span<const std::string_view> words);
  // An array of such words; returns their indexes.
  std::vector<std::size_t> Choices(std::string_view key, std::span<const std::string_view> words);
  // A file named relative to the manifest, which must be readable.
  std::optional<BlockSource> Source(std::string_view key);
  const toml::node* Node(std::string_view key);
  std::optional<TableReader> Table(std::string_view key);
  // A reader for an inline table that is an item of the array at key.
  TableReader Item(std::string_view key, const toml::table& item) const;
  std::vector<TableReader> Tables(std::string_view key, std::size_t maxCount);

  void CheckUnknown() const;
  [[noreturn]] void Fail(std::string_view key, const std::string& message) const;
  Origin OriginOf(std::string_view key) const;
  // The table itself: its line and its name.
  Origin Self() const;
  void Remember(const std::string& field, std::string_view key) const;
  const ManifestContext& context() const { return *context_; }

 private:
  std::string GbkOf(std::string_view key, const toml::node& node) const;

  const toml::table* table_;
  std::string prefix_;
  ManifestContext* context_;
  int line_;
  std::set<std::string, std::less<>> known_;
};

// The index of word in words.
std::optional<std::size_t> WordIndex(std::span<const std::string_view> words, std::string_view word);

// Levenshtein distance, for suggestions.
std::size_t EditDistance(std::string_view a, std::string_view b);

}  // namespace sk::tool
