#pragma once
// The prepared pages of a report: the output of a preparation, kept as one XML document.
//
// Each output page is an element whose children are the printed bands, and theirs the
// printed views. An object printed from the template is an element named by the short name of
// its source object (a copy of the template object in a copy of its template page, see
// TfrxDictionary) and carries only the attributes in which it differs from that source; an
// object made at run time is named by its class and carries all its stored properties. Pages
// are rebuilt into live objects on demand and the last 50 kept. With the engine's file cache
// the XML of older pages moves to a temporary file, so a run of any length holds about the
// same memory. Saved, the document is a ".fp3" file with the source pages, the dictionary and
// three report settings added.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "report/prepared/dictionary.h"
#include "report/prepared/difference_writer.h"
#include "report/prepared/outline.h"
#include "report/registry/weak_ref.h"
#include "report/views/draw/template_page_drawing.h"
#include "report/views/draw_context.h"
#include "report/xml/xml_document.h"

namespace lumaro {

class Stream;
class TfrxComponent;
class TfrxCustomEngine;
class TfrxReport;
class TfrxReportPage;
class TfrxView;

// What AddPage does when a page already follows the current one.
enum TfrxAddPageAction { apWriteOver, apAdd };

// Cursor identifiers of views (the values templates store in Cursor).
inline constexpr int crDefault = 0;
inline constexpr int crHandPoint = -21;

// Mouse buttons and shift state handed to ObjectOver (and to OnPreviewClick procedures).
enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Bits of the shift state.
enum TShiftStateBit { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

// What the preview does after ObjectOver.
struct TfrxObjectOverResult {
    int cursor = crDefault;
    // A view was under the point.
    bool hit = false;
    // The view's URL, shown as the hint; empty for none.
    std::string hint;
    // Set on a click on "@N": go to page N - 1 (0-based); on "#anchor": to that anchor's page
    // and top.
    bool goToPage = false;
    int page = 0;
    int top = 0;
    // The click's OnPreviewClick procedure changed the page, which was stored: redraw it.
    bool modified = false;
};

class TfrxCustomPreviewPages {
public:
    explicit TfrxCustomPreviewPages(TfrxReport& report);
    virtual ~TfrxCustomPreviewPages();
    TfrxCustomPreviewPages(const TfrxCustomPreviewPages&) = delete;
    TfrxCustomPreviewPages& operator=(const TfrxCustomPreviewPages&) = delete;

    TfrxReport& Report() const { return report_; }
    TfrxCustomEngine& Engine() const;
    virtual TfrxCustomOutline& Outline() = 0;

    // Output page being written, from 0; -1 while there are none.
    int CurPage() const { return curPage_; }
    void SetCurPage(int v) { curPage_ = v; }
    // First page of the current run (set by the engine).
    int FirstPage() const { return firstPage_; }
    void SetFirstPage(int v) { firstPage_ = v; }
    TfrxAddPageAction AddPageAction() const { return addPageAction_; }
    void SetAddPageAction(TfrxAddPageAction v) { addPageAction_ = v; }

    // ---- used by the engine ----
    virtual int Count() = 0;
    virtual void Clear() = 0;
    virtual void Initialize() = 0;
    virtual void Finish() = 0;
    virtual void AddSourcePage(TfrxReportPage& page) = 0;
    virtual void AddPage(TfrxReportPage& page) = 0;
    virtual void AddObject(TfrxComponent& obj) = 0;
    virtual bool BandExists(TfrxComponent& band) = 0;
    virtual int GetCurPosition() = 0;
    virtual int CutObjects(int position) = 0;
    virtual void PasteObjects(double x, double y) = 0;
    virtual double GetLastY() = 0;
    virtual void BeginPass() = 0;
    virtual void ClearFirstPassPages() = 0;
    virtual void AddAnchor(std::string_view text) = 0;
    virtual int GetAnchorPage(std::string_view text) = 0;

