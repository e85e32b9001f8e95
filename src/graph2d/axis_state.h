// 2-D graphics fields of the global state record: the axis-system geometry
// and scaling, and the per-axis label, tick and name settings. The curve,
// legend and title settings are in curve_state.h.
#pragma once

namespace vtx {

struct Globals;

// Which transform the current axis system uses.
enum class AxisKind { None = 0, Cartesian = 1, Polar = 2, Map = 3, Box3D = 4 };

// Scaling of one axis of the current system. On a logarithmic axis a, e,
// first and step are decimal exponents.
struct AxisScaling {
    float a = 0.0f, e = 1.0f;      // values at the start and end of the axis
    float first = 0.0f, step = 1.0f;
    float factor = 1.0f;           // (length - 1) / (e - a), plot units per user unit
    int log = 0;                   // 0 linear, 1 logarithmic
    float windowMin = 0.0f, windowMax = 1.0f;  // user-value window for curve clipping
};

// A map projection of the current system: user (longitude, latitude) in
// degrees to plot coordinates.
using MapProjectFn = void (*)(const Globals& g, float lon, float lat, float& X, float& Y);

struct AxisState {
    // placement parameters (level 1)
    int lenX = 0, lenY = 0, lenZ = 0;      // axslen / ax3len, 0 = page-derived default
    int posSet = 0, posX = 0, posY = 0;    // axspos: lower left corner, plot coordinates
    int orgSet = 0, orgX = 0, orgY = 0;    // axsorg: centre or crossing point
    int autoRes = 0, resX = 0, resY = 0;   // autres / setres
    int ends[3] = {};                      // axends: 0 NONE 1 NOFI 2 NOLA 3 NOEN 4 ENDS 5 FIRS 6 LAST
    int scale[3] = {};                     // scale / axsscl: 0 linear, 1 log
    int autoScale[3] = {};                 // setscl
    float autoMin[3] = {}, autoMax[3] = {};
    int crossed = 0;                       // axstyp: 0 RECT, 1 CROS
    int centered = 0;                      // center: applied by the next graf
    int frame = 1;                         // frame
    int grace = 0;                         // grace
    int background = -1;                   // axsbgd
    int noGraf = 0;                        // nograf: applied by the next graf
    int axisParts[4] = {4, 4, 2, 2};       // setgrf per side: lower x, left y, upper x, right y (0 NONE .. 4 NAME)

