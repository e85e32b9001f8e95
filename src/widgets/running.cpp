// wgfin and reawgt, and what OK, Quit and the callbacks do.
#include "widgets/running.h"

#include <cstdio>
#include <cstdlib>

#include "device/drivers/x11/api.h"
#include "widgets/api.h"
#include "widgets/display.h"
#include "widgets/motif.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

void (*g_exitHook)() = nullptr;

bool isTextKind(WidgetType t) {
    return t == WidgetType::Text || t == WidgetType::LabelText || t == WidgetType::File ||
           t == WidgetType::ScrollText;
}

// The first drawing area of a level, -1 if it has none.
int drawingArea(const WidgetState& s, int level) {
    for (int i = s.levelStart[level - 1]; i < s.count; ++i)
        if (s.table[i].level == level && s.table[i].type == WidgetType::Draw) return i;
    return -1;
}

// A plot opened while the level is shown draws into its drawing area.
void handDrawingArea(const WidgetState& s, int level) {
    const int d = drawingArea(s, level);
    if (d >= 0 && motifWindow(d) != 0) setxid(int(motifWindow(d)), "WIDG");
}

// The screen driver lets go of a drawing area before its window goes.
void releaseDrawingArea(const WidgetState& s, int level) {
    if (drawingArea(s, level) >= 0) setxid(-1, "NONE");
}

}  // namespace

void fireCallback(int index) {
    const WidgetEntry& e = widgetState().table[index];
    if (e.callbackMode == 1 && e.callback) e.callback(index + 1);
    else if (e.callbackMode == 0 && e.dataCallback) e.dataCallback(index + 1, e.userData);
}

void copyTextValues(int fromLevel) {
    WidgetState& s = widgetState();
    for (int i = 0; i < s.count; ++i)
        if (s.table[i].level >= fromLevel && isTextKind(s.table[i].type) && motifLive(i)) motifReadValue(i);
}

void endLoops(int level) {
    WidgetState& s = widgetState();
    for (int l = level; l <= kMaxWidgetLevels; ++l) s.levelDone[l - 1] = true;
}

void pressOk(int level) {
    copyTextValues(level);
    endLoops(level);
}

void setWidgetExitHook(void (*hook)()) { g_exitHook = hook; }

void pressQuit() {
    if (g_exitHook) g_exitHook();
    std::fflush(stdout);
    std::exit(0);
}

void wgfin() {
    WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage(">>>> No call to WGINI before in WGFIN!");
        return;
    }
    const int level = s.level, top = s.levelStart[level - 1];
    if (widgetTerminalMode()) {
        askOnTerminal(top);
    } else {
        motifRealizeLevel(top);
        handDrawingArea(s, level);
        s.running[level - 1] = true;
        motifRunLoop(level);
        for (int i = top; i < s.count; ++i)
            if (s.table[i].level == level && !isTextKind(s.table[i].type) && motifLive(i)) motifReadValue(i);
        releaseDrawingArea(s, level);
        motifDestroyLevel(top);
    }
    endLevel();
}

void reawgt() {
    WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage(">>>> No call to WGINI before in REAWGT!");
        return;
    }
    if (widgetTerminalMode()) return;
    motifRealizeLevel(s.levelStart[s.level - 1]);
    handDrawingArea(s, s.level);
}

void sendok() {
    const WidgetState& s = widgetState();
    if (s.level > 0 && !widgetTerminalMode()) pressOk(s.level);
}

}  // namespace vtx
