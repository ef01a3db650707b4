#pragma once
// The desktop icon: an alien and a trooper from the game's own sprite sets on
// a steel plate, written as PNG files in the freedesktop icon-theme layout.
#include <string>

// Writes <folder>/hicolor/<N>x<N>/apps/kravex2.png for every icon size;
// false when a folder or a file could not be written.
bool writeIcons(const std::string& folder);
