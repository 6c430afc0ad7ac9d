// Shows one setup message box with the arguments on its command line and ends with the answer,
// so that the tests can drive ShowMessage the way setup uses it.
//
//   show_message_probe "TEXT|CAPTION|ICON KIND|COUNT|LABEL1|LABEL2|LABEL3|OWNER TITLE"
//
// "\r" and "\n" in TEXT stand for line breaks. With an OWNER TITLE the probe first shows a
// window of that title as the application's main window, which then owns the box. Exit code:
// kProbeExitBase + the answer (so -1, for Escape and the close box, is kProbeExitBase - 1).
#include <windows.h>

#include <string>
#include <vector>

#include "setup_ui/main_window.h"
#include "setup_ui/message_dlg.h"
#include "win/show_message_probe.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '|')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  fields.resize(sk::test::kProbeFields);
  return fields;
}

std::string LineBreaks(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
      out.push_back(text[++i] == 'r' ? '\r' : '\n');
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// The program's arguments: everything after the quoted program path, without its quotes.
std::string Arguments() {
  std::string line = GetCommandLineA();
  size_t at = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
  at = line.find_first_not_of(' ', at);
  if (at == std::string::npos) return {};
  std::string arguments = line.substr(at);
  if (arguments.size() >= 2 && arguments.front() == '"' && arguments.back() == '"')
    arguments = arguments.substr(1, arguments.size() - 2);
  return arguments;
}

HWND ShowOwner(const std::string& title) {
  HWND owner = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
  sk::SetMainWindow(owner);
  return owner;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> f = Fields(Arguments());
  if (!f[7].empty()) ShowOwner(f[7]);
  const int answer = sk::ShowMessage(LineBreaks(f[0]), f[1], atoi(f[2].c_str()), atoi(f[3].c_str()),
                                     f[4].c_str(), f[5].c_str(), f[6].c_str());
  return sk::test::kProbeExitBase + answer;
}
