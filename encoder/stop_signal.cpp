#include "encoder/stop_signal.h"

#include <string_view>
#include <thread>

#include "encoder/encoder_error.h"
#include "encoder/line_splitter.h"
#include "win/entry_guard.h"

namespace encoder {

namespace {

constexpr std::string_view kStopLine = "quit";

bool IsStopLine(std::string_view line) {
  const size_t end = line.find_last_not_of(" \t");
  return end != std::string_view::npos && line.substr(0, end + 1) == kStopLine;
}

}  // namespace

StopSignal::StopSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (!event_) {
    RaiseLastError("cannot create an event");
  }
}

std::shared_ptr<StopSignal> StopSignal::WatchStandardInput() {
  auto signal = std::make_shared<StopSignal>();
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (input && input != INVALID_HANDLE_VALUE) {
    std::thread([signal, input] { win::GuardedCall([&] { signal->Watch(input); }); }).detach();
  }
  return signal;
}

// Ends at the end of the input or on a read error, and when a line finds no
// memory, which is reported; the conversion then simply runs to its end.
void StopSignal::Watch(HANDLE input) {
  LineSplitter lines;
  char buffer[256];
  DWORD count = 0;
  const auto onLine = [this](std::string_view line) {
    if (IsStopLine(line)) {
      SetEvent(event_.Get());
    }
  };
  while (ReadFile(input, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    lines.Add(std::string_view(buffer, count), onLine);
  }
  lines.Finish(onLine);
}

}  // namespace encoder
