// Label texts: numbers in the label formats, degrees, times, dates and the
// user's own labels.
#include "graph2d/labels.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "graph2d/axis_dates.h"
#include "graph2d/scaling.h"
#include "text/number_format.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

void append(char* out, int size, const char* text) {
    const int n = int(std::strlen(out));
    std::snprintf(out + n, size_t(size - n), "%s", text);
}

void appendChar(char* out, int size, char c) {
    const char s[2] = {c, '\0'};
    append(out, size, s);
}

// A value that is an integer to four decimals prints without decimals.
int exponentDigits(float v, int digits) { return std::fabs(v - std::round(v)) < 1.0e-4f ? -1 : digits; }

// "10" with a raised exponent.
void powerOfTen(const TextState& t, float v, int digits, char* out, int size) {
    char num[64];
    formatFloa(v, exponentDigits(v, digits), num, sizeof num);
    append(out, size, "10");
    appendChar(out, size, t.mixChars[0]);
    append(out, size, num);
    appendChar(out, size, t.mixChars[2]);
}

// A number in one of the numfmt formats, with the numode rewriting.
void formattedNumber(TextState& t, int format, float v, int digits, AxisLabel& out) {
    const int saved = t.numberFormat;
    t.numberFormat = format;
    NumberText nt;
    formatNumber(t, v, digits, nt);
    t.numberFormat = saved;
    append(out.text, kLabelTextSize, nt.text);
    out.needsMix = out.needsMix || nt.needsMix;
}

const char* const kMonthsEn[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kMonthsDe[12] = {"Januar", "Februar", "M!arz",     "April",   "Mai",      "Juni",
                                   "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const char* const kDaysEn[7] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char* const kDaysDe[7] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"};

// The first n letters of a name; the shift sequence "!a" counts as one letter.
void abbreviation(const char* name, int n, char* out, int size) {
    int letters = 0, k = 0;
    for (const char* p = name; *p && letters < n && k < size - 2; ++p) {
        out[k++] = *p;
        if (*p == '!' && p[1]) out[k++] = *++p;
        ++letters;
    }
    out[k] = '\0';
}

void upperCase(char* s) {
    for (; *s; ++s)
        if (*s >= 'a' && *s <= 'z') *s = char(*s - 'a' + 'A');
}

}  // namespace

void timeLabelText(int type, float seconds, bool colons, char* out, int size) {
    double v = seconds;
    if (!std::isfinite(v)) v = 0.0;
    // Whole days change nothing: fold into one day, then make non-negative.
    v = std::fmod(v, 86400.0);
    while (v < 0.0) v += 86400.0;
    long hours = long(v / 3600.0) % 24;
    const double inHour = std::fmod(v, 3600.0);
    long minutes = type == kLabSeco ? long(inHour / 60.0) : long(std::lround(inHour / 60.0));
    if (minutes >= 60) minutes -= 60, hours = (hours + 1) % 24;
    const long secs = long(std::lround(inHour - double(long(inHour / 60.0)) * 60.0)) % 60;
    if (type == kLabHour) std::snprintf(out, size_t(size), hours < 10 ? "%1ld" : "%2ld", hours);
    else if (type == kLabSeco)
        std::snprintf(out, size_t(size), colons ? "%02ld:%02ld:%02ld" : "%02ld%02ld%02ld", hours, minutes, secs);
    else std::snprintf(out, size_t(size), colons ? "%02ld:%02ld" : "%02ld%02ld", hours, minutes);
}

void mapLabelText(const TextState& t, int type, int axis, float v, int digits, char* out, int size) {
    char num[64];
    formatFloa(type == kLabDmap ? v : std::fabs(v), digits, num, sizeof num);
    out[0] = '\0';
    append(out, size, num);
    appendChar(out, size, t.mixChars[0]);
    appendChar(out, size, 'o');
    appendChar(out, size, t.mixChars[2]);
    if (type == kLabDmap || v == 0.0f) return;
    char letter = axis == 0 ? (v > 0.0f ? 'E' : 'W') : (v > 0.0f ? 'N' : 'S');
    if (type == kLabLmap) letter = char(letter - 'A' + 'a');
    appendChar(out, size, ' ');
    appendChar(out, size, letter);
}