    // per-axis label, tick and name settings (index 0 x, 1 y, 2 z)
    int labelType[3] = {1, 1, 1};          // labels: 0 NONE 1 FLOA 2 EXP 3 LOG 4 CLOG 5 ELOG 6 MAP 7 DMAP 8 LMAP
                                           //   9 TIME 10 HOUR 11 SECO 12 MYLA 13 FEXP 14 DATE
    int labelDigits[3] = {1, 1, 1};        // labdig / digits (graf's automatic scaling overwrites them)
    int otherDigits[5] = {1, 1, 1, 1, 1};  // labdig for BAR, CON, PIE, DAT, PER labels
    int labelDist[3] = {24, 24, 24};       // labdis
    int labelJust[3] = {};                 // labjus: 0 AUTO 1 LEFT 2 RIGH 3 OUTW 4 INWA
    int labelPosition[3] = {};             // labpos: 0 TICK 1 CENT 2 SHIF
    int labelVertical[3] = {};             // labtyp: 0 HORI 1 VERT
    int labelColour = -1;                  // labclr (bars, pies, contours)
    int barLabel = 0;                      // labels BARS: 0 NONE 1 SECO 2 FIRS 3 MAXI 4 MINI 5 DELT 6 POSI
    int barLabelCode = 0;                  // labpos BARS as a placement code (0 AUTO)
    int pieLabel = 1;                      // labels PIE: 0 NONE 1 PERC 2 DATA 3 BOTH
    int pieLabelPos = 0;                   // labpos PIE: 0 INTE 1 EXTE 2 ALIG
    int pieLabelJust = 0;                  // labtyp PIE: 0 CENT 1 LEFT 2 RIGH 3 TYPS 4 OUTW 5 INWA
    int contourLabels = 0;                 // labels with CONT: 0 NONE, 1 FLOA (the level), 2 CONL (conlab text)
    int contourLabelDist = 500;            // labdis with CONT: path between label stretches, plot units
    int axisColours[3][4] = {{-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}};  // axclrs: line, ticks, labels, name
    int ticks[3] = {2, 2, 2};              // ticks per label interval
    int tickPosition[3] = {};              // ticpos: 0 LABE 1 REVE 2 CENT
    int tickLong = 24, tickShort = 16;     // ticlen
    int logTicks = 0;                      // logtic: 0 AUTO 1 FULL
    int dateTicks[3] = {};                 // ticmod: 0 NONE 1 DAYS 2 MONT 3 QUAR 4 HALF 5 YEAR 6 DMON
    int dateOrder[3] = {};                 // labmod ORDE: DMY DYM MDY MYD YDM YMD
    int dateLanguage[3] = {};              // labmod LANG: 0 ENGL 1 GERM
    int dateUpper[3] = {};                 // labmod CASE: 0 NONE 1 UPPE
    int dateDay[3] = {1, 1, 1};            // labmod DAYS: 0 NAME 1 SHOR 2 NONE 3 FULL 4 LONG
    int dateMonth[3] = {0, 0, 0};          // labmod MONT: 0 NAME 1 SHOR 2 NONE 3 FULL 4 LONG 5 TINY
    int dateYear[3] = {0, 0, 0};           // labmod YEAR: 0 FULL 1 SHOR 2 NONE
    char dateSeparator[3] = {' ', ' ', ' '};  // labmod SEPA: BLAN DASH POIN SLAS (' ', '-', '.', '/')
    int expZero = 0;                       // expzlb
    int timeOpt = 0;                       // timopt: colons in time labels
    int rightLabels = 0;                   // rgtlab
    int noAxisLine[3] = {};                // noline: X, Y, Z drawn without their axis line
    int twoAxesOnly = 0;                   // ax2grf: the next system draws its lower X and left Y axis only
    int reverseYName = 0;                  // rvynam
    int intAxis = 0;                       // intax
    char names[3][133] = {};               // name
    int nameDist[3] = {30, 30, 30};        // namdis
    int nameJust[3] = {};                  // namjus: 0 CENT 1 LEFT 2 RIGH
    int nameHeight = 36;                   // hname
    int myLabels = 0;                      // mylab entries in use, all axes
    char myLabelText[3][20][33] = {};      // mylab strings per axis, index 1..20
    int myLabelCount[3] = {};              // highest index set per axis
    int polarZero = 0;                     // polmod: 0 RIGH 1 TOP 2 LEFT 3 BOTT
    int polarClockwise = 0;                // polmod: 0 ANTI 1 CLOC
    float negLog = 0.0f;                   // neglog: > 0 plots non-positive log values at this value

    // the current axis system (valid while kind != None)
    AxisKind kind = AxisKind::None;
    int nxa = 0, nya = 0, nxl = 2, nyl = 2;  // lower left corner and lengths
    float xa = 0.0f, ya = 0.0f;              // float corner used by the transform
    AxisScaling sx, sy;                      // scaling of the x and y axis
    AxisScaling sz;                          // z axis of a 3-D system (filled by the 3-D axis systems)
    int crossX = 0, crossY = 0;              // crossing point of a CROS system
    float polarCX = 0.0f, polarCY = 0.0f;    // centre of a polar system
    float polarRadius = 0.0f;                // d / 2 in plot units
    MapProjectFn mapProject = nullptr;       // set while a map system is active
    int autoDigits[3] = {};                  // digits chosen by the last automatic scaling
    int timeUnit[3] = {};                    // date/time axes: the step unit (date axes: 0 days, months otherwise)
};

}  // namespace vtx
