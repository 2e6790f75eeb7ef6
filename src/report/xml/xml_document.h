#pragma once
// The XML dialect of templates, variable lists, style sets and prepared reports: a tree of
// TfrxXMLItem elements under one root, read by a forward scanner and written compact or
// indented.
//
// Text is UTF-8 in memory. A document that is valid UTF-8 as a whole is read as UTF-8;
// otherwise all of it is read as Windows-1250, the code page of files written elsewhere.
// Documents are always written as UTF-8, which the header declares.
//
// With partial loading, elements marked ld="0" keep only their name and attribute text in
// memory; LoadItem brings their children back from the stream the document was read from,
// UnloadItem moves them out to a temporary file ("fr" prefix, in TempDir or the system
// temporary directory). Each unloaded element remembers which of the two streams holds it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/xml/xml_escape.h"
#include "report/xml/xml_item.h"

namespace lumaro {

class Stream;
class FileStream;

class TfrxXMLDocument {
public:
    TfrxXMLDocument();
    ~TfrxXMLDocument();
    TfrxXMLDocument(const TfrxXMLDocument&) = delete;
    TfrxXMLDocument& operator=(const TfrxXMLDocument&) = delete;

    TfrxXMLItem* Root() const { return root_.get(); }
    bool AutoIndent() const { return autoIndent_; }
    void SetAutoIndent(bool on) { autoIndent_ = on; }
    const std::string& TempDir() const { return tempDir_; }
    void SetTempDir(std::string dir) { tempDir_ = std::move(dir); }

    // Clears the root, deletes the temporary file and releases a partially loaded stream.
    void Clear();

    // Reads the header and the root element from the current position of `stream`, which is
    // left just after the last byte read. Structural faults raise EFormatError
    // "Invalid file format" (the tree is then empty). The document keeps no reference.
    void LoadFromStream(Stream& stream);
    // The same; with `PartialLoading` the document owns the stream and reads unloaded elements
    // back from it later; without, the stream is released after reading.
    void LoadFromStream(std::unique_ptr<Stream> stream, bool PartialLoading);
    void SaveToStream(Stream& stream);

    // Raises EFileError when the file cannot be opened.
    void LoadFromFile(const std::string& fileName, bool PartialLoading = false);
    // Replaces the file only once the whole document is written (see writeFileAtomically).
    void SaveToFile(const std::string& fileName);

    // Brings back the children of an unloaded element (its attribute text stays as it is).
    void LoadItem(TfrxXMLItem* item);
    // Moves the children of a loaded unloadable element out to the temporary file.
    void UnloadItem(TfrxXMLItem* item);

    // Path of the temporary file, empty while there is none.
    const std::string& tempFileName() const { return tempFileName_; }

private:
    void load(Stream& stream, bool partial);
    void resetRoot();
    static void decodeCp1250(std::vector<TfrxXMLItem*> pending);
    std::function<bool(TfrxXMLItem&)> loadBack();
    void deleteTempFile();
    Stream* backingOf(const TfrxXMLItem& item, bool& cp1250) const;

    std::unique_ptr<TfrxXMLItem> root_;
    bool autoIndent_ = false;
    std::string tempDir_;
    // The stream of a partial load and whether its text is Windows-1250.
    std::unique_ptr<Stream> loadStream_;
    uint64_t loadId_ = 0;
    bool loadCp1250_ = false;
    // The temporary file of unloaded elements.
    std::unique_ptr<FileStream> tempStream_;
    uint64_t tempId_ = 0;
    std::string tempFileName_;
};

}  // namespace lumaro
