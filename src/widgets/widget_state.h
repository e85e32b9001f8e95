// The widget toolkit's own process-wide state: the widget table, the nesting
// of open dialogs and every option of the widget routines. It is separate
// from the plot's state record: the widget routines neither check nor change
// the plot level, and their options survive the plot's reset.
#pragma once

#include <string>

namespace vtx {

constexpr int kMaxWidgets = 200;
constexpr int kMaxWidgetLevels = 8;

// Type codes of the table; only Top and Base may be parents.
enum class WidgetType : unsigned char {
    Top = 0,         // wgini
    Base = 1,        // wgbas
    Label = 2,       // wglab
    Toggle = 3,      // wgbut
    Push = 4,        // wgpbut
    Command = 5,     // wgcmd
    List = 6,        // wglis
    DropList = 7,    // wgdlis
    Box = 8,         // wgbox
    Text = 9,        // wgtxt
    LabelText = 10,  // wgltxt
    ScrollText = 11, // wgstxt
    File = 12,       // wgfil
    Scale = 14,      // wgscl
    Ok = 15,         // wgok
    Quit = 16,       // wgquit
    Popup = 17,      // wgpop
    Entry = 18,      // wgapp
    Draw = 19,       // wgdraw
};

inline bool isParentType(WidgetType t) { return t == WidgetType::Top || t == WidgetType::Base; }

enum class WidgetLayout : unsigned char { Vertical = 0, Horizontal = 1, Form = 2 };

// Attribute state of a widget (swgatt "STAT").
enum WidgetAttribute { kWidgetActive = 0, kWidgetInactive = 1, kWidgetInvisible = 2 };

// How dialogs and widgets run (swgmod).
enum class DialogMode : unsigned char { Auto = 0, XWindow = 1, Ascii = 2 };

using WidgetCallback = void (*)(int id);
using WidgetDataCallback = void (*)(int id, void* data);

// Pixel rectangle; -1 in a field means "not set, automatic".
struct WidgetRect {
    int x = -1, y = -1, width = -1, height = -1;
};

struct WidgetEntry {
    WidgetType type = WidgetType::Top;
    WidgetLayout layout = WidgetLayout::Vertical;  // of its children (parents only)
    int callbackMode = 1;   // 0 = called with user data (swgcb), 1 = with the ID only (swgcbk)
    int level = 0;          // nesting level it was created at (1..8)
    int parent = -1;        // table index of its parent, -1 for a top-level window
    int value = 0;          // toggle state, selection (1-based)
    float scaleValue = 0.f;
    float scaleMin = 0.f, scaleMax = 1.f;
    int decimals = 0;
    int lines = 0;          // scrolled text: visible lines; list: count of items
    int percent = 0;        // labelled text: share of the label in percent
    std::string label;      // text of labels, buttons, scale titles, labelled fields
    std::string text;       // owned value of text and file fields; command of wgcmd
    std::string mask;       // file mask of a file field
    std::string items;      // item string of lists and boxes
    WidgetCallback callback = nullptr;
    WidgetDataCallback dataCallback = nullptr;
    void* userData = nullptr;
    int attribute = kWidgetActive;
    WidgetRect place;       // position and size asked for (form children, top-level windows)
    WidgetRect frame;       // laid out: position in its parent's form and size, in pixels
    int columns = 20;       // the width option when it was created
    // Options in effect when it was created.
    int justify = 0;        // 0 left, 1 centre, 2 right
    int orientation = 0;    // boxes and scales: 0 vertical, 1 horizontal
    int listType = 0;       // lists: 0 automatic, 1 scrolled, 2 not scrolled
    float step = 0.f;       // scales: step of the arrow keys (0: one unit of the last decimal)
    float drawRatio = 1.f;  // drawing areas: height / width
};

struct WidgetColour {
    bool set = false;
    int r = 0, g = 0, b = 0;  // 0..255
};

struct WidgetOptions {
    int width = 20;             // default widget width in characters; -p: p percent of the screen
    float hspace = 4.0f;        // times the character width; negative: percent of the screen width
    float vspace = 0.5f;        // times the character height; negative: percent of the screen height
    char separator = '|';       // between the items of list strings
    DialogMode mode = DialogMode::Auto;
    bool menuOk = true, menuQuit = true, menuHelp = true;
    WidgetRect window;          // swgpos / swgsiz / swgwin
    int offsetX = 0, offsetY = 0;  // swgoff: added to the window position
    bool offsetSet = false;
    std::string title;          // window title; empty: the library's
    std::string help;           // text of the Help menu
    std::string font = "*-Helvetica-Bold-R-Normal--14*1";
    WidgetColour background, foreground, scroll, textBackground;  // BACK, FORE, SCRO, LTEX
    int labelJustify = 0, buttonJustify = 0;  // 0 left, 1 centre, 2 right
    int listType = 0;           // 0 AUTO, 1 SCRO, 2 NOSC
    int boxOrientation = 0;     // 0 VERT, 1 HORI
    int scaleOrientation = 1;   // 0 VERT, 1 HORI
    bool centre = false;        // swgopt POSI: centre the window on the screen
    bool userMask = false;      // swgopt MASK: the file mask as given (USER) or standard
    int margin[4] = {-1, -1, -1, -1};  // left, top, right, bottom in pixels; -1: automatic
    float step = 0.f;           // scale step
    float drawRatio = 1.f;      // height / width of drawing areas
};

struct WidgetState {
    WidgetEntry table[kMaxWidgets];
    int count = 0;                        // entries in use; IDs are 1..count
    int level = 0;                        // nesting level, 0 when no dialog is being built
    int levelStart[kMaxWidgetLevels] = {};  // table index of each level's first widget
    bool levelDone[kMaxWidgetLevels] = {};  // ends the level's event loop
    bool running[kMaxWidgetLevels] = {};    // the level is inside wgfin's loop
    bool initialised = false;             // a wgini has been called since the process began
    WidgetOptions options;
};

// The process's widget state.
WidgetState& widgetState();

// Widget messages go to standard output (not the protocol), one line each.
void widgetMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// 1-based index of a keyword in a '+'-joined list of four-character entries
// (first four characters, either case); 0 with ">>>> Warning: Not allowed
// parameter in ROUTINE! (keyword)" when it is not in the list.
int widgetKeyword(const char* list, int count, const char* keyword, const char* routine);

}  // namespace vtx
