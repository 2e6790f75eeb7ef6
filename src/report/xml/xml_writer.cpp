#include "report/xml/xml_writer.h"

#include <vector>

#include "core/stream.h"
#include "report/xml/xml_item.h"

namespace lumaro {

namespace {
constexpr size_t kFlushAt = 64 * 1024;
}

XmlWriter::XmlWriter(Stream& out, bool autoIndent, std::function<bool(TfrxXMLItem&)> loadBack)
    : out_(out), autoIndent_(autoIndent), loadBack_(std::move(loadBack)) {
    buf_.reserve(kFlushAt + 4096);
}

XmlWriter::~XmlWriter() = default;

void XmlWriter::flush() {
    out_.Write(buf_.data(), buf_.size());
    buf_.clear();
}

void XmlWriter::maybeFlush() {
    if (buf_.size() > kFlushAt) flush();
}

void XmlWriter::newLine() {
    if (autoIndent_) buf_ += "\r\n";
}

void XmlWriter::indent(size_t level) {
    if (autoIndent_) buf_.append(level, ' ');
}

void XmlWriter::writeHeader() {
    buf_ += "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    newLine();
}

void XmlWriter::writeElement(TfrxXMLItem& root) {
    struct Open {
        TfrxXMLItem* item;
        size_t next;     // index of the next child to write
        bool reloaded;   // children were brought back only for writing
    };
    std::vector<Open> open;

    // Writes the start tag of `item` at the depth of `open`; returns whether it has children.
    auto start = [&](TfrxXMLItem& item) {
        const bool reloaded = !item.Loaded() && item.Unloadable() && loadBack_ && loadBack_(item);
        indent(open.size() * 2);
        buf_ += '<';
        buf_ += item.Name();
        const std::string& text = item.Text();
        if (!text.empty() && text[0] != ' ') buf_ += ' ';
        buf_ += text;
        if (item.Unloadable()) buf_ += text.empty() ? " ld=\"0\"" : "ld=\"0\"";
        const bool hasChildren = item.Count() > 0;
        buf_ += hasChildren ? ">" : "/>";
        newLine();
        maybeFlush();
        if (hasChildren)
            open.push_back({&item, 0, reloaded});
        else if (reloaded)
            item.Clear();
    };

    start(root);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.next < static_cast<size_t>(top.item->Count())) {
            start(*top.item->items_[top.next++]);
            continue;
        }
        TfrxXMLItem& item = *top.item;
        const bool reloaded = top.reloaded;
        open.pop_back();
        indent(open.size() * 2);
        buf_ += "</";
        buf_ += item.Name();
        buf_ += '>';
        newLine();
        maybeFlush();
        if (reloaded) item.Clear();  // unloaded again: the backing stream still holds it
    }
}

}  // namespace lumaro
