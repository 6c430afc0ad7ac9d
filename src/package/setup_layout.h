// The token layout of the setup configuration, described once.
//
// A visitor walks the fields in token order; the reader, the writer, the validator and the
// authoring tool's inspector are visitors. Tokens are counted from 1:
//   1-160    five groups of 32: twelve page texts each (text(256)), 20 ignored
//   161-192  general            193-224  background window and splash
//   225-256  registry and uninstall instructions
//   257-288  the nineteen interface texts, 13 ignored
//   289-320  space, music, post-install program, animation, uninstall entry
//   321-352  seven disk records of four tokens, 4 ignored
//   353-     one group of 32 per file; an empty file name ends the list
//
// A visitor provides:
//   Text(FieldName, std::string&, std::size_t width)   text(width): at most width - 1 bytes; a
//                                                       longer token is cut on a character
//                                                       boundary when read
//   String(FieldName, std::string&)                     no limit but the token limit
//   Number(FieldName, std::int32_t&)                    decimal, as atol reads it
//   Boolean(FieldName, bool&)                           true only for exactly "TRUE"
//   Folder(FieldName, std::int32_t&)                    FolderKind keyword
//   Copy(FieldName, std::int32_t&)                      CopyMode keyword
//   Ignore(int count)                                   tokens read and thrown away, written empty
// with const or non-const references, as the visitor needs.
#pragma once

#include <cstdint>
#include <string_view>

#include "setup_config.h"

