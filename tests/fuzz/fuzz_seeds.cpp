// Writes seed inputs for the fuzz targets: packages and blocks made by our own writer.
#include <minizip/zip.h>

#include <filesystem>
#include <string>

#include "package/package_trailer.h"
#include "package/setup_config.h"
#include "package/setup_log.h"
#include "package/token_list.h"
#include "package/uninstall_settings.h"
#include "support/temp_dir.h"
#include "support/test_package.h"

namespace fs = std::filesystem;

namespace {

sk::SetupConfig Sample(int files) {
  sk::SetupConfig c;
  c.productName = "\xb2\xe2\xca\xd4 Demo";
  c.uiTexts[0] = "TRUE";
  c.pageTexts[sk::kWelcomePage][0] = "Welcome";
  c.agreementText = "Terms";
  c.productKey = "Acme\\Demo";
  c.removeKeys[0] = "HKEY_CURRENT_USER|Software\\Acme";
  c.disks[0].volumeName = "disk1.vol";
  for (int i = 0; i < files; ++i) {
    sk::FileEntry e;
    e.name = "file" + std::to_string(i) + ".dll";
    e.folderKind = i % 2 ? sk::SYSTEM_FOLDER : sk::INSTALL_FOLDER;
    e.copyMode = i % 3 ? sk::ASK_COPY : sk::ALWAYS_COPY;
    e.size = 10 * i;
    e.compressed = i % 2;
    e.date = "2004:11:25:10:30:00:2004:11:25:10:30:00:32:";
    c.files.push_back(e);
  }
  return c;
}

void Write(const fs::path& dir, const std::string& name, const std::string& bytes) {
  fs::create_directories(dir);
  sk::test::WriteAll((dir / name).string(), bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path out = argv[1];
  for (int files : {0, 1, 3}) {
    const sk::SetupConfig config = Sample(files);
    const std::string block = sk::ScrambledBlock(sk::WriteSetupConfig(config));
    const std::string n = std::to_string(files);
    Write(out / "config", "setup" + n, block);
    Write(out / "tokens", "setup" + n, block);
    sk::test::PackageBuilder builder("MZ stub");
    sk::SetupConfig withMedia = config;
    withMedia.sidePicture = builder.AddBlock("side picture");
    withMedia.icon = builder.AddBlock("icon");
    withMedia.animation = builder.AddBlock("RIFF");
    const std::string package = builder.Finish(withMedia);
    Write(out / "package", "setup" + n, package);
    Write(out / "trailer", "setup" + n, package.substr(package.size() > 127 ? package.size() - 127 : 0));
  }
  const std::string settings = sk::ScrambledBlock(sk::WriteUninstallSettings(sk::UninstallSettingsFor(Sample(0))));
  Write(out / "config", "uninstall", settings);
  Write(out / "trailer", "short", "x&LEN:4975,SEEK:283284.");

  sk::SetupLogHead head;
  head.files = {"C:\\Program Files\\Demo\\demo.exe", "C:\\WINDOWS\\system32\\demo.ocx"};
  head.extensions = {"dmo"};
  head.fileMenuName = "Open with Demo";
  head.folderMenuName = "Browse";
  Write(out / "log", "setup.log", sk::SetupLogHeadBytes(head) + sk::SetupLogLine("C:\\Desktop\\Demo.lnk"));
  Write(out / "log", "empty.log", sk::SetupLogHeadBytes({}));

  // One-member archives, as compressed entries hold them.
  for (int size : {0, 100, 5000}) {
    const fs::path dir = out / "zip";
    fs::create_directories(dir);
    const std::string path = (dir / ("member" + std::to_string(size) + ".zip")).string();
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    zipOpenNewFileInZip64(zip, "member.txt", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 0);
    const std::string content(static_cast<std::size_t>(size), 'm');
    zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
    zipCloseFileInZip(zip);
    zipClose(zip, nullptr);
  }
  return 0;
}
