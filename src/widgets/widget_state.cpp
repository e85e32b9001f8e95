#include "widgets/widget_state.h"

#include <cstdarg>
#include <cstdio>

#include "core/checks.h"

namespace vtx {

WidgetState& widgetState() {
    static WidgetState state;
    return state;
}

void widgetMessage(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::putchar('\n');
    // Flushed at once, so that the messages interleave with prompts and the caller's output.
    std::fflush(stdout);
}

int widgetKeyword(const char* list, int count, const char* keyword, const char* routine) {
    const int index = keywordIndex(list, count, keyword);
    if (index == 0) widgetMessage(">>>> Warning: Not allowed parameter in %s! (%s)", routine, keyword);
    return index;
}

}  // namespace vtx
