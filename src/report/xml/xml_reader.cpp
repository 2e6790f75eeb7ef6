#include "report/xml/xml_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/xml/xml_item.h"

namespace lumaro {

namespace {

constexpr int64_t kReadBufferSize = 64 * 1024;
constexpr int64_t kMinReadBufferSize = 4096;

[[noreturn]] void invalidFormat() { throw EFormatError(kInvalidFileFormat); }

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Whether `closing` (a tag name starting with '/') closes an element named `name`.
bool closes(std::string_view closing, std::string_view name) {
    closing.remove_prefix(1);
    if (closing == name) return true;
    if (isAscii(closing) && isAscii(name)) {
        if (closing.size() != name.size()) return false;
        for (size_t i = 0; i < name.size(); ++i)
            if (lowerAscii(closing[i]) != lowerAscii(name[i])) return false;
        return true;
    }
    // The document's encoding is known only at its end: compare what each text reads as.
    return sameText(toUtf8(closing), toUtf8(name));
}

// Position of `ld="0"` in `text`, letter case ignored, or npos.
size_t findUnloadMark(std::string_view text) {
    size_t at = text.find("=\"0\"", 2);
    while (at != std::string_view::npos) {
        if (lowerAscii(text[at - 2]) == 'l' && lowerAscii(text[at - 1]) == 'd') return at - 2;
        at = text.find("=\"0\"", at + 1);
    }
    return std::string_view::npos;
}

}  // namespace

XmlReader::XmlReader(Stream& stream, bool checkUtf8)
    : stream_(stream), bufStart_(stream.Position()), checkUtf8_(checkUtf8) {
    // No larger than what is left of the stream, so that small documents and elements read
    // back one by one stay cheap.
    const int64_t left = stream.Size() - bufStart_;
    capacity_ = static_cast<size_t>(std::clamp<int64_t>(left, kMinReadBufferSize, kReadBufferSize));
    buf_.reset(new char[capacity_]);
}

void XmlReader::checkConsumed() {
    if (checkUtf8_ && pos_ > checkedTo_) validator_.feed(buf_.get() + checkedTo_, pos_ - checkedTo_);
    checkedTo_ = pos_;
}

bool XmlReader::refill() {
    pos_ = len_;
    checkConsumed();
    bufStart_ += static_cast<int64_t>(len_);
    len_ = stream_.Read(buf_.get(), capacity_);
    pos_ = 0;
    checkedTo_ = 0;
    return len_ > 0;
}

void XmlReader::finish() {
    checkConsumed();
    stream_.SetPosition(position());
}

bool XmlReader::validUtf8() {
    checkConsumed();
    return validator_.valid();
}

void XmlReader::skipComment() {
    int dashes = 0;
    bool afterDashes = false;
    for (;;) {
        while (pos_ < len_) {
            const char c = buf_[pos_++];
            if (afterDashes && c == '>') return;
            if (c == '-') {
                if (++dashes >= 2) afterDashes = true;
            } else {
                dashes = 0;
            }
        }
        if (!refill()) invalidFormat();  // the input ends inside the comment
    }
}

bool XmlReader::collectTag(std::string_view& tag) {
    acc_.clear();
    bool spanning = false;
    bool commentChecked = false;
    size_t start = pos_;
    for (;;) {
        const char* b = buf_.get();
        const auto* gt = static_cast<const char*>(std::memchr(b + start, '>', len_ - start));
        const size_t end = gt ? static_cast<size_t>(gt - b) : len_;
        // A tag whose first three characters are "!--" is a comment.
        if (!commentChecked && acc_.size() + (end - start) >= 3) {
            commentChecked = true;
            char first[3];
            for (size_t k = 0; k < 3; ++k) first[k] = k < acc_.size() ? acc_[k] : b[start + k - acc_.size()];
            if (std::memcmp(first, "!--", 3) == 0) {
                pos_ = start + 3 - acc_.size();
                skipComment();
                return false;
            }
        }
        if (std::memchr(b + start, '<', end - start)) invalidFormat();
        if (gt) {
            pos_ = end + 1;
            if (spanning) {
                acc_.append(b + start, end - start);
                tag = acc_;
            } else {
                tag = std::string_view(b + start, end - start);
            }
            return true;
        }
        acc_.append(b + start, end - start);
        spanning = true;
        if (!refill()) invalidFormat();  // the input ends inside a tag
        start = 0;
    }
}

bool XmlReader::readTag() {
    std::string_view tag;
    for (;;) {
        // Skip up to and including the next '<'.
        for (;;) {
            const auto* lt = static_cast<const char*>(std::memchr(buf_.get() + pos_, '<', len_ - pos_));
            if (lt) {
                pos_ = static_cast<size_t>(lt - buf_.get()) + 1;
                break;
            }
            if (!refill()) {
                name_ = text_ = {};
                return false;
            }
        }
        if (collectTag(tag)) break;
    }
    if (!tag.empty() && tag.back() == ' ') tag.remove_suffix(1);
    const size_t space = tag.find(' ');
    if (space == std::string_view::npos) {
        name_ = tag;
        text_ = {};
    } else {
        name_ = tag.substr(0, space);
        text_ = tag.substr(space + 1);
    }
    return true;
}

void XmlReader::readHeader() {
    if (!readTag() || name_.substr(0, 4) != "?xml") invalidFormat();
}

XmlReader::Kind XmlReader::readInto(TfrxXMLItem& item) {
    item.name_.assign(name_);
    item.text_.assign(text_);
    if (!item.name_.empty() && item.name_.back() == '/') {
        item.name_.pop_back();
        return Kind::Empty;
    }
    if (!item.text_.empty() && item.text_.back() == '/') {
        item.text_.pop_back();
        return Kind::Empty;
    }
    return Kind::Open;
}

void XmlReader::finishElement(TfrxXMLItem& item, int64_t start, Mode mode, uint64_t backing) {
    const size_t mark = findUnloadMark(item.text_);
    if (mark == std::string_view::npos) return;
    item.text_.erase(mark, 6);
    if (mode != Mode::PartialLoad) return;
    TfrxXMLItem::destroyAll(item.items_);
    item.offset_ = start;
    item.unloadable_ = true;
    item.loaded_ = false;
    item.backing_ = backing;
}

void XmlReader::readElement(TfrxXMLItem& item, Mode mode, uint64_t backing) {
    struct Open {
        TfrxXMLItem* item;
        int64_t start;
    };
    int64_t start = position();
    const bool got = readTag();
    if (!got || name_.empty() || name_[0] == '/') {
        item.name_.assign(name_);
        item.text_.assign(text_);
        return;
    }
    if (readInto(item) != Kind::Open) return;

    std::vector<Open> open{{&item, start}};
    while (!open.empty()) {
        start = position();
        TfrxXMLItem& parent = *open.back().item;
        if (!readTag() || name_.empty() || name_[0] == '/') {
            // A closing tag (or the end of the input, which closes everything still open).
            if (!name_.empty() && !closes(name_, parent.name_)) invalidFormat();
            finishElement(parent, open.back().start, mode, backing);
            open.pop_back();
            continue;
        }
        if (open.size() >= kMaxXmlDepth) invalidFormat();
        TfrxXMLItem* child = parent.Add();
        if (readInto(*child) == Kind::Open) open.push_back({child, start});
    }
}

}  // namespace lumaro
