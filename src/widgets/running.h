// What the widgets do when they are used, shared by the toolkit and the
// terminal: callbacks, OK and Quit.
#pragma once

namespace vtx {

// Calls the callback registered for the entry, if any.
void fireCallback(int index);
// Copies the text values of the open levels from their widgets (OK, sendok).
void copyTextValues(int fromLevel);
// Ends the loops of `level` and of the levels nested in it.
void endLoops(int level);
// OK: copies the text values and ends the loops.
void pressOk(int level);
// Quit: ends the process with status 0.
[[noreturn]] void pressQuit();
// Asks for the values of the level's widgets on the terminal (wgfin in terminal mode).
void askOnTerminal(int top);

}  // namespace vtx
