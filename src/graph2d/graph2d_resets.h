// Reset keywords of the axis, label, curve, legend and title settings, and
// their defaults without a keyword. Included by the session's reset routines
// only.
#pragma once

#include <algorithm>

#include "core/reset_table.h"
#include "session/globals.h"

namespace vtx {

inline void restoreLabelDigits(Globals& g) {
    const AxisState d;
    restoreDefault(g.axis.labelDigits, d.labelDigits);
    restoreDefault(g.axis.otherDigits, d.otherDigits);
    g.axis.barLabel = d.barLabel, g.axis.barLabelCode = d.barLabelCode;
    g.axis.pieLabel = d.pieLabel, g.axis.pieLabelPos = d.pieLabelPos, g.axis.pieLabelJust = d.pieLabelJust;
}

inline void restoreDateLabels(Globals& g) {
    const AxisState d;
    restoreDefault(g.axis.dateOrder, d.dateOrder);
    restoreDefault(g.axis.dateLanguage, d.dateLanguage);
    restoreDefault(g.axis.dateUpper, d.dateUpper);
    restoreDefault(g.axis.dateDay, d.dateDay);
    restoreDefault(g.axis.dateMonth, d.dateMonth);
    restoreDefault(g.axis.dateYear, d.dateYear);
    restoreDefault(g.axis.dateSeparator, d.dateSeparator);
}

inline const ResetRow<Globals> kGraph2DResets[] = {
    {"AUTR", [](Globals& g) { g.axis.autoRes = AxisState{}.autoRes; }, true},
    // ax3len sets all three lengths
    {"AX3L", [](Globals& g) {
         const AxisState d;
         g.axis.lenX = d.lenX, g.axis.lenY = d.lenY, g.axis.lenZ = d.lenZ;
     }, true},
    {"AXCL", [](Globals& g) { restoreDefault(g.axis.axisColours, AxisState{}.axisColours); }, true},
    {"AXEN", [](Globals& g) { restoreDefault(g.axis.ends, AxisState{}.ends); }, true},
    {"AXSL", [](Globals& g) { g.axis.lenX = AxisState{}.lenX, g.axis.lenY = AxisState{}.lenY; }, true},
    {"AXSP", [](Globals& g) { g.axis.posSet = AxisState{}.posSet, g.axis.orgSet = AxisState{}.orgSet; }, true},
    {"BARW", [](Globals& g) { g.curve.barWidth = CurveState{}.barWidth; }, true},
    {"CENT", [](Globals& g) { g.axis.centered = AxisState{}.centered; }, true},
    {"CHNC", [](Globals& g) { g.curve.curveChange = CurveState{}.curveChange; }, true},
    {"DIGI", restoreLabelDigits, true},
    {"EXPZ", [](Globals& g) { g.axis.expZero = AxisState{}.expZero; }, true},
    {"FRAM", [](Globals& g) { g.axis.frame = AxisState{}.frame; }, true},
    {"GAPC", [](Globals& g) { g.curve.curveGap = CurveState{}.curveGap; }, true},
    {"GRAC", [](Globals& g) { g.axis.grace = AxisState{}.grace; }, true},
    {"HNAM", [](Globals& g) { g.axis.nameHeight = defaultLength(g, AxisState{}.nameHeight); }, true},
    {"HTIT", [](Globals& g) { g.title.height = TitleState{}.height; }, true},
    {"INTA", [](Globals& g) { g.axis.intAxis = AxisState{}.intAxis; }, true},
    {"LABC", [](Globals& g) { g.axis.labelColour = AxisState{}.labelColour; }, true},
    // labdig and labdis share the reset key LABD.
    {"LABD", [](Globals& g) {
         restoreLabelDigits(g);
         for (int& d : g.axis.labelDist) d = defaultLength(g, AxisState{}.labelDist[0]);
         g.axis.contourLabelDist = defaultLength(g, AxisState{}.contourLabelDist);
     }, true},
    {"LABE", [](Globals& g) {
         restoreDefault(g.axis.labelType, AxisState{}.labelType);
         g.axis.contourLabels = AxisState{}.contourLabels;
     }, true},
    {"LABJ", [](Globals& g) { restoreDefault(g.axis.labelJust, AxisState{}.labelJust); }, true},
    {"LABP", [](Globals& g) { restoreDefault(g.axis.labelPosition, AxisState{}.labelPosition); }, true},
    {"LABT", [](Globals& g) { restoreDefault(g.axis.labelVertical, AxisState{}.labelVertical); }, true},
    {"LEGC", [](Globals& g) { g.legend.colour = LegendState{}.colour; }, true},
    {"LFTT", [](Globals& g) { g.title.left = TitleState{}.left; }, true},
    {"LINC", [](Globals& g) { restoreDefault(g.curve.lineCycle, CurveState{}.lineCycle); }, true},
    {"LOGT", [](Globals& g) { g.axis.logTicks = AxisState{}.logTicks; }, true},
    {"MIXL", [](Globals& g) { g.legend.mix = LegendState{}.mix; }, true},
    {"MYLA", [](Globals& g) {
         const AxisState d;
         g.axis.myLabels = d.myLabels;
         restoreDefault(g.axis.myLabelText, d.myLabelText);
         restoreDefault(g.axis.myLabelCount, d.myLabelCount);
     }, true},
    {"NAMD", [](Globals& g) { for (int& d : g.axis.nameDist) d = defaultLength(g, AxisState{}.nameDist[0]); }, true},
    {"NAME", [](Globals& g) { restoreDefault(g.axis.names, AxisState{}.names); }, true},
    {"NEGL", [](Globals& g) { g.axis.negLog = AxisState{}.negLog; }, true},
    {"NOCH", [](Globals& g) { g.curve.noCheck = CurveState{}.noCheck; }, true},
    {"NOGR", [](Globals& g) { g.axis.noGraf = AxisState{}.noGraf; }, true},
    {"NOLI", [](Globals& g) { restoreDefault(g.axis.noAxisLine, AxisState{}.noAxisLine); }, true},
    {"PATC", [](Globals& g) { restoreDefault(g.curve.patternCycle, CurveState{}.patternCycle); }, true},
    {"POLC", [](Globals& g) { g.curve.mode = CurveState{}.mode; }, true},
    {"RGTL", [](Globals& g) { g.axis.rightLabels = AxisState{}.rightLabels; }, true},
    {"RVYN", [](Globals& g) { g.axis.reverseYName = AxisState{}.reverseYName; }, true},
    {"SCAL", [](Globals& g) { restoreDefault(g.axis.scale, AxisState{}.scale); }, true},
    {"SETG", [](Globals& g) { restoreDefault(g.axis.axisParts, AxisState{}.axisParts); }, true},
    // One plot unit of the default unit, at least one unit of the current one.
    {"SETR", [](Globals& g) { g.axis.resX = g.axis.resY = std::max(1, defaultLength(g, 1)); }, true},
    {"SETS", [](Globals& g) { restoreDefault(g.axis.autoScale, AxisState{}.autoScale); }, true},
    {"SPLM", [](Globals& g) {
         g.curve.splineOrder = CurveState{}.splineOrder, g.curve.splinePoints = CurveState{}.splinePoints;
     }, true},
    {"TICK", [](Globals& g) { restoreDefault(g.axis.ticks, AxisState{}.ticks); }, true},
    {"TICL", [](Globals& g) {
         const AxisState d;
         g.axis.tickLong = defaultLength(g, d.tickLong), g.axis.tickShort = defaultLength(g, d.tickShort);
     }, true},
    {"TICP", [](Globals& g) { restoreDefault(g.axis.tickPosition, AxisState{}.tickPosition); }, true},
    {"TIMO", [](Globals& g) { g.axis.timeOpt = AxisState{}.timeOpt; }, true},
    {"TITL", [](Globals& g) {
         restoreDefault(g.title.lines, TitleState{}.lines);
         restoreDefault(g.title.underline, TitleState{}.underline);
     }, true},
    {"VKYT", [](Globals& g) { g.title.shift = TitleState{}.shift; }, true},
};

inline void restoreGraph2DUnnamed(Globals& g) {
    const AxisState d;
    AxisState& a = g.axis;
    a.crossed = d.crossed;
    restoreDateLabels(g);
    restoreDefault(a.nameJust, d.nameJust);
    a.polarZero = d.polarZero, a.polarClockwise = d.polarClockwise;
    restoreDefault(a.dateTicks, d.dateTicks);
    a.background = d.background;
    const TitleState t;
    g.title.just = t.just, g.title.pos = t.pos;
    a.posSet = d.posSet, a.orgSet = d.orgSet;
    const CurveState c;
    CurveState& curve = g.curve;
    curve.marker = c.marker, curve.markInc = c.markInc, curve.curveInc = c.curveInc;
    curve.ownSymbols = c.ownSymbols, curve.curveCount = c.curveCount;
    curve.cycleIndex = c.cycleIndex, curve.sinceChange = c.sinceChange;
    curve.patternIndex = c.patternIndex, curve.errorHorizontal = c.errorHorizontal;
    g.legend = LegendState{};
}

}  // namespace vtx
