// The toolkit side of the widget routines, used when they run on X. The
// table entries are made first; these functions give them their widgets.
#pragma once

namespace vtx {

// The level's top-level shell, main window, menu bar and form (wgini).
void motifCreateLevel(int top);
// The widget of a table entry under its parent's widget.
void motifCreateWidget(int index);
// Lays out the level's widgets, sizes and places the window and shows it.
void motifRealizeLevel(int top);
// Processes events until the level's loop flag is set.
void motifRunLoop(int level);
// Destroys the level's shell (after its loop).
void motifDestroyLevel(int top);
// Whether the entry has a widget on the screen.
bool motifLive(int index);
// The entry's value from its widget (text fields, lists, scales, toggles).
void motifReadValue(int index);
// The entry's value into its widget.
void motifWriteValue(int index);
// Sensitivity and visibility from the entry's attribute.
void motifApplyAttribute(int index);
// A list's or box's items after they changed.
void motifApplyItems(int index);
// X window of the entry's widget, 0 if it is not realised.
unsigned long motifWindow(int index);

}  // namespace vtx
