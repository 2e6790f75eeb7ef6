#include "report/xml/xml_document.h"

#include <unistd.h>

#include <atomic>
#include <vector>

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/xml/xml_reader.h"
#include "report/xml/xml_writer.h"

namespace lumaro {

namespace {

// Every backing stream gets its own number, so an unloaded element never reads from a stream
// other than the one that holds it (after a reload, or when moved to another document).
uint64_t newBackingId() {
    static std::atomic<uint64_t> next{1};
    return next++;
}

}  // namespace

// Reads the names and attribute texts of the items and their descendants as Windows-1250.
void TfrxXMLDocument::decodeCp1250(std::vector<TfrxXMLItem*> pending) {
    while (!pending.empty()) {
        TfrxXMLItem* item = pending.back();
        pending.pop_back();
        item->name_ = cp1250ToUtf8(item->name_);
        item->text_ = cp1250ToUtf8(item->text_);
        for (auto& child : item->items_) pending.push_back(child.get());
    }
}

void TfrxXMLDocument::resetRoot() {
    TfrxXMLItem& root = *root_;
    root.Clear();
    root.name_.clear();
    root.text_.clear();
    root.offset_ = 0;
    root.loaded_ = true;
    root.unloadable_ = false;
    root.backing_ = 0;
}

std::function<bool(TfrxXMLItem&)> TfrxXMLDocument::loadBack() {
    return [this](TfrxXMLItem& item) {
        LoadItem(&item);
        return item.Loaded();
    };
}

TfrxXMLDocument::TfrxXMLDocument() : root_(std::make_unique<TfrxXMLItem>()) {}

TfrxXMLDocument::~TfrxXMLDocument() { deleteTempFile(); }

void TfrxXMLDocument::deleteTempFile() {
    tempStream_.reset();
    if (!tempFileName_.empty()) ::unlink(tempFileName_.c_str());
    tempFileName_.clear();
    tempId_ = 0;
}

void TfrxXMLDocument::Clear() {
    root_->Clear();
    deleteTempFile();
    loadStream_.reset();
    loadId_ = 0;
    loadCp1250_ = false;
}

void TfrxXMLDocument::load(Stream& stream, bool partial) {
    resetRoot();
    try {
        XmlReader reader(stream, true);
        reader.readHeader();
        reader.readElement(*root_, partial ? XmlReader::Mode::PartialLoad : XmlReader::Mode::Load, loadId_);
        reader.finish();
        loadCp1250_ = !reader.validUtf8();
        if (loadCp1250_) decodeCp1250({root_.get()});
    } catch (...) {
        resetRoot();  // never a half-read tree
        throw;
    }
}

void TfrxXMLDocument::LoadFromStream(Stream& stream) {
    deleteTempFile();
    loadStream_.reset();
    loadId_ = 0;
    load(stream, false);
}

void TfrxXMLDocument::LoadFromStream(std::unique_ptr<Stream> stream, bool PartialLoading) {
    if (!stream) throw Exception("No stream to load the XML document from");
    if (!PartialLoading) {
        LoadFromStream(*stream);
        return;
    }
    deleteTempFile();
    loadStream_ = std::move(stream);
    loadId_ = newBackingId();
    try {
        load(*loadStream_, true);
    } catch (...) {
        loadStream_.reset();
        loadId_ = 0;
        throw;
    }
}

void TfrxXMLDocument::LoadFromFile(const std::string& fileName, bool PartialLoading) {
    auto file = std::make_unique<FileStream>(fileName, FileStream::Mode::Read);
    LoadFromStream(std::move(file), PartialLoading);
}

void TfrxXMLDocument::SaveToStream(Stream& stream) {
    XmlWriter writer(stream, autoIndent_, loadBack());
    writer.writeHeader();
    writer.writeElement(*root_);
    writer.flush();
}

void TfrxXMLDocument::SaveToFile(const std::string& fileName) {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s); });
}

Stream* TfrxXMLDocument::backingOf(const TfrxXMLItem& item, bool& cp1250) const {
    cp1250 = false;
    if (item.backing_ == 0) return nullptr;
    if (item.backing_ == loadId_ && loadStream_) {
        cp1250 = loadCp1250_;
        return loadStream_.get();
    }
    if (item.backing_ == tempId_ && tempStream_) return tempStream_.get();
    return nullptr;
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem* item) {
    if (!item || item->loaded_ || !item->unloadable_) return;
    bool cp1250 = false;
    Stream* stream = backingOf(*item, cp1250);
    if (!stream) return;
    stream->SetPosition(item->offset_);
    TfrxXMLItem copy;
    XmlReader reader(*stream, false);
    reader.readElement(copy, XmlReader::Mode::Reload);
    // A backing stream that no longer holds the element (cut short or overwritten) must not
    // pass for an element without children.
    if (copy.name_.empty() || copy.name_[0] == '/') throw EFormatError(kInvalidFileFormat);
    std::vector<TfrxXMLItem*> children;
    for (auto& child : copy.items_) {
        child->parent_ = item;
        children.push_back(child.get());
    }
    if (cp1250) decodeCp1250(std::move(children));
    TfrxXMLItem::destroyAll(item->items_);
    item->items_ = std::move(copy.items_);
    item->loaded_ = true;
}

void TfrxXMLDocument::UnloadItem(TfrxXMLItem* item) {
    if (!item || !item->loaded_ || !item->unloadable_) return;
    // Written to memory first: writing may read other unloaded elements from the temporary
    // file, which must not move its end while this element is appended.
    MemoryStream element;
    XmlWriter writer(element, autoIndent_, loadBack());
    writer.writeElement(*item);
    writer.flush();
    if (!tempStream_) {
        tempStream_ = FileStream::createTemporary(tempDir_, "fr");
        tempFileName_ = tempStream_->FileName();
        tempId_ = newBackingId();
    }
    const int64_t offset = tempStream_->Seek(0, SeekOrigin::End);
    tempStream_->WriteBuffer(element.data().data(), element.data().size());
    tempStream_->flush();
    item->Clear();
    item->offset_ = offset;
    item->backing_ = tempId_;
}

}  // namespace lumaro
