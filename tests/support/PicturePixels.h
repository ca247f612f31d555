#pragma once

// What a screenshot shows, as opposed to how its file happens to be packed: the replays and
// the driver's tests compare these, so a new PNG encoder that writes the same pixels passes.

#include <string>

// 64-bit FNV-1a of a picture file's pixels, each as red, green, blue bytes, rows top first;
// 0 if the file cannot be read as a picture.
unsigned long long hashPicturePixels(const std::string& path);
