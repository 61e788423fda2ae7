#pragma once

// The program's 41 skins: colour schemes applied to the whole application. Skin 10 is the one
// the program starts with; the menu command "更换皮肤" steps through 1..41 once.
namespace Skins {

constexpr int kCount = 41;
constexpr int kStartupSkin = 10;

// Applies skin number (1-based); a number outside 1..41 changes nothing and returns false.
bool Apply(int number);
// The skin applied last, 0 before the first.
int Current();

}  // namespace Skins
