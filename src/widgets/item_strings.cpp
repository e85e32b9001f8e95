#include "widgets/item_strings.h"

#include "widgets/widget_table.h"

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

std::optional<std::string> pickItem(const std::string& list, int n, char separator) {
    if (n < 1 || n > itemCount(list, separator)) return std::nullopt;
    std::string item = itemAt(list, separator, n);
    if (item.size() > kMaxItemLength) item.resize(kMaxItemLength);
    return item;
}

}  // namespace vtx
