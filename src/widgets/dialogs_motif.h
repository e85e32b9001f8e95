// The stand-alone dialogs on an open display: each builds its own top-level
// window, runs the toolkit's events until the dialog is answered, and
// destroys the window again before it returns.
#pragma once

#include <string>
#include <vector>

namespace vtx {

// The window of one dialog on the widgets' display, in the widgets' font.
struct DialogWindow {
    std::string title;
    int width = 0;   // fixed size in pixels; 0 sizes the window to its contents
    int height = 0;
};

// A message with only an OK button; line breaks in the text are kept.
void motifMessage(const DialogWindow& window, const std::string& text);

// A question with Yes and No; default 1 makes Yes the default button.
int motifQuestion(const DialogWindow& window, const std::string& question, int dflt);

// A line of text, cut to maxLength characters.
std::string motifText(const DialogWindow& window, const std::string& label, const std::string& dflt,
                      size_t maxLength);

// A file chosen in a file-selection box filtered by mask, cut to maxLength characters.
std::string motifFile(const DialogWindow& window, const std::string& label, const std::string& file,
                      const std::string& mask, size_t maxLength);

// The 1-based number of the item chosen from the list; selected is preset.
int motifList(const DialogWindow& window, const std::string& label, const std::vector<std::string>& items,
              int selected);

}  // namespace vtx
