// Per-axis parameters of ticks, labels and names. Every routine takes an
// axes string whose letters X, Y, Z select the axes it applies to.
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "graph2d/api.h"
#include "graph2d/axis_params.h"

namespace vtx {

namespace {

template <typename T>
void setSelected(T (&field)[3], const char* axes, T value) {
    for (int i = 0; i < 3; ++i)
        if (axisSelected(axes, i)) field[i] = value;
}

// Keyword index (0-based) of a list for the selected axes; false on a bad keyword.
bool keywordFor(const char* routine, const char* list, int count, const char* keyword, int& index) {
    (void)routine;
    const int k = jqqind(list, count, keyword);
    if (k == 0) return false;
    index = k - 1;
    return true;
}

// labdig and digits also set the digits of bar, contour, pie, data and
// percentage labels, which the axes string names as whole words.
void setDigits(Globals& g, int n, const char* axes) {
    char key[4] = {};
    for (int i = 0; i < 3 && axes[i]; ++i) key[i] = upperAscii(axes[i]);
    static const char* const kOthers[5] = {"BAR", "CON", "PIE", "DAT", "PER"};
    for (int i = 0; i < 5; ++i) {
        if (std::strcmp(key, kOthers[i]) == 0) {
            g.axis.otherDigits[i] = n;
            return;
        }
    }
    setSelected(g.axis.labelDigits, axes, n);
}

// The objects BARS, PIE and CONT of labels, labpos and labdis, named as whole
// words in place of the axes.
bool namesObject(const char* axes, const char* object) {
    char key[5] = {};
    for (int i = 0; i < 4 && axes[i]; ++i) key[i] = upperAscii(axes[i]);
    return std::strncmp(key, object, 4) == 0;
}

}  // namespace

void labels(const char* keyword, const char* axes) {
    Globals* g = chkini("labels");
    int k;
    if (namesObject(axes, "BARS")) {
        if (keywordFor("labels", "NONE+SECO+FIRS+MAXI+MINI+DELT+POSI", 7, keyword, k)) g->axis.barLabel = k;
        return;
    }
    if (namesObject(axes, "CONT")) {
        if (keywordFor("labels", "NONE+FLOA+CONL", 3, keyword, k)) g->axis.contourLabels = k;
        return;
    }
    if (namesObject(axes, "PIE")) {
        if (keywordFor("labels", "NONE+PERC+DATA+BOTH", 4, keyword, k)) g->axis.pieLabel = k;
        return;
    }
    if (keywordFor("labels", "NONE+FLOA+EXP +LOG +CLOG+ELOG+MAP +DMAP+LMAP+TIME+HOUR+SECO+MYLA+FEXP+DATE", 15,
                   keyword, k))
        setSelected(g->axis.labelType, axes, k);
}

void labdig(int n, const char* axes) {
    Globals* g = chkini("labdig");
    if (jqqval(n, -1, 100) == 0) setDigits(*g, n, axes);
}

void digits(int n, const char* axes) {
    Globals* g = chkini("digits");
    if (jqqval(n, -1, 100) == 0) setDigits(*g, n, axes);
}

void labdis(int distance, const char* axes) {
    Globals* g = chkini("labdis");
    if (jqqval(distance, 1, 10000) != 0) return;
    if (namesObject(axes, "CONT")) g->axis.contourLabelDist = distance;
    else setSelected(g->axis.labelDist, axes, distance);
}

// Colour of bar, pie and contour labels; -1 is the current colour.
void labclr(int colour, const char* object) {
    Globals* g = chkini("labclr");
    if (jqqval(colour, -1, 255) != 0) return;
    char key[4] = {};
    for (int i = 0; i < 3 && object[i]; ++i) key[i] = upperAscii(object[i]);
    if (std::strcmp(key, "BAR") == 0 || std::strcmp(key, "PIE") == 0 || std::strcmp(key, "CON") == 0)
        g->axis.labelColour = colour;
    else
        warnin(Warning::IncorrectParameter);
}

void labtyp(const char* keyword, const char* axes) {
    Globals* g = chkini("labtyp");
    int k;
    if (namesObject(axes, "PIE")) {
        if (keywordFor("labtyp", "CENT+LEFT+RIGH+TYPS+OUTW+INWA", 6, keyword, k)) g->axis.pieLabelJust = k;
        return;
    }
    if (keywordFor("labtyp", "HORI+VERT", 2, keyword, k)) setSelected(g->axis.labelVertical, axes, k);
}

void labjus(const char* keyword, const char* axes) {
    Globals* g = chkini("labjus");
    int k;
    if (keywordFor("labjus", "AUTO+LEFT+RIGH+OUTW+INWA", 5, keyword, k)) setSelected(g->axis.labelJust, axes, k);
}

void labpos(const char* keyword, const char* axes) {
    Globals* g = chkini("labpos");
    int k;
    if (namesObject(axes, "BARS")) {
        static const int kCodes[8] = {0, 22, 12, 21, 21, 23, 23, 32};
        if (keywordFor("labpos", "AUTO+INSI+OUTS+LEFT+ABOV+RIGH+BELO+CENT", 8, keyword, k))
            g->axis.barLabelCode = kCodes[k];
        return;
    }
    if (namesObject(axes, "PIE")) {
        if (keywordFor("labpos", "INTE+EXTE+ALIG", 3, keyword, k)) g->axis.pieLabelPos = k;
        return;
    }
    if (keywordFor("labpos", "TICK+CENT+SHIF", 3, keyword, k)) setSelected(g->axis.labelPosition, axes, k);
}

// Date label forms: key ORDE, LANG, CASE, DAYS, MONT, YEAR or SEPA with its keyword.
void labmod(const char* key, const char* keyword, const char* axes) {
    Globals* g = chkini("labmod");
    const int which = jqqind("ORDE+LANG+CASE+DAYS+MONT+YEAR+SEPA", 7, key);
    int k;
    AxisState& a = g->axis;
    switch (which) {
        case 1:
            if (keywordFor("labmod", "DMY +DYM +MDY +MYD +YDM +YMD ", 6, keyword, k)) setSelected(a.dateOrder, axes, k);
            break;
        case 2:
            if (keywordFor("labmod", "ENGL+GERM", 2, keyword, k)) setSelected(a.dateLanguage, axes, k);
            break;
        case 3:
            if (keywordFor("labmod", "NONE+UPPE", 2, keyword, k)) setSelected(a.dateUpper, axes, k);
            break;
        case 4:
            if (keywordFor("labmod", "NAME+SHOR+NONE+FULL+LONG", 5, keyword, k)) setSelected(a.dateDay, axes, k);
            break;
        case 5:
            if (keywordFor("labmod", "NAME+SHOR+NONE+FULL+LONG+TINY", 6, keyword, k)) setSelected(a.dateMonth, axes, k);
            break;
        case 6:
            if (keywordFor("labmod", "FULL+SHOR+NONE", 3, keyword, k)) setSelected(a.dateYear, axes, k);
            break;
        case 7:
            if (keywordFor("labmod", "BLAN+DASH+POIN+SLAS", 4, keyword, k))
                setSelected(a.dateSeparator, axes, " -./"[k]);
            break;
        default: break;
    }
}

void ticks(int count, const char* axes) {
    Globals* g = chkini("ticks");
    if (jqqval(count, 0, 1000) == 0) setSelected(g->axis.ticks, axes, count);
}

void ticpos(const char* keyword, const char* axes) {
    Globals* g = chkini("ticpos");
    int k;
    if (keywordFor("ticpos", "LABE+REVE+CENT", 3, keyword, k)) setSelected(g->axis.tickPosition, axes, k);
}

void ticlen(int major, int minor) {
    Globals* g = chkini("ticlen");
    if (jqqval(major, 1, 10000) + jqqval(minor, 1, 10000) != 0) return;
    g->axis.tickLong = major, g->axis.tickShort = minor;
}

void ticmod(const char* keyword, const char* axes) {
    Globals* g = chkini("ticmod");
    int k;
    if (keywordFor("ticmod", "NONE+DAYS+MONT+QUAR+HALF+YEAR+DMON", 7, keyword, k))
        setSelected(g->axis.dateTicks, axes, k);
}

void logtic(const char* keyword) {
    Globals* g = chkini("logtic");
    const int k = jqqind("AUTO+FULL", 2, keyword);
    if (k) g->axis.logTicks = k - 1;
}

void name(const char* text, const char* axes) {
    Globals* g = chkini("name");
    for (int i = 0; i < 3; ++i)
        if (axisSelected(axes, i)) qqcopy(g->axis.names[i], text, 132);
}

void hname(int height) {
    Globals* g = chkini("hname");
    if (jqqval(height, 1, 10000) == 0) g->axis.nameHeight = height;
}

void namdis(int distance, const char* axes) {
    Globals* g = chkini("namdis");
    if (jqqval(distance, 0, 10000) == 0) setSelected(g->axis.nameDist, axes, distance);
}

void namjus(const char* keyword, const char* axes) {
    Globals* g = chkini("namjus");
    int k;
    if (keywordFor("namjus", "CENT+LEFT+RIGH", 3, keyword, k)) setSelected(g->axis.nameJust, axes, k);
}

void rvynam() { chkini("rvynam")->axis.reverseYName = 1; }

void mylab(const char* text, int index, const char* axes) {
    Globals* g = chkini("mylab");
    if (jqqval(index, 1, 20)) return;
    AxisState& a = g->axis;
    for (int i = 0; i < 3; ++i) {
        if (!axisSelected(axes, i)) continue;
        if (a.myLabelText[i][index - 1][0]) {
            warnin(Warning::SameTickNumber);
            return;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (!axisSelected(axes, i)) continue;
        // An empty user label still occupies its index.
        qqcopy(a.myLabelText[i][index - 1], text[0] ? text : " ", 32);
        if (index > a.myLabelCount[i]) a.myLabelCount[i] = index;
        ++a.myLabels;
    }
}

void axclrs(int colour, const char* keyword, const char* axes) {
    Globals* g = chkini("axclrs");
    const int badColour = jqqval(colour, -1, 255);
    const int k = jqqind("LINE+TICK+LABE+NAME+ALL ", 5, keyword);
    if (badColour != 0 || k == 0) return;
    for (int i = 0; i < 3; ++i) {
        if (!axisSelected(axes, i)) continue;
        for (int p = 0; p < 4; ++p)
            if (k == 5 || k - 1 == p) g->axis.axisColours[i][p] = colour;
    }
}

void intax() {
    Globals* g = chkini("intax");
    g->axis.intAxis = 1;
    for (int& d : g->axis.labelDigits) d = -1;
}

void timopt() { chkini("timopt")->axis.timeOpt = 1; }

}  // namespace vtx
