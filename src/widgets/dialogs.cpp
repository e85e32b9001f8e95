// The stand-alone dialogs: on the widgets' display when one is open (or can
// be opened), else in the terminal. They run outside the widget dialogs
// only, since they start an event loop of their own.
#include <iostream>

#include "widgets/api.h"
#include "widgets/dialogs_motif.h"
#include "widgets/dialogs_terminal.h"
#include "widgets/display.h"
#include "widgets/item_strings.h"
#include "widgets/widget_state.h"
#include "widgets/widget_table.h"

namespace vtx {

namespace {

constexpr size_t kMaxFileName = 80;
constexpr size_t kMaxDialogText = 132;

// Refuses a dialog while a widget dialog is being built or runs.
bool insideWidgets(const char* routine) {
    if (widgetState().level == 0) return false;
    widgetMessage(">>>> %s cannot be used between WGINI and WGFIN!", routine);
    return true;
}

// Titled as the widget windows are: by swgtit, else by the library's name.
DialogWindow dialogWindow(int width = 0, int height = 0) {
    const std::string& title = widgetState().options.title;
    return DialogWindow{title.empty() ? std::string("VANTIX") : title, width, height};
}

char separator() { return widgetState().options.separator; }

}  // namespace

void dwgmsg(const char* text) {
    if (insideWidgets("DWGMSG")) return;
    if (!openWidgetDisplay()) {
        terminalMessage(std::cout, text, separator());
        return;
    }
    std::string lines(text);
    for (char& c : lines)
        if (c == separator()) c = '\n';
    motifMessage(dialogWindow(400, 450), lines);
}

void msgbox(const char* text) {
    if (!openWidgetDisplay()) {
        std::cout << text << std::endl;
        return;
    }
    motifMessage(dialogWindow(), text);
}

int dwgbut(const char* question, int dflt) {
    if (insideWidgets("DWGBUT")) return -1;
    if (!openWidgetDisplay()) return terminalQuestion(std::cin, std::cout, question, dflt);
    return motifQuestion(dialogWindow(), question, dflt);
}

std::string dwgtxt(const char* label, const char* dflt) {
    if (insideWidgets("DWGTXT")) return {};
    if (!openWidgetDisplay()) return terminalText(std::cin, std::cout, label, dflt, kMaxDialogText);
    return motifText(dialogWindow(), label, dflt, kMaxDialogText);
}

std::string dwgfil(const char* label, const char* file, const char* mask) {
    if (insideWidgets("DWGFIL")) return {};
    if (!openWidgetDisplay()) {
        const std::string prompt = *mask ? std::string(label) + " (" + mask + ")" : std::string(label);
        return terminalText(std::cin, std::cout, prompt, file, kMaxFileName);
    }
    return motifFile(dialogWindow(), label, file, mask, kMaxFileName);
}

int dwglis(const char* label, const char* items, int selected) {
    if (insideWidgets("DWGLIS")) return -1;
    const std::vector<std::string> list = splitItems(items, separator());
    if (selected < 1 || selected > int(list.size())) {
        widgetMessage("<<<< Selected list element out of range in DWGLIS!");
        return -1;
    }
    if (!openWidgetDisplay()) return terminalList(std::cin, std::cout, label, list, selected);
    return motifList(dialogWindow(), label, list, selected);
}

std::string itmcat(const char* list, const char* item) { return appendItem(list, item, separator()); }

int itmcnt(const char* list) { return itemCount(list, separator()); }

std::string itmstr(const char* list, int n) {
    std::optional<std::string> item = pickItem(list, n, separator());
    if (!item) {
        widgetMessage("<<<< Not allowed index in ITMSTR!");
        return {};
    }
    return *item;
}

}  // namespace vtx
