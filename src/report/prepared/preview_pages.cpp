// The prepared pages as the engine fills them: source pages and short names, output pages,
// printed objects, the holding area of kept bands, passes, anchors and the file cache.
#include "report/prepared/preview_pages.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/text.h"
#include "report/engine/custom_engine.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/sections.h"
#include "report/serializer/serializer.h"

namespace lumaro {

namespace {

using namespace prepared;

// The short-name base of an object: "b" for a band, else the lower-cased first letter of its
// class name without "Tfrx" and "View" ("m" for text objects, "p" for pictures).
std::string shortNameBase(const TfrxComponent& obj) {
    if (dynamic_cast<const TfrxBand*>(&obj)) return "b";
    std::string_view name = obj.ClassName();
    if (name.substr(0, 4) == "Tfrx") name.remove_prefix(4);
    if (name.empty()) return "o";
    const char c = name[0];
    return std::string(1, (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c);
}

bool isPageFooter(const TfrxComponent* obj) { return dynamic_cast<const TfrxPageFooter*>(obj) != nullptr; }
bool isColumnFooter(const TfrxComponent* obj) { return dynamic_cast<const TfrxColumnFooter*>(obj) != nullptr; }

}  // namespace

// ---- TfrxCustomPreviewPages

TfrxCustomPreviewPages::TfrxCustomPreviewPages(TfrxReport& report) : report_(report) {}

TfrxCustomPreviewPages::~TfrxCustomPreviewPages() = default;

TfrxCustomEngine& TfrxCustomPreviewPages::Engine() const { return report_.Engine(); }

// ---- TfrxPreviewPages

TfrxPreviewPages::TfrxPreviewPages(TfrxReport& report) : TfrxCustomPreviewPages(report), outline_(*this) {
    resetSections();
}

TfrxPreviewPages::~TfrxPreviewPages() {
    // Rebuilt pages go before the source pages their objects came from.
    cache_.clear();
}

void TfrxPreviewPages::resetSections() {
    doc_.Root()->SetName(std::string(kRootName));
    pages_ = &Section(kPagesSection);
    outline_.LevelRoot();
}

TfrxXMLItem& TfrxPreviewPages::Section(std::string_view name) { return *doc_.Root()->FindItem(name); }

void TfrxPreviewPages::removeSection(std::string_view name) {
    TfrxXMLItem* root = doc_.Root();
    const int i = root->Find(name);
    if (i >= 0) root->Items(i)->detach();
}

TfrxXMLItem& TfrxPreviewPages::pages() { return *pages_; }

TfrxXMLItem* TfrxPreviewPages::PageItem(int index) {
    if (index < 0 || index >= pages_->Count()) return nullptr;
    return pages_->Items(index);
}

TfrxXMLItem* TfrxPreviewPages::currentPageItem() { return PageItem(curPage_); }

int TfrxPreviewPages::Count() { return pages_->Count(); }

TfrxReportPage* TfrxPreviewPages::SourcePage(int index) const {
    if (index < 0 || index >= static_cast<int>(sources_.size())) return nullptr;
    return sources_[static_cast<size_t>(index)].page.get();
}

void TfrxPreviewPages::Clear() {
    cache_.clear();
    links_.clear();
    dictionary_.Clear();
    sources_.clear();
    doc_.Clear();
    resetSections();
    curPage_ = -1;
    memory_ = 0;
    passHadPages_ = false;
    passPage_ = -1;
    passObjects_ = 0;
}

void TfrxPreviewPages::Initialize() {
    doc_.SetTempDir(Report().EngineOptions().TempDir());
    Report().InternalOnProgressStart(ptRunning);
}

void TfrxPreviewPages::Finish() {
    ClearCache();
    Report().InternalOnProgressStop(ptRunning);
}

void TfrxPreviewPages::ClearCache() { cache_.clear(); }

std::vector<int> TfrxPreviewPages::CachedPages() const {
    std::vector<int> out;
    for (const auto& entry : cache_) out.push_back(entry.first);
    return out;
}

// ---- source pages

void TfrxPreviewPages::addSource(TfrxComponent& copy, TfrxComponent& templateObject, int pageIndex) {
    TfrxDictionaryEntry& entry =
        dictionary_.AddUnique(shortNameBase(copy), "Page" + std::to_string(pageIndex) + "." + copy.Name(), &copy);
    entry.cls = &copy.classInfo();
    if (printedFormOf(copy) == PrintedForm::Differences) writeAttributes(entry.fullText, copy, false);
    links_[&templateObject] = SourceLink{&templateObject, &entry};
}

void TfrxPreviewPages::AddSourcePage(TfrxReportPage& page) {
    SourcePageData source;
    source.page = std::make_unique<TfrxReportPage>();
    source.page->AssignWithChildren(page);
    source.page->SetName(page.Name());
    source.templatePage = &page;
    writeAttributes(source.ownText, *source.page, true);
    const int index = static_cast<int>(sources_.size());

    // Copy and template side by side; cross-tab objects are not kept.
    struct Pair {
        TfrxComponent* copy;
        TfrxComponent* original;
    };
    std::vector<Pair> pending{{source.page.get(), &page}};
    std::vector<TfrxComponent*> crossTabs;
    while (!pending.empty()) {
        const Pair pair = pending.back();
        pending.pop_back();
        if (pair.copy != source.page.get() && isCrossTabObject(*pair.copy)) {
            crossTabs.push_back(pair.copy);
            continue;
        }
        const auto& copies = pair.copy->Objects();
        const auto& originals = pair.original->Objects();
        // Children in reverse, so that the walk takes them in order.
        for (size_t i = std::min(copies.size(), originals.size()); i-- > 0;) {
            TfrxComponent* copy = copies[i];
            TfrxComponent* original = originals[i];
            if (&copy->classInfo() != &original->classInfo()) continue;
            pending.push_back({copy, original});
        }
        if (pair.copy != source.page.get()) addSource(*pair.copy, *pair.original, index);
    }
    sources_.push_back(std::move(source));
    for (TfrxComponent* c : crossTabs) delete c;
}

int TfrxPreviewPages::sourceIndexOf(TfrxReportPage& templatePage) {
    for (size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i].templatePage.get() == &templatePage) return static_cast<int>(i);
    AddSourcePage(templatePage);
    return static_cast<int>(sources_.size()) - 1;
}

const TfrxDictionaryEntry* TfrxPreviewPages::sourceOf(const TfrxComponent& obj) {
    const auto it = links_.find(&obj);
    if (it == links_.end()) return nullptr;
    // A template object that went away may have left its address to a new object.
    if (it->second.templateObject.get() != &obj) {
        links_.erase(it);
        return nullptr;
    }
    return it->second.entry;
}

const TfrxDictionaryEntry* TfrxPreviewPages::entryOf(const TfrxXMLItem& element) const {
    const TfrxDictionaryEntry* e = dictionary_.Find(element.Name());
    return e && e->object ? e : nullptr;
}

// ---- output pages

void TfrxPreviewPages::noteAdded(const TfrxXMLItem& item) {
    // The element and its slot in its parent's list (which grows by doubling).
    memory_ += item.heldBytes() + 3 * sizeof(void*) / 2;
}

void TfrxPreviewPages::unloadOlderPages() {
    TfrxXMLItem& all = pages();
    for (int i = all.Count() - 2; i >= 0; --i) {
        TfrxXMLItem* page = all.Items(i);
        if (page->Unloadable() && !page->Loaded()) break;
        doc_.UnloadItem(page);
    }
    memory_ = 0;
}

void TfrxPreviewPages::AddPage(TfrxReportPage& page) {
    const TfrxEngineOptions& options = Report().EngineOptions();
    const uint64_t limit = static_cast<uint64_t>(std::max(options.MaxMemSize(), 0)) * 1048576u;
    if (options.UseFileCache() && memory_ > limit) unloadOlderPages();

    ++curPage_;
    if (curPage_ < Count() && addPageAction_ == apWriteOver) return;

    const int source = sourceIndexOf(page);
    TfrxXMLItem* item = pages().Add();
    item->SetName("page" + std::to_string(source));
    // The first two pages always stay in memory.
    if (Count() > 2) item->SetUnloadable(true);
    noteAdded(*item);
    Report().InternalOnProgress(ptRunning, curPage_ + 1);
    addPageAction_ = apWriteOver;
    curPage_ = Count() - 1;
}

void TfrxPreviewPages::addObjectTo(TfrxXMLItem& parent, TfrxComponent& obj) {
    if (!obj.Visible()) return;
    TfrxXMLItem* target = &parent;
    const PrintedForm form = differences_.formOf(obj);
    if (form != PrintedForm::Skipped) {
        TfrxXMLItem* item = parent.Add();
        buf_.clear();
        if (const TfrxDictionaryEntry* source = sourceOf(obj)) {
            item->SetName(source->name);
            if (form == PrintedForm::Whole)
                writeAttributes(buf_, obj, false);
            else
                differences_.write(buf_, obj, *source->object, Engine().FinalPass());
        } else {
            item->SetName(obj.ClassName());
            writeAttributes(buf_, obj, false);
        }
        item->SetText(std::string(buf_));
        noteAdded(*item);
        target = item;
    }
    for (TfrxComponent* child : obj.Objects()) addObjectTo(*target, *child);
}

void TfrxPreviewPages::AddObject(TfrxComponent& obj) {
    TfrxXMLItem* page = currentPageItem();
    if (!page) return;
    doc_.LoadItem(page);
    addObjectTo(*page, obj);
}

bool TfrxPreviewPages::BandExists(TfrxComponent& band) {
    TfrxXMLItem* page = currentPageItem();
    if (!page) return false;
    doc_.LoadItem(page);
    const TfrxDictionaryEntry* source = sourceOf(band);
    for (int i = 0; i < page->Count(); ++i) {
        const TfrxDictionaryEntry* e = entryOf(*page->Items(i));
        if (!e) continue;
        if (source && e == source) return true;
        if (isPageFooter(e->object) && isPageFooter(&band)) return true;
        if (isColumnFooter(e->object) && isColumnFooter(&band)) return true;
    }
    return false;
}

int TfrxPreviewPages::GetCurPosition() {
    TfrxXMLItem* page = currentPageItem();
    if (!page) return 0;
    doc_.LoadItem(page);
    return page->Count();
}

int TfrxPreviewPages::CutObjects(int position) {
    TfrxXMLItem* page = currentPageItem();
    if (!page) return 0;
    doc_.LoadItem(page);
    const int count = page->Count();
    TfrxXMLItem& cut = Section(kCutSection);
    for (int i = std::max(position, 0); i < page->Count();) cut.AddItem(page->Items(i));
    return count;
}

double TfrxPreviewPages::elementValue(const TfrxXMLItem& element, std::string_view shortName,
                                      std::string_view propName) {
    const TfrxDictionaryEntry* e = entryOf(element);
    // Objects without a source carry their properties by their full names.
    const std::string text = element.Prop(e ? shortName : propName);
    if (!text.empty()) {
        try {
            return floatAttributeValue(text);
        } catch (const Exception&) {
            return 0;
        }
    }
    if (!e) return 0;
    if (propName == "Left") return e->object->Left();
    if (propName == "Top") return e->object->Top();
    return e->object->Height();
}

void TfrxPreviewPages::PasteObjects(double x, double y) {
    TfrxXMLItem* root = doc_.Root();
    const int at = root->Find(kCutSection);
    if (at < 0) return;
    std::unique_ptr<TfrxXMLItem> cut = root->Items(at)->detach();
    TfrxXMLItem* page = currentPageItem();
    if (!page || cut->Count() == 0) return;
    doc_.LoadItem(page);
    const TfrxXMLItem& first = *cut->Items(0);
    const double dx = x - elementValue(first, "l", "Left");
    const double dy = y - elementValue(first, "t", "Top");
    while (cut->Count() > 0) {
        TfrxXMLItem* item = cut->Items(0);
        const bool shortNames = entryOf(*item) != nullptr;
        const double left = elementValue(*item, "l", "Left") + dx;
        const double top = elementValue(*item, "t", "Top") + dy;
        item->SetProp(shortNames ? "l" : "Left", floatAttributeText(left));
        item->SetProp(shortNames ? "t" : "Top", floatAttributeText(top));
        page->AddItem(item);
    }
}

double TfrxPreviewPages::GetLastY() {
    TfrxXMLItem* page = currentPageItem();
    if (!page) return 0;
    doc_.LoadItem(page);
    double lastY = 0;
    for (int i = 0; i < page->Count(); ++i) {
        const TfrxXMLItem& band = *page->Items(i);
        const TfrxDictionaryEntry* e = entryOf(band);
        if (e ? isPageFooter(e->object) : sameText(band.Name(), "TfrxPageFooter")) continue;
        lastY = std::max(lastY, elementValue(band, "t", "Top") + elementValue(band, "h", "Height"));
    }
    return lastY;
}

// ---- passes

void TfrxPreviewPages::BeginPass() {
    passHadPages_ = Count() > 0;
    passPage_ = Count() - 1;
    passObjects_ = 0;
    if (TfrxXMLItem* last = PageItem(passPage_)) {
        doc_.LoadItem(last);
        passObjects_ = last->Count();
    }
}

void TfrxPreviewPages::removeOutlineAfter(TfrxXMLItem& item, int page) {
    for (int i = item.Count() - 1; i >= 0; --i) {
        TfrxXMLItem* child = item.Items(i);
        if (strToIntDef(child->Prop("page"), 0) > page)
            child->detach();
        else
            removeOutlineAfter(*child, page);
    }
}

void TfrxPreviewPages::ClearFirstPassPages() {
    ClearCache();
    TfrxXMLItem* root = doc_.Root();
    if (!passHadPages_) {
        for (int i = 0; i < root->Count(); ++i)
            if (!sameText(root->Items(i)->Name(), kAnchorsSection)) root->Items(i)->Clear();
    } else {
        if (TfrxXMLItem* page = PageItem(passPage_)) {
            doc_.LoadItem(page);
            while (page->Count() > passObjects_) page->Items(page->Count() - 1)->detach();
        }
        while (Count() > passPage_ + 1) pages_->Items(Count() - 1)->detach();
        removeOutlineAfter(outline_.Root(), passPage_);
    }
    outline_.LevelRoot();
    curPage_ = passPage_;
    memory_ = 0;
}

// ---- anchors

std::optional<TfrxOutlineItem> TfrxPreviewPages::FindAnchor(std::string_view text) {
    TfrxXMLItem& anchors = Section(kAnchorsSection);
    for (int i = anchors.Count() - 1; i >= 0; --i) {
        TfrxOutlineItem anchor = TfrxOutline::read(*anchors.Items(i));
        if (sameText(anchor.text, text)) return anchor;
    }
    return std::nullopt;
}

void TfrxPreviewPages::AddAnchor(std::string_view text) {
    TfrxXMLItem* item = Section(kAnchorsSection).Add();
    item->SetName("item");
    TfrxOutline::write(*item, {std::string(text), curPage_, wholePixels(Engine().CurY())});
}

int TfrxPreviewPages::GetAnchorPage(std::string_view text) {
    const std::optional<TfrxOutlineItem> anchor = FindAnchor(text);
    return anchor ? anchor->page + 1 : 1;
}

}  // namespace lumaro
