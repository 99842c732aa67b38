#pragma once

namespace skin {

// The texts a skin that cannot be loaded is reported with.
inline constexpr char kWrongPasswordText[] = "Wrong password!";
inline constexpr char kFailedToReadSkinText[] = "Failed to read skin file!";

}  // namespace skin
