// The line pipeline inside the library. Every line of every plotting routine
// enters here in plot coordinates (origin top left, y downwards) and leaves
// as move and draw operations of the selected device:
//
//   strtqq / connqq   origin shift, dash pattern, parallel offset   (polyline.cpp, dash.cpp)
//   qqmove / qqdraw   point-transform slot, 100-point polyline buffer (polyline.cpp)
//   qqstrk            clipping, emulated thick lines                 (stroke.cpp, thick_lines.cpp)
//   clip2d, jqqclp    rectangle and circle clipping                  (clipping.cpp)
//   drawVisibleSegment  segment-filter slot                          (stroke.cpp)
//   xjdraw            device coordinates, the driver                 (dispatch.cpp)
//
// The slots (pipeline_slots.h) hold the stages that other subsystems install
// while they are in effect:
//   point transform   3-D projection (graph3d), map projection (maps),
//                     base transformation (base_transform.cpp)
//   segment filter    projection onto a plane of a 3-D box (graph3d),
//                     hidden lines (graph3d), shielding (shielding.cpp)
//
// Solid polygons on a pixel surface take a short cut: their scan-line spans
// are clipped and mapped as above but written straight into the surface
// (area_fill.cpp, surface.h).
#pragma once

#include "device/pipeline_slots.h"
#include "session/globals.h"

namespace vtx {

// Empties the polyline and returns clipping to the plain window (vtxini).
void resetPipeline(Globals& g);

// Page y of a user-supplied value: H - v when pagorg is BOTT.
float jqqyvl(const Globals& g, float v);

// Polyline entry points, plot coordinates before the origin shift. A
// non-zero offset draws the copy of the polyline shifted sideways by that
// many plot units (thick curves); every call of one polyline passes the same.
void strtqq(Globals& g, float x, float y, float offset = 0.0f);
void connqq(Globals& g, float x, float y, float offset = 0.0f);
void lineqq(Globals& g, float x1, float y1, float x2, float y2, float offset = 0.0f);

// The closed outline of the rectangle with corners (x1, y1) and (x2, y2), as
// one polyline (frames of axis systems, legends and texts).
void rectqq(Globals& g, float x1, float y1, float x2, float y2);

// The low end: no origin shift, no dashing.
void qqmove(Globals& g, float x, float y);
void qqdraw(Globals& g, float x, float y);

// Strokes the buffered polyline with the current attributes and empties it.
void qqstrk(Globals& g);

// Restarts the dash pattern at its first element.
void inityp(Globals& g);

// Draws a polyline of n points through the clipping stage (a move to the
// first point if it is visible, then each segment); used for the centre line
// and for the outlines of thick lines.
void strokeClipped(Globals& g, const float* x, const float* y, int n);

// Emulated thick lines: the nested outlines of the buffered polyline.
void drawThickOutlines(Globals& g, const float* x, const float* y, int n);

// How many nested copies of a line, `spacing` plot units apart (frames,
// thick curves), one stroke of the current emulated line width covers: only
// every stride-th copy and the outermost need drawing. 1 for thin lines.
int coveredCopyStride(const Globals& g, float spacing);
inline bool copyNeeded(int i, int count, int stride) { return stride <= 1 || i % stride == 0 || i == count - 1; }

// Round cap: the points strictly between c + h·n and c − h·n on the half
// circle through c + h·u (n, u unit vectors); returns the count written.
int qqlcap(float cx, float cy, float nx, float ny, float ux, float uy, float h, float* outX, float* outY, int max);

// Intersection of the line through (a1, a2) with the line through (b1, b2);
// 0 if they are parallel.
int qqcut2(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2, float by2, float& x,
           float& y);

// Clipping stage: clip one segment and draw its visible part; 1 if a point
// lies outside the clipping region.
void clip2d(Globals& g, float x1, float y1, float x2, float y2);
int jqqclp(const Globals& g, float x, float y);

// The rectangular clipping of clip2d without the drawing: true when a part
// of the segment is visible, with its ends moved onto the window; firstMoved
// tells whether the first end moved.
bool clipSegmentToWindow(const LineState& line, float& xa, float& ya, float& xb, float& yb, bool& firstMoved);

// A visible segment: to the filters of the segment-filter slot, else to the
// device; with moveFirst the pen is first moved to (x1, y1).
void drawVisibleSegment(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst);

// What a segment filter lets through: on to the next installed filter after
// `from`, or to the device.
void passSegment(Globals& g, SegmentStage from, float x1, float y1, float x2, float y2, bool moveFirst);

// Axis-system clipping: mode 1 saves the window and clips to the registered
// axis area (setAxisClipArea), mode 0 restores the saved window.
void setAxisClipArea(Globals& g, const AxisClipArea& area);
void sclpax(Globals& g, int mode);

// Device dispatcher: plot coordinates to device coordinates and the driver.
void xjdraw(Globals& g, float x, float y, int op);

// A solid polygon in plot coordinates (origin shift applied) to the driver's
// polygon entry; false if the device's driver has none.
bool devicePolygon(Globals& g, const float* x, const float* y, int n);

// True while an output is open (between vtxini and vtxfin).
inline bool outputOpen(const Globals& g) { return g.ctl.level >= 1; }

}  // namespace vtx
