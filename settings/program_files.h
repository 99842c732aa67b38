#pragma once

// The names of the files the program finds in its folders. Each is joined
// directly to its folder, which ends in a backslash.
namespace settings {

// In the application folder.
constexpr char kConfigFileName[] = "config.ini";
constexpr char kCarrierFileName[] = "plug.exe";
constexpr char kUpdaterFileName[] = "update.EXE";

// In the system folder.
constexpr char kEncoderFileName[] = "libm9s.exe";

}  // namespace settings
