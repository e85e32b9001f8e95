// Writes the C interface of the library from the routine table: the header
// vantix.h, declaring one C function per routine with the C spelling of its
// C++ signature, and the adapters that forward each C function to its C++
// routine. Argument names and the one-line purposes come from the
// documentation table.
//
//   gen_c_api vantix.h vantix_c.cpp
//
// Outputs become pointers (int* for int&), string outputs a buffer with its
// size, string results a pointer to text kept until the next call of the same
// routine. A routine with a parameter type the table below does not know is
// left out of the interface and listed at the end of the header.
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "binding/library.h"

namespace {

// How one C++ parameter type is spelled in C and passed on to C++.
enum class Pass { Value, Output, StringOutput };

template <typename T, typename = void>
struct CParam {
    static constexpr bool supported = false;
};
template <typename T>
struct Plain {
    static constexpr bool supported = true;
    static constexpr Pass pass = Pass::Value;
};
template <> struct CParam<int> : Plain<int> { static constexpr const char* spelling = "int %s"; };
template <> struct CParam<float> : Plain<float> { static constexpr const char* spelling = "float %s"; };
template <> struct CParam<const char*> : Plain<int> { static constexpr const char* spelling = "const char* %s"; };
template <> struct CParam<char*> : Plain<int> { static constexpr const char* spelling = "char* %s"; };
template <> struct CParam<const float*> : Plain<int> { static constexpr const char* spelling = "const float* %s"; };
template <> struct CParam<float*> : Plain<int> { static constexpr const char* spelling = "float* %s"; };
template <> struct CParam<const int*> : Plain<int> { static constexpr const char* spelling = "const int* %s"; };
template <> struct CParam<int*> : Plain<int> { static constexpr const char* spelling = "int* %s"; };
template <> struct CParam<const long*> : Plain<int> { static constexpr const char* spelling = "const long* %s"; };
template <> struct CParam<unsigned char*> : Plain<int> { static constexpr const char* spelling = "unsigned char* %s"; };
template <> struct CParam<const unsigned char*> : Plain<int> {
    static constexpr const char* spelling = "const unsigned char* %s";
};
template <> struct CParam<FILE*> : Plain<int> { static constexpr const char* spelling = "FILE* %s"; };
template <> struct CParam<float (*)(float, float)> : Plain<int> {
    static constexpr const char* spelling = "float (*%s)(float, float)";
};
template <> struct CParam<float (*)(float, float, int)> : Plain<int> {
    static constexpr const char* spelling = "float (*%s)(float, float, int)";
};
template <> struct CParam<int&> {
    static constexpr bool supported = true;
    static constexpr Pass pass = Pass::Output;
    static constexpr const char* spelling = "int* %s";
};
template <> struct CParam<float&> {
    static constexpr bool supported = true;
    static constexpr Pass pass = Pass::Output;
    static constexpr const char* spelling = "float* %s";
};
template <> struct CParam<std::string&> {
    static constexpr bool supported = true;
    static constexpr Pass pass = Pass::StringOutput;
    static constexpr const char* spelling = "char* %s, int %s_size";
};

template <typename R>
struct CResult {
    static constexpr bool supported = false;
};
template <> struct CResult<void> { static constexpr bool supported = true; static constexpr const char* spelling = "void"; };
template <> struct CResult<int> { static constexpr bool supported = true; static constexpr const char* spelling = "int"; };
template <> struct CResult<float> { static constexpr bool supported = true; static constexpr const char* spelling = "float"; };
template <> struct CResult<std::string> {
    static constexpr bool supported = true;
    static constexpr const char* spelling = "const char*";
};

struct ParamInfo {
    const char* spelling;
    Pass pass;
};

struct Shape {
    bool supported;
    const char* result;
    bool stringResult;
    std::vector<ParamInfo> params;
};

template <typename F>
struct ShapeOf;
template <typename R, typename... A>
struct ShapeOf<R (*)(A...)> {
    static Shape get() {
        constexpr bool ok = CResult<R>::supported && (CParam<A>::supported && ... && true);
        if constexpr (!ok) {
            return Shape{false, "", false, {}};
        } else {
            return Shape{true, CResult<R>::spelling, std::is_same_v<R, std::string>,
                         {ParamInfo{CParam<A>::spelling, CParam<A>::pass}...}};
        }
    }
};

struct Doc {
    const char* name;
    const char* arguments;
    const char* results;
    const char* levels;
    const char* purpose;
};

const Doc kDocs[] = {
#define DOC(NAME, ARGUMENTS, RESULTS, LEVELS, PURPOSE) {#NAME, ARGUMENTS, RESULTS, LEVELS, PURPOSE},
#include "binding/routine_docs.def"
};

// C names of the routines whose Python arguments are not their C++
// parameters (buffers that the module allocates, for example).
const Doc kCNames[] = {
    {"readfl", "unit, buffer, n", "", "", ""},       {"writfl", "unit, buffer, n", "", "", ""},
    {"rbfpng", "buffer, size", "", "", ""},          {"pdfbuf", "buffer, size", "", "", ""},
    {"rpixls", "buffer, x, y, width, height", "", "", ""},
    {"wpixls", "buffer, x, y, width, height", "", "", ""},
    {"rpxrow", "buffer, x, y, n", "", "", ""},       {"wpxrow", "buffer, x, y, n", "", "", ""},
    {"getlab", "x, y, z", "", "", ""},               {"upstr", "text", "", "", ""},
    {"getmat", "x, y, z, n, zmat, nx, ny, zval, imat, wmat", "", "", ""},
};

const Doc* find(const Doc* table, size_t n, const char* name) {
    for (size_t k = 0; k < n; ++k)
        if (std::strcmp(table[k].name, name) == 0) return &table[k];
    return nullptr;
}

// Comma-separated names without their ": type" and without the type of "type name" results.
std::vector<std::string> names(const char* list, bool typeFirst) {
    std::vector<std::string> out;
    std::string item;
    int depth = 0;
    for (const char* c = list;; ++c) {
        depth += *c == '[' ? 1 : *c == ']' ? -1 : 0;
        if ((*c == ',' && depth == 0) || !*c) {
            size_t b = item.find_first_not_of(' ');
            if (b != std::string::npos) {
                item = item.substr(b);
                if (typeFirst) item = item.substr(item.rfind(' ') + 1);
                item = item.substr(0, item.find(':'));
                item = item.substr(0, item.find_last_not_of(' ') + 1);
                out.push_back(item);
            }
            item.clear();
            if (!*c) break;
        } else {
            item += *c;
        }
    }
    return out;
}

// Parameter names: the documented inputs and outputs where they match the
// C++ parameters in number, else the C names above, else a1, a2, ...
std::vector<std::string> parameterNames(const char* routine, const Shape& shape) {
    size_t inputs = 0, outputs = 0;
    for (const ParamInfo& p : shape.params) (p.pass == Pass::Value ? inputs : outputs) += 1;
    std::vector<std::string> result(shape.params.size());
    if (const Doc* c = find(kCNames, sizeof kCNames / sizeof *kCNames, routine)) {
        std::vector<std::string> given = names(c->arguments, false);
        if (given.size() == result.size()) return given;
    }
    if (const Doc* d = find(kDocs, sizeof kDocs / sizeof *kDocs, routine)) {
        std::vector<std::string> in = names(d->arguments, false), out = names(d->results, true);
        if (shape.stringResult || std::strcmp(shape.result, "void") != 0) {
            if (!out.empty()) out.pop_back();  // the function result
        }
        if (in.size() == inputs && out.size() == outputs) {
            size_t i = 0, o = 0;
            for (size_t k = 0; k < result.size(); ++k)
                result[k] = shape.params[k].pass == Pass::Value ? in[i++] : out[o++];
            return result;
        }
    }
    for (size_t k = 0; k < result.size(); ++k) result[k] = "a" + std::to_string(k + 1);
    return result;
}

// Words that C or C++ reserve ("xor" is an operator in C++) get a trailing underscore.
std::string safeName(const std::string& name) {
    static const char* const kReserved[] = {
        "and", "and_eq", "bitand", "bitor", "compl", "not", "not_eq", "or", "or_eq", "xor", "xor_eq",
        "auto", "break", "case", "char", "class", "const", "continue", "default", "delete", "do",
        "double", "else", "enum", "extern", "float", "for", "goto", "if", "inline", "int", "long",
        "new", "operator", "register", "return", "short", "signed", "sizeof", "static", "struct",
        "switch", "template", "this", "typedef", "union", "unsigned", "void", "volatile", "while"};
    for (const char* word : kReserved)
        if (name == word) return name + "_";
    return name;
}

std::string spell(const char* pattern, const std::string& rawName) {
    const std::string name = safeName(rawName);
    std::string out;
    for (const char* c = pattern; *c; ++c) {
        if (c[0] == '%' && c[1] == 's') out += name, ++c;
        else out += *c;
    }
    return out;
}

struct Routine {
    const char* name;
    Shape shape;
};

std::vector<Routine> routines() {
    std::vector<Routine> all;
#define ROUTINE(NAME, FAMILY, LETTERS, KINDS) all.push_back({#NAME, ShapeOf<decltype(&vtx::NAME)>::get()});
#define CUSTOM(NAME, FAMILY, LETTERS, KINDS) CUSTOM_##FAMILY(NAME)
#define CUSTOM_WITH_ROUTINE(NAME) all.push_back({#NAME, ShapeOf<decltype(&vtx::NAME)>::get()});
#define CUSTOM_NoArg CUSTOM_WITH_ROUTINE
#define CUSTOM_Scalar CUSTOM_WITH_ROUTINE
#define CUSTOM_Query CUSTOM_WITH_ROUTINE
#define CUSTOM_Function CUSTOM_WITH_ROUTINE
#define CUSTOM_ArrayIn CUSTOM_WITH_ROUTINE
#define CUSTOM_MatrixIn CUSTOM_WITH_ROUTINE
#define CUSTOM_ArrayOut CUSTOM_WITH_ROUTINE
#define CUSTOM_Bytes CUSTOM_WITH_ROUTINE
#define CUSTOM_Callback CUSTOM_WITH_ROUTINE
// The quick plots of the module are Python functions without a routine of the library.
#define CUSTOM_Quick(NAME)
#include "binding/routines.def"
    return all;
}

void writeHeader(std::FILE* h, const std::vector<Routine>& all) {
    std::fputs(
        "/* The VANTIX plotting library for C and C++: one function per routine of the\n"
        " * library, under the routine's name. Outputs are pointers; a string output is\n"
        " * a buffer with its size (the text is cut to size - 1 characters); a string\n"
        " * result points to text kept until the next call of the same routine.\n"
        " * Generated from the library's routine table; do not edit. */\n"
        "#ifndef VANTIX_H\n#define VANTIX_H\n\n#include <stdio.h>\n\n"
        "#define VANTIX_VERSION \"8.2\"\n\n"
        "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n",
        h);
    std::vector<const char*> left;
    for (const Routine& r : all) {
        if (!r.shape.supported) {
            left.push_back(r.name);
            continue;
        }
        const std::vector<std::string> n = parameterNames(r.name, r.shape);
        if (const Doc* d = find(kDocs, sizeof kDocs / sizeof *kDocs, r.name)) {
            if (d->levels[0] == d->levels[2]) std::fprintf(h, "/* %s Level %c. */\n", d->purpose, d->levels[0]);
            else std::fprintf(h, "/* %s Levels %c to %c. */\n", d->purpose, d->levels[0], d->levels[2]);
        }
        std::fprintf(h, "%s %s(", r.shape.result, r.name);
        if (n.empty()) std::fputs("void", h);
        for (size_t k = 0; k < n.size(); ++k)
            std::fprintf(h, "%s%s", k ? ", " : "", spell(r.shape.params[k].spelling, n[k]).c_str());
        std::fputs(");\n\n", h);
    }
    std::fputs("#ifdef __cplusplus\n}\n#endif\n\n", h);
    if (!left.empty()) {
        std::fputs("/* Not in the C interface (a parameter type without a C spelling):", h);
        for (const char* name : left) std::fprintf(h, " %s", name);
        std::fputs(" */\n\n", h);
    }
    std::fputs("#endif\n", h);
}

void writeAdapters(std::FILE* c, const std::vector<Routine>& all) {
    std::fputs(
        "// Generated by tools/gen_c_api.cpp: each C function forwards to its C++ routine.\n"
        "#include <string>\n\n#include \"binding/library.h\"\n#include \"binding/routine_guard.h\"\n\n"
        "namespace {\n\n"
        "void copyOut(const std::string& text, char* buffer, int size) {\n"
        "    if (!buffer || size <= 0) return;\n"
        "    const std::string::size_type n = text.size() < std::string::size_type(size) ? text.size() : size - 1;\n"
        "    text.copy(buffer, n);\n"
        "    buffer[n] = '\\0';\n"
        "}\n\n}  // namespace\n\n"
        "// A static link pulls this file in with any routine; the record factory must come along.\n"
        "extern \"C\" const int vantix_record_factory_anchor;\n"
        "extern \"C\" const int* const vantix_c_keeps_record_factory = &vantix_record_factory_anchor;\n\n"
        "extern \"C\" {\n\n",
        c);
    for (const Routine& r : all) {
        if (!r.shape.supported) continue;
        const std::vector<std::string> n = parameterNames(r.name, r.shape);
        std::fprintf(c, "%s %s(", r.shape.result, r.name);
        for (size_t k = 0; k < n.size(); ++k)
            std::fprintf(c, "%s%s", k ? ", " : "", spell(r.shape.params[k].spelling, n[k]).c_str());
        std::fputs(") {\n", c);
        std::string call = "vtx::" + std::string(r.name) + "(", after;
        for (size_t k = 0; k < n.size(); ++k) {
            const std::string p = safeName(n[k]);
            if (k) call += ", ";
            switch (r.shape.params[k].pass) {
                case Pass::Value: call += p; break;
                case Pass::Output: call += "*" + p; break;
                case Pass::StringOutput:
                    std::fprintf(c, "    std::string %s_text;\n", p.c_str());
                    call += p + "_text";
                    after += "    copyOut(" + p + "_text, " + p + ", " + p + "_size);\n";
                    break;
            }
        }
        call += ")";
        if (r.shape.stringResult) {
            std::fprintf(c, "    static std::string result;\n");
            std::fprintf(c, "    result = vtx::py::callRoutine([&] { return %s; });\n%s    return result.c_str();\n",
                         call.c_str(), after.c_str());
        } else if (std::strcmp(r.shape.result, "void") == 0) {
            std::fprintf(c, "    vtx::py::callRoutine([&] { %s; });\n%s", call.c_str(), after.c_str());
        } else {
            std::fprintf(c, "    const %s result = vtx::py::callRoutine([&] { return %s; });\n%s    return result;\n",
                         r.shape.result, call.c_str(), after.c_str());
        }
        std::fputs("}\n\n", c);
    }
    std::fputs("}  // extern \"C\"\n", c);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s vantix.h vantix_c.cpp\n", argv[0]);
        return 2;
    }
    const std::vector<Routine> all = routines();
    std::FILE* h = std::fopen(argv[1], "w");
    std::FILE* c = std::fopen(argv[2], "w");
    if (!h || !c) {
        std::perror("gen_c_api");
        return 1;
    }
    writeHeader(h, all);
    writeAdapters(c, all);
    return std::fclose(h) == 0 && std::fclose(c) == 0 ? 0 : 1;
}
