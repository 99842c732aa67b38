#pragma once

namespace skinning {

class TvxSkinEngine;

// The window-creation hook (WH_CBT) of the main thread. There is one per
// process, held by the first engine that asks for it; it tells that engine
// of windows being created and activated.
bool InstallWindowHook(TvxSkinEngine& engine);
void RemoveWindowHook(TvxSkinEngine& engine);

}  // namespace skinning
