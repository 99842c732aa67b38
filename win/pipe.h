#pragma once

#include "win/unique.h"

namespace win {

// One anonymous pipe between this process and a child it starts. Neither
// end is inheritable: ours stays so for good, so that no child, however it
// is started, holds a copy that would keep the pipe open after we close our
// end; the child's end is inheritable only while its child is being
// created (StartChild).
struct ChildPipe {
  UniqueHandle ours;
  UniqueHandle childs;
};

// Which way a pipe carries the bytes.
enum class PipeFlow { kToChild, kFromChild };

// Raises EOSError.
ChildPipe CreateChildPipe(PipeFlow flow);

// A child's standard input, output and error, each on a pipe of its own.
struct ChildStreams {
  ChildPipe input, output, error;
};

// Raises EOSError; the pipes made before a failure are closed.
ChildStreams CreateChildStreams();

}  // namespace win
