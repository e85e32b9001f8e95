// The clipping window: user windows, page and axis-system clipping.
#include <algorithm>
#include <climits>
#include <cmath>

#include "session/globals.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/api.h"
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

void setWindow(LineState& line, int x1, int y1, int x2, int y2) {
    line.clipX1 = x1, line.clipY1 = y1, line.clipX2 = x2, line.clipY2 = y2;
}

// The window and raster devices also clip in device coordinates.
void sendDeviceClip(Globals& g) {
    DeviceClass cls = deviceClass(g.ctl.device);
    if (cls != DeviceClass::Screen && cls != DeviceClass::Raster) return;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->clipRect) return;
    const LineState& line = g.line;
    const float s = g.out.deviceScale;
    float x1 = float(line.clipX1), y1 = float(line.clipY1), x2 = float(line.clipX2), y2 = float(line.clipY2);
    if (g.out.pageMode == 1) {
        const float W = float(g.out.nxPage);
        float nx1 = y1, ny1 = W - x2, nx2 = y2, ny2 = W - x1;
        x1 = nx1, y1 = ny1, x2 = nx2, y2 = ny2;
    }
    driver->clipRect(g, int(std::floor(x1 * s + 0.5f)), int(std::floor(y1 * s + 0.5f)),
                     int(std::floor(x2 * s + 0.5f)), int(std::floor(y2 * s + 0.5f)));
}

}  // namespace

void clpwin(int nx, int ny, int nw, int nh) {
    Globals* g = jqqlev(1, 3, "clpwin");
    if (!g) return;
    if (nx < 0 || ny < 0 || nw < 1 || nh < 1) {
        int worst = INT_MAX;
        if (nx < 0) worst = std::min(worst, nx);
        if (ny < 0) worst = std::min(worst, ny);
        if (nw < 1) worst = std::min(worst, nw);
        if (nh < 1) worst = std::min(worst, nh);
        warni1(Warning::IncorrectParameter, worst);
        return;
    }
    // jqqyvl in integers: any int argument stays representable
    long y = (g->line.pageOrigin == 1 && !g->line.rawPageY) ? long(g->out.nyPage) - ny : long(ny);
    long right = long(nx) + nw - 1, bottom = y + nh - 1;
    if (right > g->out.nxPage || bottom > g->out.nyPage || y < 0) {
        long worst = right > g->out.nxPage ? right : bottom > g->out.nyPage ? bottom : y;
        warni1(Warning::IncorrectParameter, int(std::clamp<long>(worst, INT_MIN, INT_MAX)));
        return;
    }
    qqstrk(*g);
    g->line.clipOwner = 1;
    setWindow(g->line, nx, int(y), int(right), int(bottom));
    sendDeviceClip(*g);
}

void clpbor(const char* keyword) {
    Globals* g = chkini("clpbor");
    int i = jqqind("PAGE+AXIS", 2, keyword);
    if (i == 0) return;
    g->line.clipBorder = i - 1;
    if (i == 2) {
        g->line.clipOwner = 2;
        return;
    }
    if (outputOpen(*g)) qqstrk(*g);
    g->line.clipOwner = 0;
    g->line.clipShape = 0;
    setWindow(g->line, 0, 0, g->out.nxPage, g->out.nyPage);
    if (outputOpen(*g)) sendDeviceClip(*g);
}

void clpmod(const char* keyword) {
    Globals* g = chkini("clpmod");
    int i = jqqind("AUTO+NONE+CIRC+RECT", 4, keyword);
    if (i) g->line.clipMode = i - 1;
}

void noclip() {
    Globals* g = chkini("noclip");
    g->line.clipMode = 1;
}

void setAxisClipArea(Globals& g, const AxisClipArea& area) { g.line.axisArea = area; }

void sclpax(Globals& g, int mode) {
    LineState& line = g.line;
    qqstrk(g);
    if (mode == 0) {
        if (!line.clipSaved) return;
        setWindow(line, line.savedClip[0], line.savedClip[1], line.savedClip[2], line.savedClip[3]);
        line.clipShape = 0;
        line.clipSaved = 0;
        sendDeviceClip(g);
        return;
    }
    line.savedClip[0] = line.clipX1, line.savedClip[1] = line.clipY1;
    line.savedClip[2] = line.clipX2, line.savedClip[3] = line.clipY2;
    line.clipSaved = 1;
    if (line.clipMode == 1) return;
    const AxisClipArea& a = line.axisArea;
    bool circle = line.clipMode == 2 || a.circle == 1 || (a.circle == 2 && line.clipMode == 0);
    if (circle) {
        line.clipShape = 1;
        line.clipCX = a.cx, line.clipCY = a.cy, line.clipR = a.r;
        return;
    }
    line.clipShape = 0;
    setWindow(line, std::max(line.clipX1, a.x1), std::max(line.clipY1, a.y1), std::min(line.clipX2, a.x2),
              std::min(line.clipY2, a.y2));
    sendDeviceClip(g);
}

}  // namespace vtx
