// Option routines of the widgets: process-wide, kept until changed.
#include "widgets/api.h"
#include "widgets/widget_state.h"

namespace vtx {

void swgmod(const char* mode) {
    const int k = widgetKeyword("AUTO+XWIN+ASCI", 3, mode, "SWGMOD");
    if (k != 0) widgetState().options.mode = DialogMode(k - 1);
}

void swgmix(const char* character, const char* option) {
    if (widgetKeyword("SEP ", 1, option, "SWGMIX") == 0) return;
    if (*character) widgetState().options.separator = *character;
}

}  // namespace vtx
