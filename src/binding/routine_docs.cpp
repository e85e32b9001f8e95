#include "binding/routine_docs.h"

#include <cstring>
#include <deque>
#include <string_view>
#include <vector>

#include "binding/library.h"
#include "binding/wrapper.h"

namespace vtx::py {

namespace {

struct DocRow {
    const char* name;
    const char* arguments;  // "x, y, n"; "name: type" overrides the type the letters give
    const char* results;    // "type name, ..." in the order they come back; "" for None
    const char* levels;     // "lo-hi"
    const char* purpose;
};

constexpr DocRow kDocs[] = {
#define DOC(NAME, ARGUMENTS, RESULTS, LEVELS, PURPOSE) {#NAME, ARGUMENTS, RESULTS, LEVELS, PURPOSE},
#include "binding/routine_docs.def"
};

constexpr const DocRow* findDoc(std::string_view name) {
    for (const DocRow& d : kDocs)
        if (name == d.name) return &d;
    return nullptr;
}

// Items of a comma-separated list; commas inside brackets belong to a type.
constexpr int countItems(const char* list) {
    if (!*list) return 0;
    int n = 1, depth = 0;
    for (; *list; ++list) {
        depth += *list == '[' ? 1 : *list == ']' ? -1 : 0;
        n += *list == ',' && depth == 0;
    }
    return n;
}

// Python arguments of a row of the routine table; '|' marks the optional ones.
constexpr int countLetters(const char* letters) {
    int n = 0;
    for (; *letters; ++letters) n += *letters != '|';
    return n;
}

// The result letters the documentation row promises: i, f, s or b per result.
constexpr bool resultsMatch(const char* results, const char* letters) {
    const char* r = results;
    while (*r == ' ') ++r;
    for (; *letters; ++letters) {
        if (!*r) return false;
        const std::string_view rest(r);
        const char letter = rest.substr(0, 4) == "int " ? 'i' : rest.substr(0, 6) == "float " ? 'f'
                          : rest.substr(0, 4) == "str " ? 's' : 0;
        if (letter != *letters) return false;
        while (*r && *r != ',') ++r;
        while (*r == ',' || *r == ' ') ++r;
    }
    return !*r;
}

template <typename T> constexpr char resultLetter() { return 0; }
template <> constexpr char resultLetter<int&>() { return 'i'; }
template <> constexpr char resultLetter<int>() { return 'i'; }
template <> constexpr char resultLetter<float&>() { return 'f'; }
template <> constexpr char resultLetter<float>() { return 'f'; }
template <> constexpr char resultLetter<std::string&>() { return 's'; }
template <> constexpr char resultLetter<std::string>() { return 's'; }
template <> constexpr char resultLetter<const char*>() { return 's'; }

// Output parameters in order, then the function result: what the wrapper returns.
template <typename F>
struct Results;
template <typename R, typename... A>
struct Results<R (*)(A...)> {
    static constexpr auto letters = [] {
        std::array<char, sizeof...(A) + 2> s{};
        size_t k = 0;
        ((Param<A>::output ? void(s[k++] = resultLetter<A>()) : void()), ...);
        if constexpr (!std::is_void_v<R>) s[k++] = resultLetter<R>();
        return s;
    }();
};

constexpr bool argumentsMatch(const DocRow* doc, const char* letters) {
    return !doc || countItems(doc->arguments) == countLetters(letters);
}

constexpr bool resultsMatchRow(const DocRow* doc, const char* letters) {
    return !doc || resultsMatch(doc->results, letters);
}

// A documentation row must name every Python argument of its routine and,
// for a generic wrapper, promise exactly the results its signature gives.
#define ROUTINE(NAME, FAMILY, LETTERS, KINDS)                                                      \
    static_assert(argumentsMatch(findDoc(#NAME), LETTERS), "routine_docs.def: arguments of " #NAME); \
    static_assert(resultsMatchRow(findDoc(#NAME), Results<decltype(&vtx::NAME)>::letters.data()),    \
                  "routine_docs.def: results of " #NAME);
#define CUSTOM(NAME, FAMILY, LETTERS, KINDS) \
    static_assert(argumentsMatch(findDoc(#NAME), LETTERS), "routine_docs.def: arguments of " #NAME);
#include "binding/routines.def"

struct TableRow {
    const char* name;
    Family family;
    const char* letters;
    const char* kinds;
};

constexpr TableRow kRoutines[] = {
#define ROUTINE(NAME, FAMILY, LETTERS, KINDS) {#NAME, Family::FAMILY, LETTERS, KINDS},
#define CUSTOM(NAME, FAMILY, LETTERS, KINDS) {#NAME, Family::FAMILY, LETTERS, KINDS},
#include "binding/routines.def"
};

// Element kinds of the sequence arguments, one letter each ("F+3 F+3 iii" -> "FFiii").
std::string kindLetters(const char* kinds) {
    std::string k;
    for (; *kinds; ++kinds)
        if (std::strchr("FILMfim", *kinds)) k += *kinds;
    return k;
}

const char* sequenceType(char kind, Family family) {
    if (family == Family::Bytes) return "bytes | bytearray | memoryview";
    if (family == Family::Callback) return "Callable[..., Any]";
    switch (kind) {
        case 'I': case 'L': return "Sequence[int] | ArrayLike";
        case 'M': return "Sequence[Sequence[float]] | Sequence[float] | ArrayLike";
        case 'f': case 'm': return "MutableSequence[float] | NDArray[Any]";
        case 'i': return "MutableSequence[int] | NDArray[Any]";
        default: return "Sequence[float] | ArrayLike";
    }
}

const char* scalarType(char letter) {
    return letter == 'i' ? "int" : letter == 'f' ? "float" : "str | bytes";
}

std::vector<std::string> splitList(const char* list) {
    std::vector<std::string> items;
    std::string item;
    int depth = 0;
    for (const char* c = list;; ++c) {
        depth += *c == '[' ? 1 : *c == ']' ? -1 : 0;
        if ((*c == ',' && depth == 0) || !*c) {
            const size_t b = item.find_first_not_of(' '), e = item.find_last_not_of(' ');
            if (b != std::string::npos) items.push_back(item.substr(b, e - b + 1));
            item.clear();
            if (!*c) break;
        } else {
            item += *c;
        }
    }
    return items;
}

std::string levelText(const char* levels) {
    const int lo = levels[0] - '0', hi = levels[2] - '0';
    if (lo == hi) return std::string("Level: ") + levels[0] + ".";
    std::string text = "Levels: ";
    for (int l = lo; l <= hi; ++l) text += std::to_string(l) + (l < hi ? ", " : ".");
    return text;
}

std::string compose(const TableRow& row, const DocRow& doc) {
    const std::vector<std::string> names = splitList(doc.arguments);
    const std::string kinds = kindLetters(row.kinds);
    std::vector<std::string> plain, typed, writtenBack;
    size_t sequence = 0, k = 0;
    bool optional = false;
    for (const char* letter = row.letters; *letter && k < names.size(); ++letter) {
        if (*letter == '|') {
            optional = true;
            continue;
        }
        std::string name = names[k++], type;
        if (const size_t colon = name.find(':'); colon != std::string::npos) {
            type = name.substr(name.find_first_not_of(' ', colon + 1));
            name = name.substr(0, colon);
        }
        if (*letter == 'O') {
            const char kind = sequence < kinds.size() ? kinds[sequence] : 'F';
            ++sequence;
            if (type.empty()) type = sequenceType(kind, row.family);
            if (kind == 'f' || kind == 'i' || kind == 'm') writtenBack.push_back(name);
        } else if (type.empty()) {
            type = scalarType(*letter);
        }
        plain.push_back(optional ? name + "=None" : name);
        typed.push_back(name + ": " + type + (optional ? " = ..." : ""));
    }
    const std::vector<std::string> results = splitList(doc.results);
    std::string returns, returnType;
    for (k = 0; k < results.size(); ++k) {
        const size_t space = results[k].rfind(' ');
        const std::string type = results[k].substr(0, space), name = results[k].substr(space + 1);
        returns += (k ? ", " : "") + name + ": " + type;
        returnType += (k ? ", " : "") + type;
    }
    if (results.empty()) returnType = "None";
    else if (results.size() > 1) returnType = "tuple[" + returnType + "]", returns = "(" + returns + ")";

    // The first line is the signature that inspect.signature() reads.
    std::string text = std::string(row.name) + "($module";
    for (const std::string& n : plain) text += ", " + n;
    text += plain.empty() ? ")\n--\n\n" : ", /)\n--\n\n";
    text += std::string(row.name) + "(";
    for (k = 0; k < typed.size(); ++k) text += (k ? ", " : "") + typed[k];
    text += ") -> " + returnType + "\n\n" + doc.purpose + "\n\n" + levelText(doc.levels) + "\n";
    text += "Returns: " + (results.empty() ? std::string("None") : returns) + ".\n";
    if (!writtenBack.empty()) {
        text += "Written back after the call: ";
        for (k = 0; k < writtenBack.size(); ++k) text += (k ? ", " : "") + writtenBack[k];
        text += ".\n";
    }
    return text;
}

const TableRow* findRoutine(const char* name) {
    for (const TableRow& r : kRoutines)
        if (std::strcmp(r.name, name) == 0) return &r;
    return nullptr;
}

}  // namespace

std::string docstringOf(const char* name) {
    const TableRow* row = findRoutine(name);
    const DocRow* doc = findDoc(name);
    return row && doc ? compose(*row, *doc) : std::string();
}

void attachDocstrings(PyMethodDef* methods) {
    static std::deque<std::string> texts;
    for (PyMethodDef* m = methods; m->ml_name; ++m) {
        std::string text = docstringOf(m->ml_name);
        if (text.empty()) continue;
        texts.push_back(std::move(text));
        m->ml_doc = texts.back().c_str();
    }
}

}  // namespace vtx::py
