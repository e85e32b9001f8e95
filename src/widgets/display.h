// The X display of the widgets, opened once with the first wgini, and the
// choice between it and the terminal: AUTO falls back to the terminal when
// no display can be opened, XWIN ends the process, ASCI never opens one.
#pragma once

namespace vtx {

// Opens the display as the dialog mode says, on the first call that needs
// one. True when the widgets run on X, false in terminal mode.
bool openWidgetDisplay();

// Whether the widgets run in terminal mode: mode ASCI, or AUTO after the
// display could not be opened.
bool widgetTerminalMode();

// Whether the display has been opened.
bool widgetDisplayOpen();

}  // namespace vtx
