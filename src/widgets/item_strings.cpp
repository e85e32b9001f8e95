#include "widgets/item_strings.h"

#include <algorithm>

namespace vtx {

std::string_view withoutTrailingBlanks(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

std::string appendItem(std::string_view list, std::string_view item, char separator) {
    std::string joined(withoutTrailingBlanks(list));
    if (!joined.empty()) joined += separator;
    joined += withoutTrailingBlanks(item);
    return joined;
}

int countItems(std::string_view list, char separator) {
    int n = 1;
    for (char c : list)
        if (c == separator) ++n;
    return n;
}

std::vector<std::string> splitItems(std::string_view list, char separator) {
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        size_t end = list.find(separator, start);
        if (end == std::string_view::npos) {
            items.emplace_back(list.substr(start));
            return items;
        }
        items.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<std::string> pickItem(std::string_view list, int n, char separator) {
    if (n < 1 || n > countItems(list, separator)) return std::nullopt;
    size_t start = 0;
    for (int k = 1; k < n; ++k) start = list.find(separator, start) + 1;
    size_t end = list.find(separator, start);
    if (end == std::string_view::npos) end = list.size();
    return std::string(list.substr(start, std::min(end - start, kMaxItemLength)));
}

}  // namespace vtx
