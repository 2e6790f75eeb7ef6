#pragma once
// The forward scanner of the XML dialect: reads tags from a stream through a buffer of its own
// and builds elements. Internal to the XML document.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "report/xml/utf8_validator.h"

namespace lumaro {

class Stream;
class TfrxXMLItem;

// Deepest nesting of elements that is read; a deeper element is "Invalid file format".
inline constexpr size_t kMaxXmlDepth = 256;

class XmlReader {
public:
    enum class Mode {
        Load,         // a whole document into memory
        PartialLoad,  // elements marked ld="0" stay in the stream: `backing` names it
        Reload,       // an element read again from a backing stream
    };

    // Starts at the current position of `stream`. With `checkUtf8` every consumed byte is
    // checked, for validUtf8().
    XmlReader(Stream& stream, bool checkUtf8);

    // Reads the first tag; raises "Invalid file format" unless its name begins with "?xml".
    void readHeader();
    // Reads one element with its descendants into `item` (name, attribute text, children).
    void readElement(TfrxXMLItem& item, Mode mode, uint64_t backing = 0);
    // Leaves the stream just after the last consumed byte.
    void finish();
    // Whether every byte consumed so far is valid UTF-8 (only with checkUtf8).
    bool validUtf8();

private:
    enum class Kind { End, Empty, Open };

    int64_t position() const { return bufStart_ + static_cast<int64_t>(pos_); }
    bool refill();
    void checkConsumed();
    // Reads the next tag into name_ and text_; false when the input ends between tags.
    bool readTag();
    // Collects a tag after its '<'; false when it was a comment (then skipped).
    bool collectTag(std::string_view& tag);
    void skipComment();
    Kind readInto(TfrxXMLItem& item);
    void finishElement(TfrxXMLItem& item, int64_t start, Mode mode, uint64_t backing);

    Stream& stream_;
    std::unique_ptr<char[]> buf_;
    size_t capacity_;
    size_t pos_ = 0;
    size_t len_ = 0;
    int64_t bufStart_ = 0;  // stream position of buf_[0]
    bool checkUtf8_;
    size_t checkedTo_ = 0;  // bytes of buf_ already fed to the validator
    Utf8Validator validator_;
    std::string acc_;       // a tag that spans two buffer fills
    std::string_view name_;
    std::string_view text_;
};

}  // namespace lumaro
