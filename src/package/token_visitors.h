// The two visitors that turn a layout into tokens and back; shared by the setup configuration
// and the uninstaller settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gbk.h"
#include "package_trailer.h"
#include "setup_layout.h"
#include "token_list.h"

namespace sk {

class TokenReader {
 public:
  explicit TokenReader(CTokenList& tokens) : tokens_(tokens) {}

  void Text(FieldName, std::string& out, std::size_t width) {
    out.assign(CutOnCharBoundary(tokens_.NextToken(), width - 1));
  }
  void String(FieldName, std::string& out) { out = tokens_.NextToken(); }
  void Number(FieldName, std::int32_t& out) { out = ParseDecimal(tokens_.NextToken()); }
  void Boolean(FieldName, bool& out) { out = tokens_.NextToken() == "TRUE"; }
  void Folder(FieldName, std::int32_t& out) { out = FolderKindFromKeyword(tokens_.NextToken()); }
  void Copy(FieldName, std::int32_t& out) { out = CopyModeFromKeyword(tokens_.NextToken()); }
  void Ignore(int count) {
    for (int i = 0; i < count; ++i) tokens_.NextToken();
  }
  // Filler tokens close a list; nothing reads them.
  void Filler(std::string_view, int) {}

 private:
  CTokenList& tokens_;
};

class TokenWriter {
 public:
  explicit TokenWriter(CTokenList& tokens) : tokens_(tokens) {}

  void Text(FieldName, const std::string& in, std::size_t) { tokens_.Append(in); }
  void String(FieldName, const std::string& in) { tokens_.Append(in); }
  void Number(FieldName, std::int32_t in) { tokens_.Append(std::to_string(in)); }
  void Boolean(FieldName, bool in) { tokens_.Append(in ? "TRUE" : "FALSE"); }
  void Folder(FieldName, std::int32_t in) { tokens_.Append(FolderKindKeyword(in)); }
  void Copy(FieldName, std::int32_t in) { tokens_.Append(CopyModeKeyword(in)); }
  void Ignore(int count) { Filler("", count); }
  void Filler(std::string_view word, int count) {
    for (int i = 0; i < count; ++i) tokens_.Append(word);
  }

 private:
  CTokenList& tokens_;
};

}  // namespace sk
