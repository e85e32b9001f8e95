// How curve connects its points: the modes of polcrv, in the order of its
// keywords LINE, STEP, BARS, SPLI, PSPL, STEM, STAI, FBAR.
#pragma once

namespace vtx {

enum class CurveMode : int { Line, Step, Bars, Spline, ParametricSpline, Stem, Stairs, FilledBars };

}  // namespace vtx
