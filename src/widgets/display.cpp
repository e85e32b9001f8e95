#include "widgets/display.h"

#include <cstdio>
#include <cstdlib>

#include "widgets/widget_state.h"
#include "widgets/toolkit.h"

namespace vtx {

namespace {

enum class DisplayStatus { NotTried, Open, Failed };
DisplayStatus g_status = DisplayStatus::NotTried;

}  // namespace

Toolkit& toolkit() {
    static Toolkit t;
    return t;
}

bool openWidgetDisplay() {
    const DialogMode mode = widgetState().options.mode;
    if (mode == DialogMode::Ascii) return false;
    if (g_status == DisplayStatus::NotTried) {
        Toolkit& t = toolkit();
        XtToolkitInitialize();
        t.app = XtCreateApplicationContext();
        int argc = 1;
        static char name[] = "vantix";
        char* argv[] = {name, nullptr};
        t.display = XtOpenDisplay(t.app, nullptr, "vantix", "vantix", nullptr, 0, &argc, argv);
        g_status = t.display ? DisplayStatus::Open : DisplayStatus::Failed;
        if (!t.display) {
            XtDestroyApplicationContext(t.app);
            t.app = nullptr;
        }
    }
    if (g_status == DisplayStatus::Open) return true;
    if (mode == DialogMode::XWindow) {
        widgetMessage("<<<< Can't open X Window display!");
        std::exit(0);
    }
    return false;
}

bool widgetTerminalMode() {
    const DialogMode mode = widgetState().options.mode;
    if (mode == DialogMode::Ascii) return true;
    return g_status == DisplayStatus::Failed && mode == DialogMode::Auto;
}

bool widgetDisplayOpen() { return g_status == DisplayStatus::Open; }

}  // namespace vtx
