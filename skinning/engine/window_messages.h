#pragma once

#include <windows.h>

namespace skinning {

// The skin engine's private window messages. Their numbers are fixed:
// skinned windows of one process answer them for each other.
//
// Answers 1 from a window the engine has attached and from a control that
// has a painter; 0 from any other window.
constexpr UINT kMsgIsSkinned = 0x2AAA;
// Answers 1 from a skinned window that is the active window, 2 otherwise.
constexpr UINT kMsgIsActive = 0x2AAB;
// Asks a painted control to paint itself again.
constexpr UINT kMsgRepaintControl = 0x2AAC;
// Answers the height of a skinned window's menu bar.
constexpr UINT kMsgMenuBarHeight = 0x83E9;

}  // namespace skinning
