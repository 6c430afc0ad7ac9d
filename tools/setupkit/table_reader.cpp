#include "table_reader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "gbk_text.h"
#include "user_error.h"

namespace sk::tool {

namespace {

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

}  // namespace

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

TableReader::TableReader(const toml::table& table, std::string prefix,
                         ManifestContext& context, int line)
    : table_(&table), prefix_(std::move(prefix)), context_(&context), line_(line) {}

const toml::node* TableReader::Node(std::string_view key) {
  known_.emplace(key);
  return table_->get(key);
}

bool TableReader::Has(std::string_view key) { return Node(key) != nullptr; }

void TableReader::Remember(const std::string& field, std::string_view key) const {
  context_->origins[&field] = OriginOf(key);
}

Origin TableReader::Self() const {
  return {line_, prefix_.empty() ? std::string() : prefix_.substr(0, prefix_.size() - 1)};
}

TableReader TableReader::Item(std::string_view key, const toml::table& item) const {
  return TableReader(item, prefix_ + std::string(key) + ".", *context_, OriginOf(key).line);
}

Origin TableReader::OriginOf(std::string_view key) const {
  const toml::node* node = table_->get(key);
  return {node ? LineOf(*node) : line_, prefix_ + std::string(key)};
}

void TableReader::Fail(std::string_view key, const std::string& message) const {
  throw UserError(FormatManifestError(context_->fileName, OriginOf(key), message));
}

std::string TableReader::GbkOf(std::string_view key, const toml::node& node) const {
  const auto* text = node.as_string();
  if (!text) Fail(key, "expected a text");
  auto gbk = Utf8ToGbk(text->get());
  if (!gbk) Fail(key, "text has a character with no GBK form: \"" + text->get() + "\"");
  return *gbk;
}

std::optional<std::string> TableReader::TextValue(std::string_view key) {
  const toml::node* node = Node(key);
  if (!node) return std::nullopt;
  return GbkOf(key, *node);
}

void TableReader::Text(std::string_view key, std::string& out) {
  if (auto text = TextValue(key)) {
    out = std::move(*text);
    Remember(out, key);
  }
}

void TableReader::Texts(std::string_view key, std::span<std::string> out) {
  const toml::node* node = Node(key);
  if (!node) return;
  const auto* array = node->as_array();
  if (!array) Fail(key, "expected an array of texts");
  if (array->size() > out.size())
    Fail(key, "at most " + std::to_string(out.size()) + " lines, not " +
                  std::to_string(array->size()));
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = i < array->size() ? GbkOf(key, *array->get(i)) : std::string();
    Remember(out[i], key);
  }
}

void TableReader::Bool(std::string_view key, bool& out) {
  const toml::node* node = Node(key);
  if (!node) return;
  const auto* value = node->as_boolean();
  if (!value) Fail(key, "expected true or false");
  out = value->get();
}

void TableReader::Int(std::string_view key, std::int32_t& out, std::int32_t min,
                      std::int32_t max) {
  const toml::node* node = Node(key);
  if (!node) return;
  const auto* value = node->as_integer();
  if (!value) Fail(key, "expected a whole number");
  if (value->get() < min || value->get() > max)
    Fail(key, std::to_string(value->get()) + " is outside " + std::to_string(min) + " to " +
                  std::to_string(max));
  out = static_cast<std::int32_t>(value->get());
}

std::optional<std::size_t> WordIndex(std::span<const std::string_view> words, std::string_view word) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == word) return i;
  return std::nullopt;
}

namespace {

std::string WordList(std::span<const std::string_view> words) {
  std::string list;
  for (auto w : words) list += (list.empty() ? "" : ", ") + std::string(w);
  return list;
}

}  // namespace

std::optional<std::size_t> TableReader::Choice(std::string_view key,
                                               std::span<const std::string_view> words) {
  const toml::node* node = Node(key);
  if (!node) return std::nullopt;
  const auto* text = node->as_string();
  if (auto index = text ? WordIndex(words, text->get()) : std::nullopt) return index;
  Fail(key, "expected one of " + WordList(words));
}

std::vector<std::size_t> TableReader::Choices(std::string_view key,
                                              std::span<const std::string_view> words) {
  std::vector<std::size_t> indexes;
  const toml::node* node = Node(key);
  if (!node) return indexes;
  const auto* array = node->as_array();
  if (!array) Fail(key, "expected an array of words out of " + WordList(words));
  for (const toml::node& item : *array) {
    const auto* text = item.as_string();
    auto index = text ? WordIndex(words, text->get()) : std::nullopt;
    if (!index) Fail(key, "expected words out of " + WordList(words));
    indexes.push_back(*index);
  }
  return indexes;
}

std::optional<BlockSource> TableReader::Source(std::string_view key) {
  const toml::node* node = Node(key);
  if (!node) return std::nullopt;
  const auto* text = node->as_string();
  if (!text || text->get().empty()) Fail(key, "expected a file name");
  const std::filesystem::path path =
      std::filesystem::path(context_->folder) / std::filesystem::u8path(text->get());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary))
    Fail(key, "cannot read source file '" + text->get() + "'");
  return BlockSource{path.string(), OriginOf(key)};
}

std::optional<TableReader> TableReader::Table(std::string_view key) {
  const toml::node* node = Node(key);
  if (!node) return std::nullopt;
  const auto* table = node->as_table();
  if (!table) Fail(key, "expected a table");
  return TableReader(*table, prefix_ + std::string(key) + ".", *context_, LineOf(*node));
}

std::vector<TableReader> TableReader::Tables(std::string_view key, std::size_t maxCount) {
  std::vector<TableReader> tables;
  const toml::node* node = Node(key);
  if (!node) return tables;
  const auto* array = node->as_array();
  if (!array || !array->is_array_of_tables()) Fail(key, "expected [[" + std::string(key) + "]] tables");
  if (array->size() > maxCount)
    Fail(key, "at most " + std::to_string(maxCount) + " entries");
  for (const toml::node& item : *array)
    tables.emplace_back(*item.as_table(), prefix_ + std::string(key) + ".", *context_,
                        LineOf(item));
  return tables;
}

void TableReader::CheckUnknown() const {
  for (const auto& [key, node] : *table_) {
    if (known_.count(key.str())) continue;
    std::string nearest;
    std::size_t best = SIZE_MAX;
    for (const auto& k : known_) {
      const std::size_t d = EditDistance(key.str(), k);
      if (d < best) best = d, nearest = k;
    }
    std::string message = "unknown key";
    if (!nearest.empty()) message += "; did you mean '" + prefix_ + nearest + "'?";
    throw UserError(FormatManifestError(
        context_->fileName, {static_cast<int>(key.source().begin.line), prefix_ + std::string(key.str())},
        message));
  }
}

}  // namespace sk::tool
