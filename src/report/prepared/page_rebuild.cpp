// Pages rebuilt as live objects for the preview and printing, the cache of the last 50, and
// the edits of the preview (empty pages, deleting, storing an edited page).
#include <algorithm>
#include <cmath>

#include "core/resources.h"
#include "core/text.h"
#include "report/engine/custom_engine.h"
#include "report/model/report.h"
#include "report/model/report_component.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/registry/class_registry.h"
#include "report/serializer/serializer.h"

namespace lumaro {

namespace {

constexpr std::string_view kWholePageName = "TfrxReportPage";

bool isWholePage(const TfrxXMLItem& element) { return sameText(element.Name(), kWholePageName); }

// Rebuilds the objects of a page element under `parent`, one element after the other. A
// printed object starts from its source object's stored properties and takes its own
// attributes on top; an object without a source is made from its class name.
class PageBuilder {
public:
    PageBuilder(const TfrxDictionary& dictionary, TfrxReportPage& page, std::vector<std::string>& errors)
        : dictionary_(dictionary), reader_(&page), errors_(errors) {}

    void children(TfrxComponent& parent, const TfrxXMLItem& element) {
        struct Pending {
            TfrxComponent* parent;
            const TfrxXMLItem* element;
        };
        std::vector<Pending> pending;
        for (int i = element.Count() - 1; i >= 0; --i) pending.push_back({&parent, element.Items(i)});
        while (!pending.empty()) {
            const Pending p = pending.back();
            pending.pop_back();
            TfrxComponent* obj = object(*p.parent, *p.element);
            if (!obj) continue;
            for (int i = p.element->Count() - 1; i >= 0; --i) pending.push_back({obj, p.element->Items(i)});
        }
    }

    void attributes(TfrxComponent& c, std::string_view text) { reader_.applyAttributeText(c, text); }

    void finish() {
        reader_.finish();
        for (std::string& e : reader_.errors()) errors_.push_back(std::move(e));
        reader_.errors().clear();
    }

private:
    TfrxComponent* object(TfrxComponent& parent, const TfrxXMLItem& element) {
        const TfrxDictionaryEntry* source = dictionary_.Find(element.Name());
        if (source && !(source->object && source->cls)) source = nullptr;
        const ClassInfo* cls = source ? source->cls : findTemplateClass(element.Name());
        // Only bands, views and the like live on pages.
        TfrxComponent* obj = cls && cls->InheritsFrom(TfrxReportComponent::staticClassInfo())
                                 ? TfrxComponent::createByClass(*cls, &parent)
                                 : nullptr;
        if (!obj) {
            errors_.push_back(frxGet("xrCantFindClass") + " " + element.Name());
            return nullptr;
        }
        reader_.beginComponent(*obj);
        if (source) {
            reader_.applyAttributeText(*obj, source->fullText);
            obj->SetName(source->object->Name());
        }
        reader_.applyAttributeText(*obj, element.Text());
        return obj;
    }

    const TfrxDictionary& dictionary_;
    ObjectReader reader_;
    std::vector<std::string>& errors_;
};

// The index of the source page that a page element named "page" + N comes from: at most five
// digits are read; -1 for a name of another form.
int sourceIndexOfName(std::string_view name) {
    if (name.size() < 5 || !startsWithText(name, "page")) return -1;
    const std::string_view digits = name.substr(4, 5);
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int TfrxPreviewPages::sourceIndexOfPage(const TfrxXMLItem& element) const {
    if (isWholePage(element)) return -1;
    const int n = sourceIndexOfName(element.Name());
    return n >= 0 && n < static_cast<int>(sources_.size()) ? n : -2;
}

std::unique_ptr<TfrxReportPage> TfrxPreviewPages::rebuild(TfrxXMLItem& element) {
    auto page = std::make_unique<TfrxReportPage>();
    std::vector<std::string> errors;
    PageBuilder builder(dictionary_, *page, errors);
    const int source = sourceIndexOfPage(element);
    if (source >= 0) {
        builder.attributes(*page, sources_[static_cast<size_t>(source)].ownText);
        builder.children(*page, element);
    } else if (source == -1) {
        ObjectReader whole(page.get());
        whole.readElement(*page, element);
        whole.finish();
        errors = std::move(whole.errors());
    }
    builder.finish();
    for (const std::string& e : errors) Report().Errors().Add(e);
    return page;
}

void TfrxPreviewPages::cachePage(int index, std::unique_ptr<TfrxReportPage> page) {
    std::erase_if(cache_, [index](const auto& entry) { return entry.first == index; });
    cache_.insert(cache_.begin(), {index, std::move(page)});
    if (cache_.size() <= kPageCacheSize) return;
    const int dropped = cache_.back().first;
    cache_.pop_back();
    TfrxXMLItem* element = PageItem(dropped);
    if (element && Report().EngineOptions().UseFileCache() && element->Unloadable()) doc_.UnloadItem(element);
}

TfrxReportPage* TfrxPreviewPages::GetPage(int index) {
    TfrxXMLItem* element = PageItem(index);
    if (!element) return nullptr;
    if (!Engine().Running()) {
        const auto it = std::find_if(cache_.begin(), cache_.end(), [index](const auto& e) { return e.first == index; });
        if (it != cache_.end()) {
            std::rotate(cache_.begin(), it, it + 1);
            return cache_.front().second.get();
        }
    }
    doc_.LoadItem(element);
    std::unique_ptr<TfrxReportPage> page = rebuild(*element);
    page->ArrangeChildren();
    TfrxReportPage* result = page.get();
    cachePage(index, std::move(page));
    return result;
}

std::pair<int, int> TfrxPreviewPages::GetPageSize(int index) {
    const TfrxXMLItem* element = PageItem(index);
    if (!element) return {0, 0};
    const TfrxReportPage* page = nullptr;
    const int source = sourceIndexOfPage(*element);
    if (source >= 0)
        page = sources_[static_cast<size_t>(source)].page.get();
    else
        page = GetPage(index);
    if (!page) return {0, 0};
    const auto whole = [](double v) { return std::isfinite(v) ? static_cast<int>(std::nearbyint(std::clamp(v, -1e9, 1e9))) : 0; };
    return {whole(page->Width()), whole(page->Height())};
}

void TfrxPreviewPages::AddEmptyPage(int index) {
    const TfrxXMLItem* there = PageItem(index);
    if (!there) return;
    TfrxXMLItem* item = pages_->Add();
    item->SetName(there->Name());
    pages_->InsertItem(index, item);
    ClearCache();
}

void TfrxPreviewPages::DeletePage(int index) {
    if (Count() < 2) return;
    TfrxXMLItem* element = PageItem(index);
    if (!element) return;
    element->detach();
    curPage_ = std::min(curPage_, Count() - 1);
    ClearCache();
}

void TfrxPreviewPages::ModifyPage(int index, TfrxReportPage& page) {
    TfrxXMLItem* element = PageItem(index);
    if (!element) return;
    element->SetUnloadable(false);
    element->Clear();
    element->SetLoaded(true);
    componentToXML(page, *element, true, false);
    ClearCache();
}

}  // namespace lumaro