void dateLabelText(Globals& g, int axis, int dayNumber, char* out, int size) {
    const AxisState& a = g.axis;
    out[0] = '\0';
    if (!g.util.baseDefined) {
        std::snprintf(out, size_t(size), "%d", dayNumber);
        return;
    }
    int day = 1, month = 1, year = 2000;
    axisDate(g, dayNumber, day, month, year);
    const int weekday = axisWeekday(day, month, year);
    const bool german = a.dateLanguage[axis] == 1;
    const char* const* months = german ? kMonthsDe : kMonthsEn;
    const char* const* days = german ? kDaysDe : kDaysEn;
    char parts[3][48] = {};  // day, month, year
    switch (a.dateDay[axis]) {
        case 0: abbreviation(days[weekday - 1], german ? 2 : 3, parts[0], 48); break;
        case 1: std::snprintf(parts[0], 48, "%d", day); break;
        case 3: std::snprintf(parts[0], 48, "%s", days[weekday - 1]); break;
        case 4: std::snprintf(parts[0], 48, "%02d", day); break;
        default: break;
    }
    switch (a.dateMonth[axis]) {
        case 0: abbreviation(months[month - 1], 3, parts[1], 48); break;
        case 1: std::snprintf(parts[1], 48, "%d", month); break;
        case 3: std::snprintf(parts[1], 48, "%s", months[month - 1]); break;
        case 4: std::snprintf(parts[1], 48, "%02d", month); break;
        case 5: abbreviation(months[month - 1], 1, parts[1], 48); break;
        default: break;
    }
    switch (a.dateYear[axis]) {
        case 0: std::snprintf(parts[2], 48, "%4d", year); break;
        case 1: std::snprintf(parts[2], 48, "%02d", ((year % 100) + 100) % 100); break;
        default: break;
    }
    if (a.dateUpper[axis]) upperCase(parts[0]), upperCase(parts[1]);
    // Orders DMY DYM MDY MYD YDM YMD as indices into parts.
    static const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    const int* order = kOrders[a.dateOrder[axis] % 6];
    for (int i = 0; i < 3; ++i) {
        const char* p = parts[order[i]];
        if (!*p) continue;
        if (out[0]) appendChar(out, size, a.dateSeparator[axis]);
        append(out, size, p);
    }
}

void axisLabelText(Globals& g, int axis, float v, bool log, int index, int count, bool reversed, AxisLabel& out) {
    AxisState& a = g.axis;
    TextState& t = g.text;
    out = AxisLabel{};
    const int digits = a.labelDigits[axis];
    const float value = log ? std::pow(10.0f, v) : v;
    switch (a.labelType[axis]) {
        case kLabNone: break;
        case kLabExp: formattedNumber(t, 1, value, digits, out); break;
        case kLabFexp: formattedNumber(t, 2, value, digits, out); break;
        case kLabLog:
            powerOfTen(t, v, digits, out.text, kLabelTextSize);
            out.needsMix = true;
            break;
        case kLabClog:
            // Decades as powers of ten, the values between as plain numbers.
            if (std::fabs(v - std::round(v)) < 1.0e-4f) {
                powerOfTen(t, v, digits, out.text, kLabelTextSize);
                out.needsMix = true;
            } else {
                formattedNumber(t, 0, value, digits, out);
            }
            break;
        case kLabElog: formatFloa(v, exponentDigits(v, digits), out.text, kLabelTextSize); break;
        case kLabMap:
        case kLabDmap:
        case kLabLmap:
            mapLabelText(t, a.labelType[axis], axis, value, digits, out.text, kLabelTextSize);
            out.needsMix = true;
            break;
        case kLabTime:
        case kLabHour:
        case kLabSeco: timeLabelText(a.labelType[axis], value, a.timeOpt != 0, out.text, kLabelTextSize); break;
        case kLabMyla: {
            const int i = reversed ? count - index : index;
            if (i >= 0 && i < a.myLabelCount[axis]) std::snprintf(out.text, kLabelTextSize, "%s", a.myLabelText[axis][i]);
            break;
        }
        case kLabDate: {
            const float d = std::round(value);
            const int day = std::fabs(d) < 2.0e9f ? int(d) : 0;
            dateLabelText(g, axis, day, out.text, kLabelTextSize);
            out.germanShift = a.dateLanguage[axis] == 1;
            break;
        }
        default: formattedNumber(t, 0, value, digits, out); break;
    }
}

}  // namespace vtx
