#include "default_texts.h"

#include <stdexcept>

#include "package/font_spec.h"
#include "gbk_text.h"

namespace sk::tool {
namespace {

struct Pair {
  const char* english;
  const char* chinese;
};

// "%s" stands for the product name.
constexpr Pair kWelcome[kPageSlots] = {
    {"Welcome to the %s Setup Wizard", "欢迎使用 %s 安装向导"},
    {"", ""},
    {"This wizard installs %s.", "本向导将安装 %s。"},
    {"Close all other programs before you go on.", "建议您在继续安装之前关闭其他所有程序。"},
    {"", ""},
    {"Click Next to continue, or Cancel to leave.", "单击“下一步”继续，或单击“取消”退出。"},
};

constexpr Pair kAgreement[kPageSlots] = {
    {"License Agreement", "许可协议"},
    {"Please read the license agreement below.", "请仔细阅读下面的许可协议。"},
    {},
    {"", ""},
    {"I accept the agreement", "我接受许可协议中的条款"},
    {"I do not accept the agreement", "我不接受许可协议中的条款"},
};

constexpr Pair kAgreementText = {
    "%s is provided \"as is\", without warranty of any kind.",
    "本软件 %s 按“原样”提供，不附带任何形式的明示或暗示担保。"};

constexpr Pair kFolder[kPageSlots] = {
    {"Choose Install Location", "选择安装位置"},
    {"Setup installs the program into this folder.", "安装程序将把程序安装到下面的文件夹中。"},
    {"For another folder, click Browse.", "如需安装到其他文件夹，请单击“浏览”另行选择。"},
    {"Destination folder:", "目标文件夹："},
    {"Browse...", "浏览..."},
    {"%s", "%s"},
    {"Program Files", "Program Files"},
    {"FALSE", "FALSE"},
};

constexpr Pair kCopying[kPageSlots] = {
    {"Installing %s, please wait...", "正在安装 %s，请稍候..."},
    {"Copying: ", "正在复制："},
    {"Time left: ", "剩余时间："},
    {"100", "100"},
};

constexpr Pair kFinish[kPageSlots] = {
    {"Completing the %s Setup Wizard", "%s 安装完成"},
    {"Setup has installed %s on your computer.", "安装程序已在您的计算机上安装了 %s。"},
    {"Click Finish to close Setup.", "单击“完成”退出安装程序。"},
    {"Create shortcuts on the desktop", "在桌面上创建快捷方式"},
    {"Create shortcuts in the Start menu", "在开始菜单中创建快捷方式"},
    {"Create shortcuts in the program group", "在程序组中创建快捷方式"},
    {"Show the readme file", "查看自述文件"},
    {"Run %s", "运行 %s"},
};

constexpr const Pair* kPages[kPageCount] = {kWelcome, kAgreement, kFolder, kCopying, kFinish};

constexpr Pair kUi[kUiTextCount] = {
    {"FALSE", "TRUE"},
    {"< Back", "< 上一步"},
    {"Next >", "下一步 >"},
    {"Cancel", "取消"},
    {"Install", "安装"},
    {"Finish", "完成"},
    {"Uninstall", "卸载"},
    {"Close", "关闭"},
    {"", ""},
    {"No", "否"},
    {"Yes", "是"},
    {"No", "否"},
    {"Yes", "是"},
    {"Are you sure you want to leave Setup?", "您确定要退出安装程序吗？"},
    {"Are you sure you want to leave Setup?", "您确定要退出安装程序吗？"},
    {"Setup has finished. Close the wizard without its final steps?",
     "安装已经完成，确定不执行最后的步骤而直接退出吗？"},
    {"Choose the folder to install %s into:", "请选择 %s 的安装文件夹："},
    {"This removes %s and all of its parts from your computer.",
     "这将从您的计算机上删除 %s 及其全部组件。"},
    {"Files are being copied. Are you sure you want to stop Setup?",
     "正在复制文件，确定要终止安装吗？"},
};

std::string Gbk(const std::string& utf8) {
  auto gbk = Utf8ToGbk(utf8);
  // Every default has a GBK form and so has the product name, which was checked first.
  if (!gbk) throw std::logic_error("default text without a GBK form: " + utf8);
  return *gbk;
}

std::string Fill(const Pair& pair, Language language, const std::string& product) {
  const char* pattern = language == Language::kChinese ? pair.chinese : pair.english;
  if (!pattern) return {};
  std::string text = pattern;
  if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, product);
  return Gbk(text);
}

}  // namespace

SetupConfig DefaultConfig(Language language, const std::string& productUtf8) {
  SetupConfig c;
  for (int page = 0; page < kPageCount; ++page)
    for (int slot = 0; slot < kPageSlots; ++slot)
      c.pageTexts[page][slot] = Fill(kPages[page][slot], language, productUtf8);
  c.agreementText = Fill(kAgreementText, language, productUtf8);
  for (int i = 0; i < kUiTextCount; ++i) c.uiTexts[i] = Fill(kUi[i], language, productUtf8);

  const std::string product = Gbk(productUtf8);
  c.productName = product;
  c.productKey = product;
  c.version = "1.0";
  c.uninstallDisplayName = product;
  c.backgroundTitle = product;
  c.headline = product;
  c.backgroundColor = 0x808000;
  c.headlineColor = 0xFFFFFF;
  c.backgroundFill = 1;
  c.splashMillis = 2000;
  const bool chinese = language == Language::kChinese;
  const std::uint8_t charset = chinese ? 134 : 0;
  c.headlineFont = FormatFontSpec(
      {.height = -48, .weight = 700, .charSet = charset, .faceName = Fill({"Arial", "黑体"}, language, "")});
  c.preparingFont = FormatFontSpec(
      {.height = -12, .weight = 400, .charSet = charset, .faceName = Fill({"Tahoma", "宋体"}, language, "")});
  c.preparingCaption = Fill({"Setup", "安装程序"}, language, productUtf8);
  c.preparingMessage =
      Fill({"Preparing the %s Setup Wizard...", "正在准备 %s 安装向导..."}, language, productUtf8);
  return c;
}

std::string DefaultDiskPrompt(Language language, int disk) {
  const std::string n = std::to_string(disk);
  return Gbk(language == Language::kChinese ? "请插入第 " + n + " 张安装盘，并指定其所在文件夹："
                                            : "Insert setup disk " + n + " and name its folder:");
}

}  // namespace sk::tool
