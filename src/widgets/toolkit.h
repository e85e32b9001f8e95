// The toolkit side of the widgets: the application context and display, and
// the handles of the widgets, shells and menu bars. Only files that talk to
// the toolkit include it, after every library header: the X headers define
// macros that clash with ordinary names.
#pragma once

#include <X11/Intrinsic.h>
#include <Xm/Xm.h>

#include "widgets/widget_state.h"

namespace vtx {

struct Toolkit {
    XtAppContext app = nullptr;
    Display* display = nullptr;
    XmFontList fontList = nullptr;
    XFontStruct* font = nullptr;
    int charWidth = 8, charHeight = 14;     // from "XXXXXXXXXX" in the widget font
    Widget widget[kMaxWidgets] = {};        // the widget of each table entry
    Widget field[kMaxWidgets] = {};         // its text field, list or scale inside a composite
    Widget shell[kMaxWidgetLevels] = {};    // top-level shell of each level
    Widget menuBar[kMaxWidgetLevels] = {};
};

Toolkit& toolkit();

}  // namespace vtx
