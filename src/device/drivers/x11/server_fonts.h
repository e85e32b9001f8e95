// Fonts of the X server as pixel fonts: their glyphs are drawn once by the
// server into a bitmap and read back, and from then on painted into the
// window's picture like any other pixel.
#pragma once

#include "device/pixel_font.h"

namespace vtx {

// Loads the first font the server lists for `pattern`. When `sized` is set
// the font follows `pixelSize`: a scalable font is asked for at that size,
// else the listed size nearest to it is taken. False if the display is not
// open or the server has no such font.
bool loadServerFont(const char* pattern, float pixelSize, bool sized, PixelFont& font);

}  // namespace vtx
