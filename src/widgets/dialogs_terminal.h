// The stand-alone dialogs without a display: each asks on the output stream
// and reads its answer from the input stream, one line at a time. An empty
// line keeps the offered default, and so does the end of the input, so a
// program run without a terminal neither waits nor fails.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vtx {

// A message, each separator turned into a line break.
void terminalMessage(std::ostream& out, std::string_view text, char separator);

// A yes/no question: 1 for "Y"/"y", 0 for "N"/"n"; anything else is refused
// and asked again.
int terminalQuestion(std::istream& in, std::ostream& out, std::string_view question, int dflt);

// A line of text, cut to maxLength characters.
std::string terminalText(std::istream& in, std::ostream& out, std::string_view label, std::string_view dflt,
                         size_t maxLength);

// A choice from numbered items, answered by number or by the item itself;
// an answer that matches neither is refused and asked again. Returns the
// 1-based item number.
int terminalList(std::istream& in, std::ostream& out, std::string_view label, const std::vector<std::string>& items,
                 int selected);

}  // namespace vtx
