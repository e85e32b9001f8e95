// Colours: the colour table, the current colour and its conversions.
#pragma once

#include <string>

#include "session/globals.h"

namespace vtx {

// Public routines.
void color(const char* name);
void setclr(int index);
void setrgb(float red, float green, float blue);
void setvlt(const char* name);
void myvlt(const float* red, const float* green, const float* blue, int n);
void setind(int index, float red, float green, float blue);
void revscr();
void hsvrgb(float hue, float saturation, float value, float& red, float& green, float& blue);
void rgbhsv(float red, float green, float blue, float& hue, float& saturation, float& value);

// Requests.
int getclr();
void getrgb(float& red, float& green, float& blue);
void getind(int index, float& red, float& green, float& blue);
std::string getvlt();

// Loads a table kind as setvlt does, without the level and keyword checks.
void loadColourTable(Globals& g, int kind);

// The table of a new plot: reversed grey on device 501, else the rainbow.
void loadDefaultColourTable(Globals& g);

// Makes `index` the current colour and hands it to the device.
void qqsclr(Globals& g, int index);

// The table entry nearest to an RGB colour (bytes), as setrgb picks it.
int nearestColour(const Globals& g, int red, int green, int blue);

// The cycle colours from the colour-name map: white, red, green, yellow,
// blue, orange, cyan, magenta, repeated.
void fillColourCycle(Globals& g);

// The device end of a colour change: receives the index with the bytes of
// its table entry, before the index becomes the current colour (so the
// device can still compare it with the previous one).
void sendColourToDevice(Globals& g, int index, int red, int green, int blue);

// Hands the whole colour table to devices that keep a palette.
void sendColourTableToDevice(Globals& g);

}  // namespace vtx
