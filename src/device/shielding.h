// Shielding: regions of the page that later lines do not cross.
#pragma once

#include "session/globals.h"

namespace vtx {

// Public routines.
void shlrec(int nx, int ny, int nw, int nh);
void shlrct(int nx, int ny, int nw, int nh, float angle);
void shlcir(int nx, int ny, int nr);
void shlell(int nx, int ny, int na, int nb, float angle);
void shlpie(int nx, int ny, int nr, float alpha, float beta);
void shlpol(const int* nx, const int* ny, int n);
void shldel(int id);
void shlres(int n);
void shlvis(int id, const char* mode);
int shlind();
void shield(const char* group, const char* mode);
void shlsur();

// Registration by the routines of the automatic groups (ShieldGroup), after
// they have drawn an object; plot coordinates before the origin shift.
// Nothing is registered while the group's automatic flag is off.
bool autoShielding(const Globals& g, int group);
void registerShieldRectangle(Globals& g, int group, float x, float y, float width, float height, float angle);
void registerShieldCircle(Globals& g, int group, float x, float y, float r);
void registerShieldPie(Globals& g, int group, float x, float y, float r, float alpha, float beta);
// A convex polygon of 3 to 8 vertices (the faces of bars).
void registerShieldPolygon(Globals& g, int group, const float* x, const float* y, int n);

// The region of a surface just drawn while shlsur is on: the polygon (its
// outline on the page, plot coordinates) becomes a user region without a
// frame, so that shldel(0) and shlres remove it like the user's own.
void registerSurfaceShield(Globals& g, const float* x, const float* y, int n);

// The shielding filter of the segment-filter slot: passes on the parts of a
// visible segment that lie outside every active region; with moveFirst the
// pen is not at (x1, y1).
void shieldSegment(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst);

// Installs the shielding filter while regions exist and shielding is not
// suspended, removes it otherwise.
void updateShieldFilter(Globals& g);

// Draws the frame of a user region just defined (the record at `record`),
// |thickness| outlines outwards (positive) or inwards (negative).
void drawRegionFrame(Globals& g, const int16_t* record, int thickness);

}  // namespace vtx
