#include "device/line_style.h"

#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

// Patterns of lintyp 0..7 in plot units of the default unit.
struct Pattern {
    int count;
    int lengths[4];
};
const Pattern kLineTypes[8] = {
    {1, {1}},  {2, {1, 10}},  {2, {10, 10}}, {4, {30, 15, 10, 15}},
    {4, {1, 15, 15, 15}}, {2, {20, 15}}, {2, {1, 20}}, {2, {30, 20}},
};

}  // namespace

void setLineType(Globals& g, int n) {
    const Pattern& p = kLineTypes[n];
    LineState& line = g.line;
    for (int i = 0; i < p.count; ++i)
        line.dash[i] = std::max(1, int(std::lround(float(p.lengths[i]) / g.out.unitFactor)));
    line.dashCount = p.count;
    line.lineType = n;
    inityp(g);
}

namespace {

void namedLineType(const char* name, int n) {
    Globals* g = chkini(name);
    setLineType(*g, n);
}

void sendAttribute(Globals& g, LineAttribute what, float value, float plotUnits = 0.0f) {
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (driver && driver->lineAttribute) driver->lineAttribute(g, what, value, plotUnits);
}

}  // namespace

float miterLength(const LineState& line) {
    return line.miterLimit * std::max(5.0f, 2.0f * float(std::abs(line.lineWidth)));
}

void myline(const int* pattern, int n) {
    Globals* g = chkini("myline");
    if (jqqval(n, 1, 10) != 0) return;
    for (int i = 0; i < n; ++i)
        if (jqqval(pattern[i], 1, -1) != 0) return;
    LineState& line = g->line;
    for (int i = 0; i < n; ++i) line.dash[i] = pattern[i];
    line.dashCount = n;
    inityp(*g);
}

void lintyp(int n) {
    Globals* g = chkini("lintyp");
    if (jqqval(n, 0, 7) != 0) return;
    setLineType(*g, n);
}

void solid() { namedLineType("solid", 0); }
void dot() { namedLineType("dot", 1); }
void dash() { namedLineType("dash", 2); }
void chndsh() { namedLineType("chndsh", 3); }
void chndot() { namedLineType("chndot", 4); }
void dashm() { namedLineType("dashm", 5); }
void dotl() { namedLineType("dotl", 6); }
void dashl() { namedLineType("dashl", 7); }

void linwid(int n) {
    Globals* g = chkini("linwid");
    if (jqqval(n, 1, 32000) != 0) return;
    if (!outputOpen(*g)) {
        g->line.lineWidth = n;
        return;
    }
    qqstrk(*g);
    // Devices that draw wide lines themselves keep the width negative, so
    // that the pipeline does not thicken the lines again.
    if (!deviceCan(g->ctl.device, kHardwareLines)) {
        g->line.lineWidth = n;
        return;
    }
    g->line.lineWidth = -n;
    const int w = std::max(5, int(std::lround(2.0f * float(n) * g->out.unitFactor)));
    sendAttribute(*g, LineAttribute::Width, float(w), float(n));
}

void penwid(float x) {
    Globals* g = chkini("penwid");
    if (!(x > 0.0f && x <= 32000.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->line.penWidth = x;
    int stored = std::max(1, int(std::lround(x)));
    if (!outputOpen(*g)) {
        g->line.lineWidth = stored;
        return;
    }
    qqstrk(*g);
    if (!deviceCan(g->ctl.device, kHardwareLines)) {
        g->line.lineWidth = stored;
        return;
    }
    const float uf = g->out.unitFactor;
    float w;
    if (x >= 0.99f) w = std::max(2.0f * x * uf, 5.0f);
    else w = (uf > 2.0f ? 2.0f : 5.0f) * x * uf;
    g->line.lineWidth = -stored;
    sendAttribute(*g, LineAttribute::PenWidth, w, x);
}

void lncap(const char* keyword) {
    Globals* g = chkini("lncap");
    int i = jqqind("CUT +ROUN+LONG", 3, keyword);
    if (i == 0) return;
    g->line.lineCap = i - 1;
    if (!outputOpen(*g)) return;
    qqstrk(*g);
    sendAttribute(*g, LineAttribute::Cap, float(i - 1));
}

void lnjoin(const char* keyword) {
    Globals* g = chkini("lnjoin");
    int i = jqqind("SHAR+ROUN+TRUN", 3, keyword);
    if (i == 0) return;
    g->line.lineJoin = i - 1;
    if (!outputOpen(*g)) return;
    qqstrk(*g);
    // A sharp join makes the devices restate the miter limit.
    sendAttribute(*g, LineAttribute::Join, float(i - 1));
}

void lnmlt(float x) {
    Globals* g = chkini("lnmlt");
    if (!(x >= 1.0f) || !std::isfinite(x)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->line.miterLimit = x;
    if (!outputOpen(*g)) return;
    qqstrk(*g);
    sendAttribute(*g, LineAttribute::MiterLimit, miterLength(g->line));
}

void thkcrv(int n) {
    Globals* g = chkini("thkcrv");
    if (jqqval(n, 1, 10000) != 0) return;
    g->line.curveThickness = n;
}

int gettyp() {
    Globals* g = jqqlev(1, 3, "gettyp");
    return g ? g->line.lineType : 0;
}

int getlin() {
    Globals* g = jqqlev(1, 3, "getlin");
    return g ? std::abs(g->line.lineWidth) : 0;
}

}  // namespace vtx
