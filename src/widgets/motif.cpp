// The widgets on X: one toolkit widget per table entry, laid out by hand in
// bulletin boards (the geometry comes from layout.h), and the event loop of
// wgfin.
#include "widgets/motif.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "widgets/layout.h"
#include "widgets/running.h"
#include "widgets/widget_table.h"
#include "widgets/toolkit.h"

#include <Xm/AtomMgr.h>
#include <Xm/BulletinB.h>
#include <Xm/CascadeB.h>
#include <Xm/ComboBox.h>
#include <Xm/DrawingA.h>
#include <Xm/FileSB.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/MainW.h>
#include <Xm/MessageB.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

namespace vtx {

namespace {

const char* const kDefaultFont = "*-Helvetica-Bold-R-Normal--14*1";

WidgetState& state() { return widgetState(); }

XtPointer indexData(int index) { return reinterpret_cast<XtPointer>(static_cast<intptr_t>(index)); }
int dataIndex(XtPointer data) { return static_cast<int>(reinterpret_cast<intptr_t>(data)); }

// A compound string that frees itself.
struct CompoundString {
    XmString s;
    explicit CompoundString(const std::string& text) : s(XmStringCreateLocalized(const_cast<char*>(text.c_str()))) {}
    ~CompoundString() { XmStringFree(s); }
    CompoundString(const CompoundString&) = delete;
    CompoundString& operator=(const CompoundString&) = delete;
};

unsigned char alignment(int justify) {
    return justify == 1 ? XmALIGNMENT_CENTER : justify == 2 ? XmALIGNMENT_END : XmALIGNMENT_BEGINNING;
}

double decimalFactor(const WidgetEntry& e) { return std::pow(10.0, e.decimals); }

// Loads the widget font when its option changed; a font that cannot be
// loaded is reported and the default font used (or the server's own font
// when even that is missing).
void loadFont() {
    Toolkit& t = toolkit();
    static std::string loaded;
    const std::string& wanted = state().options.font;
    if (t.font && loaded == wanted) return;
    XFontStruct* font = XLoadQueryFont(t.display, wanted.c_str());
    if (!font && wanted != kDefaultFont) {
        widgetMessage(">>>> Font cannot be loaded: %s", wanted.c_str());
        font = XLoadQueryFont(t.display, kDefaultFont);
    }
    if (!font) font = XLoadQueryFont(t.display, "-misc-fixed-bold-r-normal--13-*");
    if (!font) font = XLoadQueryFont(t.display, "fixed");
    if (!font) return;
    loaded = wanted;
    t.font = font;
    t.fontList = XmFontListCreate(font, const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
    // The character cell: one tenth of "XXXXXXXXXX" wide, its text height high.
    t.charWidth = std::max(1, XTextWidth(font, "XXXXXXXXXX", 10) / 10);
    t.charHeight = std::max(1, font->ascent + font->descent);
}

Pixel pixelOf(const WidgetColour& c) {
    Toolkit& t = toolkit();
    XColor x{};
    x.red = static_cast<unsigned short>(c.r * 257), x.green = static_cast<unsigned short>(c.g * 257);
    x.blue = static_cast<unsigned short>(c.b * 257);
    x.flags = DoRed | DoGreen | DoBlue;
    XAllocColor(t.display, DefaultColormap(t.display, DefaultScreen(t.display)), &x);
    return x.pixel;
}

// The colour options on a new widget; `text` marks text fields and lists.
void colourise(Widget w, bool text) {
    const WidgetOptions& o = state().options;
    if (!w) return;
    if (o.background.set) XmChangeColor(w, pixelOf(o.background));
    if (o.foreground.set) XtVaSetValues(w, XmNforeground, pixelOf(o.foreground), nullptr);
    if (text && o.textBackground.set) XtVaSetValues(w, XmNbackground, pixelOf(o.textBackground), nullptr);
    if (o.scroll.set) XtVaSetValues(w, XmNtroughColor, pixelOf(o.scroll), nullptr);
}

Widget board(Widget parent, const char* name) {
    return XtVaCreateManagedWidget(name, xmBulletinBoardWidgetClass, parent, XmNmarginWidth, 0, XmNmarginHeight, 0,
                                   XmNshadowThickness, 0, XmNresizePolicy, XmRESIZE_NONE, XmNnoResize, True,
                                   nullptr);
}

// --- what the widgets do when they are used

void onActivate(Widget, XtPointer data, XtPointer) { fireCallback(dataIndex(data)); }

// A radio box reports the toggle that went off too; only the one that went on counts.
void onBoxChange(Widget, XtPointer data, XtPointer call) {
    if (!static_cast<XmToggleButtonCallbackStruct*>(call)->set) return;
    const int i = dataIndex(data);
    motifReadValue(i);
    fireCallback(i);
}

void onValueChange(Widget, XtPointer data, XtPointer) {
    const int i = dataIndex(data);
    motifReadValue(i);
    fireCallback(i);
}

void onCommand(Widget, XtPointer data, XtPointer) {
    const int i = dataIndex(data);
    std::fflush(stdout);
    if (std::system(state().table[i].text.c_str()) == -1) widgetMessage(">>>> Command cannot be run: %s", state().table[i].text.c_str());
    fireCallback(i);
}

void onOk(Widget, XtPointer data, XtPointer) {
    const int i = dataIndex(data);
    fireCallback(i);
    pressOk(state().table[i].level);
}

void onQuit(Widget, XtPointer data, XtPointer) {
    fireCallback(dataIndex(data));
    pressQuit();
}

void onMenuOk(Widget, XtPointer data, XtPointer) { pressOk(dataIndex(data)); }
void onMenuQuit(Widget, XtPointer, XtPointer) { pressQuit(); }

// Closing the window by the window manager ends its loop without taking the texts.
void onClose(Widget, XtPointer data, XtPointer) { endLoops(dataIndex(data)); }

void onHelp(Widget, XtPointer data, XtPointer) {
    const WidgetOptions& o = state().options;
    const int level = dataIndex(data);
    // The help text breaks its lines at the item separator, as message texts do.
    std::string lines = o.help;
    for (char& c : lines)
        if (c == o.separator) c = '\n';
    XmString text = XmStringCreateLtoR(const_cast<char*>(lines.c_str()), const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
    CompoundString title(o.title.empty() ? std::string("Help") : o.title);
    Widget box = XmCreateInformationDialog(toolkit().shell[level - 1], const_cast<char*>("help"), nullptr, 0);
    XtVaSetValues(box, XmNmessageString, text, XmNdialogTitle, title.s, nullptr);
    XmStringFree(text);
    XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    XtManageChild(box);
}

void onDrawInput(Widget, XtPointer data, XtPointer call) {
    const auto* cbs = static_cast<XmDrawingAreaCallbackStruct*>(call);
    if (cbs->event && cbs->event->type == ButtonPress) fireCallback(dataIndex(data));
}

void onFileChosen(Widget dialog, XtPointer data, XtPointer call) {
    const int i = dataIndex(data);
    const auto* cbs = static_cast<XmFileSelectionBoxCallbackStruct*>(call);
    char* name = nullptr;
    if (XmStringGetLtoR(cbs->value, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), &name) && name) {
        XmTextFieldSetString(toolkit().field[i], name);
        XtFree(name);
    }
    XtUnmanageChild(dialog);
    motifReadValue(i);
    fireCallback(i);
}

void onFileCancel(Widget dialog, XtPointer, XtPointer) { XtUnmanageChild(dialog); }

void onBrowse(Widget, XtPointer data, XtPointer) {
    const int i = dataIndex(data);
    const WidgetEntry& e = state().table[i];
    Widget box = XmCreateFileSelectionDialog(toolkit().widget[i], const_cast<char*>("files"), nullptr, 0);
    if (!e.mask.empty()) {
        CompoundString mask(e.mask);
        XtVaSetValues(box, XmNdirMask, mask.s, nullptr);
    }
    XtUnmanageChild(XmFileSelectionBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    // The standard mask is fixed; a user mask may be edited in the box.
    if (!state().options.userMask) {
        XtUnmanageChild(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_TEXT));
        XtUnmanageChild(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_LABEL));
    }
    XtAddCallback(box, XmNokCallback, onFileChosen, data);
    XtAddCallback(box, XmNcancelCallback, onFileCancel, nullptr);
    XtManageChild(box);
}

// --- creation

Widget menuButton(Widget menu, const char* label, XtCallbackProc proc, XtPointer data) {
    Widget b = XtVaCreateManagedWidget(label, xmPushButtonWidgetClass, menu, XmNfontList, toolkit().fontList, nullptr);
    XtAddCallback(b, XmNactivateCallback, proc, data);
    return b;
}

Widget cascade(Widget bar, const char* label) {
    Widget pulldown = XmCreatePulldownMenu(bar, const_cast<char*>(label), nullptr, 0);
    XtVaCreateManagedWidget(label, xmCascadeButtonWidgetClass, bar, XmNsubMenuId, pulldown, XmNfontList,
                            toolkit().fontList, nullptr);
    return pulldown;
}

// The menu bar of a level, made when it is first needed.
Widget menuBar(int level) {
    Toolkit& t = toolkit();
    if (!t.menuBar[level - 1]) {
        Widget form = t.widget[state().levelStart[level - 1]];
        Widget main = XtParent(XtParent(form));
        t.menuBar[level - 1] = XmCreateMenuBar(main, const_cast<char*>("menubar"), nullptr, 0);
        XtManageChild(t.menuBar[level - 1]);
        XmMainWindowSetAreas(main, t.menuBar[level - 1], nullptr, nullptr, nullptr, XtParent(form));
        colourise(t.menuBar[level - 1], false);
    }
    return t.menuBar[level - 1];
}

void addToggles(Widget box, const WidgetEntry& e, int index) {
    const char sep = state().options.separator;
    for (int k = 1; k <= e.lines; ++k) {
        CompoundString text(itemAt(e.items, sep, k));
        Widget b = XtVaCreateManagedWidget("item", xmToggleButtonWidgetClass, box, XmNlabelString, text.s, XmNset,
                                           k == e.value ? True : False, XmNfontList, toolkit().fontList, nullptr);
        XtAddCallback(b, XmNvalueChangedCallback, onBoxChange, indexData(index));
        colourise(b, false);
    }
}

// The items of a list string as compound strings, freed by the caller.
XmStringTable itemTable(const WidgetEntry& e) {
    auto* table = reinterpret_cast<XmStringTable>(XtMalloc(sizeof(XmString) * std::max(e.lines, 1)));
    for (int k = 1; k <= e.lines; ++k)
        table[k - 1] = XmStringCreateLocalized(const_cast<char*>(itemAt(e.items, state().options.separator, k).c_str()));
    return table;
}

void freeItemTable(XmStringTable table, int n) {
    for (int k = 0; k < n; ++k) XmStringFree(table[k]);
    XtFree(reinterpret_cast<char*>(table));
}

Widget listChild(Widget combo) { return XtNameToWidget(combo, "*List"); }

// The children of a radio box.
WidgetList boxChildren(Widget box, Cardinal& n) {
    WidgetList kids = nullptr;
    XtVaGetValues(box, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
    return kids;
}

void createScale(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    const double f = decimalFactor(e);
    CompoundString title(e.label);
    Widget w = XtVaCreateManagedWidget(
        "scale", xmScaleWidgetClass, parent, XmNminimum, int(std::lround(e.scaleMin * f)), XmNmaximum,
        int(std::lround(e.scaleMax * f)), XmNvalue, int(std::lround(e.scaleValue * f)), XmNdecimalPoints, e.decimals,
        XmNshowValue, True, XmNtitleString, title.s, XmNorientation, e.orientation == 1 ? XmHORIZONTAL : XmVERTICAL,
        XmNfontList, t.fontList, nullptr);
    if (e.step > 0.f) XtVaSetValues(w, XmNscaleMultiple, std::max(1, int(std::lround(e.step * f))), nullptr);
    XtAddCallback(w, XmNvalueChangedCallback, onValueChange, indexData(i));
    t.widget[i] = t.field[i] = w;
}

void createList(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    const bool scrolled = e.listType == 1 || (e.listType == 0 && e.lines > 8);
    XmStringTable items = itemTable(e);
    Arg args[6];
    int n = 0;
    XtSetArg(args[n], XmNitems, items), ++n;
    XtSetArg(args[n], XmNitemCount, e.lines), ++n;
    XtSetArg(args[n], XmNvisibleItemCount, scrolled ? 6 : e.lines), ++n;
    XtSetArg(args[n], XmNselectionPolicy, XmBROWSE_SELECT), ++n;
    XtSetArg(args[n], XmNfontList, t.fontList), ++n;
    XtSetArg(args[n], XmNscrollBarDisplayPolicy, scrolled ? int(XmSTATIC) : int(XmAS_NEEDED)), ++n;
    Widget list = XmCreateScrolledList(parent, const_cast<char*>("list"), args, n);
    freeItemTable(items, e.lines);
    XmListSelectPos(list, e.value, False);
    XtAddCallback(list, XmNbrowseSelectionCallback, onValueChange, indexData(i));
    XtManageChild(list);
    t.widget[i] = XtParent(list);
    t.field[i] = list;
}

void createDropList(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    XmStringTable items = itemTable(e);
    Arg args[4];
    int n = 0;
    XtSetArg(args[n], XmNitems, items), ++n;
    XtSetArg(args[n], XmNitemCount, e.lines), ++n;
    XtSetArg(args[n], XmNvisibleItemCount, std::min(e.lines, 8)), ++n;
    XtSetArg(args[n], XmNfontList, t.fontList), ++n;
    Widget combo = XmCreateDropDownList(parent, const_cast<char*>("combo"), args, n);
    freeItemTable(items, e.lines);
    XtManageChild(combo);
    t.widget[i] = t.field[i] = combo;
    motifWriteValue(i);
    XtAddCallback(combo, XmNselectionCallback, onValueChange, indexData(i));
}

void createBox(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    Widget box = XmCreateRadioBox(parent, const_cast<char*>("box"), nullptr, 0);
    XtVaSetValues(box, XmNorientation, e.orientation == 1 ? XmHORIZONTAL : XmVERTICAL, XmNpacking, XmPACK_TIGHT,
                  nullptr);
    addToggles(box, e, i);
    XtManageChild(box);
    t.widget[i] = t.field[i] = box;
    motifWriteValue(i);
}

// A label or a text field with a label, in a board of its own.
void createLabelledText(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    Widget b = board(parent, "labelled");
    CompoundString text(e.label);
    XtVaCreateManagedWidget("label", xmLabelWidgetClass, b, XmNlabelString, text.s, XmNalignment,
                            XmALIGNMENT_BEGINNING, XmNfontList, t.fontList, XmNrecomputeSize, False, nullptr);
    Widget f = XtVaCreateManagedWidget("text", xmTextFieldWidgetClass, b, XmNvalue, e.text.c_str(), XmNfontList,
                                       t.fontList, nullptr);
    XtAddCallback(f, XmNactivateCallback, onActivate, indexData(i));
    t.widget[i] = b;
    t.field[i] = f;
}

void createFile(Widget parent, int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    Widget b = board(parent, "file");
    Widget f = XtVaCreateManagedWidget("text", xmTextFieldWidgetClass, b, XmNvalue, e.text.c_str(), XmNfontList,
                                       t.fontList, nullptr);
    CompoundString text(e.label.empty() ? std::string("...") : e.label);
    Widget button = XtVaCreateManagedWidget("browse", xmPushButtonWidgetClass, b, XmNlabelString, text.s,
                                            XmNfontList, t.fontList, nullptr);
    XtAddCallback(f, XmNactivateCallback, onActivate, indexData(i));
    XtAddCallback(button, XmNactivateCallback, onBrowse, indexData(i));
    t.widget[i] = b;
    t.field[i] = f;
}

Widget button(Widget parent, const WidgetEntry& e, XtCallbackProc proc, int i) {
    CompoundString text(e.label);
    Widget w = XtVaCreateManagedWidget("button", xmPushButtonWidgetClass, parent, XmNlabelString, text.s,
                                       XmNalignment, alignment(e.justify), XmNfontList, toolkit().fontList,
                                       XmNrecomputeSize, False, nullptr);
    XtAddCallback(w, XmNactivateCallback, proc, indexData(i));
    return w;
}

// Places a widget and the parts of a composite one.
void place(int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    const WidgetRect& r = e.frame;
    if (!t.widget[i] || r.width <= 0) return;
    XtVaSetValues(t.widget[i], XmNx, r.x, XmNy, r.y, XmNwidth, r.width, XmNheight, r.height, nullptr);
    if (e.type == WidgetType::LabelText) {
        const int labelWidth = r.width * e.percent / 100;
        WidgetList kids;
        Cardinal n = 0;
        kids = boxChildren(t.widget[i], n);
        if (n >= 2) {
            XtVaSetValues(kids[0], XmNx, 0, XmNy, 0, XmNwidth, std::max(labelWidth, 1), XmNheight, r.height, nullptr);
            if (labelWidth == 0) XtUnmanageChild(kids[0]);
            XtVaSetValues(kids[1], XmNx, labelWidth, XmNy, 0, XmNwidth, std::max(r.width - labelWidth, 1), XmNheight,
                          r.height, nullptr);
        }
    } else if (e.type == WidgetType::File) {
        const int buttonWidth = std::max(r.width / 4, 3 * toolkit().charWidth + 16);
        WidgetList kids;
        Cardinal n = 0;
        kids = boxChildren(t.widget[i], n);
        if (n >= 2) {
            XtVaSetValues(kids[0], XmNx, 0, XmNy, 0, XmNwidth, std::max(r.width - buttonWidth - 4, 1), XmNheight,
                          r.height, nullptr);
            XtVaSetValues(kids[1], XmNx, r.width - buttonWidth, XmNy, 0, XmNwidth, buttonWidth, XmNheight, r.height,
                          nullptr);
        }
    }
}

WidgetRect g_window[kMaxWidgetLevels];  // where each level's window went

}  // namespace

void motifCreateLevel(int top) {
    Toolkit& t = toolkit();
    WidgetState& s = state();
    const int level = s.table[top].level;
    loadFont();
    const std::string title = s.options.title.empty() ? std::string("VANTIX") : s.options.title;
    Widget shell = XtVaAppCreateShell("vantix", "vantix", topLevelShellWidgetClass, t.display, XmNtitle,
                                      title.c_str(), XmNiconName, title.c_str(), XmNdeleteResponse, XmDO_NOTHING,
                                      nullptr);
    Atom wmDelete = XmInternAtom(t.display, const_cast<char*>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(shell, wmDelete, onClose, indexData(level));
    Widget main = XmCreateMainWindow(shell, const_cast<char*>("main"), nullptr, 0);
    XtManageChild(main);
    Widget frame = XtVaCreateManagedWidget("frame", xmFrameWidgetClass, main, nullptr);
    Widget form = board(frame, "form");
    t.shell[level - 1] = shell;
    t.menuBar[level - 1] = nullptr;
    t.widget[top] = form;
    XmMainWindowSetAreas(main, nullptr, nullptr, nullptr, nullptr, frame);
    colourise(main, false);
    colourise(form, false);
    const WidgetOptions& o = s.options;
    if (o.menuOk || o.menuQuit) {
        Widget exitMenu = cascade(menuBar(level), "Exit");
        if (o.menuOk) menuButton(exitMenu, "OK", onMenuOk, indexData(level));
        if (o.menuQuit) menuButton(exitMenu, "Quit", onMenuQuit, nullptr);
    }
    if (o.menuHelp) {
        Widget bar = menuBar(level);
        Widget helpMenu = cascade(bar, "Help");
        menuButton(helpMenu, "Help", onHelp, indexData(level));
        XtVaSetValues(bar, XmNmenuHelpWidget, XtNameToWidget(bar, "Help"), nullptr);
    }
}

void motifCreateWidget(int i) {
    Toolkit& t = toolkit();
    WidgetState& s = state();
    const WidgetEntry& e = s.table[i];
    Widget parent = t.widget[e.parent];
    if (!parent) return;
    switch (e.type) {
        case WidgetType::Base: t.widget[i] = board(parent, "base"); break;
        case WidgetType::Label: {
            CompoundString text(e.label);
            t.widget[i] = XtVaCreateManagedWidget("label", xmLabelWidgetClass, parent, XmNlabelString, text.s,
                                                  XmNalignment, alignment(e.justify), XmNfontList, t.fontList,
                                                  XmNrecomputeSize, False, nullptr);
            break;
        }
        case WidgetType::Toggle: {
            CompoundString text(e.label);
            t.widget[i] = XtVaCreateManagedWidget("toggle", xmToggleButtonWidgetClass, parent, XmNlabelString, text.s,
                                                  XmNset, e.value ? True : False, XmNalignment, alignment(e.justify),
                                                  XmNfontList, t.fontList, XmNrecomputeSize, False, nullptr);
            XtAddCallback(t.widget[i], XmNvalueChangedCallback, onValueChange, indexData(i));
            break;
        }
        case WidgetType::Push: t.widget[i] = button(parent, e, onActivate, i); break;
        case WidgetType::Command: t.widget[i] = button(parent, e, onCommand, i); break;
        case WidgetType::Ok: t.widget[i] = button(parent, e, onOk, i); break;
        case WidgetType::Quit: t.widget[i] = button(parent, e, onQuit, i); break;
        case WidgetType::Text:
            t.widget[i] = t.field[i] = XtVaCreateManagedWidget("text", xmTextFieldWidgetClass, parent, XmNvalue,
                                                               e.text.c_str(), XmNfontList, t.fontList, nullptr);
            XtAddCallback(t.widget[i], XmNactivateCallback, onActivate, indexData(i));
            break;
        case WidgetType::LabelText: createLabelledText(parent, i); break;
        case WidgetType::File: createFile(parent, i); break;
        case WidgetType::ScrollText: {
            Arg args[7];
            int n = 0;
            XtSetArg(args[n], XmNeditMode, XmMULTI_LINE_EDIT), ++n;
            XtSetArg(args[n], XmNscrollHorizontal, False), ++n;
            XtSetArg(args[n], XmNwordWrap, True), ++n;
            XtSetArg(args[n], XmNrows, e.lines), ++n;
            XtSetArg(args[n], XmNeditable, False), ++n;
            XtSetArg(args[n], XmNcursorPositionVisible, False), ++n;
            XtSetArg(args[n], XmNfontList, t.fontList), ++n;
            Widget text = XmCreateScrolledText(parent, const_cast<char*>("scrolled"), args, n);
            XmTextSetString(text, const_cast<char*>(e.text.c_str()));
            XtManageChild(text);
            t.widget[i] = XtParent(text);
            t.field[i] = text;
            break;
        }
        case WidgetType::List: createList(parent, i); break;
        case WidgetType::DropList: createDropList(parent, i); break;
        case WidgetType::Box: createBox(parent, i); break;
        case WidgetType::Scale: createScale(parent, i); break;
        case WidgetType::Draw:
            t.widget[i] = XtVaCreateManagedWidget("draw", xmDrawingAreaWidgetClass, parent, XmNresizePolicy,
                                                  XmRESIZE_NONE, nullptr);
            XtAddCallback(t.widget[i], XmNinputCallback, onDrawInput, indexData(i));
            break;
        case WidgetType::Popup: {
            Widget bar = menuBar(e.level);
            Widget pulldown = XmCreatePulldownMenu(bar, const_cast<char*>("popup"), nullptr, 0);
            CompoundString text(e.label);
            t.widget[i] = XtVaCreateManagedWidget("popup", xmCascadeButtonWidgetClass, bar, XmNsubMenuId, pulldown,
                                                  XmNlabelString, text.s, XmNfontList, t.fontList, nullptr);
            t.field[i] = pulldown;
            break;
        }
        case WidgetType::Entry: {
            CompoundString text(e.label);
            t.widget[i] = XtVaCreateManagedWidget("entry", xmPushButtonWidgetClass, t.field[e.parent],
                                                  XmNlabelString, text.s, XmNfontList, t.fontList, nullptr);
            XtAddCallback(t.widget[i], XmNactivateCallback, onActivate, indexData(i));
            break;
        }
        case WidgetType::Top: break;
    }
    const bool text = e.type == WidgetType::Text || e.type == WidgetType::List || e.type == WidgetType::ScrollText;
    colourise(t.widget[i], text);
    if (t.field[i] && t.field[i] != t.widget[i]) colourise(t.field[i], true);
}

void motifRealizeLevel(int top) {
    Toolkit& t = toolkit();
    WidgetState& s = state();
    const int level = s.table[top].level;
    Widget shell = t.shell[level - 1];
    if (!shell || XtIsRealized(shell)) return;
    Screen* screen = DefaultScreenOfDisplay(t.display);
    WidgetMetrics m;
    m.charWidth = t.charWidth, m.charHeight = t.charHeight;
    m.screenWidth = WidthOfScreen(screen), m.screenHeight = HeightOfScreen(screen);
    layoutLevel(s, top, m);
    for (int i = top + 1; i < s.count; ++i)
        if (s.table[i].level == level) place(i);
    XtVaSetValues(t.widget[top], XmNwidth, s.table[top].frame.width, XmNheight, s.table[top].frame.height, nullptr);
    for (int i = top + 1; i < s.count; ++i)
        if (s.table[i].level == level && s.table[i].attribute != kWidgetActive) motifApplyAttribute(i);

    const WidgetRect& asked = s.table[top].place;
    if (asked.width > 0 && asked.height > 0) XtVaSetValues(shell, XmNwidth, asked.width, XmNheight, asked.height, nullptr);
    XtRealizeWidget(shell);
    Dimension w = 0, h = 0;
    XtVaGetValues(shell, XmNwidth, &w, XmNheight, &h, nullptr);
    int x = asked.x, y = asked.y;
    if (x < 0 || y < 0) {
        if (level > 1) nestedPosition(g_window[level - 2], x, y);
        else if (s.options.centre) x = (m.screenWidth - w) / 2, y = (m.screenHeight - h) / 2;
        else x = y = 0;
    }
    if (s.options.offsetSet) x += s.options.offsetX, y += s.options.offsetY;
    g_window[level - 1] = {x, y, int(w), int(h)};
    XtVaSetValues(shell, XmNx, x, XmNy, y, nullptr);
    XtMapWidget(shell);
    // Shown before the caller goes on (reawgt, a drawing area handed to the screen driver).
    XSync(t.display, False);
    while (XtAppPending(t.app)) XtAppProcessEvent(t.app, XtIMAll);
}

void motifRunLoop(int level) {
    Toolkit& t = toolkit();
    WidgetState& s = state();
    while (!s.levelDone[level - 1]) XtAppProcessEvent(t.app, XtIMAll);
}

void motifDestroyLevel(int top) {
    Toolkit& t = toolkit();
    WidgetState& s = state();
    const int level = s.table[top].level;
    if (!t.shell[level - 1]) return;
    XtDestroyWidget(t.shell[level - 1]);
    t.shell[level - 1] = t.menuBar[level - 1] = nullptr;
    for (int i = top; i < s.count; ++i)
        if (s.table[i].level == level) t.widget[i] = t.field[i] = nullptr;
    // The destruction finishes when the dispatch that called wgfin returns; at
    // the outermost level nothing dispatches, so the window goes now.
    XSync(t.display, False);
    while (XtAppPending(t.app) & XtIMXEvent) XtAppProcessEvent(t.app, XtIMXEvent);
}

bool motifLive(int i) { return i >= 0 && i < kMaxWidgets && toolkit().widget[i] != nullptr; }

void motifReadValue(int i) {
    Toolkit& t = toolkit();
    WidgetEntry& e = state().table[i];
    Widget f = t.field[i] ? t.field[i] : t.widget[i];
    if (!f) return;
    switch (e.type) {
        case WidgetType::Toggle: e.value = XmToggleButtonGetState(f) ? 1 : 0; break;
        case WidgetType::List:
        case WidgetType::DropList: {
            Widget list = e.type == WidgetType::List ? f : listChild(f);
            int* positions = nullptr;
            int n = 0;
            if (list && XmListGetSelectedPos(list, &positions, &n) && n > 0) e.value = positions[0];
            if (positions) XtFree(reinterpret_cast<char*>(positions));
            break;
        }
        case WidgetType::Box: {
            Cardinal n = 0;
            WidgetList kids = boxChildren(f, n);
            for (Cardinal k = 0; k < n; ++k)
                if (XmToggleButtonGetState(kids[k])) e.value = int(k) + 1;
            break;
        }
        case WidgetType::Scale: {
            int v = 0;
            XmScaleGetValue(f, &v);
            e.scaleValue = float(v / decimalFactor(e));
            break;
        }
        case WidgetType::Text:
        case WidgetType::LabelText:
        case WidgetType::File: {
            char* text = XmTextFieldGetString(f);
            e.text = text ? text : "";
            XtFree(text);
            break;
        }
        case WidgetType::ScrollText: {
            char* text = XmTextGetString(f);
            e.text = text ? text : "";
            XtFree(text);
            break;
        }
        default: break;
    }
}

void motifWriteValue(int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    Widget f = t.field[i] ? t.field[i] : t.widget[i];
    if (!f) return;
    switch (e.type) {
        case WidgetType::Toggle: XmToggleButtonSetState(f, e.value ? True : False, False); break;
        case WidgetType::List: XmListSelectPos(f, e.value, False); break;
        case WidgetType::DropList: {
            CompoundString item(itemAt(e.items, state().options.separator, e.value));
            XmComboBoxSelectItem(f, item.s);
            break;
        }
        case WidgetType::Box: {
            Cardinal n = 0;
            WidgetList kids = boxChildren(f, n);
            for (Cardinal k = 0; k < n; ++k) XmToggleButtonSetState(kids[k], int(k) + 1 == e.value, False);
            break;
        }
        case WidgetType::Scale: XmScaleSetValue(f, int(std::lround(e.scaleValue * decimalFactor(e)))); break;
        case WidgetType::Text:
        case WidgetType::LabelText:
        case WidgetType::File: XmTextFieldSetString(f, const_cast<char*>(e.text.c_str())); break;
        case WidgetType::ScrollText:
            XmTextSetString(f, const_cast<char*>(e.text.c_str()));
            XmTextShowPosition(f, XmTextGetLastPosition(f));
            break;
        default: break;
    }
    // Shown now, also when the program sets values outside wgfin's loop.
    XmUpdateDisplay(f);
}

void motifApplyAttribute(int i) {
    Widget w = toolkit().widget[i];
    if (!w) return;
    const int a = state().table[i].attribute;
    XtSetSensitive(w, a == kWidgetActive ? True : False);
    XtSetMappedWhenManaged(w, a == kWidgetInvisible ? False : True);
}

void motifApplyItems(int i) {
    Toolkit& t = toolkit();
    const WidgetEntry& e = state().table[i];
    Widget f = t.field[i];
    if (!f) return;
    if (e.type == WidgetType::Box) {
        Cardinal n = 0;
        WidgetList kids = boxChildren(f, n);
        for (Cardinal k = n; k > 0; --k) XtDestroyWidget(kids[k - 1]);
        addToggles(f, e, i);
        return;
    }
    XmStringTable items = itemTable(e);
    if (e.type == WidgetType::List) {
        XmListDeleteAllItems(f);
        XmListAddItems(f, items, e.lines, 1);
    } else {
        XtVaSetValues(f, XmNitems, items, XmNitemCount, e.lines, nullptr);
    }
    freeItemTable(items, e.lines);
    motifWriteValue(i);
}

unsigned long motifWindow(int i) {
    Widget w = motifLive(i) ? toolkit().widget[i] : nullptr;
    return w && XtIsRealized(w) ? XtWindow(w) : 0;
}

}  // namespace vtx
