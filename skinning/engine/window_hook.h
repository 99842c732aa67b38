#pragma once

namespace skinning {

class TvxSkinEngine;

// The hooks of the main thread: window creation (WH_CBT) and messages
// leaving the queue (WH_GETMESSAGE). There is one set per process, held by
// the first engine that asks for it; they tell that engine of windows being
// created and activated, and of menu keys typed on a skinned form.
bool InstallWindowHook(TvxSkinEngine& engine);
void RemoveWindowHook(TvxSkinEngine& engine);

}  // namespace skinning
