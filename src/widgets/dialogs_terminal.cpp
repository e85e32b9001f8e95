#include "widgets/dialogs_terminal.h"

#include <istream>
#include <ostream>

#include "widgets/item_strings.h"

namespace vtx {

namespace {

// The next answer without its line end; false at the end of the input.
bool readAnswer(std::istream& in, std::string& answer) {
    if (!std::getline(in, answer)) return false;
    if (!answer.empty() && answer.back() == '\r') answer.pop_back();
    answer = std::string(withoutTrailingBlanks(answer));
    return true;
}

// A positive decimal number making up the whole answer, else 0.
int answerNumber(const std::string& answer) {
    if (answer.empty() || answer.size() > 6) return 0;
    int n = 0;
    for (char c : answer) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

void terminalMessage(std::ostream& out, std::string_view text, char separator) {
    for (char c : text) out << (c == separator ? '\n' : c);
    out << '\n' << std::flush;
}

int terminalQuestion(std::istream& in, std::ostream& out, std::string_view question, int dflt) {
    const int fallback = dflt != 0 ? 1 : 0;
    for (;;) {
        out << question << " (Y/N) [" << (fallback ? 'Y' : 'N') << "]: " << std::flush;
        std::string answer;
        if (!readAnswer(in, answer)) {
            out << '\n' << std::flush;
            return fallback;
        }
        if (answer.empty()) return fallback;
        if (answer == "Y" || answer == "y") return 1;
        if (answer == "N" || answer == "n") return 0;
        out << "<<<< Not allowed Option!\n";
    }
}

std::string terminalText(std::istream& in, std::ostream& out, std::string_view label, std::string_view dflt,
                         size_t maxLength) {
    out << label;
    if (!dflt.empty()) out << " [" << dflt << "]";
    out << ": " << std::flush;
    std::string answer;
    if (!readAnswer(in, answer)) {
        out << '\n' << std::flush;
        answer.clear();
    }
    if (answer.empty()) answer = dflt;
    if (answer.size() > maxLength) answer.resize(maxLength);
    return answer;
}

int terminalList(std::istream& in, std::ostream& out, std::string_view label, const std::vector<std::string>& items,
                 int selected) {
    const int n = int(items.size());
    out << label << '\n';
    for (int k = 0; k < n; ++k) out << "  " << k + 1 << ") " << items[k] << '\n';
    for (;;) {
        out << "Item number [" << selected << "]: " << std::flush;
        std::string answer;
        if (!readAnswer(in, answer)) {
            out << '\n' << std::flush;
            return selected;
        }
        if (answer.empty()) return selected;
        const int number = answerNumber(answer);
        if (number >= 1 && number <= n) return number;
        for (int k = 0; k < n; ++k)
            if (withoutTrailingBlanks(items[k]) == answer) return k + 1;
        out << ">>>> Value doesn't match list elements in DWGLIS!\n";
    }
}

}  // namespace vtx
