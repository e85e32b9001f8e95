// Placement of a level's widgets: natural sizes from the character metrics
// and the options, children stacked top to bottom (vertical parents), left
// to right (horizontal) or where they were asked to be (form). Pure
// geometry on the table; the toolkit applies the result.
#pragma once

#include "widgets/widget_state.h"

namespace vtx {

struct WidgetMetrics {
    int charWidth = 8, charHeight = 14;  // from "XXXXXXXXXX" in the widget font
    int screenWidth = 1280, screenHeight = 1024;
};

// Spacing between widgets in pixels (horizontal, vertical).
int horizontalSpacing(const WidgetOptions& o, const WidgetMetrics& m);
int verticalSpacing(const WidgetOptions& o, const WidgetMetrics& m);

// Margins of a top-level window: left, top, right, bottom in pixels.
void windowMargins(const WidgetOptions& o, const WidgetMetrics& m, int margins[4]);

// Width and height of a widget that is not a parent, from its kind.
void naturalSize(const WidgetEntry& e, const WidgetOptions& o, const WidgetMetrics& m, int& width, int& height);

// Lays out the level whose top-level entry is `top`: fills `frame` of every
// entry of the level (positions relative to the parent's form; the top
// entry's frame is the size of its form, margins included).
void layoutLevel(WidgetState& s, int top, const WidgetMetrics& m);

// Position of a nested top-level window: right of and below its parent's
// window by three quarters of its width and two thirds of its height.
void nestedPosition(const WidgetRect& parentWindow, int& x, int& y);

}  // namespace vtx
