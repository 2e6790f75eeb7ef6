#include "core/resources.h"

#include "core/text.h"

namespace lumaro {

TfrxResources& TfrxResources::instance() {
    static TfrxResources table;
    return table;
}

TfrxResources::TfrxResources() {
    texts_.reserve(kResourceTextCount * 2);
    for (size_t i = 0; i < kResourceTextCount; ++i) texts_[kResourceTexts[i].key] = kResourceTexts[i].text;
}

std::string TfrxResources::Get(std::string_view key) const {
    const auto it = texts_.find(std::string(key));
    return it == texts_.end() ? std::string(key) : it->second;
}

void TfrxResources::Add(std::string_view key, std::string_view text) { texts_[std::string(key)] = std::string(text); }

bool TfrxResources::Contains(std::string_view key) const { return texts_.count(std::string(key)) != 0; }

std::vector<TfrxResources::FormAssignment> TfrxResources::FormLocalization(std::string_view className) const {
    std::vector<FormAssignment> out;
    const auto it = texts_.find(std::string(className));
    if (it == texts_.end()) return out;
    for (const std::string& line : splitLines(it->second)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        FormAssignment a;
        const std::string target = line.substr(0, eq);
        const size_t dot = target.find('.');
        if (dot == std::string::npos) {
            a.property = target;
        } else {
            a.control = target.substr(0, dot);
            a.property = target.substr(dot + 1);
        }
        a.value = line.substr(eq + 1);
        if (a.value.size() > 4096) a.value.resize(utf8Offset(a.value, 4096));  // 4096 code points
        out.push_back(std::move(a));
    }
    return out;
}

}  // namespace lumaro
