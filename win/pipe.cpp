#include "win/pipe.h"

#include <windows.h>

#include "win/os_error.h"

namespace win {

ChildPipe CreateChildPipe(PipeFlow flow) {
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, nullptr, 0)) {
    RaiseLastOSError();
  }
  ChildPipe pipe;
  pipe.ours.Reset(flow == PipeFlow::kToChild ? write : read);
  pipe.childs.Reset(flow == PipeFlow::kToChild ? read : write);
  return pipe;
}

ChildStreams CreateChildStreams() {
  ChildStreams streams;
  streams.input = CreateChildPipe(PipeFlow::kToChild);
  streams.output = CreateChildPipe(PipeFlow::kFromChild);
  streams.error = CreateChildPipe(PipeFlow::kFromChild);
  return streams;
}

}  // namespace win
