#include "widgets/widget_table.h"

namespace vtx {

namespace {

bool oneOf(WidgetType t, std::initializer_list<WidgetType> kinds) {
    if (kinds.size() == 0) return true;
    for (WidgetType k : kinds)
        if (k == t) return true;
    return false;
}

}  // namespace

int widgetIndex(int id) {
    const WidgetState& s = widgetState();
    return id >= 1 && id <= s.count ? id - 1 : -1;
}

int appendEntry(WidgetType type, int parent) {
    WidgetState& s = widgetState();
    const int index = s.count++;
    WidgetEntry& e = s.table[index];
    e = WidgetEntry{};
    e.type = type;
    e.level = s.level;
    e.parent = parent;
    return index;
}

int beginLevel(WidgetLayout layout) {
    WidgetState& s = widgetState();
    if (s.level >= kMaxWidgetLevels) {
        widgetMessage(">>>> Too many nested widgets!");
        return -1;
    }
    // The outermost wgini starts a new set: the values of the last one are dropped.
    if (s.level == 0) {
        for (int i = 0; i < s.count; ++i) s.table[i] = WidgetEntry{};
        s.count = 0;
    }
    if (s.count >= kMaxWidgets) {
        widgetMessage(">>>> Too many widgets in WGINI!");
        return -1;
    }
    ++s.level;
    const int index = appendEntry(WidgetType::Top, -1);
    WidgetEntry& e = s.table[index];
    e.layout = layout;
    e.place = s.options.window;
    s.levelStart[s.level - 1] = index;
    s.levelDone[s.level - 1] = false;
    s.running[s.level - 1] = false;
    s.initialised = true;
    return index;
}

void endLevel() {
    WidgetState& s = widgetState();
    if (s.level > 0) {
        s.running[s.level - 1] = false;
        --s.level;
    }
}

int addWidget(WidgetType type, int parentId, const char* routine) {
    WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage(">>>> No call to WGINI before in %s!", routine);
        return -1;
    }
    if (s.count >= kMaxWidgets) {
        widgetMessage(">>>> Too many widgets in %s!", routine);
        return -1;
    }
    const int p = widgetIndex(parentId);
    if (p < 0 || !isParentType(s.table[p].type) || s.table[p].level != s.level) {
        widgetMessage(">>>> Not allowed parent ID in %s!", routine);
        return -1;
    }
    const int index = appendEntry(type, p);
    WidgetEntry& e = s.table[index];
    const WidgetOptions& o = s.options;
    if (s.table[p].layout == WidgetLayout::Form) e.place = o.window;
    e.justify = (type == WidgetType::Label) ? o.labelJustify : o.buttonJustify;
    e.orientation = (type == WidgetType::Scale) ? o.scaleOrientation : o.boxOrientation;
    e.listType = o.listType;
    e.step = o.step;
    e.drawRatio = o.drawRatio;
    e.columns = o.width;
    return index;
}

WidgetEntry* setterEntry(int id, const char* routine, std::initializer_list<WidgetType> kinds) {
    WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage("<<<< %s must be used between WGINI and WGFIN!", routine);
        return nullptr;
    }
    const int i = widgetIndex(id);
    if (i < 0) {
        widgetMessage("<<<< Not allowed widget ID in %s!", routine);
        return nullptr;
    }
    if (!oneOf(s.table[i].type, kinds)) {
        widgetMessage("<<<< Not allowed ID in %s!", routine);
        return nullptr;
    }
    return &s.table[i];
}

WidgetEntry* getterEntry(int id, const char* routine, std::initializer_list<WidgetType> kinds) {
    WidgetState& s = widgetState();
    if (!s.initialised) {
        widgetMessage("<<<< Not call to WGINI before %s!", routine);
        return nullptr;
    }
    const int i = widgetIndex(id);
    if (i < 0 || !oneOf(s.table[i].type, kinds)) {
        widgetMessage("<<<< Not allowed ID in %s!", routine);
        return nullptr;
    }
    return &s.table[i];
}

int itemCount(const std::string& items, char separator) {
    int n = 1;
    for (char c : items) n += c == separator;
    return n;
}

std::string itemAt(const std::string& items, char separator, int n) {
    size_t start = 0;
    for (int k = 1; k < n; ++k) {
        const size_t next = items.find(separator, start);
        if (next == std::string::npos) return std::string();
        start = next + 1;
    }
    const size_t end = items.find(separator, start);
    return items.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace vtx