    // ---- used by the preview and printing ----
    virtual TfrxReportPage* GetPage(int index) = 0;
    virtual std::pair<int, int> GetPageSize(int index) = 0;
    virtual void DrawPage(int index, const DrawContext& context, const ViewDrawError& onError = {}) = 0;
    virtual void AddEmptyPage(int index) = 0;
    virtual void DeletePage(int index) = 0;
    virtual void ModifyPage(int index, TfrxReportPage& page) = 0;
    virtual TfrxObjectOverResult ObjectOver(int index, double x, double y, bool click, TMouseButton button, int shift,
                                            double scale, double offsetX, double offsetY) = 0;
    virtual void LoadFromStream(Stream& stream) = 0;
    virtual void SaveToStream(Stream& stream) = 0;
    virtual bool LoadFromFile(const std::string& fileName, bool mustExist = false) = 0;
    virtual void SaveToFile(const std::string& fileName) = 0;

protected:
    int curPage_ = -1;
    int firstPage_ = 0;
    TfrxAddPageAction addPageAction_ = apWriteOver;

private:
    TfrxReport& report_;
};

class TfrxPreviewPages : public TfrxCustomPreviewPages {
public:
    // Rebuilt pages kept at most.
    static constexpr size_t kPageCacheSize = 50;

    explicit TfrxPreviewPages(TfrxReport& report);
    ~TfrxPreviewPages() override;

    TfrxOutline& Outline() override { return outline_; }

    int Count() override;
    // Frees the cached and source pages, empties the document and the dictionary.
    void Clear() override;
    // The temporary directory of the file cache; the report's progress starts.
    void Initialize() override;
    // Empties the page cache; the report's progress stops.
    void Finish() override;
    // Copies a template page with all its objects as a source page and gives every object a
    // short name.
    void AddSourcePage(TfrxReportPage& page) override;
    // The next output page: the existing one after the current page while AddPageAction is
    // write over, else a new page made from the template page.
    void AddPage(TfrxReportPage& page) override;
    // Writes a band (or any object) with its objects onto the current page; invisible objects
    // are left out with theirs.
    void AddObject(TfrxComponent& obj) override;
    // Whether the current page holds the band (or, for a page or column footer, one of the
    // same kind).
    bool BandExists(TfrxComponent& band) override;
    // Number of bands on the current page.
    int GetCurPosition() override;
    // Moves the bands from `position` on off the current page into the holding area;
    // returns the number of bands the page had.
    int CutObjects(int position) override;
    // Moves the held bands back to the end of the current page, the first one to (x, y) and
    // the others by as much.
    void PasteObjects(double x, double y) override;
    // Bottom of the lowest band on the current page, page footers left out.
    double GetLastY() override;
    void BeginPass() override;
    // Removes what the first of two passes wrote (its anchors stay).
    void ClearFirstPassPages() override;
    void AddAnchor(std::string_view text) override;
    // 1-based page of the last anchor of that text (letter case ignored); 1 when none.
    int GetAnchorPage(std::string_view text) override;

    // The page rebuilt as live objects, owned by the page cache: it lives until 50 other pages
    // were asked for or the cache is emptied (Finish, edits, Clear, loading). Null for an
    // index out of range.
    TfrxReportPage* GetPage(int index) override;
    // Width and height in pixels, (0, 0) for an index out of range.
    std::pair<int, int> GetPageSize(int index) override;
    // Draws the page at the context's scales, its paper's top left corner at the offsets: the
    // background over the printable area, then every view. On every second page (odd index)
    // of a page with mirrored margins the left and right margins change places. When printing
    // (the context says so, or its canvas is a printer's) views that are not Printable are
    // left out. Text objects learn the page count. A view that raises ends the drawing, or,
    // with `onError`, is reported there and the drawing goes on.
    void DrawPage(int index, const DrawContext& context, const ViewDrawError& onError = {}) override;
    // A page without objects before `index`, from the same template page as the page there.
    void AddEmptyPage(int index) override;
    // Nothing when fewer than two pages exist.
    void DeletePage(int index) override;
    // Stores the page (edited in the preview) whole in place of page `index`. `page` may be
    // the cached page GetPage gave; it is freed with the cache.
    void ModifyPage(int index, TfrxReportPage& page) override;
    TfrxObjectOverResult ObjectOver(int index, double x, double y, bool click, TMouseButton button, int shift,
                                    double scale, double offsetX, double offsetY) override;

