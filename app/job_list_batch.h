#pragma once

#include <windows.h>

#include <string>

#include "joblist/folder_search.h"
#include "ui/form.h"
#include "ui/list_view.h"

namespace app {

class TfrmMain;

// Many files joining the job list at once, from a folder search or a drop.
// Measured under Wine, one insertion into the list view costs about 12 ms
// while the list is drawn and 0.05 ms while its drawing is held back, and a
// repaint of the whole window 30 to 40 ms: one repaint per file would make
// a search of 5,000 files take minutes. So the list's drawing is held back
// for the batch, the list is shown as it grows up to four times a second, and
// the whole window is repainted once at the end.
class JobListBatch {
 public:
  JobListBatch(ui::TForm& window, ui::TListView& list);
  ~JobListBatch();
  JobListBatch(const JobListBatch&) = delete;
  JobListBatch& operator=(const JobListBatch&) = delete;

  // Shows the list as it stands when the last showing is long enough ago.
  void ShowGrowth();

 private:
  ui::TForm& window_;
  ui::TListView& list_;
  DWORD lastShown_;
  DWORD interval_;
};

// When the pending messages are handled while files join the list. Under
// Wine a look into the message queue costs some 0.1 ms, more than adding a
// file: a drop of 20,000 files would spend seconds on it. Every few
// milliseconds keeps the window as responsive to the eye.
enum class MessageTurns { AfterEachFile, EveryFewMilliseconds };

// Offers paths to the main window's AddFile as one batch, from a folder
// search or one by one, and keeps the program responsive: the pending
// messages are handled as the turns say, and the list is seen growing.
// Closing the main window meanwhile ends the program's message loop, and
// with it the adding, before another file is added.
class JobListSearch : public joblist::FolderSearchHandler {
 public:
  JobListSearch(TfrmMain& form, MessageTurns turns);

  void Found(const std::string& path) override;
  bool Continue() override;

 private:
  TfrmMain& form_;
  JobListBatch batch_;
  MessageTurns turns_;
  DWORD lastTurn_;
};

}  // namespace app
