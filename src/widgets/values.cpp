// Values of widgets: read after wgfin and inside callbacks, set while the
// dialog is open. A widget on the screen is asked for its value first.
#include "widgets/api.h"
#include "widgets/motif.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

using T = WidgetType;

// The entry of a getter with its value brought up to date from the screen.
WidgetEntry* readEntry(int id, const char* routine, std::initializer_list<WidgetType> kinds) {
    WidgetEntry* e = getterEntry(id, routine, kinds);
    if (e && motifLive(id - 1)) motifReadValue(id - 1);
    return e;
}

// Shows a value that a setter changed.
void show(int id) {
    if (motifLive(id - 1)) motifWriteValue(id - 1);
}

void setSelection(int id, int selected, const char* routine, std::initializer_list<WidgetType> kinds) {
    WidgetEntry* e = setterEntry(id, routine, kinds);
    if (!e) return;
    if (selected < 1 || selected > e->lines) {
        widgetMessage("<<<< Not allowed value in %s!", routine);
        return;
    }
    e->value = selected;
    show(id);
}

}  // namespace

int gwgbut(int id) {
    const WidgetEntry* e = readEntry(id, "GWGBUT", {T::Toggle});
    return e ? e->value : -1;
}

int gwglis(int id) {
    const WidgetEntry* e = readEntry(id, "GWGLIS", {T::List, T::DropList});
    return e ? e->value : -1;
}

int gwgbox(int id) {
    const WidgetEntry* e = readEntry(id, "GWGBOX", {T::Box});
    return e ? e->value : -1;
}

float gwgscl(int id) {
    const WidgetEntry* e = readEntry(id, "GWGSCL", {T::Scale});
    return e ? e->scaleValue : -1.f;
}

std::string gwgtxt(int id) {
    const WidgetEntry* e = readEntry(id, "GWGTXT", {T::Text, T::LabelText, T::ScrollText});
    return e ? e->text : std::string();
}

std::string gwgfil(int id) {
    const WidgetEntry* e = readEntry(id, "GWGFIL", {T::File});
    return e ? e->text : std::string();
}

int gwgxid(int id) {
    if (!getterEntry(id, "GWGXID", {})) return -1;
    const unsigned long window = motifWindow(id - 1);
    if (window == 0) {
        widgetMessage("<<<< Widget is not realized in GWGXID!");
        return -1;
    }
    return int(window);
}

int gwgatt(int id, const char* option) {
    const WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage("<<<< GWGATT must be used between WGINI and WGFIN!");
        return -1;
    }
    const int i = widgetIndex(id);
    if (i < 0) {
        widgetMessage("<<<< Not allowed ID in GWGATT!");
        return -1;
    }
    if (widgetKeyword("STAT", 1, option, "GWGATT") == 0) return -1;
    return s.table[i].attribute;
}

void swgbut(int id, int state) {
    if (WidgetEntry* e = setterEntry(id, "SWGBUT", {T::Toggle})) {
        e->value = state == 1 ? 1 : 0;
        show(id);
    }
}

void swglis(int id, int selected) { setSelection(id, selected, "SWGLIS", {T::List, T::DropList}); }

void swgbox(int id, int selected) { setSelection(id, selected, "SWGBOX", {T::Box}); }

void swgscl(int id, float value) {
    WidgetEntry* e = setterEntry(id, "SWGSCL", {T::Scale});
    if (!e) return;
    if (!(value >= e->scaleMin && value <= e->scaleMax)) {
        widgetMessage("<<<< Value is out of range in SWGSCL!");
        return;
    }
    e->scaleValue = value;
    show(id);
}

void swgtxt(int id, const char* text) {
    WidgetEntry* e = setterEntry(id, "SWGTXT", {T::Text, T::LabelText, T::ScrollText});
    if (!e) return;
    if (e->type != T::ScrollText) {
        e->text = text;
        show(id);
        return;
    }
    // A scrolled text collects lines; beyond its limit the oldest go.
    if (motifLive(id - 1)) motifReadValue(id - 1);
    if (!e->text.empty()) e->text += '\n';
    e->text += text;
    if (e->value > 0) {
        int lines = 1;
        for (char c : e->text) lines += c == '\n';
        size_t start = 0;
        for (; lines > e->value; --lines) start = e->text.find('\n', start) + 1;
        e->text.erase(0, start);
    }
    show(id);
}

void swgfil(int id, const char* file) {
    if (WidgetEntry* e = setterEntry(id, "SWGFIL", {T::File})) {
        e->text = file;
        show(id);
    }
}

void swgatt(int id, const char* value, const char* option) {
    WidgetEntry* e = setterEntry(id, "SWGATT", {});
    if (!e) return;
    const int k = widgetKeyword("STAT+LIST", 2, option, "SWGATT");
    if (k == 1) {
        const int a = widgetKeyword("ACTI+INAC+INVI", 3, value, "SWGATT");
        if (a == 0) return;
        e->attribute = a - 1;
        if (motifLive(id - 1)) motifApplyAttribute(id - 1);
    } else if (k == 2) {
        if (e->type != T::List && e->type != T::DropList && e->type != T::Box) {
            widgetMessage("<<<< Not allowed ID in SWGATT!");
            return;
        }
        e->items = value;
        e->lines = itemCount(e->items, widgetState().options.separator);
        if (e->value > e->lines) e->value = 1;
        if (motifLive(id - 1)) motifApplyItems(id - 1);
    }
}

}  // namespace vtx
