// The script engine's XML tree: attribute access on the raw attribute text, a small reader
// and writer.
#include "script/xml/fs_xml.h"

#include <cstdint>
#include <fstream>
#include <sstream>

#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool sameAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

[[noreturn]] void failFormat() { throw EFormatError(kInvalidFileFormat); }

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Finds ` name="` in the attribute text; returns the offset of the value and its end.
bool findAttribute(const std::string& text, std::string_view name, size_t& valueStart, size_t& valueEnd,
                   size_t& attrStart) {
    size_t i = 0;
    while (i < text.size()) {
        // An attribute begins after a blank.
        if (isSpace(text[i])) {
            ++i;
            continue;
        }
        const size_t nameStart = i;
        while (i < text.size() && text[i] != '=' && !isSpace(text[i])) ++i;
        const std::string_view found(text.data() + nameStart, i - nameStart);
        if (i + 1 < text.size() && text[i] == '=' && text[i + 1] == '"') {
            const size_t vs = i + 2;
            size_t ve = text.find('"', vs);
            if (ve == std::string::npos) ve = text.size();
            if (sameAscii(found, name)) {
                valueStart = vs;
                valueEnd = ve;
                attrStart = nameStart;
                return true;
            }
            i = ve + 1;
        } else {
            ++i;
        }
    }
    return false;
}

}  // namespace

std::string fsXmlEscape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || c == '"' || c == '<' || c == '>' || c == '&') {
            out += "&#";
            out += std::to_string(u);
            out += ';';
        } else {
            out += c;
        }
    }
    return out;
}

std::string fsXmlUnescape(std::string_view s) {
    if (s.find('&') == std::string_view::npos) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t semi = s.find(';', i);
        if (semi != std::string_view::npos && semi - i <= 10) {
            const std::string_view ent = s.substr(i + 1, semi - i - 1);
            static const struct { const char* name; char c; } named[] = {
                {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
            bool done = false;
            for (const auto& n : named)
                if (ent == n.name) {
                    out += n.c;
                    done = true;
                }
            if (!done && ent.size() >= 2 && ent[0] == '#') {
                const bool hex = ent[1] == 'x' || ent[1] == 'X';
                const std::string_view digits = ent.substr(hex ? 2 : 1);
                uint32_t code = 0;
                bool ok = !digits.empty();
                for (char d : digits) {
                    int v = -1;
                    if (d >= '0' && d <= '9') v = d - '0';
                    else if (hex && d >= 'a' && d <= 'f') v = d - 'a' + 10;
                    else if (hex && d >= 'A' && d <= 'F') v = d - 'A' + 10;
                    if (v < 0 || code > 0x10FFFF) {
                        ok = false;
                        break;
                    }
                    code = code * (hex ? 16 : 10) + static_cast<uint32_t>(v);
                }
                if (ok && code <= 0x10FFFF) {
                    if (code < 128) out += static_cast<char>(code);
                    else appendUtf8(out, static_cast<char32_t>(code));
                    done = true;
                }
            }
            if (done) {
                i = semi;
                continue;
            }
        }
        out += '&';
    }
    return out;
}

std::string TfsXMLItem::Prop(std::string_view name) const {
    size_t vs, ve, as;
    if (!findAttribute(text_, name, vs, ve, as)) return {};
    return fsXmlUnescape(std::string_view(text_).substr(vs, ve - vs));
}

bool TfsXMLItem::HasProp(std::string_view name) const {
    size_t vs, ve, as;
    return findAttribute(text_, name, vs, ve, as);
}

void TfsXMLItem::SetProp(std::string_view name, std::string_view value) {
    size_t vs, ve, as;
    const std::string escaped = fsXmlEscape(value);
    if (findAttribute(text_, name, vs, ve, as)) {
        text_.replace(vs, ve - vs, escaped);
        return;
    }
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    text_ += escaped;
    text_ += '"';
}

void TfsXMLItem::DeleteProp(std::string_view name) {
    size_t vs, ve, as;
    if (!findAttribute(text_, name, vs, ve, as)) return;
    size_t from = as;
    while (from > 0 && isSpace(text_[from - 1])) --from;
    text_.erase(from, std::min(ve + 1, text_.size()) - from);
}

TfsXMLItem* TfsXMLItem::Root() {
    TfsXMLItem* item = this;
    while (item->parent_) item = item->parent_;
    return item;
}

TfsXMLItem* TfsXMLItem::Add() { return AddItem(std::make_unique<TfsXMLItem>()); }

TfsXMLItem* TfsXMLItem::Add(std::string name, std::string text) {
    return AddItem(std::make_unique<TfsXMLItem>(std::move(name), std::move(text)));
}

TfsXMLItem* TfsXMLItem::AddItem(std::unique_ptr<TfsXMLItem> item) { return InsertItem(Count(), std::move(item)); }

TfsXMLItem* TfsXMLItem::InsertItem(int index, std::unique_ptr<TfsXMLItem> item) {
    if (index < 0 || index > Count()) index = Count();
    item->parent_ = this;
    TfsXMLItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    return raw;
}

std::unique_ptr<TfsXMLItem> TfsXMLItem::Release(int index) {
    auto it = items_.begin() + index;
    std::unique_ptr<TfsXMLItem> item = std::move(*it);
    items_.erase(it);
    item->parent_ = nullptr;
    return item;
}

int TfsXMLItem::Find(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (sameAscii(items_[i]->name_, name)) return static_cast<int>(i);
    return -1;
}

TfsXMLItem* TfsXMLItem::FindItem(std::string_view name) const {
    const int i = Find(name);
    return i < 0 ? nullptr : items_[static_cast<size_t>(i)].get();
}

int TfsXMLItem::IndexOf(const TfsXMLItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

std::unique_ptr<TfsXMLItem> TfsXMLItem::Clone() const {
    auto copy = std::make_unique<TfsXMLItem>(name_, text_);
    for (const auto& child : items_) copy->AddItem(child->Clone());
    return copy;
}

void TfsXMLItem::WriteTo(std::string& out, int indent, int level) const {
    // Iterative walk so that deep trees cannot exhaust the stack.
    struct Frame {
        const TfsXMLItem* item;
        size_t next;
    };
    std::vector<Frame> stack{{this, 0}};
    auto pad = [&](size_t depth) { out.append(static_cast<size_t>(indent) * (depth + static_cast<size_t>(level)), ' '); };
    pad(0);
    out += '<';
    out += name_;
    out += text_;
    if (items_.empty()) {
        out += "/>\n";
        return;
    }
    out += ">\n";
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.next < f.item->items_.size()) {
            const TfsXMLItem* child = f.item->items_[f.next++].get();
            pad(stack.size());
            out += '<';
            out += child->name_;
            out += child->text_;
            if (child->items_.empty()) {
                out += "/>\n";
            } else {
                out += ">\n";
                stack.push_back({child, 0});
            }
        } else {
            const TfsXMLItem* done = f.item;
            stack.pop_back();
            pad(stack.size());
            out += "</";
            out += done->name_;
            out += ">\n";
        }
    }
}

