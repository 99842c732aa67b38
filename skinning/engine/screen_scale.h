#pragma once

namespace skinning {

// The skins' pictures and metrics, and the program's layouts, are made for
// a screen of 96 dots per inch; the system's own metrics and fonts follow
// the screen's setting (large fonts: 120 or 144). The program declares no
// awareness of it, so where Windows scales such a program whole it sees 96
// and these are the identity; where it does not (Windows XP, Windows 7 with
// XP-style scaling, Wine) the skinned parts that meet the system's sizes
// convert between the two.
int ScreenDpi();
// A length measured on the screen, as it would be at 96 dots per inch.
int ToDesignPixels(int screenPixels);
// A length made for 96 dots per inch, as the system draws it on the screen.
int ToScreenPixels(int designPixels);

}  // namespace skinning
