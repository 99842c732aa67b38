#pragma once

#include <windows.h>

#include <memory>

#include "win/unique.h"

namespace encoder {

// Set when the line "quit" arrives on the encoder's standard input. A
// detached thread watches the input for the whole life of the process,
// since a blocking read cannot be called off; it shares ownership of the
// signal, so the signal outlives it.
class StopSignal {
 public:
  static std::shared_ptr<StopSignal> WatchStandardInput();

  StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  // A manual-reset event, signalled once a stop was asked for.
  HANDLE Event() const { return event_.Get(); }
  bool Requested() const { return WaitForSingleObject(event_.Get(), 0) == WAIT_OBJECT_0; }

 private:
  void Watch(HANDLE input);

  win::UniqueHandle event_;
};

}  // namespace encoder
