#include "text/formula.h"

#include <cmath>
#include <cstring>

#include "core/messages.h"
#include "text/code_map.h"
#include "text/fonts.h"
#include "text/glyph_draw.h"
#include "text/mix_alphabet.h"
#include "text/text_device.h"

namespace vtx {

namespace {

constexpr int kMaxNesting = 8;
constexpr int kMaxName = 32;
constexpr float kStyleFactors[4] = {1.0f, 1.0f, 0.6f, 0.5f};

struct NamedChar {
    const char* name;
    char c;
};

const NamedChar kGreek[] = {
    {"alpha", 'a'}, {"beta", 'b'},   {"gamma", 'c'}, {"delta", 'd'},   {"epsilon", 'e'}, {"zeta", 'z'},
    {"eta", 'h'},   {"theta", 'q'},  {"iota", 'i'},  {"kappa", 'k'},   {"lambda", 'l'},  {"mu", 'm'},
    {"nu", 'n'},    {"xi", 'x'},     {"pi", 'p'},    {"rho", 'r'},     {"sigma", 's'},   {"tau", 't'},
    {"upsilon", 'y'}, {"phi", 'f'},  {"chi", 'g'},   {"psi", 'u'},     {"omega", 'w'},   {"Gamma", 'C'},
    {"Delta", 'D'}, {"Theta", 'Q'},  {"Lambda", 'L'}, {"Xi", 'X'},     {"Pi", 'P'},      {"Sigma", 'S'},
    {"Upsilon", 'Y'}, {"Phi", 'F'},  {"Psi", 'U'},   {"Omega", 'W'},
};

const NamedChar kSymbols[] = {
    {"pm", 'F'},        {"mp", 'G'},        {"times", 'D'},      {"div", 'E'},        {"cdot", '.'},
    {"ast", '*'},       {"star", '*'},      {"cap", 'L'},        {"cup", 'M'},        {"vee", 'p'},
    {"wedge", 'q'},     {"setminus", '\\'}, {"odot", 'j'},       {"oplus", 'h'},      {"ominus", 'i'},
    {"le", 'H'},        {"leq", 'H'},       {"subset", 'N'},     {"subseteq", 'R'},   {"in", 'W'},
    {"ge", 'J'},        {"geq", 'J'},       {"supset", 'O'},     {"supseteq", 'S'},   {"ni", 'Y'},
    {"neq", 'I'},       {"cong", 'z'},      {"equiv", 'B'},      {"parallel", 'T'},   {"sim", '~'},
    {"mid", '|'},       {"notin", 'X'},     {"not=", 'I'},       {"leftarrow", 'c'},  {"Leftarrow", 'f'},
    {"rightarrow", 'a'}, {"to", 'e'},       {"Rightarrow", 'e'}, {"Leftrightarrow", 'g'}, {"uparrow", 'b'},
    {"downarrow", 'd'}, {"emptyset", 'y'},  {"nabla", 'n'},      {"surd", 'x'},       {"partial", 'm'},
    {"forall", 'k'},    {"exists", 'U'},    {"backslash", '\\'}, {"infty", 'l'},      {"perp", 'K'},
};

struct NamedValue {
    const char* name;
    float value;
};

const NamedValue kSpaces[] = {{"quad", 18}, {"qquad", 36}, {",", 3}, {":", 4}, {";", 5}, {"!", -3}};
const NamedValue kAlphabetCommands[] = {{"rm", 1}, {"gr", 2}, {"it", 4}, {"cal", 5}, {"ru", 6}};
const NamedValue kStyles[] = {{"displaystyle", 0}, {"textstyle", 1}, {"scriptstyle", 2}, {"scriptscriptstyle", 3},
                              {"D", 0},            {"T", 1},         {"S", 2},           {"SS", 3}};
const NamedValue kSizes[] = {{"tiny", 0.482f},  {"scriptsize", 0.578f}, {"footnotesize", 0.695f},
                             {"small", 0.83f},  {"normalsize", 1.0f},   {"large", 1.2f},
                             {"Large", 1.44f},  {"LARGE", 1.728f},      {"huge", 2.0736f},
                             {"Huge", 2.488f}};
const char* const kColours[] = {"black", "red",     "green", "blue", "cyan", "yellow",
                                "orange", "magenta", "white", "fore", "back"};
const char* const kFunctions[] = {"arccos", "arcsin", "arctan", "arg", "cos", "cosh", "cot", "coth", "csc", "dec",
                                  "dim",    "exp",    "hom",    "ln",  "log", "sec",  "sin", "sinh", "tan", "tanh"};
const NamedChar kBigOperators[] = {{"sum", 'r'}, {"int", 'v'}, {"oint", 'w'}, {"prod", 's'}};

template <class T, int N>
const T* lookup(const T (&table)[N], const char* name) {
    for (const T& e : table)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

bool nameEnds(char c) { return c == '\0' || std::strchr(" {}^_$[]-+/*()=", c) != nullptr; }

class Parser {
public:
    Parser(Globals& g, const char* text, FormulaLayout& layout)
        : g_(g), r_(g.text.run), s_(text), layout_(layout) {
        const double a = g.text.angle * 3.14159265358979323846 / 180.0;
        sn_ = static_cast<float>(std::sin(a));
        cs_ = static_cast<float>(std::cos(a));
        escape_ = g.text.mixChars[4];
        height0_ = static_cast<float>(r_.startHeight);
        italic_ = (g.text.texOptions & 2) != 0;
        limitsDefault_ = (g.text.texOptions & 1) != 0;
    }

    bool run() {
        parseSequence(false);
        if (error_) {
            if (!layout_.drawing) {
                warnText(101, error_);
            }
            return false;
        }
        layout_.width = widest_;
        return true;
    }

private:
    // Pen helpers: positions are distances along the base line from the start.
    float distance() const { return (r_.penX - r_.startX) * cs_ - (r_.penY - r_.startY) * sn_; }
    void moveTo(float d) {
        r_.penX = r_.startX + d * cs_;
        r_.penY = r_.startY - d * sn_;
    }
    float styleHeight(int style) const { return height0_ * sizeFactor_ * kStyleFactors[style]; }
    void applyHeight() { setRunHeight(g_, static_cast<int>(std::lround(styleHeight(style_)))); }
    float h() const { return static_cast<float>(g_.text.height); }

    void fail(const char* text) {
        if (!error_) error_ = text;
    }

    // Remembers a measure in the first pass and reads it back in the second.
    float measure(float value) {
        if (!layout_.drawing) {
            if (layout_.count < kMaxMeasures) layout_.measures[layout_.count++] = value;
            return value;
        }
        return layout_.next < layout_.count ? layout_.measures[layout_.next++] : value;
    }
    // Slot of a measure taken after its part was drawn.
    int reserve() {
        if (layout_.drawing) return layout_.next < layout_.count ? layout_.next++ : -1;
        return layout_.count < kMaxMeasures ? layout_.count++ : -1;
    }
    float recall(int slot, float measured) {
        if (slot < 0) return measured;
        if (!layout_.drawing) layout_.measures[slot] = measured;
        return layout_.measures[slot];
    }

    void track() {
        const float d = distance() - r_.lastGap;
        if (d > widest_) widest_ = d;
        const float top = r_.baseShift + h();
        if (top > top_) top_ = top;
    }

    void drawChar(int alphabet, char c) {
        r_.alphabet = alphabet;
        drawInternalCode(g_, internalCode(g_.text.codeTable, static_cast<unsigned char>(c)));
        r_.alphabet = r_.stringAlphabet;
        track();
    }

    void drawText(const char* text) {
        for (; *text; ++text) drawChar(1, *text);
    }

    // A line between two distances at height Y above the current base line.
    void rule(float d1, float d2, float Y) {
        if (r_.measuring) return;
        const float px = r_.penX, py = r_.penY;
        float x1, y1, x2, y2;
        moveTo(d1);
        penToPage(g_, 0.0f, Y, x1, y1);
        moveTo(d2);
        penToPage(g_, 0.0f, Y, x2, y2);
        r_.penX = px, r_.penY = py;
        textMove(g_, x1, y1);
        textDraw(g_, x2, y2);
    }
    void polyline(const float* d, const float* Y, int n) {
        if (r_.measuring) return;
        const float px = r_.penX, py = r_.penY;
        for (int i = 0; i < n; ++i) {
            float x, y;
            moveTo(d[i]);
            penToPage(g_, 0.0f, Y[i], x, y);
            if (i == 0) textMove(g_, x, y);
            else textDraw(g_, x, y);
        }
        r_.penX = px, r_.penY = py;
    }

    void beginAtom(float start) {
        atomStart_ = start;
        scriptStart_ = distance();
        scriptEnd_ = scriptStart_;
        hasExp_ = hasInd_ = false;
        bigOp_ = false;
    }

    char peekNonBlank() {
        while (s_[pos_] == ' ') ++pos_;
        return s_[pos_];
    }

    // The character mode for letters in math mode.
    int letterAlphabet() const {
        if (alphabet_ != 0) return alphabet_;
        return (math_ && italic_) ? 4 : r_.stringAlphabet;
    }

    void parseSequence(bool inGroup) {
        while (!error_) {
            const char c = s_[pos_];
            if (c == '\0') {
                if (inGroup) fail("Unbalanced parenthesis");
                return;
            }
            if (c == '$') {
                math_ = !math_;
                ++pos_;
                continue;
            }
            if (c == escape_) {
                ++pos_;
                command();
                continue;
            }
            if (!math_) {
                ++pos_;
                const float start = distance();
                drawChar(alphabet_ ? alphabet_ : r_.stringAlphabet, c);
                beginAtom(start);
                continue;
            }
            switch (c) {
            case ' ':
                ++pos_;
                break;
            case '}':
                ++pos_;
                if (!inGroup) fail("Unbalanced parenthesis");
                return;
            case '{': {
                ++pos_;
                const float start = distance();
                group();
                beginAtom(start);
                break;
            }
            case '^':
            case '_':
                ++pos_;
                script(c == '^');
                break;
            case ']':
                fail("Syntax error - missing root");
                return;
            default: {
                ++pos_;
                const float start = distance();
                const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
                drawChar(letter ? letterAlphabet() : (alphabet_ ? alphabet_ : r_.stringAlphabet), c);
                beginAtom(start);
                break;
            }
            }
        }
    }

    // A braced group: alphabet, style and size changes end with it.
    void group() {
        if (++groupDepth_ > kMaxNesting) {
            fail("Too many nested parenthesis");
            return;
        }
        const int alphabet = alphabet_, style = style_;
        const float size = sizeFactor_;
        parseSequence(true);
        alphabet_ = alphabet, style_ = style, sizeFactor_ = size;
        applyHeight();
        --groupDepth_;
    }

    // One character, a braced group or a command: the argument of a script.
    void argument() {
        const char c = peekNonBlank();
        if (c == '\0') {
            fail("Syntax error for Indices/Exponents");
        } else if (c == '{') {
            ++pos_;
            group();
        } else if (c == escape_) {
            ++pos_;
            command();
        } else if (c == '}' || c == '^' || c == '_') {
            fail("Syntax error for Indices/Exponents");
        } else {
            ++pos_;
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            drawChar(letter ? letterAlphabet() : r_.stringAlphabet, c);
        }
    }

    void script(bool up) {
        if (up ? hasExp_ : hasInd_) {
            fail("Syntax error for Indices/Exponents");
            return;
        }
        if (++scriptDepth_ > kMaxNesting) {
            fail("Too many nested exponents/indices");
            return;
        }
        (up ? hasExp_ : hasInd_) = true;
        const int style = style_;
        const float shift = r_.baseShift;
        const bool big = bigOp_, limits = bigLimits_;
        const float opStart = atomStart_, opEnd = scriptStart_;
        const float saveStart = scriptStart_, saveEnd = scriptEnd_;
        const bool saveExp = hasExp_, saveInd = hasInd_;
        style_ = style_ <= 1 ? 2 : 3;
        const float hs = styleHeight(style_);
        applyHeight();
        if (big && limits) {
            // limits centred above or below the operator; integrals lean right above, left below
            const float opWidth = opEnd - opStart;
            r_.baseShift = shift + (up ? 2.3f * hs : -1.8f * hs);
            const int slot = reserve();
            const float width = recall(slot, 0.0f);
            const float lean = bigIntegral_ ? (up ? 0.5f : -0.5f) * styleHeight(style) : 0.0f;
            moveTo(opStart + 0.5f * (opWidth - width) + lean);
            const float begin = distance();
            argument();
            recall(slot, distance() - r_.lastGap - begin);
            moveTo(saveEnd > opEnd ? saveEnd : opEnd);
        } else {
            const float factor = up ? (lowered_ ? 0.9f : 1.1f) : -0.6f;
            r_.baseShift = shift + factor * hs;
            moveTo(saveStart);
            argument();
        }
        if (!up) lowered_ = true;
        style_ = style;
        r_.baseShift = shift;
        applyHeight();
        --scriptDepth_;
        scriptStart_ = saveStart;
        scriptEnd_ = distance() > saveEnd ? distance() : saveEnd;
        moveTo(scriptEnd_);
        hasExp_ = saveExp, hasInd_ = saveInd;
        bigOp_ = big, bigLimits_ = limits, atomStart_ = opStart;
    }

    // Reads a command name after the escape character.
    void readName(char* name) {
        int n = 0;
        const char first = s_[pos_];
        if (first != '\0' && std::strchr(",:;!", first)) {
            name[n++] = first;
            ++pos_;
        } else {
            while (!nameEnds(s_[pos_]) && n < kMaxName) name[n++] = s_[pos_++];
            if (n == 3 && std::strncmp(name, "not", 3) == 0 && s_[pos_] == '=') name[n++] = s_[pos_++];
        }
        name[n] = '\0';
        if (s_[pos_] == ' ') ++pos_;
    }

    void command() {
        const char c = s_[pos_];
        if (c != '\0' && (c == escape_ || std::strchr("{}^_$[]", c))) {
            ++pos_;
            const float start = distance();
            drawChar(alphabet_ ? alphabet_ : r_.stringAlphabet, c);
            beginAtom(start);
            return;
        }
        char name[kMaxName + 1];
        readName(name);
        const float start = distance();
        const float unit = 0.2f * h();
        if (const NamedChar* e = lookup(kGreek, name)) {
            drawChar(2, e->c);
            beginAtom(start);
        } else if (const NamedValue* e = lookup(kSpaces, name)) {
            moveTo(start + e->value / 18.0f * h());
        } else if (const NamedChar* e = lookup(kSymbols, name)) {
            moveTo(start + 0.5f * unit);
            drawChar(3, e->c);
            moveTo(distance() + 0.5f * unit);
            beginAtom(start);
        } else if (const NamedValue* e = lookup(kAlphabetCommands, name)) {
            alphabet_ = static_cast<int>(e->value);
        } else if (const NamedValue* e = lookup(kStyles, name)) {
            style_ = static_cast<int>(e->value);
            applyHeight();
        } else if (const NamedValue* e = lookup(kSizes, name)) {
            sizeFactor_ = e->value;
            applyHeight();
        } else if (isColour(name)) {
            if (!r_.measuring) {
                textColourByName(g_, name);
                r_.colourChanged = 1;
            }
        } else if (isFunction(name)) {
            moveTo(start + unit);
            drawText(name);
            moveTo(distance() + unit);
            beginAtom(start);
        } else if (const NamedChar* e = lookup(kBigOperators, name)) {
            drawChar(3, e->c);
            beginAtom(start);
            bigOp_ = true;
            bigIntegral_ = e->c == 'v' || e->c == 'w';
            bigLimits_ = limitsDefault_;
        } else if (std::strcmp(name, "lim") == 0) {
            drawText("lim");
            beginAtom(start);
            bigOp_ = true;
            bigIntegral_ = false;
            bigLimits_ = limitsDefault_;
        } else if (std::strcmp(name, "limits") == 0 || std::strcmp(name, "nolimits") == 0) {
            bigLimits_ = name[0] == 'l';
        } else if (std::strcmp(name, "sqrt") == 0) {
            root(start);
        } else if (std::strcmp(name, "frac") == 0) {
            fraction(start);
        } else if (std::strcmp(name, "overline") == 0) {
            decorated(start, 0, "Syntax error for overstrike");
        } else if (std::strcmp(name, "underline") == 0) {
            decorated(start, 1, "Syntax error for understrike");
        } else if (std::strcmp(name, "vec") == 0) {
            decorated(start, 2, "Syntax error for vec");
        } else {
            fail("Unknown TeX command");
        }
    }

    static bool isColour(const char* name) {
        for (const char* c : kColours)
            if (std::strcmp(c, name) == 0) return true;
        return false;
    }
    static bool isFunction(const char* name) {
        for (const char* f : kFunctions)
            if (std::strcmp(f, name) == 0) return true;
        return false;
    }

    void fraction(float start) {
        if (peekNonBlank() != '{') {
            fail("Syntax error for fractions");
            return;
        }
        if (++fractions_ > kMaxFractions || ++fractionDepth_ > kMaxNesting) {
            fail("Too many fractions");
            return;
        }
        const float hf = h();
        const int style = style_;
        const float shift = r_.baseShift;
        const int numSlot = reserve(), denSlot = reserve();
        const float numWidth = recall(numSlot, 0.0f), denWidth = recall(denSlot, 0.0f);
        const float wide = numWidth > denWidth ? numWidth : denWidth;
        const float bar = shift + 0.35f * hf;
        style_ = style_ <= 1 ? style_ + 1 : 3;
        applyHeight();
        const float hp = h();
        // numerator above the bar
        ++pos_;
        r_.baseShift = bar + 0.42f * hf;
        moveTo(start + 0.2f * hf + 0.5f * (wide - numWidth));
        float begin = distance();
        group();
        const float measuredNum = distance() - r_.lastGap - begin;
        if (error_) return;
        if (peekNonBlank() != '{') {
            fail("Missing denominator for fractions");
            return;
        }
        ++pos_;
        lowered_ = true;
        style_ = style_ < 1 ? 1 : style_;
        r_.baseShift = bar - 0.3f * hf - hp;
        moveTo(start + 0.2f * hf + 0.5f * (wide - denWidth));
        begin = distance();
        group();
        const float measuredDen = distance() - r_.lastGap - begin;
        if (error_) return;
        recall(numSlot, measuredNum);
        recall(denSlot, measuredDen);
        style_ = style;
        r_.baseShift = shift;
        applyHeight();
        r_.baseShift = bar;
        rule(start + 0.1f * hf, start + wide + 0.3f * hf, 0.0f);
        r_.baseShift = shift;
        moveTo(start + wide + 0.4f * hf);
        track();
        --fractionDepth_;
        beginAtom(start);
    }

    void root(float start) {
        if (++rootDepth_ > kMaxNesting) {
            fail("Too many nested roots");
            return;
        }
        const float hr = h();
        const float shift = r_.baseShift;
        float indexEnd = start;
        if (s_[pos_] == '[') {
            ++pos_;
            const int style = style_;
            style_ = 3;
            applyHeight();
            r_.baseShift = shift + 1.25f * h();
            moveTo(start);
            while (!error_ && s_[pos_] != ']') {
                if (s_[pos_] == '\0') {
                    fail("Unbalanced parenthesis");
                    return;
                }
                const char c = s_[pos_++];
                if (c == ' ') continue;
                drawChar(letterAlphabet(), c);
            }
            ++pos_;
            indexEnd = distance();
            style_ = style;
            r_.baseShift = shift;
            applyHeight();
        }
        const float radicand = std::fmax(start + 1.2f * hr, indexEnd + 0.4f * hr);
        moveTo(radicand);
        const int slot = reserve();
        const float knownTop = recall(slot, 0.0f);
        const float outerTop = top_;
        top_ = shift;
        argument();
        const float measuredTop = top_ - shift;
        top_ = std::fmax(outerTop, top_ + 0.3f * hr);
        const float top = recall(slot, std::fmax(measuredTop, hr)) + 0.2f * hr;
        (void)knownTop;
        const float end = distance() - r_.lastGap + 0.1f * hr;
        const float d[5] = {radicand - 1.1f * hr, radicand - 0.85f * hr, radicand - 0.55f * hr,
                            radicand - 0.15f * hr, end};
        const float Y[5] = {0.45f * hr, 0.55f * hr, -0.25f * hr, top, top};
        polyline(d, Y, 5);
        moveTo(end + 0.2f * hr);
        --rootDepth_;
        beginAtom(start);
    }

    // kind 0 overline, 1 underline, 2 vector arrow over the argument.
    void decorated(float start, int kind, const char* syntax) {
        if (peekNonBlank() != '{') {
            fail(syntax);
            return;
        }
        ++pos_;
        const float hd = h();
        const float outerTop = top_;
        top_ = r_.baseShift;
        group();
        const float end = distance() - r_.lastGap;
        const float over = top_ - r_.baseShift + 0.15f * hd;
        top_ = std::fmax(outerTop, top_ + 0.3f * hd);
        if (kind == 1) {
            rule(start, end, -0.2f * hd);
        } else {
            rule(start, end, over);
            if (kind == 2) {
                const float d[3] = {end - 0.25f * hd, end, end - 0.25f * hd};
                const float Y[3] = {over + 0.12f * hd, over, over - 0.12f * hd};
                polyline(d, Y, 3);
            }
        }
        beginAtom(start);
    }

    Globals& g_;
    TextRun& r_;
    const char* s_;
    FormulaLayout& layout_;
    int pos_ = 0;
    float sn_ = 0.0f, cs_ = 1.0f;
    char escape_ = '\\';
    float height0_ = 36.0f;
    bool italic_ = false, limitsDefault_ = true;
    bool math_ = false;
    int style_ = 1;
    float sizeFactor_ = 1.0f;
    int alphabet_ = 0;
    int groupDepth_ = 0, scriptDepth_ = 0, rootDepth_ = 0, fractionDepth_ = 0, fractions_ = 0;
    bool lowered_ = false;
    float top_ = 0.0f, widest_ = 0.0f;
    float atomStart_ = 0.0f, scriptStart_ = 0.0f, scriptEnd_ = 0.0f;
    bool hasExp_ = false, hasInd_ = false;
    bool bigOp_ = false, bigIntegral_ = false, bigLimits_ = true;
    const char* error_ = nullptr;
};

}  // namespace

bool runFormula(Globals& g, const char* text, FormulaLayout& layout) {
    layout.next = 0;
    if (!layout.drawing) layout.count = 0;
    Parser parser(g, text, layout);
    return parser.run();
}

}  // namespace vtx
