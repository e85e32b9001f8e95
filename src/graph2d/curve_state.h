// Curve, legend and title fields of the global state record that the axis
// record does not hold: attribute cycles, bar and error-bar geometry, the
// legend entries and the title underlines.
#pragma once

namespace vtx {

constexpr int kCycleLength = 30;       // entries of the colour, line-style and pattern cycles
constexpr int kLegendEntries = 30;
constexpr int kLegendLineChars = 80;
constexpr int kLegendTitleChars = 20;

struct CurveState {
    int errorHorizontal = 0;           // error bars along x instead of y
    int lineCycle[kCycleLength] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6,
                                    7, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5};  // lincyc
    int patternCycle[kCycleLength] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                       15, 16, 17, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11};  // patcyc
    int patternIndex = 1;              // 1 ... 30, the cycle entry shdcrv selects next
    int cycleIndex = 1;                // 1 ... 30, position in the cycles
    int sinceChange = 0;               // curves drawn since the attributes last advanced
    int negLogSet = 0;                 // neglog accepted an eps
};

struct LegendEntry {
    int lineStyle = -1, symbol = -1, thickness = 1, colour = -1, pattern = -1;
    int setByUser = 0;                 // legpat defined this entry
};

struct LegendState {
    int initialised = 0;
    int lines = 0, lineChars = 0;      // nlin, nmax of legini
    const char* buffer = nullptr;      // the caller's nlin * nmax characters, as given to legini
    char title[kLegendTitleChars + 1] = "Legende";
    LegendEntry entries[kLegendEntries];
    int userPatterns = 0;              // legpat was used since legini
    float sampleLength = 4.0f;         // legopt f1, in character heights
    float margin = 0.5f;               // legopt f2, in line spacings
    float subLineSpacing = 1.0f;       // legopt f3, in line spacings
    int fixedPosition = 0, posX = 0, posY = 0;  // legpos
    int curves = 0;                    // curves registered since legini
    int shieldRegistered = 0;          // the legend rectangle is a shielding region
};

struct TitleState {
    int underline[4] = {};             // titlin with a negative line number
};

}  // namespace vtx
