#include "report/prepared/dictionary.h"

#include <algorithm>

namespace lumaro {

TfrxDictionaryEntry& TfrxDictionary::Add(std::string_view name, std::string sourceName, TfrxComponent* object) {
    if (const auto it = byName_.find(name); it != byName_.end()) {
        it->second->sourceName = std::move(sourceName);
        it->second->object = object;
        it->second->cls = nullptr;
        it->second->fullText.clear();
        return *it->second;
    }
    auto entry = std::make_unique<TfrxDictionaryEntry>();
    entry->name = std::string(name);
    entry->sourceName = std::move(sourceName);
    entry->object = object;
    TfrxDictionaryEntry& e = *entry;
    entries_.push_back(std::move(entry));
    byName_.emplace(e.name, &e);  // the key views the entry's own name
    return e;
}

std::string TfrxDictionary::UniqueName(std::string_view base) const {
    const std::string prefix(base);
    int n = 10000;
    while (n > 1 && !used(prefix + std::to_string(n))) n /= 2;
    while (used(prefix + std::to_string(n))) ++n;
    return prefix + std::to_string(n);
}

TfrxDictionaryEntry& TfrxDictionary::AddUnique(std::string_view base, std::string sourceName, TfrxComponent* object) {
    return Add(UniqueName(base), std::move(sourceName), object);
}

const TfrxDictionaryEntry* TfrxDictionary::Find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

TfrxComponent* TfrxDictionary::GetObject(std::string_view name) const {
    const TfrxDictionaryEntry* e = Find(name);
    return e ? e->object : nullptr;
}

std::string TfrxDictionary::GetSourceName(std::string_view name) const {
    const TfrxDictionaryEntry* e = Find(name);
    return e ? e->sourceName : std::string();
}

void TfrxDictionary::Clear() {
    byName_.clear();
    entries_.clear();
}

std::vector<const TfrxDictionaryEntry*> TfrxDictionary::Sorted() const {
    std::vector<const TfrxDictionaryEntry*> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.get());
    std::sort(out.begin(), out.end(), [](const TfrxDictionaryEntry* a, const TfrxDictionaryEntry* b) {
        return foldAsciiCase(a->name) < foldAsciiCase(b->name);
    });
    return out;
}

}  // namespace lumaro
