// wgfin without a display: each interactive widget of the level asks on
// standard output and reads its answer from standard input. An empty answer,
// and the end of the input, keep the current value.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "widgets/running.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

// One line of standard input without its line end; false at the end of the input.
bool readAnswer(std::string& answer) {
    std::fflush(stdout);
    answer.clear();
    int c;
    while ((c = std::getchar()) != EOF && c != '\n') answer += char(c);
    if (c == EOF && answer.empty()) {
        std::putchar('\n');
        return false;
    }
    while (!answer.empty() && (answer.back() == '\r' || answer.back() == ' ')) answer.pop_back();
    return true;
}

void refuse() { widgetMessage("<<<< Not allowed Option!"); }

// Y or N; true if the state was answered.
bool askToggle(WidgetEntry& e) {
    std::string a;
    for (;;) {
        std::printf("%s (Y/N): ", e.label.c_str());
        if (!readAnswer(a)) return false;
        if (a == "Y" || a == "y" || a == "N" || a == "n") {
            e.value = (a == "Y" || a == "y") ? 1 : 0;
            return true;
        }
        refuse();
    }
}

bool askText(const char* prompt, std::string& value) {
    std::string a;
    std::printf("%s [%s]: ", prompt, value.c_str());
    if (!readAnswer(a) || a.empty()) return false;
    value = a;
    return true;
}

// The items numbered, then the number of the choice.
bool askChoice(WidgetEntry& e, char separator) {
    for (int k = 1; k <= e.lines; ++k) std::printf("  %d) %s\n", k, itemAt(e.items, separator, k).c_str());
    std::string a;
    for (;;) {
        std::printf("Select an item (1-%d) [%d]: ", e.lines, e.value);
        if (!readAnswer(a) || a.empty()) return false;
        char* end;
        const long n = std::strtol(a.c_str(), &end, 10);
        if (*end == '\0' && n >= 1 && n <= e.lines) {
            e.value = int(n);
            return true;
        }
        refuse();
    }
}

bool askScale(WidgetEntry& e) {
    std::string a;
    for (;;) {
        std::printf("%s (%.*f - %.*f) [%.*f]: ", e.label.c_str(), e.decimals, e.scaleMin, e.decimals, e.scaleMax,
                    e.decimals, e.scaleValue);
        if (!readAnswer(a) || a.empty()) return false;
        char* end;
        const float v = std::strtof(a.c_str(), &end);
        if (*end == '\0' && v >= e.scaleMin && v <= e.scaleMax) {
            e.scaleValue = v;
            return true;
        }
        refuse();
    }
}

// Asks for one widget; true when its value was answered.
bool ask(WidgetEntry& e, char separator) {
    switch (e.type) {
        case WidgetType::Label: std::printf("%s\n", e.label.c_str()); return false;
        case WidgetType::Toggle: return askToggle(e);
        case WidgetType::Text: return askText("Text", e.text);
        case WidgetType::LabelText: return askText(e.label.c_str(), e.text);
        case WidgetType::File: return askText(e.label.empty() ? "File" : e.label.c_str(), e.text);
        case WidgetType::List:
        case WidgetType::DropList:
        case WidgetType::Box: return askChoice(e, separator);
        case WidgetType::Scale: return askScale(e);
        default: return false;
    }
}

}  // namespace

void askOnTerminal(int top) {
    WidgetState& s = widgetState();
    const int level = s.table[top].level;
    for (int i = top + 1; i < s.count; ++i) {
        WidgetEntry& e = s.table[i];
        if (e.level != level || e.attribute != kWidgetActive) continue;
        if (ask(e, s.options.separator)) fireCallback(i);
    }
    std::fflush(stdout);
}

}  // namespace vtx
