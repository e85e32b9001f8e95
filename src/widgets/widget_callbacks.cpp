// Callbacks of widgets: registered per widget, called when it is activated.
#include "widgets/api.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

// The entry a callback may be attached to, or null after the message.
WidgetEntry* callbackEntry(int id, const char* routine) {
    WidgetState& s = widgetState();
    if (s.level == 0) {
        widgetMessage(">>>> No call to WGINI before in %s!", routine);
        return nullptr;
    }
    const int i = widgetIndex(id);
    if (i < 0) {
        widgetMessage("<<<< Not allowed widget ID in %s!", routine);
        return nullptr;
    }
    WidgetEntry& e = s.table[i];
    if (e.type == WidgetType::Label) {
        widgetMessage(">>>> Callbacks cannot be defined for Label widgets");
        return nullptr;
    }
    if (isParentType(e.type)) {
        widgetMessage(">>>> Callbacks cannot be defined for Parent widgets");
        return nullptr;
    }
    return &e;
}

}  // namespace

void swgcbk(int id, WidgetCallback callback) {
    if (WidgetEntry* e = callbackEntry(id, "SWGCBK")) {
        e->callbackMode = 1;
        e->callback = callback;
    }
}

void swgcb(int id, WidgetDataCallback callback, void* data) {
    if (WidgetEntry* e = callbackEntry(id, "SWGCB")) {
        e->callbackMode = 0;
        e->dataCallback = callback;
        e->userData = data;
    }
}

}  // namespace vtx
