// Placement of a dialog's widgets, checked on the table without a display:
// stacking, spacing in characters and in percent of the screen, margins,
// form positions, nested containers and the place of a nested window.
#include <gtest/gtest.h>

#include "widgets/layout.h"
#include "widgets/widget_table.h"

namespace vtx {
namespace {

WidgetMetrics metrics() {
    WidgetMetrics m;
    m.charWidth = 10, m.charHeight = 20, m.screenWidth = 1000, m.screenHeight = 800;
    return m;
}

// A fresh table with default options and one open level of the given layout.
WidgetState& fresh(WidgetLayout layout) {
    WidgetState& s = widgetState();
    while (s.level > 0) endLevel();
    s.options = WidgetOptions{};
    beginLevel(layout);
    return s;
}

TEST(WidgetLayout, VerticalStackWithSpacingAndMargins) {
    WidgetState& s = fresh(WidgetLayout::Vertical);
    const int a = addWidget(WidgetType::Label, 1, "T"), b = addWidget(WidgetType::Push, 1, "T");
    layoutLevel(s, 0, metrics());
    // Left margin half the horizontal spacing (4 characters), top margin the vertical spacing (half a line).
    EXPECT_EQ(s.table[a].frame.x, 20);
    EXPECT_EQ(s.table[a].frame.y, 10);
    EXPECT_EQ(s.table[a].frame.width, 200);  // 20 characters
    EXPECT_EQ(s.table[b].frame.y, 10 + s.table[a].frame.height + 10);
    EXPECT_EQ(s.table[0].frame.width, 20 + 200 + 20);
    EXPECT_EQ(s.table[0].frame.height, s.table[b].frame.y + s.table[b].frame.height + 10);
}

TEST(WidgetLayout, HorizontalRowsNestedContainersAndPercentValues) {
    WidgetState& s = fresh(WidgetLayout::Horizontal);
    s.options.hspace = -2.f;  // 2 % of the screen width
    s.options.width = -10;    // 10 % of the screen width
    const int column = addWidget(WidgetType::Base, 1, "T");
    s.table[column].layout = WidgetLayout::Vertical;
    const int inner1 = addWidget(WidgetType::Toggle, column + 1, "T");
    const int inner2 = addWidget(WidgetType::Toggle, column + 1, "T");
    const int right = addWidget(WidgetType::Text, 1, "T");
    layoutLevel(s, 0, metrics());
    EXPECT_EQ(s.table[inner1].frame.width, 100);
    EXPECT_EQ(s.table[inner1].frame.height, 30);  // toggles 1.5 lines high
    EXPECT_EQ(s.table[inner2].frame.y, 40);        // inside the column, no margins
    EXPECT_EQ(s.table[column].frame.x, 10);
    EXPECT_EQ(s.table[right].frame.x, 10 + 100 + 20);
    EXPECT_EQ(s.table[right].frame.y, s.table[column].frame.y);
}

TEST(WidgetLayout, FormChildrenWhereAskedAndExplicitMargins) {
    WidgetState& s = fresh(WidgetLayout::Form);
    s.options.margin[0] = 3, s.options.margin[1] = 4, s.options.margin[2] = 5, s.options.margin[3] = 6;
    s.options.window = {50, 60, 70, 80};
    const int a = addWidget(WidgetType::Push, 1, "T");
    s.options.window = {};
    const int b = addWidget(WidgetType::Label, 1, "T");
    layoutLevel(s, 0, metrics());
    EXPECT_EQ(s.table[a].frame.x, 53);
    EXPECT_EQ(s.table[a].frame.y, 64);
    EXPECT_EQ(s.table[a].frame.width, 70);
    EXPECT_EQ(s.table[b].frame.x, 3);
    EXPECT_EQ(s.table[0].frame.width, 3 + 200 + 5);
    EXPECT_EQ(s.table[0].frame.height, 4 + 140 + 6);
}

TEST(WidgetLayout, NestedWindowRightOfAndBelowItsParent) {
    int x, y;
    nestedPosition({100, 50, 400, 300}, x, y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 250);
}

TEST(WidgetTable, OutermostLevelRestartsTheTableAndNestingStopsAtEight) {
    WidgetState& s = fresh(WidgetLayout::Vertical);
    addWidget(WidgetType::Label, 1, "T");
    for (int k = 2; k <= kMaxWidgetLevels; ++k) EXPECT_GE(beginLevel(WidgetLayout::Vertical), 0);
    EXPECT_EQ(beginLevel(WidgetLayout::Vertical), -1);
    // A widget under a parent of an outer level is refused.
    EXPECT_EQ(addWidget(WidgetType::Label, 1, "T"), -1);
    while (s.level > 0) endLevel();
    EXPECT_EQ(beginLevel(WidgetLayout::Vertical), 0);
    EXPECT_EQ(s.count, 1);
}

}  // namespace
}  // namespace vtx
