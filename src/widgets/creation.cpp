// The creation routines: an entry in the table, and on X its widget.
#include <new>

#include "widgets/api.h"
#include "widgets/display.h"
#include "widgets/motif.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

const char* const kLayouts = "VERT+HORI+FORM";

// Gives a new entry its widget when the widgets run on X; the ID.
int finish(int index) {
    if (!widgetTerminalMode()) motifCreateWidget(index);
    return index + 1;
}

// Takes back the entry just made, after a check of its arguments failed.
int dropLast() {
    --widgetState().count;
    return -1;
}

// Stores an owned text; the entry is dropped with "Not enough memory" if that fails.
bool storeText(std::string& target, const char* text, const char* routine) {
    try {
        target = text;
        return true;
    } catch (const std::bad_alloc&) {
        widgetMessage(">>>> Not enough memory in %s", routine);
        return false;
    }
}

// A list, drop-down list or box with its items and 1-based selection.
int createChoice(WidgetType type, int parent, const char* items, int selected, const char* routine) {
    const int i = addWidget(type, parent, routine);
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.items = items;
    e.lines = itemCount(e.items, widgetState().options.separator);
    if (selected < 1 || selected > e.lines) {
        widgetMessage("<<<< Selected list element out of range in %s!", routine);
        return dropLast();
    }
    e.value = selected;
    return finish(i);
}

// A widget with a text and nothing else to check.
int createLabelled(WidgetType type, int parent, const char* text, const char* routine) {
    const int i = addWidget(type, parent, routine);
    if (i < 0) return -1;
    widgetState().table[i].label = text;
    return finish(i);
}

// A menu (under a top-level window) or a menu entry (under a menu).
int createMenuItem(WidgetType type, int parent, const char* label) {
    WidgetState& s = widgetState();
    const bool menu = type == WidgetType::Popup;
    const char* routine = menu ? "WGPOP" : "WGAPP";
    if (s.level == 0) {
        widgetMessage(">>>> No call to WGINI before in %s!", routine);
        return -1;
    }
    const int p = widgetIndex(parent);
    if (p < 0 || s.table[p].type != (menu ? WidgetType::Top : WidgetType::Popup) || s.table[p].level != s.level) {
        widgetMessage(menu ? ">>>> Not allowed ID in WGPOP!" : ">>>> Parent must be a Popup widget in WGAPP!");
        return -1;
    }
    if (s.count >= kMaxWidgets) {
        widgetMessage(">>>> Too many widgets in %s!", routine);
        return -1;
    }
    const int i = appendEntry(type, p);
    s.table[i].label = label;
    return finish(i);
}

}  // namespace

int wgini(const char* layout) {
    const int k = widgetKeyword(kLayouts, 3, layout, "WGINI");
    if (k == 0) return -1;
    const bool onX = openWidgetDisplay();
    const int i = beginLevel(WidgetLayout(k - 1));
    if (i < 0) return -1;
    if (onX) motifCreateLevel(i);
    return i + 1;
}

int wgbas(int parent, const char* layout) {
    const int k = widgetKeyword(kLayouts, 3, layout, "WGBAS");
    if (k == 0) return -1;
    const int i = addWidget(WidgetType::Base, parent, "WGBAS");
    if (i < 0) return -1;
    widgetState().table[i].layout = WidgetLayout(k - 1);
    return finish(i);
}

int wglab(int parent, const char* text) { return createLabelled(WidgetType::Label, parent, text, "WGLAB"); }

int wgbut(int parent, const char* text, int state) {
    const int i = addWidget(WidgetType::Toggle, parent, "WGBUT");
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.label = text;
    e.value = state == 1 ? 1 : 0;
    return finish(i);
}

int wgpbut(int parent, const char* text) { return createLabelled(WidgetType::Push, parent, text, "WGPBUT"); }

int wgcmd(int parent, const char* text, const char* command) {
    const int i = addWidget(WidgetType::Command, parent, "WGCMD");
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.label = text;
    if (!storeText(e.text, command, "WGCMD")) return dropLast();
    return finish(i);
}

int wgtxt(int parent, const char* text) {
    const int i = addWidget(WidgetType::Text, parent, "WGTXT");
    if (i < 0) return -1;
    if (!storeText(widgetState().table[i].text, text, "WGTXT")) return dropLast();
    return finish(i);
}

int wgltxt(int parent, const char* label, const char* text, int percent) {
    const int i = addWidget(WidgetType::LabelText, parent, "WGLTXT");
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.label = label;
    e.percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (!storeText(e.text, text, "WGLTXT")) return dropLast();
    return finish(i);
}

int wgstxt(int parent, int size, int maxLines) {
    const int i = addWidget(WidgetType::ScrollText, parent, "WGSTXT");
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.lines = size < 1 ? 1 : size;
    e.value = maxLines;  // lines kept; older lines are dropped (0: no limit)
    return finish(i);
}

int wgfil(int parent, const char* label, const char* file, const char* mask) {
    const int i = addWidget(WidgetType::File, parent, "WGFIL");
    if (i < 0) return -1;
    WidgetEntry& e = widgetState().table[i];
    e.label = label;
    if (!storeText(e.text, file, "WGFIL") || !storeText(e.mask, mask, "WGFIL")) return dropLast();
    return finish(i);
}

int wglis(int parent, const char* items, int selected) {
    return createChoice(WidgetType::List, parent, items, selected, "WGLIS");
}

int wgdlis(int parent, const char* items, int selected) {
    return createChoice(WidgetType::DropList, parent, items, selected, "WGDLIS");
}

int wgbox(int parent, const char* items, int selected) {
    return createChoice(WidgetType::Box, parent, items, selected, "WGBOX");
}

int wgscl(int parent, const char* label, float min, float max, float value, int decimals) {
    const int i = addWidget(WidgetType::Scale, parent, "WGSCL");
    if (i < 0) return -1;
    if (!(value >= min && value <= max)) {
        widgetMessage("<<<< Value is out of range in WGSCL!");
        return dropLast();
    }
    WidgetEntry& e = widgetState().table[i];
    e.label = label;
    e.scaleMin = min, e.scaleMax = max, e.scaleValue = value;
    e.decimals = decimals < 0 ? 0 : decimals > 6 ? 6 : decimals;
    return finish(i);
}

int wgdraw(int parent) {
    const int i = addWidget(WidgetType::Draw, parent, "WGDRAW");
    return i < 0 ? -1 : finish(i);
}

int wgok(int parent) { return createLabelled(WidgetType::Ok, parent, "OK", "WGOK"); }

int wgquit(int parent) { return createLabelled(WidgetType::Quit, parent, "Quit", "WGQUIT"); }

// Menus live in the menu bar of a top-level window, entries in a menu.
int wgpop(int parent, const char* label) { return createMenuItem(WidgetType::Popup, parent, label); }

int wgapp(int menu, const char* label) { return createMenuItem(WidgetType::Entry, menu, label); }

}  // namespace vtx
