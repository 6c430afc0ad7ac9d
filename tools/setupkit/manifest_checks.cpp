#include "manifest_checks.h"

#include "package/setup_layout.h"
#include "package/token_list.h"
#include "user_error.h"

namespace sk::tool {
namespace {

std::string FieldLabel(FieldName field) {
  std::string label = field.name;
  if (field.index >= 0) label += "[" + std::to_string(field.index) + "]";
  return label;
}

class TextChecker {
 public:
  TextChecker(const ManifestContext& context, Origin product)
      : context_(context), product_(std::move(product)) {}

  void Text(FieldName field, const std::string& text, std::size_t width) {
    String(field, text);
    if (text.size() > width - 1)
      Fail(field, text,
           "text is " + std::to_string(text.size()) + " bytes in GBK; the field holds at most " +
               std::to_string(width - 1) + " bytes");
  }
  void String(FieldName field, const std::string& text) {
    for (char c : text)
      if (c == 0x00 || c == 0x07 || c == 0x08)
        Fail(field, text, "text contains the byte 0x0" + std::to_string(int(c)) +
                              ", which a package cannot hold");
    if (text.size() > kMaxTokenBytes)
      Fail(field, text, "text is " + std::to_string(text.size()) +
                            " bytes in GBK; a text holds at most " +
                            std::to_string(kMaxTokenBytes) + " bytes");
  }
  void Number(FieldName, std::int32_t) {}
  void Boolean(FieldName, bool) {}
  void Folder(FieldName, std::int32_t) {}
  void Copy(FieldName, std::int32_t) {}
  void Ignore(int) {}

 private:
  [[noreturn]] void Fail(FieldName field, const std::string& text, const std::string& message) {
    auto found = context_.origins.find(&text);
    if (found != context_.origins.end())
      throw UserError(FormatManifestError(context_.fileName, found->second, message));
    // Only a default can lack an origin, and the only defaults that can be too long are the
    // ones that quote the product name.
    throw UserError(FormatManifestError(
        context_.fileName, product_,
        "the default of '" + FieldLabel(field) + "' quotes the product name and becomes too long (" +
            message + "); set it yourself"));
  }

  const ManifestContext& context_;
  Origin product_;
};

// The pages refuse to be left while one of the texts they show is longer than they take: the
// user could never get past them. Lines and prompts take 47 bytes, the agreement 4096.
constexpr std::size_t kPageLineBytes = 47;
constexpr std::size_t kAgreementBytes = 4096;

struct PageLines {
  PageIndex page;
  int slots;  // the first slots of the page's texts
};
constexpr PageLines kShownLines[] = {{kWelcomePage, kPageSlots}, {kAgreementPage, 2}, {kFolderPage, 4}};

}  // namespace

void CheckManifest(const Manifest& manifest, const ManifestContext& context) {
  const auto product = context.origins.find(&manifest.config.productName);
  TextChecker checker(context, product != context.origins.end() ? product->second
                                                                 : Origin{1, "product"});
  VisitSetupHeader(checker, manifest.config);
  for (const PageLines& shown : kShownLines)
    for (int slot = 0; slot < shown.slots; ++slot)
      checker.Text({kPageNames[shown.page], slot}, manifest.config.pageTexts[shown.page][slot], kPageLineBytes + 1);
  checker.Text({"agreement_text"}, manifest.config.agreementText, kAgreementBytes + 1);
  for (const FileEntry& entry : manifest.config.files) VisitFileEntry(checker, entry);
}

}  // namespace sk::tool
