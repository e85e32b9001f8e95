// 2-D graphics fields of the global state record: axis systems, labels,
// ticks, names, curves, legends and titles.
#pragma once

namespace vtx {

struct AxisState {
    int lenX = 0, lenY = 0, lenZ = 0;      // axslen / ax3len, 0 = page-derived default
    int posSet = 0, posX = 0, posY = 0;    // axspos
    int orgSet = 0, orgX = 0, orgY = 0;    // axsorg
    int autoRes = 0, resX = 0, resY = 0;   // autres / setres
    int ends[3] = {};                      // axends
    int scale[3] = {};                     // scale / axsscl: 0 linear, 1 log
    int autoScale[3] = {};                 // setscl
    float autoMin[3] = {}, autoMax[3] = {};
    int labelType[3] = {1, 1, 1};          // labels: index into the label keywords (1 FLOA)
    int labelDigits[3] = {1, 1, 1};        // labdig / digits
    int labelDist[3] = {};                 // labdis
    int labelJust[3] = {};                 // labjus
    int labelPos = 0;                      // labpos
    int labelOrient = 0;                   // labtyp
    int labelColour = -1;                  // labclr
    int axisColours = 0;                   // axclrs set
    int ticks[3] = {2, 2, 2};              // ticks
    int tickPos = 0;                       // ticpos
    int tickLong = 24, tickShort = 16;     // ticlen
    int logTicks = 0;                      // logtic
    int expZero = 0;                       // expzlb
    int timeOpt = 0;                       // timopt
    int rightLabels = 0;                   // rgtlab
    int reverseYName = 0;                  // rvynam
    int crossed = 0;                       // axstyp
    int centered = 0;                      // center
    int frame = 1;                         // frame
    int grace = 0;                         // grace
    int background = -1;                   // axsbgd
    int noGraf = 0;                        // nograf
    int intAxis = 0;                       // intax
    int axisParts[4] = {3, 3, 2, 2};       // setgrf: 3 NAME, 2 TICK, ...
    char names[3][133] = {};               // name
    int nameDist[3] = {30, 30, 30};        // namdis
    int nameJust[3] = {};                  // namjus
    int nameHeight = 36;                   // hname
    int myLabels = 0;                      // mylab entries
    float circleSpacing = 10.0f;           // circsp
    // curves
    int symbolHeight = 36;                 // hsymbl
    int marker = 0;                        // marker
    int markInc = 0;                       // incmrk
    int curveInc = 1;                      // inccrv
    int curveChange = 0;                   // chncrv
    float curveGap = 0.0f;                 // gapcrv
    int polarCurve = 0;                    // polcrv
    int splineOrder = 3, splinePoints = 200;  // splmod
    int ownSymbols = 0;                    // mysymb
    int noCheck = 0;                       // nochek
    float negLog = 0.0f;                   // neglog
    int lineCycle = 0, patternCycle = 0;   // lincyc, patcyc entries in use
    int curveCount = 0;                    // curves drawn since resatt
    int noLine = 0;                        // noline
    // legends and titles
    int legendColour = 0;                  // legclr
    int legendMix = 0;                     // mixleg
    int leftTitle = 0;                     // lfttit
    int titleJust = 0, titlePos = 0;       // titjus, titpos
    int titleHeight = 0;                   // htitle, 0 = character height
    int titleShift = 0;                    // vkytit
    char titles[4][133] = {};              // titlin
};

}  // namespace vtx
