// Lists of items held in one string, the items divided by a separator
// character. Pure string work: the separator is passed in, so the widget
// options are read by the callers only. Counting and plain look-up are
// itemCount and itemAt of widget_table.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtx {

// Longest item that itmstr hands back.
constexpr size_t kMaxItemLength = 80;

// The text without trailing blanks.
std::string_view withoutTrailingBlanks(std::string_view text);

// The list with the item appended, both without trailing blanks; the
// separator goes between them only when the list is not empty.
std::string appendItem(std::string_view list, std::string_view item, char separator);

// Item n (1-based), cut to kMaxItemLength; nothing when n is out of range.
std::optional<std::string> pickItem(const std::string& list, int n, char separator);

// Every item in order, uncut.
std::vector<std::string> splitItems(std::string_view list, char separator);

}  // namespace vtx
