// ".fp3" files: the document with the source pages, the dictionary and three report settings
// added for saving, and read back from there when loading.
#include <filesystem>
#include <unordered_map>

#include "core/error.h"
#include "core/number_text.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/name_index.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/prepared/sections.h"
#include "report/registry/class_info.h"
#include "report/serializer/serializer.h"
#include "report/xml/attribute_text.h"

namespace lumaro {

namespace {

using namespace prepared;

// The report's settings a prepared report keeps, in the order they are written.
constexpr std::string_view kReportSettings[] = {"DotMatrixReport", "PreviewOptions.OutlineVisible",
                                                "PreviewOptions.OutlineWidth"};

// ` Path="value"` of a property reached through nested objects ("PreviewOptions.OutlineWidth").
void appendSetting(std::string& out, const TfrxPersistent& obj, std::string_view path) {
    const TfrxPersistent* holder = &obj;
    std::string_view name = path;
    for (size_t dot = name.find('.'); holder && dot != std::string_view::npos; dot = name.find('.')) {
        const PropInfo* p = holder->classInfo().FindProp(name.substr(0, dot));
        holder = p && p->kind == PropKind::Object ? p->nested(*holder) : nullptr;
        name.remove_prefix(dot + 1);
    }
    if (!holder) return;
    if (const PropInfo* p = holder->classInfo().FindProp(name))
        writePropertyAttribute(out, *holder, *p, p->name, path.substr(0, path.size() - name.size()));
}

[[noreturn]] void invalidFormat() { throw EFormatError(kInvalidFileFormat); }

// Removes the sections that only saved files hold, also when writing fails.
class SavedSections {
public:
    SavedSections(TfrxXMLItem& root) : root_(root) {
        const int i = root.Find(kCutSection);
        if (i >= 0) cut_ = root.Items(i)->detach();
    }
    ~SavedSections() {
        for (std::string_view name : {kReportSection, kSourcePagesSection, kDictionarySection}) {
            const int i = root_.Find(name);
            if (i >= 0) root_.Items(i)->detach();
        }
        if (cut_) root_.AddItem(std::move(cut_));
    }
    SavedSections(const SavedSections&) = delete;
    SavedSections& operator=(const SavedSections&) = delete;

private:
    TfrxXMLItem& root_;
    std::unique_ptr<TfrxXMLItem> cut_;
};

}  // namespace

void TfrxPreviewPages::SaveToStream(Stream& stream) {
    TfrxXMLItem& root = *doc_.Root();
    SavedSections saved(root);

    TfrxXMLItem& report = Section(kReportSection);
    report.Clear();
    TfrxXMLItem* settings = report.Add();
    settings->SetName(Report().ClassName());
    std::string text;
    for (std::string_view path : kReportSettings) appendSetting(text, Report(), path);
    settings->SetText(std::move(text));

    TfrxXMLItem& sources = Section(kSourcePagesSection);
    sources.Clear();
    for (const SourcePageData& source : sources_) componentToXML(*source.page, *sources.Add(), true, false);

    TfrxXMLItem& dictionary = Section(kDictionarySection);
    dictionary.Clear();
    for (const TfrxDictionaryEntry* entry : dictionary_.Sorted()) {
        TfrxXMLItem* item = dictionary.Add();
        item->SetName(entry->name);
        item->SetProp("name", entry->sourceName);
    }
    doc_.SaveToStream(stream);
}

void TfrxPreviewPages::SaveToFile(const std::string& fileName) {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s); });
}

