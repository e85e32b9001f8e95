// Parameter defaults: resall sets all of them at vtxini, reset restores one
// parameter (named by the first four letters of its routine) or all of them.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/api.h"
#include "core/checks.h"
#include "core/messages.h"
#include "text/fonts.h"
#include "device/base_transform.h"
#include "device/colour.h"
#include "device/colour_tables.h"
#include "device/shading.h"
#include "device/shield_regions.h"
#include "graph2d/curve_cycle.h"

namespace vtx {

namespace {

// Lengths are kept physical: a default in plot units of the default unit is
// divided by the unit factor.
int length(const Globals& g, int value) { return int(std::lround(value / g.out.unitFactor)); }

void restoreLabelDigits(Globals& g) {
    for (int& d : g.axis.labelDigits) d = 1;
    for (int& d : g.axis.otherDigits) d = 1;
}
// labdig and labdis share the reset key LABD.
void restoreLabelDigitsAndDistance(Globals& g) {
    restoreLabelDigits(g);
    for (int& d : g.axis.labelDist) d = length(g, 24);
}
void restoreMyLabels(Globals& g) {
    g.axis.myLabels = 0;
    std::memset(g.axis.myLabelText, 0, sizeof g.axis.myLabelText);
    std::memset(g.axis.myLabelCount, 0, sizeof g.axis.myLabelCount);
}
void restoreDateLabels(Globals& g) {
    for (int i = 0; i < 3; ++i) {
        g.axis.dateOrder[i] = g.axis.dateLanguage[i] = g.axis.dateUpper[i] = 0;
        g.axis.dateDay[i] = 1, g.axis.dateMonth[i] = 0, g.axis.dateYear[i] = 0;
        g.axis.dateSeparator[i] = ' ';
    }
}
void restoreMixChars(Globals& g) { std::memcpy(g.text.mixChars, "[]$/\\", 6); }
void restoreCurrentColour(Globals& g) { qqsclr(g, g.colour.foreground); }
void restoreColourRange(Globals& g) { g.colour.rangeLow = 1, g.colour.rangeHigh = scaleRangeEnd(g.colour.kind); }
void restoreAngle(Globals& g) { g.text.angle = 0; }
void restoreWindowPlacement(Globals& g) { g.out.winPlace = 0; }
void restoreClipMode(Globals& g) { g.line.clipMode = 0; }
void restoreShadingPattern(Globals& g) { setShadingPattern(g, 0); }

struct ResetEntry {
    char key[5];
    void (*restore)(Globals&);
    // false: resall leaves the setting alone (level-0 settings) or sets it
    // otherwise (the colour table load restores the colour settings)
    bool inResall;
};

const ResetEntry kResets[] = {
    {"ANGL", restoreAngle, true},
    {"AUTR", [](Globals& g) { g.axis.autoRes = 0; }, true},
    {"AX3L", [](Globals& g) { g.axis.lenZ = 0; }, true},
    {"AXCL", [](Globals& g) { for (auto& a : g.axis.axisColours) for (int& c : a) c = -1; }, true},
    {"AXEN", [](Globals& g) { std::memset(g.axis.ends, 0, sizeof g.axis.ends); }, true},
    {"AXIS", [](Globals& g) { g.g3d.axis3[0] = g.g3d.axis3[1] = g.g3d.axis3[2] = 2.0f; }, true},
    {"AXSL", [](Globals& g) { g.axis.lenX = g.axis.lenY = 0; }, true},
    {"AXSP", [](Globals& g) { g.axis.posSet = g.axis.orgSet = 0; }, true},
    {"BARD", [](Globals& g) { g.biz.barDepth = 0.0f, g.biz.barAngle = 45.0f; }, true},
    {"BARG", [](Globals& g) { g.biz.barGroups = 1, g.biz.barGroupGap = 0.0f; }, true},
    {"BARP", [](Globals& g) { g.biz.barPos = 0; }, true},
    {"BART", [](Globals& g) { g.biz.barType = 0; }, true},
    {"BARW", [](Globals& g) { g.biz.barWidth = 0.75f; }, true},
    {"BASA", [](Globals& g) { g.text.baseAlphabet = 1; }, true},
    {"CENT", [](Globals& g) { g.axis.centered = 0; }, true},
    {"CHAA", [](Globals& g) { g.text.slant = 0.0f; }, true},
    {"CHAB", [](Globals& g) { g.biz.barChange = 0; }, true},
    {"CHAS", [](Globals& g) { g.text.spacing = 0.0f; }, true},
    {"CHAW", [](Globals& g) { g.text.widthFactor = 1.0f; }, true},
    {"CHNC", [](Globals& g) { g.axis.curveChange = 0; }, true},
    {"CHNP", [](Globals& g) { g.biz.pieChange = 2; }, true},
    {"CIRC", [](Globals& g) { g.axis.circleSpacing = 10.0f / g.out.unitFactor; }, true},
    {"CLPB", [](Globals& g) { g.line.clipBorder = 0; }, true},
    {"CLPM", restoreClipMode, true},
    {"CLPW", [](Globals& g) {
         g.line.clipX1 = g.line.clipY1 = 0;
         g.line.clipX2 = g.out.nxPage, g.line.clipY2 = g.out.nyPage;
         g.line.clipOwner = 0;
     }, true},
    {"CLRC", fillColourCycle, false},
    {"COLM", [](Globals& g) { g.colour.colourMode = 0; }, false},
    {"COLO", restoreCurrentColour, false},
    {"COLR", restoreColourRange, false},
    {"CONC", [](Globals& g) { g.contour.colour = 0; }, true},
    {"CONG", [](Globals& g) { g.contour.gap = 0.5f; }, true},
    {"CONM", [](Globals& g) { g.contour.labelFactor = 0.5f, g.contour.labelSpacing = 1.5f; }, true},
    {"DIGI", restoreLabelDigits, true},
    {"EUSH", [](Globals& g) { g.text.euShift = 0; }, true},
    {"EXPZ", [](Globals& g) { g.axis.expZero = 0; }, true},
    {"FILB", [](Globals& g) { g.out.fileBoxSet = 0; }, true},
    {"FILC", [](Globals& g) { g.out.fileColourMode = 0; }, true},
    {"FIXS", [](Globals& g) { g.text.fixedPitch = 0.0f, g.text.fixedOn = 0; }, true},
    {"FLAB", [](Globals& g) { g.g3d.flab3 = 1; }, true},
    {"FRAM", [](Globals& g) { g.axis.frame = 1; }, true},
    {"FRME", [](Globals& g) { g.text.frameThickness = 0; }, true},
    {"GAPC", [](Globals& g) { g.axis.curveGap = 0.0f; }, true},
    {"GRAC", [](Globals& g) { g.axis.grace = 0; }, true},
    {"HEIG", [](Globals& g) { g.text.height = length(g, 36); }, true},
    {"HNAM", [](Globals& g) { g.axis.nameHeight = length(g, 36); }, true},
    {"HTIT", [](Globals& g) { g.axis.titleHeight = 0; }, true},
    {"IANG", restoreAngle, true},
    {"INTA", [](Globals& g) { g.axis.intAxis = 0; }, true},
    {"LABC", [](Globals& g) { g.axis.labelColour = -1; }, true},
    {"LABD", restoreLabelDigitsAndDistance, true},
    {"LABE", [](Globals& g) { for (int& t : g.axis.labelType) t = 1; }, true},
    {"LABJ", [](Globals& g) { std::memset(g.axis.labelJust, 0, sizeof g.axis.labelJust); }, true},
    {"LABP", [](Globals& g) { std::memset(g.axis.labelPosition, 0, sizeof g.axis.labelPosition); }, true},
    {"LABT", [](Globals& g) { std::memset(g.axis.labelVertical, 0, sizeof g.axis.labelVertical); }, true},
    {"LEGC", [](Globals& g) { g.axis.legendColour = 0; }, true},
    {"LFTT", [](Globals& g) { g.axis.leftTitle = 0; }, true},
    {"LINC", fillLineCycle, true},
    {"LINS", [](Globals& g) { g.text.lineSpacing = 1.5f; }, true},
    {"LOGT", [](Globals& g) { g.axis.logTicks = 0; }, true},
    {"MAPM", [](Globals& g) { g.map.mode = 1; }, true},
    {"MAPP", [](Globals& g) { g.map.poleSet = 0; }, true},
    {"MAPR", [](Globals& g) { g.map.refSet = 0; }, true},
    {"MAPS", [](Globals& g) { g.map.sphereSet = 0; }, true},
    {"MDFM", [](Globals& g) { g.util.gridRadiusX = g.util.gridRadiusY = 2, g.util.gridExponent = 2.0f; }, true},
    {"MIXA", [](Globals& g) { g.text.mixAlphabet = 0; }, true},
    {"MIXL", [](Globals& g) { g.axis.legendMix = 0; }, true},
    {"MPLA", [](Globals& g) { g.map.plotAngle = 0.0f; }, true},
    {"MPLC", [](Globals& g) { g.map.plotColour = 0; }, true},
    {"MPLS", [](Globals& g) { g.map.plotSize = 0; }, true},
    {"MYLA", restoreMyLabels, true},
    {"NAMD", [](Globals& g) { for (int& d : g.axis.nameDist) d = length(g, 30); }, true},
    {"NAME", [](Globals& g) { std::memset(g.axis.names, 0, sizeof g.axis.names); }, true},
    {"NEGL", [](Globals& g) { g.axis.negLog = 0.0f; }, true},
    {"NEWM", restoreMixChars, true},
    {"NOAR", [](Globals& g) { g.fill.outline = 1; }, true},
    {"NOBA", [](Globals& g) { g.g3d.noBar = 0; }, true},
    {"NOBG", [](Globals& g) { g.g3d.noBackground = 0; }, true},
    {"NOCH", [](Globals& g) { g.axis.noCheck = 0; }, true},
    {"NOCL", restoreClipMode, true},
    {"NOFI", [](Globals& g) { g.contour.noFill = 0; }, true},
    {"NOGR", [](Globals& g) { g.axis.noGraf = 0; }, true},
    {"NOHI", [](Globals& g) { g.g3d.noHide = 0; }, true},
    {"NOLI", [](Globals& g) { g.axis.noLine = 0; }, true},
    {"NUMF", [](Globals& g) { g.text.numberFormat = 0; }, true},
    {"NUMO", [](Globals& g) { std::memcpy(g.text.numberMode, ".\0\0\0", 4); }, true},
    {"ORIG", [](Globals& g) { g.line.originX = g.line.originY = 0; }, true},
    {"PATC", fillPatternCycle, true},
    {"PIEE", [](Globals& g) { g.biz.pieExplode = 0; }, true},
    {"PIEL", [](Globals& g) { g.biz.pieLabels = 0; }, true},
    {"PIEV", [](Globals& g) { g.biz.pieVector = 2301, g.biz.pieVectorMode = 0; }, true},
    {"POLC", [](Globals& g) { g.axis.polarCurve = 0; }, true},
    {"PROJ", [](Globals& g) { g.map.projection = 0; }, true},
    {"RGTL", [](Globals& g) { g.axis.rightLabels = 0; }, true},
    {"RVYN", [](Globals& g) { g.axis.reverseYName = 0; }, true},
    {"SCAL", [](Globals& g) { std::memset(g.axis.scale, 0, sizeof g.axis.scale); }, true},
    {"SETB", [](Globals& g) { g.text.expShift = 0.6f; }, true},
    {"SETC", restoreCurrentColour, false},
    {"SETE", [](Globals& g) { g.text.expSize = 0.8f; }, true},
    {"SETG", [](Globals& g) {
         g.axis.axisParts[0] = g.axis.axisParts[1] = 4;
         g.axis.axisParts[2] = g.axis.axisParts[3] = 2;
     }, true},
    {"SETM", restoreMixChars, true},
    {"SETR", [](Globals& g) { g.axis.resX = g.axis.resY = std::max(1, length(g, 1)); }, true},
    {"SETS", [](Globals& g) { std::memset(g.axis.autoScale, 0, sizeof g.axis.autoScale); }, true},
    {"SHDC", [](Globals& g) { g.text.shadeChars = 0; }, true},
    {"SHDP", restoreShadingPattern, true},
    {"SHIE", [](Globals& g) { for (int& f : g.shield.autoFlags) f = 0; }, true},
    {"SHLS", [](Globals& g) { g.shield.surface = 0; }, true},
    {"SMXA", [](Globals& g) {
         std::memset(g.text.mixSlots, 0, sizeof g.text.mixSlots);
         std::memset(g.text.mixShiftIn, 0, sizeof g.text.mixShiftIn);
         std::memset(g.text.mixShiftOut, 0, sizeof g.text.mixShiftOut);
     }, true},
    {"SPLM", [](Globals& g) { g.axis.splineOrder = 3, g.axis.splinePoints = 200; }, true},
    {"SURC", [](Globals& g) { g.g3d.surfColours[0] = g.g3d.surfColours[1] = 0; }, true},
    {"SURS", [](Globals& g) { g.g3d.surfSize = 0; }, true},
    {"SURV", [](Globals& g) { g.g3d.surfVisible = 0; }, true},
    {"SYMR", [](Globals& g) { g.text.symbolAngle = 0.0f; }, true},
    {"THKC", [](Globals& g) { g.line.curveThickness = 1; }, true},
    {"TICK", [](Globals& g) { for (int& t : g.axis.ticks) t = 2; }, true},
    {"TICL", [](Globals& g) { g.axis.tickLong = length(g, 24), g.axis.tickShort = length(g, 16); }, true},
    {"TICP", [](Globals& g) { std::memset(g.axis.tickPosition, 0, sizeof g.axis.tickPosition); }, true},
    {"TIMO", [](Globals& g) { g.axis.timeOpt = 0; }, true},
    {"TITL", [](Globals& g) {
         std::memset(g.axis.titles, 0, sizeof g.axis.titles);
         for (int& u : g.title.underline) u = 0;
     }, true},
    {"UNIT", [](Globals& g) {
         g.prot.stream = g.prot.fileStream ? g.prot.fileStream : stdout;
         g.prot.unit = g.prot.stream == stdout ? 6 : 17;
     }, true},
    {"VIEW", [](Globals& g) { g.g3d.viewSet = 0; }, true},
    {"VKXB", [](Globals& g) { g.g3d.barShiftX = 0; }, true},
    {"VKYB", [](Globals& g) { g.g3d.barShiftY = 0; }, true},
    {"VKYT", [](Globals& g) { g.axis.titleShift = 0; }, true},
    {"WIDB", [](Globals& g) { g.g3d.barWidth = 85; }, true},
    {"WIND", restoreWindowPlacement, false},
    {"WINM", [](Globals& g) { g.out.winWait = 0; }, true},
    {"WINS", restoreWindowPlacement, false},
    {"ZSCA", [](Globals& g) { g.g3d.zScaleSet = 0; }, true},
};

// Defaults without a reset keyword of their own: reset names only the
// routines of its fixed keyword list.
void restoreUnnamed(Globals& g) {
    g.axis.crossed = 0;
    restoreDateLabels(g);
    std::memset(g.axis.nameJust, 0, sizeof g.axis.nameJust);
    g.axis.polarZero = g.axis.polarClockwise = 0;
    std::memset(g.axis.dateTicks, 0, sizeof g.axis.dateTicks);
    g.out.winKey = 0;
    g.out.winDelay = 10;
    g.line.pageOrigin = 0;
    g.line.dash[0] = 1, g.line.dashCount = 1;
    g.line.dashPhase = 0, g.line.dashIndex = 1, g.line.dashRemaining = 1.0f;
    g.line.lineType = 0;
    g.line.lineWidth = 1, g.line.penWidth = 1.0f;
    g.line.lineCap = 2, g.line.lineJoin = 2, g.line.miterLimit = 2.0f;
    loadDefaultColourTable(g);
    resetBaseTransform(g);
    clearShieldRegions(g);
    g.axis.background = -1;
    g.g3d.meshColour = -1;
    g.biz.pieBorder = -1;
    g.text.frameColour = -1;
    resetTextDefaults(g);
    g.axis.titleJust = 0, g.axis.titlePos = 0;
    g.axis.posSet = g.axis.orgSet = 0;
    g.axis.symbolHeight = length(g, 36);
    g.axis.marker = 0, g.axis.markInc = 0, g.axis.curveInc = 1;
    g.axis.ownSymbols = 0, g.axis.curveCount = 0;
    g.curve.cycleIndex = 1, g.curve.sinceChange = 0, g.curve.patternIndex = 1, g.curve.errorHorizontal = 0;
    g.legend = LegendState{};
    g.biz.pieType = 0, g.biz.pieOpt[0] = 0.2f, g.biz.pieOpt[1] = 45.0f;
    g.g3d.clipNear = 1.0f, g.g3d.clipFar = -1.0f;
    g.g3d.upSet = g.g3d.focusSet = g.g3d.labels3 = g.g3d.clip3 = g.g3d.surfOptions = g.g3d.light = 0;
    g.contour.shadeMode = 0;
    g.map.base = g.map.level = g.map.fileSet = 0;
}

const ResetEntry* findReset(const char* key) {
    for (const ResetEntry& e : kResets)
        if (std::strcmp(e.key, key) == 0) return &e;
    return nullptr;
}

}  // namespace

void resall(Globals& g) {
    g.prot.protOn = g.prot.warnOn = g.prot.checkOn = 1;
    for (const ResetEntry& e : kResets)
        if (e.inResall) e.restore(g);
    restoreUnnamed(g);
}

void reset(const char* name) {
    Globals* g = chkini("reset");
    char key[5];
    int n = 0;
    for (; n < 4 && name[n]; ++n) key[n] = upperAscii(name[n]);
    key[n] = '\0';
    if (std::strcmp(key, "ALL") == 0) {
        resall(*g);
        return;
    }
    const ResetEntry* e = findReset(key);
    if (!e) {
        warnc1(2, key);
        return;
    }
    e->restore(*g);
}

}  // namespace vtx
