// Geometry of pie charts in plot coordinates (y grows downwards; angles in
// degrees counter-clockwise from the positive x direction): segment angles
// of flat and tilted pies, explosion offsets, the circle that holds an
// internal label, and where external labels and their connecting lines go.
// Pure functions that never touch the state record.
#pragma once

#include <vector>

namespace vtx {

// One segment: from and to (degrees, to >= from), its middle and half sweep.
struct PieSegment {
    double from = 0, to = 0, mid = 0, half = 0;
};

// The segments of the values |x[i]| whose sum is `sum`. A flat pie starts so that the first segment is centred at the top and divides the
// circle in proportion to the values. A tilted pie (ellipse with half axes a
// across and b up) divides the ellipse's area in proportion, its first
// segment centred on the angle 0; its boundaries are polar angles.
std::vector<PieSegment> pieSegments(const float* x, int n, double sum, double a, double b, bool tilted);

// The vertical half axis of a pie seen at `viewAngle` degrees (0 < v <= 90)
// whose radius is R.
int tiltedMinorAxis(float R, float viewAngle);

// The distance from the centre to an ellipse (half axes a, b) at `angle`.
double ellipseRadius(double a, double b, double angle);

// The outward move of an exploded segment: 8 % of the radius.
inline int explosionOffset(float R) { return int(8.0f * R / 100.0f + 0.5f); }

// The radius of the largest circle inside a segment of radius R and half
// sweep `half` degrees; its centre lies R - r from the pie centre.
double insideCircleRadius(double R, double half);

// Where the label box of a segment goes and how it is connected.
enum class PieLabelMode { Internal = 0, External = 1, Aligned = 2 };
struct PieLabelPlace {
    bool inside = false;   // the box sits in the segment, no connecting line
    double boxX = 0, boxY = 0;   // upper left corner of the box
    double anchorX = 0, anchorY = 0;   // where the connecting vector starts
    double tipX = 0, tipY = 0;         // where it ends, near the pie
    double edgeX = 0, edgeY = 0;       // the point of the box the line reaches
};

// Places a w x h box for a segment with middle angle `mid` of a pie centred
// on (cx, cy) with radius R along that angle (already including the
// explosion offset in cx, cy). Internal labels that do not fit (diagonal
// above twice the inside circle's radius r) go outside. Aligned boxes start
// at the horizontal distance `alignDistance` from the centre.
PieLabelPlace placePieLabel(double cx, double cy, double R, double mid, double half, double w, double h,
                            PieLabelMode mode, double alignDistance);

}  // namespace vtx