    // ".fp3" files. Loading raises EFormatError "Invalid file format" for what is not a
    // prepared report and leaves the pages empty.
    void LoadFromStream(Stream& stream) override;
    // With `partialLoading` the pages saved as unloaded (ld="0") stay in `stream` until needed.
    void LoadFromStream(std::unique_ptr<Stream> stream, bool partialLoading);
    void SaveToStream(Stream& stream) override;
    // Loads the file when it exists (or must exist: a missing file then raises EFileError);
    // returns whether it existed. Only regular files up to kMaxFileSize are read.
    bool LoadFromFile(const std::string& fileName, bool mustExist = false) override;
    // Writes beside the file and replaces it only when the whole report is written.
    void SaveToFile(const std::string& fileName) override;
    // A million labels make a file of about 250 MB.
    static constexpr int64_t kMaxFileSize = int64_t{1} << 30;

    // The last anchor of that text (letter case ignored).
    std::optional<TfrxOutlineItem> FindAnchor(std::string_view text);

    // Empties the page cache (printing does so before it starts).
    void ClearCache();

    // ---- inspection ----
    TfrxXMLDocument& Document() { return doc_; }
    const TfrxDictionary& Dictionary() const { return dictionary_; }
    int SourcePageCount() const { return static_cast<int>(sources_.size()); }
    TfrxReportPage* SourcePage(int index) const;
    // The page element, or null for an index out of range.
    TfrxXMLItem* PageItem(int index);
    // A section of the document ("previewpages", "outline", "anchors", ...), made on first use.
    TfrxXMLItem& Section(std::string_view name);
    // Bytes of page data written since the file cache last moved pages out.
    uint64_t MemoryCounter() const { return memory_; }
    // Indices of the pages in the cache, most recently used first.
    std::vector<int> CachedPages() const;

private:
    struct SourcePageData {
        std::unique_ptr<TfrxReportPage> page;
        WeakRef<TfrxReportPage> templatePage;
        // The page's own properties (all of them, without its objects).
        std::string ownText;
    };
    // A template object and the dictionary entry of its source object.
    struct SourceLink {
        WeakRef<TfrxComponent> templateObject;
        const TfrxDictionaryEntry* entry = nullptr;
    };

    TfrxXMLItem& pages();
    TfrxXMLItem* currentPageItem();
    int sourceIndexOf(TfrxReportPage& templatePage);
    // The dictionary entry of a template object's source object, or null.
    const TfrxDictionaryEntry* sourceOf(const TfrxComponent& obj);
    const TfrxDictionaryEntry* entryOf(const TfrxXMLItem& element) const;
    void addSource(TfrxComponent& copy, TfrxComponent& templateObject, int pageIndex);
    void addObjectTo(TfrxXMLItem& parent, TfrxComponent& obj);
    void unloadOlderPages();
    void noteAdded(const TfrxXMLItem& item);
    // Geometry of a band element: its own attribute, else its source object's value.
    double elementValue(const TfrxXMLItem& element, std::string_view shortName, std::string_view propName);
    std::unique_ptr<TfrxReportPage> rebuild(TfrxXMLItem& element);
    // The source page of a page element: its index, -1 for a page stored whole, -2 for an
    // element that is neither.
    int sourceIndexOfPage(const TfrxXMLItem& element) const;
    void cachePage(int index, std::unique_ptr<TfrxReportPage> page);
    void loadDocument(Stream* stream, std::unique_ptr<Stream> owned, bool partialLoading);
    void readSavedSections();
    void removeSection(std::string_view name);
    void resetSections();
    void removeOutlineAfter(TfrxXMLItem& item, int page);

    TfrxXMLDocument doc_;
    TfrxDictionary dictionary_;
    TfrxOutline outline_;
    DifferenceWriter differences_;
    std::vector<SourcePageData> sources_;
    std::unordered_map<const TfrxComponent*, SourceLink> links_;
    std::vector<std::pair<int, std::unique_ptr<TfrxReportPage>>> cache_;
    TfrxXMLItem* pages_ = nullptr;
    uint64_t memory_ = 0;
    // Where BeginPass found the pages.
    bool passHadPages_ = false;
    int passPage_ = -1;
    int passObjects_ = 0;
    std::string buf_;
};

}  // namespace lumaro
