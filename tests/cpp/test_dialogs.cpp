// Item strings and the dialogs of the terminal mode, fed from string streams.
#include <gtest/gtest.h>

#include <sstream>

#include "widgets/dialogs_terminal.h"
#include "widgets/item_strings.h"

using namespace vtx;

TEST(ItemStrings, AppendCountAndPick) {
    EXPECT_EQ(appendItem("", "one", '|'), "one");  // no separator before the first item
    EXPECT_EQ(appendItem("one  ", "two  ", '|'), "one|two");
    EXPECT_EQ(appendItem("a;b", "c", ';'), "a;b;c");
    EXPECT_EQ(pickItem("a|bb|", 2, '|'), "bb");
    EXPECT_EQ(pickItem("a|bb|", 3, '|'), "");
    EXPECT_EQ(pickItem("a|bb", 1, '|'), "a");
    EXPECT_FALSE(pickItem("a|bb", 0, '|'));
    EXPECT_FALSE(pickItem("a|bb", 3, '|'));
    EXPECT_EQ(pickItem(std::string(100, 'x') + "|y", 1, '|')->size(), kMaxItemLength);
}

TEST(TerminalDialogs, QuestionRefusesOtherAnswersAndKeepsDefaultAtEnd) {
    std::istringstream in("maybe\ny\n\nN\n");
    std::ostringstream out;
    EXPECT_EQ(terminalQuestion(in, out, "Go on?", 0), 1);
    EXPECT_NE(out.str().find("<<<< Not allowed Option!"), std::string::npos);
    EXPECT_EQ(terminalQuestion(in, out, "Go on?", 1), 1);  // empty line
    EXPECT_EQ(terminalQuestion(in, out, "Go on?", 1), 0);
    EXPECT_EQ(terminalQuestion(in, out, "Go on?", 0), 0);  // end of input
    EXPECT_EQ(terminalQuestion(in, out, "Go on?", 1), 1);
}

TEST(TerminalDialogs, TextIsCutAndDefaultsOnEmptyOrEnd) {
    std::istringstream in("hello \r\n\n" + std::string(200, 'z') + "\n");
    std::ostringstream out;
    EXPECT_EQ(terminalText(in, out, "Name", "x", 132), "hello");
    EXPECT_EQ(terminalText(in, out, "Name", "x", 132), "x");
    EXPECT_EQ(terminalText(in, out, "Name", "x", 132), std::string(132, 'z'));
    EXPECT_EQ(terminalText(in, out, "Name", "x", 132), "x");
}

TEST(TerminalDialogs, ListTakesNumberOrItemAndRefusesTheRest) {
    const std::vector<std::string> items{"red", "green", "blue"};
    std::istringstream in("3\ngreen\n4\npurple\n1\n\n");
    std::ostringstream out;
    EXPECT_EQ(terminalList(in, out, "Colour", items, 2), 3);
    EXPECT_EQ(terminalList(in, out, "Colour", items, 2), 2);
    EXPECT_EQ(terminalList(in, out, "Colour", items, 2), 1);  // after two refused answers
    size_t first = out.str().find(">>>> Value doesn't match list elements in DWGLIS!");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(out.str().find(">>>> Value doesn't match", first + 1), std::string::npos);
    EXPECT_EQ(terminalList(in, out, "Colour", items, 2), 2);  // empty line
    EXPECT_EQ(terminalList(in, out, "Colour", items, 3), 3);  // end of input
}

TEST(TerminalDialogs, MessageBreaksAtSeparators) {
    std::ostringstream out;
    terminalMessage(out, "one|two;three", ';');
    EXPECT_EQ(out.str(), "one|two\nthree\n");
}
