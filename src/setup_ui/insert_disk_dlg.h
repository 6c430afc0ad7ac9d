// The insert-disk dialog: asks for the folder that holds a setup disk's volume file, and lets
// the user go on only with a folder whose volume file carries the volume signature.
#pragma once

#include <string>

#include "shared/dialog.h"

namespace sk {

class CInsertDiskDlg : public CDialog {
 public:
  CInsertDiskDlg();

  std::string m_strVolume;   // the volume file's name
  int m_bEnglish = 0;
  std::string m_strCaption;  // the product name, shown as the title
  std::string m_strFolder;   // edit 1000
  std::string m_strLabel;    // static 1050, the disk's prompt

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  bool PreTranslateMessage(MSG& message) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnClose() override;

 private:
  void Complain(const char* chinese, const char* english);
};

}  // namespace sk
