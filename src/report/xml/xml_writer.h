#pragma once
// Writes elements of the XML dialect, compact (one line) or indented (two spaces per level,
// CR LF line ends). Internal to the XML document.
#include <functional>
#include <string>

namespace lumaro {

class Stream;
class TfrxXMLItem;

class XmlWriter {
public:
    // `loadBack` brings the children of an unloaded element into memory for writing and says
    // whether it did; they are dropped again once the element is written.
    XmlWriter(Stream& out, bool autoIndent, std::function<bool(TfrxXMLItem&)> loadBack);
    ~XmlWriter();

    void writeHeader();
    void writeElement(TfrxXMLItem& item);
    // Hands everything written so far to the stream.
    void flush();

private:
    void newLine();
    void indent(size_t level);
    void maybeFlush();

    Stream& out_;
    bool autoIndent_;
    std::function<bool(TfrxXMLItem&)> loadBack_;
    std::string buf_;
};

}  // namespace lumaro