namespace sk {

// A field's name for messages and the inspector; index is -1 for a field that is no array item.
struct FieldName {
  const char* name;
  int index = -1;
};

inline constexpr int kGroupTokens = 32;
inline constexpr int kHeaderTokens = 352;
inline constexpr int kPageTextWidth = 256;

inline constexpr const char* kPageNames[kPageCount] = {"welcome", "agreement", "folder", "copying",
                                                       "finish"};

template <class V, class C>
void VisitSetupHeader(V& v, C& c) {
  for (int page = 0; page < kPageCount; ++page) {
    for (int slot = 0; slot < kPageSlots; ++slot) {
      if (page == kAgreementPage && slot == 2)
        v.String({"agreement_text"}, c.agreementText);
      else
        v.Text({kPageNames[page], slot}, c.pageTexts[page][slot], kPageTextWidth);
    }
    v.Ignore(kGroupTokens - kPageSlots);
  }

  v.Text({"product_name"}, c.productName, 256);
  v.Text({"readme"}, c.readme, 256);
  v.Text({"run_program"}, c.runProgram, 256);
  v.Number({"side_picture_length"}, c.sidePicture.length);
  v.Number({"side_picture_offset"}, c.sidePicture.offset);
  v.Boolean({"side_is_flash"}, c.sideIsFlash);
  v.Number({"icon_length"}, c.icon.length);
  v.Number({"icon_offset"}, c.icon.offset);
  for (int t = 0; t < 2; ++t) {
    v.Text({"file_type_program", t}, c.fileTypes[t].program, 256);
    v.Text({"file_type_extension", t}, c.fileTypes[t].extension, 4);
    v.Number({"file_type_icon_index", t}, c.fileTypes[t].iconIndex);
  }
  v.Number({"required_bytes"}, c.requiredBytes);
  v.Ignore(17);

  v.Boolean({"background_enabled"}, c.backgroundEnabled);
  v.Number({"background_picture_length"}, c.backgroundPicture.length);
  v.Number({"background_picture_offset"}, c.backgroundPicture.offset);
  v.Text({"background_title"}, c.backgroundTitle, 68);
  v.Number({"background_color"}, c.backgroundColor);
  v.Boolean({"background_title_bar"}, c.backgroundTitleBar);
  v.String({"headline"}, c.headline);
  v.String({"headline_font"}, c.headlineFont);
  v.Number({"headline_color"}, c.headlineColor);
  v.Number({"background_fill"}, c.backgroundFill);
  v.Number({"splash_picture_length"}, c.splashPicture.length);
  v.Number({"splash_picture_offset"}, c.splashPicture.offset);
  v.Text({"preparing_caption"}, c.preparingCaption, 65);
  v.Text({"preparing_message"}, c.preparingMessage, 255);
  v.Number({"splash_millis"}, c.splashMillis);
  v.String({"preparing_font"}, c.preparingFont);
  v.Ignore(16);

  for (int k = 0; k < 2; ++k) v.String({"remove_key", k}, c.removeKeys[k]);
  for (int k = 0; k < 2; ++k) v.String({"remove_value", k}, c.removeValues[k]);
  v.String({"product_key"}, c.productKey);
  v.String({"release_date"}, c.releaseDate);
  v.String({"version"}, c.version);
  v.String({"file_menu_name"}, c.fileMenuName);
  v.String({"file_menu_program"}, c.fileMenuProgram);
  v.String({"folder_menu_name"}, c.folderMenuName);
  v.String({"folder_menu_program"}, c.folderMenuProgram);
  v.Ignore(21);

  for (int i = 0; i < kUiTextCount; ++i) v.String({"ui_text", i}, c.uiTexts[i]);
  v.Ignore(kGroupTokens - kUiTextCount);

  v.String({"required_megabytes"}, c.requiredMegabytes);
  v.String({"music_extension"}, c.musicExtension);
  v.Number({"music_length"}, c.music.length);
  v.Number({"music_offset"}, c.music.offset);
  v.Boolean({"no_uninstaller"}, c.noUninstaller);
  v.String({"post_install_program"}, c.postInstallProgram);
  v.String({"post_install_parameters"}, c.postInstallParameters);
  v.Boolean({"post_install_temporary"}, c.postInstallTemporary);
  v.Number({"animation_length"}, c.animation.length);
  v.Number({"animation_offset"}, c.animation.offset);
  v.String({"uninstall_display_name"}, c.uninstallDisplayName);
  v.Ignore(21);

  for (int d = 0; d < kDiskCount; ++d) {
    v.Text({"disk_volume_name", d + 1}, c.disks[d].volumeName, 32);
    v.Text({"disk_prompt", d + 1}, c.disks[d].prompt, 64);
    v.Ignore(2);  // two numbers nothing reads
  }
  v.Ignore(4);
}

// One file group of 32 tokens: the name, then the rest. The reader stops at an empty name.
template <class V, class E>
void VisitFileEntryName(V& v, E& e) {
  v.Text({"name"}, e.name, 256);
}

template <class V, class E>
void VisitFileEntryRest(V& v, E& e) {
  v.Folder({"folder"}, e.folderKind);
  v.Text({"sub_folder"}, e.subFolder, 128);
  v.Number({"shortcut_flags"}, e.shortcutFlags);
  v.Copy({"copy_mode"}, e.copyMode);
  v.Number({"size"}, e.size);
  v.Number({"offset"}, e.offset);
  v.Boolean({"compressed"}, e.compressed);
  v.Text({"shortcut_description"}, e.shortcutDescription, 64);
  v.Text({"group_sub_folder"}, e.groupSubFolder, 128);
  v.Text({"shortcut_name"}, e.shortcutName, 64);
  v.Boolean({"logged"}, e.logged);
  v.Boolean({"quick_launch"}, e.quickLaunch);
  v.Text({"date"}, e.date, 64);
  v.Number({"disk"}, e.disk);
  v.Ignore(17);
}

template <class V, class E>
void VisitFileEntry(V& v, E& e) {
  VisitFileEntryName(v, e);
  VisitFileEntryRest(v, e);
}

std::int32_t FolderKindFromKeyword(std::string_view keyword);
std::string_view FolderKindKeyword(std::int32_t kind);  // "INSTALL_FOLDER" for any other kind
std::int32_t CopyModeFromKeyword(std::string_view keyword);
std::string_view CopyModeKeyword(std::int32_t mode);  // "ALWAYS_COPY" for any other mode

}  // namespace sk
