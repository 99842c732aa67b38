#pragma once

#include <string>
#include <vector>

#include "console/console_io.h"
#include "conversion/command_line.h"
#include "conversion/encoder_messages.h"
#include "conversion/output_path.h"

namespace app {

// An entry the encoder did not convert, with the encoder's last word on it.
struct FailedEntry {
  std::string name;
  std::string reason;
};

// The conversion run: every job-list entry in turn through the encoder,
// with the overwrite policy for existing outputs and a stop on request. It
// works on the window that runs it only through Host.
class RunDriver {
 public:
  // The window's side of a run.
  class Host {
   public:
    virtual int EntryCount() const = 0;
    // Selects the entry in the list and returns its path.
    virtual std::string SelectEntry(int index) = 0;
    virtual std::string OutputFolder() const = 0;
    virtual conversion::ConversionSettings Settings() const = 0;
    // The runner, or nullptr once the window has released it.
    virtual console::TConsoleIO* Runner() const = 0;
    // Asks the overwrite prompt for an output that exists.
    virtual conversion::OverwriteChoice AskOverwrite() = 0;
    virtual void ResetProgress() = 0;
    // The run went through the list; the folder ends in a backslash.
    virtual void RunFinished(const std::string& folder, const std::vector<FailedEntry>& failed) = 0;

   protected:
    ~Host() = default;
  };

  RunDriver(Host& host, conversion::CommandLineFolders folders);

  // Converts the whole job list; returns when it is done, stopped, the
  // window closes or the program ends. An encoder still running when the
  // program ends is stopped first.
  void ConvertAll();
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

 private:
  void ConvertEntry(int index, const std::string& folder);
  void WaitForEncoder();
  void NoteEncoderResult(const std::string& input, const std::string& output);
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
};

}  // namespace app
