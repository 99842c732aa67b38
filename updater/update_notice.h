#pragma once

#include <string>

namespace updater {

// The notice of where new versions are published, in the language that
// config.ini in the application folder chooses for the program.
struct UpdateNotice {
  std::string caption;
  std::string text;
  std::string pageUrl;
};

UpdateNotice NoticeFor(const std::string& applicationFolder);

// Shows the notice and, when the user agrees, opens the download page.
void ShowUpdateNotice(const UpdateNotice& notice);

}  // namespace updater
