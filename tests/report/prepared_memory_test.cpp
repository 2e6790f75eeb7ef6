// Memory of long runs: with the file cache, what the prepared pages hold stays about the same
// however many pages a run makes; without it, it grows with every page. Measured as the bytes
// the heap holds, not as time.
#include <gtest/gtest.h>

#include "prepared_test_util.h"
#include "support/heap_bytes.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

// Heap bytes each page adds once a run is under way: measured between two points of a run of
// `pages` pages, after the first `warmUp` pages.
double bytesPerPage(bool fileCache, int pages, int warmUp) {
    LabelTemplate t;
    t.report.EngineOptions().SetUseFileCache(fileCache);
    t.report.EngineOptions().SetMaxMemSize(1);
    t.start();
    t.printLabels(8 * warmUp, 8);
    const size_t before = heapBytesInUse();
    t.printLabels(8 * (pages - warmUp), 8, 8 * warmUp + 1);
    const size_t after = heapBytesInUse();
    t.finish();
    EXPECT_EQ(t.pages().Count(), pages);
    if (fileCache) {
        EXPECT_LE(t.pages().MemoryCounter(), 1048576u + 20000u);
    }
    return (static_cast<double>(after) - static_cast<double>(before)) / (pages - warmUp);
}

}  // namespace

TEST(PreparedMemory, FileCacheKeepsMemoryFlat) {
    const double withCache = bytesPerPage(true, 1500, 300);
    const double withoutCache = bytesPerPage(false, 1500, 300);
    // Without the cache a page of 8 labels holds its 88 elements in memory; with it, only
    // the page element itself stays (its name and its place in the list).
    EXPECT_GT(withoutCache, 8000) << "bytes per page without the file cache";
    EXPECT_LT(withCache, 400) << "bytes per page with the file cache";
}

TEST(PreparedMemory, CounterCountsTheBytesHeld) {
    LabelTemplate t;
    t.start();
    const size_t before = heapBytesInUse();
    t.printLabels(8 * 200, 8);
    const size_t held = heapBytesInUse() - before;
    const double counted = static_cast<double>(t.pages().MemoryCounter());
    t.finish();
    // The counter follows what the elements take, within a tenth (a quarter under the address
    // sanitizer, whose count leaves out the allocator's block headers).
#ifdef LUMARO_HEAP_ASAN
    const double tolerance = 0.25;
#else
    const double tolerance = 0.1;
#endif
    EXPECT_GT(counted, (1 - tolerance) * static_cast<double>(held));
    EXPECT_LT(counted, (1 + tolerance) * static_cast<double>(held));
}

TEST(PreparedMemory, UnloadedPagesComeBack) {
    LabelTemplate t;
    t.report.EngineOptions().SetUseFileCache(true);
    t.report.EngineOptions().SetMaxMemSize(0);
    t.run(8 * 6, 8);
    TfrxPreviewPages& pages = t.pages();
    EXPECT_FALSE(pages.PageItem(3)->Loaded());
    EXPECT_EQ(pages.PageItem(3)->Count(), 0);
    EXPECT_FALSE(pages.Document().tempFileName().empty());
    TfrxReportPage* page = pages.GetPage(3);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Objects().size(), 8u);
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(page->FindObject("Memo1"))->Text(), "(00) 38310293100000025");
    // Saved, unloaded pages are written out whole and stay unloaded.
    const std::string file = t.saved();
    EXPECT_NE(file.find("38310293100000030"), std::string::npos);
    TfrxReport other;
    MemoryStream in(file);
    other.PreviewPages().LoadFromStream(in);
    EXPECT_EQ(other.PreviewPages().GetPage(4)->Objects().size(), 8u);
}
