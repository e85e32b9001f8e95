// Where the text subsystem meets the device layer: glyph strokes go into the
// line pipeline, filled glyphs and symbols to the area filler, device fonts
// to their drivers, and text boxes to the shielding regions.
#pragma once

#include "session/globals.h"

namespace vtx {

// Stroke points in plot coordinates (origin shift already applied): a move
// starts a new polyline, a draw extends it.
void textMove(Globals& g, float x, float y);
void textDraw(Globals& g, float x, float y);

// Draws the pending polyline with the current attributes.
void textFlush(Globals& g);

// Solid filled polygon in plot coordinates (origin shift applied), for
// filled symbols and shaded outline glyphs.
void textFillPolygon(Globals& g, const float* x, const float* y, int n);

// Current colour, as color/setclr would set it.
void textSetColour(Globals& g, int index);
int textColour(const Globals& g);

// Colour by one of the names of `color`.
void textColourByName(Globals& g, const char* name);

// Automatic shielding of a group ("MESS" 1, "SYMB" 2): whether it is on,
// and registering a rectangle under that group: upper left corner (x, y)
// in plot coordinates with the origin shift applied, size along and across
// the direction `angle` (degrees, counter-clockwise).
bool autoShieldOn(const Globals& g, int group);
void registerShieldBox(Globals& g, int group, float x, float y, float width, float height, float angle);

// The selected device font may draw the character: the device has it, and
// no 3-D plotting plane and no base transformation is active.
bool deviceFontUsable(const Globals& g);

// The device offers its own fonts: PostScript, PDF and SVG always, WMF after
// wmfmod("FONT", "TEXT").
bool deviceFontsAvailable(const Globals& g);

// Hands one character of a device font to its driver, pen (x, y) on the
// base line, advance along the text direction.
void deviceChar(Globals& g, int code, float x, float y, float advance);

// Width of a character in the selected device font, plot units.
float psCharAdvance(const Globals& g, int code);

// The pixel font of the window and the raster images (hardware-font modes 2
// and 3): made current for the character height (a font of the X server is
// chosen anew for each height); the advance of a character in plot units,
// at the current height; the gap after it as a fraction of the height.
void reloadPixelFont(Globals& g);
float pixelCharAdvance(Globals& g, int code);
float pixelCharGap(const Globals& g);

// Sends the selected device font and its size to drivers that keep a
// current font.
void psEmitFont(Globals& g);

}  // namespace vtx
