#include "widgets/layout.h"

#include <algorithm>
#include <cmath>

#include "widgets/widget_table.h"

namespace vtx {

namespace {

int scaled(float factor, int unit) { return int(std::lround(factor * float(unit))); }

int defaultWidth(int columns, const WidgetMetrics& m) {
    return columns < 0 ? -columns * m.screenWidth / 100 : columns * m.charWidth;
}

// Lays out the children of `parent` and returns its size through w and h.
void layoutChildren(WidgetState& s, int parent, const WidgetMetrics& m, int& w, int& h) {
    const WidgetOptions& o = s.options;
    const WidgetLayout layout = s.table[parent].layout;
    const int hs = horizontalSpacing(o, m), vs = verticalSpacing(o, m);
    int x = 0, y = 0;
    w = h = 0;
    bool first = true;
    for (int i = parent + 1; i < s.count; ++i) {
        WidgetEntry& e = s.table[i];
        if (e.parent != parent || e.type == WidgetType::Popup || e.type == WidgetType::Entry) continue;
        int cw, ch;
        if (e.type == WidgetType::Base) layoutChildren(s, i, m, cw, ch);
        else naturalSize(e, o, m, cw, ch);
        if (layout == WidgetLayout::Form) {
            if (e.place.width > 0) cw = e.place.width;
            if (e.place.height > 0) ch = e.place.height;
            e.frame = {std::max(e.place.x, 0), std::max(e.place.y, 0), cw, ch};
            w = std::max(w, e.frame.x + cw), h = std::max(h, e.frame.y + ch);
            continue;
        }
        if (layout == WidgetLayout::Vertical) {
            if (!first) y += vs;
            e.frame = {0, y, cw, ch};
            y += ch;
            w = std::max(w, cw), h = y;
        } else {
            if (!first) x += hs;
            e.frame = {x, 0, cw, ch};
            x += cw;
            w = x, h = std::max(h, ch);
        }
        first = false;
    }
    w = std::max(w, 1), h = std::max(h, 1);
}

// Moves the laid-out children of `parent` by (dx, dy).
void shiftChildren(WidgetState& s, int parent, int dx, int dy) {
    for (int i = parent + 1; i < s.count; ++i)
        if (s.table[i].parent == parent) s.table[i].frame.x += dx, s.table[i].frame.y += dy;
}

}  // namespace

int horizontalSpacing(const WidgetOptions& o, const WidgetMetrics& m) {
    return o.hspace < 0 ? scaled(-o.hspace / 100.f, m.screenWidth) : scaled(o.hspace, m.charWidth);
}

int verticalSpacing(const WidgetOptions& o, const WidgetMetrics& m) {
    return o.vspace < 0 ? scaled(-o.vspace / 100.f, m.screenWidth) : scaled(o.vspace, m.charHeight);
}

void windowMargins(const WidgetOptions& o, const WidgetMetrics& m, int margins[4]) {
    const int automatic[4] = {horizontalSpacing(o, m) / 2, verticalSpacing(o, m), horizontalSpacing(o, m) / 2,
                              verticalSpacing(o, m)};
    for (int k = 0; k < 4; ++k) margins[k] = o.margin[k] >= 0 ? o.margin[k] : automatic[k];
}

void naturalSize(const WidgetEntry& e, const WidgetOptions& o, const WidgetMetrics& m, int& width, int& height) {
    const int c = m.charHeight;
    width = defaultWidth(e.columns, m);
    const int items = itemCount(e.items, o.separator);
    switch (e.type) {
        case WidgetType::Label: height = scaled(1.6f, c); break;
        case WidgetType::Toggle: height = scaled(1.5f, c); break;
        case WidgetType::Text:
        case WidgetType::LabelText:
        case WidgetType::File: height = 2 * c + 6; break;
        case WidgetType::DropList: height = 2 * c + 10; break;
        case WidgetType::List: {
            const bool scrolled = e.listType == 1 || (e.listType == 0 && items > 8);
            height = (scrolled ? 6 : items) * (c + 3) + 14;
            break;
        }
        case WidgetType::Box:
            height = e.orientation == 1 ? scaled(1.5f, c) + 12 : items * scaled(1.5f, c) + 12;
            break;
        case WidgetType::Scale:
            if (e.orientation == 1) height = scaled(3.8f, c);
            else height = 10 * c, width = std::min(width, 8 * m.charWidth + 4 * c);
            break;
        case WidgetType::ScrollText: height = std::max(e.lines, 1) * (c + 3) + 22; break;
        case WidgetType::Draw: height = std::max(1, int(std::lround(e.drawRatio * float(width)))); break;
        default: height = 2 * c; break;  // push, command, OK and Quit buttons
    }
}

void layoutLevel(WidgetState& s, int top, const WidgetMetrics& m) {
    int w, h, margins[4];
    layoutChildren(s, top, m, w, h);
    windowMargins(s.options, m, margins);
    shiftChildren(s, top, margins[0], margins[1]);
    s.table[top].frame.width = w + margins[0] + margins[2];
    s.table[top].frame.height = h + margins[1] + margins[3];
}

void nestedPosition(const WidgetRect& parentWindow, int& x, int& y) {
    x = parentWindow.x + parentWindow.width * 3 / 4;
    y = parentWindow.y + parentWindow.height * 2 / 3;
}

}  // namespace vtx
