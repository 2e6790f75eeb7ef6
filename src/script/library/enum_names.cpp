#include "script/library/enum_names.h"

#include "core/text.h"

namespace lumaro {

std::vector<std::string> enumElementNames(std::string_view list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) comma = list.size();
        std::string n = trim(list.substr(start, comma - start));
        if (!n.empty()) names.push_back(std::move(n));
        start = comma + 1;
    }
    return names;
}

}  // namespace lumaro
