#include "script/library/string_list.h"

#include <algorithm>

#include "core/stream.h"
#include "core/text.h"

namespace lumaro {

namespace {
bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

void TStrings::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TStrings*>(source);
    if (!other) assignError(source);
    if (other == this) return;
    Clear();
    for (const Line& l : other->items_) AddObject(l.text, l.object);
}

void TStrings::check(int index, int limit) const {
    if (index < 0 || index >= limit) throw EStringListError(listIndexError(index));
}

void TStrings::insertLine(int index, std::string_view s, Object* object) {
    check(index, Count() + 1);
    items_.insert(items_.begin() + index, Line{std::string(s), object});
}

int TStrings::AddObject(std::string_view s, Object* object) {
    insertLine(Count(), s, object);
    return Count() - 1;
}

void TStrings::Insert(int index, std::string_view s) { insertLine(index, s, nullptr); }

void TStrings::Delete(int index) {
    check(index, Count());
    items_.erase(items_.begin() + index);
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (compareText(items_[static_cast<size_t>(i)].text, s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& t = items_[static_cast<size_t>(i)].text;
        const size_t eq = t.find('=');
        if (eq != std::string::npos && compareText(std::string_view(t).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

const std::string& TStrings::Get(int index) const {
    check(index, Count());
    return items_[static_cast<size_t>(index)].text;
}

void TStrings::Put(int index, std::string_view s) {
    check(index, Count());
    items_[static_cast<size_t>(index)].text = s;
}

Object* TStrings::GetObject(int index) const {
    check(index, Count());
    return items_[static_cast<size_t>(index)].object;
}

void TStrings::PutObject(int index, Object* object) {
    check(index, Count());
    items_[static_cast<size_t>(index)].object = object;
}

std::string TStrings::Name(int index) const {
    const std::string& t = Get(index);
    const size_t eq = t.find('=');
    return eq == std::string::npos ? std::string() : t.substr(0, eq);
}

std::string TStrings::Value(std::string_view name) const {
    const int i = IndexOfName(name);
    if (i < 0) return {};
    const std::string& t = items_[static_cast<size_t>(i)].text;
    return t.substr(t.find('=') + 1);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
    const int i = IndexOfName(name);
    std::string line = std::string(name) + "=" + std::string(value);
    if (value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i >= 0) {
        Put(i, line);
    } else {
        Add(line);
    }
}

std::string TStrings::Text() const {
    std::string out;
    for (const Line& l : items_) out += l.text + "\r\n";
    return out;
}

void TStrings::SetText(std::string_view text) {
    Clear();
    for (const std::string& line : splitLines(text)) Add(line);
}

std::string TStrings::CommaText() const {
    std::string out;
    for (const Line& l : items_) {
        if (&l != &items_.front()) out += ',';
        const bool quote = l.text.empty() || std::any_of(l.text.begin(), l.text.end(),
                                       [](char c) { return isBlankOrControl(c) || c == ',' || c == '"'; });
        if (!quote) {
            out += l.text;
            continue;
        }
        out += '"';
        for (char c : l.text) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

void TStrings::SetCommaText(std::string_view text) {
    Clear();
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i] != '\0' && isBlankOrControl(text[i])) ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && !isBlankOrControl(text[i]) && text[i] != ',') item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && text[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
}

void TStrings::LoadFromFile(const std::string& fileName) {
    MemoryStream m;
    m.LoadFromFile(fileName);
    std::string_view data = m.data();
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    SetText(toUtf8(data));
}

void TStrings::SaveToFile(const std::string& fileName) const { MemoryStream(Text()).SaveToFile(fileName); }

// ---- TStringList ----

int TStringList::AddObject(std::string_view s, Object* object) {
    if (!sorted_) return TStrings::AddObject(s, object);
    int index;
    if (Find(s, index)) {
        if (duplicates_ == TDuplicates::dupIgnore) return index;
        if (duplicates_ == TDuplicates::dupError) throw EStringListError("String list does not allow duplicates");
    }
    insertLine(index, s, object);
    return index;
}

void TStringList::Insert(int index, std::string_view s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted string list");
    TStrings::Insert(index, s);
}

void TStringList::Put(int index, std::string_view s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted string list");
    TStrings::Put(index, s);
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = compareText(items_[static_cast<size_t>(mid)].text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != TDuplicates::dupAccept) lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Line& a, const Line& b) { return compareText(a.text, b.text) < 0; });
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_) Sort();
    sorted_ = sorted;
}

}  // namespace lumaro
