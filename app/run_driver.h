#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console/console_io.h"
#include "conversion/command_line.h"
#include "conversion/encoder_messages.h"
#include "conversion/encoder_output.h"
#include "conversion/output_path.h"
#include "conversion/time_left.h"
#include "joblist/job_entry.h"

namespace app {

// An entry the encoder did not convert, with the encoder's last word on it.
struct FailedEntry {
  std::string name;
  std::string reason;
};

// The conversion run: every job-list entry in turn through the encoder,
// with the overwrite policy for existing outputs and a stop on request. It
// works on the window that runs it only through Host. Each entry's status
// tells how far it got; a run begins by setting the entries it converts
// back to waiting.
class RunDriver {
 public:
  // The window's side of a run.
  class Host {
   public:
    virtual int EntryCount() const = 0;
    // The entry's path, without selecting it.
    virtual std::string EntryPath(int index) const = 0;
    // Selects the entry in the list and returns its path.
    virtual std::string SelectEntry(int index) = 0;
    virtual const joblist::EntryStatus& EntryStatusAt(int index) const = 0;
    virtual void SetEntryStatus(int index, const joblist::EntryStatus& status) = 0;
    virtual std::string OutputFolder() const = 0;
    virtual conversion::ConversionSettings Settings() const = 0;
    // The runner, or nullptr once the window has released it.
    virtual console::TConsoleIO* Runner() const = 0;
    // Asks the overwrite prompt for an output that exists.
    virtual conversion::OverwriteChoice AskOverwrite() = 0;
    virtual void ResetProgress() = 0;
    // The run went through its entries, which took that many seconds; the
    // folder ends in a backslash. True asks for the failed entries to be
    // converted again at once.
    virtual bool RunFinished(const std::string& folder, const std::vector<FailedEntry>& failed,
                             double seconds) = 0;

   protected:
    ~Host() = default;
  };

  RunDriver(Host& host, conversion::CommandLineFolders folders);

  // Converts the whole job list; returns when it is done, stopped, the
  // window closes or the program ends. An encoder still running when the
  // program ends is stopped first.
  void ConvertAll();
  // The same for the entries whose status is Failed, in list order.
  void ConvertFailed();
  // Asks the running conversion to end after the current entry's encoder.
  void RequestStop() { continueRun_ = false; }
  // The window closes: no further entry is started and nothing is asked.
  void Close();
  bool Converting() const { return converting_; }
  conversion::OverwriteChoice OverwritePolicy() const { return overwritePolicy_; }
  const conversion::CommandLineFolders& Folders() const { return folders_; }

  // The output path to write for an entry, or empty to skip it.
  std::string ResolveOutputPath(const std::string& path, const std::string& inputPath);

  // The encoder's standard error as it arrives (UTF-8), for its own
  // messages.
  void NoteEncoderMessages(const std::string& text) { encoderMessages_.Add(text); }
  // The encoder's progress on the current entry, for its status and the
  // time left.
  void NoteProgress(const conversion::EncoderProgress& progress);
  // The time the current file and the run still need, once it can be told.
  std::optional<conversion::TimeLeft> TimeLeft() const;

 private:
  // The entries at these positions, in turn; then the finish message, which
  // may ask for the failed ones again.
  void Convert(std::vector<int> positions);
  // True when the finish message asked for the failed entries again.
  bool ConvertPositions(const std::vector<int>& positions);
  std::vector<int> FailedPositions() const;
  void StartTimeLeft(const std::vector<int>& positions);
  // The run's file at this step starts; the size of one more file ahead is
  // read.
  void StartFileTimeLeft(std::size_t step);
  void ConvertEntry(int index, const std::string& folder);
  void RunEncoder(int index, const std::string& input, const std::string& output);
  void WaitForEncoder();
  void NoteEncoderResult(int index, const std::string& input, const std::string& output);
  // Sets an entry's status unless the entry has gone from the list.
  void SetStatus(int index, const joblist::EntryStatus& status);
  // The window closes or the program ends: the run goes no further.
  bool Ending() const;

  Host& host_;
  conversion::CommandLineFolders folders_;
  bool continueRun_ = true;
  bool converting_ = false;
  bool closing_ = false;
  conversion::OverwriteChoice overwritePolicy_ = conversion::OverwriteChoice::IgnoreThis;
  // The encoder's own messages about the current file.
  conversion::EncoderMessages encoderMessages_;
  std::vector<FailedEntry> failedEntries_;
  // The entry the encoder works on, or -1; its percentage as last shown
  // in its status, and when.
  int currentEntry_ = -1;
  int shownPercent_ = -1;
  double percentShownAt_ = 0;
  conversion::TimeLeftEstimator timeLeft_;
  // The positions the time left counts, in the run's order.
  std::vector<int> timeLeftPositions_;
};

}  // namespace app
