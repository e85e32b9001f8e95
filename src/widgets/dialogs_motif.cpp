#include "widgets/dialogs_motif.h"

#include <Xm/FileSB.h>
#include <Xm/List.h>
#include <Xm/MessageB.h>
#include <Xm/Protocols.h>
#include <Xm/SelectioB.h>
#include <Xm/Xm.h>

#include "widgets/widget_state.h"
#include "widgets/toolkit.h"

namespace vtx {

namespace {

// Width of the text fields of the dialogs, in characters.
constexpr short kFieldColumns = 40;

// What the callbacks of one dialog report back to its loop.
struct Answer {
    bool done = false;
    int number = 0;
    std::string text;
    const std::vector<std::string>* items = nullptr;
};

// An XmString that frees itself; line breaks become segment separators.
class MotifString {
public:
    explicit MotifString(const std::string& text)
        : s_(XmStringCreateLtoR(const_cast<char*>(text.c_str()), const_cast<char*>(XmFONTLIST_DEFAULT_TAG))) {}
    ~MotifString() { XmStringFree(s_); }
    MotifString(const MotifString&) = delete;
    MotifString& operator=(const MotifString&) = delete;
    operator XmString() const { return s_; }

private:
    XmString s_;
};

std::string plainText(XmString s) {
    if (!s) return {};
    char* text = static_cast<char*>(
        XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
    std::string result = text ? text : "";
    XtFree(text);
    return result;
}

std::string cut(std::string text, size_t maxLength) {
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}

void closeRequested(Widget, XtPointer data, XtPointer) { static_cast<Answer*>(data)->done = true; }

// A top-level window of the dialog; closing it by the window manager keeps
// the default answer.
Widget makeShell(const DialogWindow& window, Answer& answer) {
    Arg args[11];
    int n = 0;
    if (XmFontList fonts = toolkit().fontList) {
        XtSetArg(args[n], XmNlabelFontList, fonts); ++n;
        XtSetArg(args[n], XmNbuttonFontList, fonts); ++n;
        XtSetArg(args[n], XmNtextFontList, fonts); ++n;
    }
    XtSetArg(args[n], XmNtitle, window.title.c_str()); ++n;
    XtSetArg(args[n], XmNdeleteResponse, XmDO_NOTHING); ++n;
    if (window.width > 0 && window.height > 0) {
        XtSetArg(args[n], XmNwidth, window.width); ++n;
        XtSetArg(args[n], XmNheight, window.height); ++n;
        XtSetArg(args[n], XmNallowShellResize, False); ++n;
    } else {
        XtSetArg(args[n], XmNallowShellResize, True); ++n;
    }
    Widget shell = XtAppCreateShell("dialog", "vantix", topLevelShellWidgetClass, toolkit().display, args, n);
    Atom close = XmInternAtom(toolkit().display, const_cast<char*>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(shell, close, closeRequested, &answer);
    return shell;
}

// Shows the window (centred on the screen when the widget windows are) and
// handles events until a callback answers, then removes the window.
void runDialog(Widget shell, const Answer& answer) {
    XtSetMappedWhenManaged(shell, False);
    XtRealizeWidget(shell);
    if (widgetState().options.centre) {
        Dimension w = 0, h = 0;
        XtVaGetValues(shell, XmNwidth, &w, XmNheight, &h, nullptr);
        Screen* screen = XtScreen(shell);
        XtVaSetValues(shell, XmNx, (WidthOfScreen(screen) - w) / 2, XmNy, (HeightOfScreen(screen) - h) / 2, nullptr);
    }
    XtMapWidget(shell);
    while (!answer.done) XtAppProcessEvent(toolkit().app, XtIMAll);
    XtDestroyWidget(shell);
    XSync(toolkit().display, False);
    while (XtAppPending(toolkit().app)) XtAppProcessEvent(toolkit().app, XtIMAll);
}

void hideChild(Widget child) {
    if (child) XtUnmanageChild(child);
}

void answered(Widget, XtPointer data, XtPointer) { static_cast<Answer*>(data)->done = true; }

void answeredYes(Widget, XtPointer data, XtPointer) {
    auto* answer = static_cast<Answer*>(data);
    answer->number = 1;
    answer->done = true;
}

void answeredNo(Widget, XtPointer data, XtPointer) {
    auto* answer = static_cast<Answer*>(data);
    answer->number = 0;
    answer->done = true;
}

void answeredText(Widget, XtPointer data, XtPointer call) {
    auto* answer = static_cast<Answer*>(data);
    answer->text = plainText(static_cast<XmSelectionBoxCallbackStruct*>(call)->value);
    answer->done = true;
}

// OK in the list dialog comes only with a value that is one of the items
// (the box must match); the item's number is the answer.
void answeredItem(Widget, XtPointer data, XtPointer call) {
    auto* answer = static_cast<Answer*>(data);
    const std::string value = plainText(static_cast<XmSelectionBoxCallbackStruct*>(call)->value);
    for (size_t k = 0; k < answer->items->size(); ++k)
        if ((*answer->items)[k] == value) {
            answer->number = int(k) + 1;
            answer->done = true;
            return;
        }
}

void itemNotMatched(Widget, XtPointer, XtPointer) { widgetMessage(">>>> Value doesn't match list elements in DWGLIS!"); }

Widget messageBox(Widget shell, const std::string& text, unsigned char type) {
    MotifString message(text);
    Arg args[2];
    XtSetArg(args[0], XmNmessageString, static_cast<XmString>(message));
    XtSetArg(args[1], XmNdialogType, type);
    return XmCreateMessageBox(shell, const_cast<char*>("message"), args, 2);
}

}  // namespace

void motifMessage(const DialogWindow& window, const std::string& text) {
    Answer answer;
    Widget shell = makeShell(window, answer);
    Widget box = messageBox(shell, text, XmDIALOG_INFORMATION);
    hideChild(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    hideChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    XtAddCallback(box, XmNokCallback, answered, &answer);
    XtManageChild(box);
    runDialog(shell, answer);
}

int motifQuestion(const DialogWindow& window, const std::string& question, int dflt) {
    Answer answer;
    answer.number = dflt != 0 ? 1 : 0;
    Widget shell = makeShell(window, answer);
    Widget box = messageBox(shell, question, XmDIALOG_QUESTION);
    MotifString yes("Yes"), no("No");
    XtVaSetValues(box, XmNokLabelString, static_cast<XmString>(yes), XmNcancelLabelString,
                  static_cast<XmString>(no), XmNdefaultButtonType,
                  answer.number ? XmDIALOG_OK_BUTTON : XmDIALOG_CANCEL_BUTTON, nullptr);
    hideChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    XtAddCallback(box, XmNokCallback, answeredYes, &answer);
    XtAddCallback(box, XmNcancelCallback, answeredNo, &answer);
    XtManageChild(box);
    runDialog(shell, answer);
    return answer.number;
}

std::string motifText(const DialogWindow& window, const std::string& label, const std::string& dflt,
                      size_t maxLength) {
    Answer answer;
    answer.text = dflt;
    Widget shell = makeShell(window, answer);
    MotifString prompt(label), value(dflt);
    Arg args[3];
    XtSetArg(args[0], XmNdialogType, XmDIALOG_PROMPT);
    XtSetArg(args[1], XmNselectionLabelString, static_cast<XmString>(prompt));
    XtSetArg(args[2], XmNtextString, static_cast<XmString>(value));
    Widget box = XmCreateSelectionBox(shell, const_cast<char*>("text"), args, 3);
    hideChild(XmSelectionBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    hideChild(XmSelectionBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    XtVaSetValues(XmSelectionBoxGetChild(box, XmDIALOG_TEXT), XmNmaxLength, int(maxLength), XmNcolumns,
                  kFieldColumns, nullptr);
    XtAddCallback(box, XmNokCallback, answeredText, &answer);
    XtManageChild(box);
    runDialog(shell, answer);
    return cut(answer.text, maxLength);
}

std::string motifFile(const DialogWindow& window, const std::string& label, const std::string& file,
                      const std::string& mask, size_t maxLength) {
    Answer answer;
    answer.text = file;
    Widget shell = makeShell(window, answer);
    MotifString prompt(label), pattern(mask.empty() ? "*" : mask);
    Arg args[2];
    XtSetArg(args[0], XmNselectionLabelString, static_cast<XmString>(prompt));
    XtSetArg(args[1], XmNdirMask, static_cast<XmString>(pattern));
    Widget box = XmCreateFileSelectionBox(shell, const_cast<char*>("file"), args, 2);
    hideChild(XmFileSelectionBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    hideChild(XmFileSelectionBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    // As in the file fields of the widgets: the standard mask is fixed, a user mask may be edited.
    if (!widgetState().options.userMask) {
        hideChild(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_TEXT));
        hideChild(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_LABEL));
    }
    XtVaSetValues(XmFileSelectionBoxGetChild(box, XmDIALOG_TEXT), XmNcolumns, kFieldColumns, nullptr);
    if (!file.empty()) {
        MotifString chosen(file);
        XtVaSetValues(box, XmNtextString, static_cast<XmString>(chosen), nullptr);
    }
    XtAddCallback(box, XmNokCallback, answeredText, &answer);
    XtManageChild(box);
    runDialog(shell, answer);
    return cut(answer.text, maxLength);
}

int motifList(const DialogWindow& window, const std::string& label, const std::vector<std::string>& items,
              int selected) {
    Answer answer;
    answer.number = selected;
    answer.items = &items;
    Widget shell = makeShell(window, answer);
    std::vector<XmString> entries;
    for (const std::string& item : items) entries.push_back(XmStringCreateLocalized(const_cast<char*>(item.c_str())));
    MotifString prompt(label);
    Arg args[5];
    XtSetArg(args[0], XmNdialogType, XmDIALOG_SELECTION);
    XtSetArg(args[1], XmNlistLabelString, static_cast<XmString>(prompt));
    XtSetArg(args[2], XmNlistItems, entries.data());
    XtSetArg(args[3], XmNlistItemCount, int(entries.size()));
    XtSetArg(args[4], XmNmustMatch, True);
    Widget box = XmCreateSelectionBox(shell, const_cast<char*>("list"), args, 5);
    for (XmString s : entries) XmStringFree(s);
    hideChild(XmSelectionBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    hideChild(XmSelectionBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    hideChild(XmSelectionBoxGetChild(box, XmDIALOG_APPLY_BUTTON));
    if (selected >= 1 && selected <= int(items.size())) {
        Widget list = XmSelectionBoxGetChild(box, XmDIALOG_LIST);
        XmListSelectPos(list, selected, True);
        XmListSetPos(list, selected);
    }
    XtAddCallback(box, XmNokCallback, answeredItem, &answer);
    XtAddCallback(box, XmNnoMatchCallback, itemNotMatched, nullptr);
    XtManageChild(box);
    runDialog(shell, answer);
    return answer.number;
}

}  // namespace vtx