TfsXMLDocument::TfsXMLDocument() : root_(std::make_unique<TfsXMLItem>()) {}

void TfsXMLDocument::SetRoot(std::unique_ptr<TfsXMLItem> root) { root_ = root ? std::move(root) : std::make_unique<TfsXMLItem>(); }

void TfsXMLDocument::Clear() { root_ = std::make_unique<TfsXMLItem>(); }

void TfsXMLDocument::LoadFromString(std::string_view input) {
    const std::string utf8 = toUtf8(input);
    const std::string_view s(utf8);
    auto fail = [] { failFormat(); };
    std::unique_ptr<TfsXMLItem> root;
    std::vector<TfsXMLItem*> open;
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '<') {
            ++i;
            continue;
        }
        if (s.compare(i, 4, "<!--") == 0) {
            const size_t end = s.find("-->", i + 4);
            if (end == std::string_view::npos) fail();
            i = end + 3;
            continue;
        }
        if (s.compare(i, 2, "<?") == 0 || s.compare(i, 2, "<!") == 0) {
            const size_t end = s.find('>', i);
            if (end == std::string_view::npos) fail();
            i = end + 1;
            continue;
        }
        if (s.compare(i, 2, "</") == 0) {
            const size_t end = s.find('>', i);
            if (end == std::string_view::npos || open.empty()) fail();
            std::string_view name = s.substr(i + 2, end - i - 2);
            while (!name.empty() && isSpace(name.back())) name.remove_suffix(1);
            if (!sameAscii(name, open.back()->Name())) fail();
            open.pop_back();
            i = end + 1;
            continue;
        }
        // Start tag: name, attribute text up to the closing ">" outside quotes.
        size_t j = i + 1;
        while (j < s.size() && !isSpace(s[j]) && s[j] != '>' && s[j] != '/') ++j;
        const std::string_view name = s.substr(i + 1, j - i - 1);
        if (name.empty()) fail();
        const size_t attrStart = j;
        bool quoted = false;
        while (j < s.size() && (quoted || s[j] != '>')) {
            if (s[j] == '"') quoted = !quoted;
            ++j;
        }
        if (j >= s.size()) fail();
        size_t attrEnd = j;
        const bool empty = attrEnd > attrStart && s[attrEnd - 1] == '/';
        if (empty) --attrEnd;
        auto item = std::make_unique<TfsXMLItem>(std::string(name), std::string(s.substr(attrStart, attrEnd - attrStart)));
        // Trailing blanks of the attribute text are not part of any value.
        std::string t = item->Text();
        while (!t.empty() && isSpace(t.back())) t.pop_back();
        item->SetText(std::move(t));
        TfsXMLItem* raw = item.get();
        if (open.empty()) {
            if (root) fail();  // a second top-level element
            root = std::move(item);
        } else {
            open.back()->AddItem(std::move(item));
        }
        if (!empty) open.push_back(raw);
        i = j + 1;
    }
    if (!root || !open.empty()) fail();
    root_ = std::move(root);
}

std::string TfsXMLDocument::SaveToString() const {
    std::string out = "<?xml version=\"1.0\"?>\n";
    root_->WriteTo(out, 0);
    return out;
}

void TfsXMLDocument::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw EFileError("Cannot open file \"" + fileName + "\"");
    std::ostringstream buf;
    buf << in.rdbuf();
    LoadFromString(buf.str());
}

void TfsXMLDocument::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw EFileError("Cannot create file \"" + fileName + "\"");
    const std::string text = SaveToString();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw EFileError("Cannot write file \"" + fileName + "\"");
}

}  // namespace lumaro
