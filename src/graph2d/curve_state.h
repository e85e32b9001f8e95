// Curve, legend and title fields of the global state record: curve options
// and attribute cycles, the legend entries and options, the titles.
#pragma once

namespace vtx {

constexpr int kCycleLength = 30;       // entries of the colour, line-style and pattern cycles
constexpr int kLegendEntries = 30;
constexpr int kLegendLineChars = 80;
constexpr int kLegendTitleChars = 20;

struct CurveState {
    int marker = 0;                    // marker
    int markInc = 0;                   // incmrk
    int curveInc = 1;                  // inccrv
    int curveChange = 0;               // chncrv
    float curveGap = 0.0f;             // gapcrv
    int mode = 0;                      // polcrv: how curves connect their points (CurveMode)
    int splineOrder = 3, splinePoints = 200;  // splmod
    int ownSymbols = 0;                // mysymb
    int noCheck = 0;                   // nochek
    int lineCycleUsed = 0, patternCycleUsed = 0;  // lincyc, patcyc entries in use
    int curveCount = 0;                // curves drawn since resatt
    float barWidth = 0.75f;            // barwth: > 0 fraction of the spacing, <= 0 plot units
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
    int colour = 0;                    // legclr
    int mix = 0;                       // mixleg
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
    char lines[4][133] = {};           // titlin
    int underline[4] = {};             // titlin with a negative line number
    int left = 0;                      // lfttit
    int just = 0, pos = 0;             // titjus, titpos
    int height = 0;                    // htitle, 0 = character height
    int shift = 0;                     // vkytit
};

}  // namespace vtx