void TfrxPreviewPages::readSavedSections() {
    TfrxXMLItem& root = *doc_.Root();
    std::vector<std::string> errors;

    if (const int i = root.Find(kReportSection); i >= 0 && root.Items(i)->Count() > 0) {
        const TfrxXMLItem& settings = *root.Items(i)->Items(0);
        std::string text;
        for (std::string_view path : kReportSettings)
            if (const AttributeSpan span = findAttribute(settings.Text(), path); span.found())
                appendAttribute(text, path,
                                std::string_view(settings.Text()).substr(span.valueStart, span.valueEnd - span.valueStart));
        ObjectReader reader(&Report());
        reader.applyAttributeText(Report(), text);
        errors = std::move(reader.errors());
    }

    if (const int i = root.Find(kSourcePagesSection); i >= 0) {
        const TfrxXMLItem& pages = *root.Items(i);
        for (int k = 0; k < pages.Count(); ++k) {
            SourcePageData source;
            source.page = std::make_unique<TfrxReportPage>();
            ObjectReader reader(source.page.get());
            reader.readElement(*source.page, *pages.Items(k));
            reader.finish();
            for (std::string& e : reader.errors()) errors.push_back(std::move(e));
            writeAttributes(source.ownText, *source.page, true);
            sources_.push_back(std::move(source));
        }
    }

    if (const int i = root.Find(kDictionarySection); i >= 0) {
        // The objects of each source page by name, made when the dictionary first names it.
        using ByName = std::unordered_map<std::string_view, TfrxComponent*, AsciiCaseHash, AsciiCaseEqual>;
        std::vector<std::unique_ptr<ByName>> names(sources_.size());
        const TfrxXMLItem& entries = *root.Items(i);
        for (int k = 0; k < entries.Count(); ++k) {
            const TfrxXMLItem& entry = *entries.Items(k);
            std::string sourceName = entry.Prop("name");
            const size_t dot = sourceName.find('.');
            if (dot == std::string::npos || !startsWithText(sourceName, "Page")) continue;
            const std::optional<int32_t> index = tryStrToInt(std::string_view(sourceName).substr(4, dot - 4));
            if (!index || *index < 0 || *index >= static_cast<int>(sources_.size())) continue;
            auto& byName = names[static_cast<size_t>(*index)];
            if (!byName) {
                byName = std::make_unique<ByName>();
                for (TfrxComponent* c : sources_[static_cast<size_t>(*index)].page->AllObjects())
                    byName->emplace(c->Name(), c);
            }
            const auto found = byName->find(std::string_view(sourceName).substr(dot + 1));
            if (found == byName->end()) continue;
            TfrxComponent& object = *found->second;
            TfrxDictionaryEntry& e = dictionary_.Add(entry.Name(), std::move(sourceName), &object);
            e.cls = &object.classInfo();
            if (printedFormOf(object) == PrintedForm::Differences) writeAttributes(e.fullText, object, false);
        }
    }

    for (std::string_view name : {kReportSection, kSourcePagesSection, kDictionarySection}) removeSection(name);
    for (const std::string& e : errors) Report().Errors().Add(e);
}

void TfrxPreviewPages::loadDocument(Stream* stream, std::unique_ptr<Stream> owned, bool partialLoading) {
    Clear();
    try {
        if (owned)
            doc_.LoadFromStream(std::move(owned), partialLoading);
        else
            doc_.LoadFromStream(*stream);
        if (!sameText(doc_.Root()->Name(), kRootName)) invalidFormat();
        readSavedSections();
        resetSections();
        // Every page comes from a source page, or is stored whole. As during a run, pages
        // after the first two may move out to the file cache, except those stored whole.
        for (int i = 0; i < Count(); ++i) {
            TfrxXMLItem& page = *pages_->Items(i);
            const int source = sourceIndexOfPage(page);
            if (source == -2) invalidFormat();
            if (i >= 2 && source >= 0) page.SetUnloadable(true);
        }
        curPage_ = Count() - 1;
    } catch (...) {
        Clear();
        throw;
    }
}

void TfrxPreviewPages::LoadFromStream(Stream& stream) { loadDocument(&stream, nullptr, false); }

void TfrxPreviewPages::LoadFromStream(std::unique_ptr<Stream> stream, bool partialLoading) {
    if (!stream) throw Exception("No stream to load the prepared report from");
    loadDocument(nullptr, std::move(stream), partialLoading);
}

bool TfrxPreviewPages::LoadFromFile(const std::string& fileName, bool mustExist) {
    std::error_code ec;
    const auto status = std::filesystem::status(fileName, ec);
    const bool exists = !ec && std::filesystem::exists(status);
    if (!exists && !mustExist) return false;
    // Devices, pipes and the like could be read for ever.
    if (exists && !std::filesystem::is_regular_file(status))
        throw EFileError("Cannot open file \"" + fileName + "\". Not a regular file");
    FileStream file(fileName, FileStream::Mode::Read);
    if (file.Size() > kMaxFileSize)
        throw EFileError("Cannot open file \"" + fileName + "\". The file is larger than " +
                         std::to_string(kMaxFileSize >> 20) + " MB");
    LoadFromStream(file);
    return exists;
}

}  // namespace lumaro
