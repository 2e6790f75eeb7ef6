// The operations of the prepared pages that the engine and the preview call: short names,
// writing over pages, bands on the current page, cutting and pasting kept bands, passes,
// anchors, the outline, the page cache, editing pages, and bad files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/stream.h"
#include "core/text.h"
#include "prepared_test_util.h"
#include "support/raised.h"
#include "support/temp_dir.h"

using namespace lumaro;
using namespace lumaro::testing;

TEST(PreparedDictionary, UniqueNamesSearchByHalvingThenCountUp) {
    struct Case {
        std::vector<std::string> used;
        const char* next;
    };
    const Case cases[] = {
        {{}, "m1"},
        {{"m1"}, "m2"},
        {{"m1", "m2", "m3"}, "m4"},
        // The search starts at the highest of 10000, 5000, ... 2, 1 that is in use, so a gap
        // below it is not filled.
        {{"m2"}, "m3"},
        {{"m1", "m2", "m4"}, "m5"},
        {{"m5000"}, "m5001"},
        {{"m10000"}, "m10001"},
        {{"m78", "m79"}, "m80"},
        // Names of another base do not count; letter case is ignored.
        {{"b1", "b2"}, "m1"},
        {{"M1"}, "m2"},
    };
    for (const Case& c : cases) {
        TfrxDictionary d;
        for (const std::string& name : c.used) d.Add(name, "Page0." + name, nullptr);
        EXPECT_EQ(d.UniqueName("m"), c.next) << ::testing::PrintToString(c.used);
    }
    TfrxDictionary d;
    for (const char* expected : {"m1", "m2", "m3"}) EXPECT_EQ(d.AddUnique("m", "x", nullptr).name, expected);
    EXPECT_EQ(d.GetSourceName("M2"), "x");
    EXPECT_EQ(d.GetSourceName("m9"), "");
    EXPECT_EQ(d.GetObject("m9"), nullptr);
}

TEST(PreparedStore, AddPageWritesOverOrAdds) {
    LabelTemplate t;
    t.run(24, 8);
    TfrxPreviewPages& pages = t.pages();
    ASSERT_EQ(pages.Count(), 3);
    // Back to the start: the next page is the existing first one, which receives more output.
    pages.SetCurPage(-1);
    pages.AddPage(*t.page);
    EXPECT_EQ(pages.Count(), 3);
    EXPECT_EQ(pages.CurPage(), 0);
    pages.AddObject(*t.band);
    EXPECT_EQ(pages.PageItem(0)->Count(), 9);
    // With add, a new page follows at the end whatever the current one.
    pages.SetAddPageAction(apAdd);
    pages.AddPage(*t.page);
    EXPECT_EQ(pages.Count(), 4);
    EXPECT_EQ(pages.CurPage(), 3);
    EXPECT_EQ(pages.AddPageAction(), apWriteOver);
    // The first two pages always stay in memory.
    EXPECT_FALSE(pages.PageItem(0)->Unloadable());
    EXPECT_FALSE(pages.PageItem(1)->Unloadable());
    EXPECT_TRUE(pages.PageItem(2)->Unloadable());
}

TEST(PreparedStore, ProgressIsReportedPerNewPage) {
    LabelTemplate t;
    std::vector<std::string> events;
    t.report.OnProgressStart = [&](int kind) { events.push_back("start " + std::to_string(kind)); };
    t.report.OnProgress = [&](int kind, int page) {
        events.push_back("page " + std::to_string(page) + " " + std::to_string(kind));
    };
    t.report.OnProgressStop = [&](int kind) { events.push_back("stop " + std::to_string(kind)); };
    t.run(10, 8);
    EXPECT_EQ(events, (std::vector<std::string>{"start 0", "page 1 0", "page 2 0", "stop 0"}));
}

TEST(PreparedStore, BandsOnTheCurrentPage) {
    LabelTemplate t;
    auto* footer = t.add<TfrxPageFooter>(*t.page, "PageFooter1");
    footer->SetBounds(0, 1000, 718, 40);
    auto* otherFooter = t.add<TfrxPageFooter>(*t.page, "PageFooter2");
    auto* title = t.add<TfrxReportTitle>(*t.page, "ReportTitle1");
    title->SetBounds(0, 0, 718, 30);
    t.start();
    t.pages().AddPage(*t.page);
    EXPECT_EQ(t.pages().GetLastY(), 0);
    EXPECT_FALSE(t.pages().BandExists(*t.band));
    t.printLabels(3, 8);
    EXPECT_EQ(t.pages().GetCurPosition(), 3);
    EXPECT_TRUE(t.pages().BandExists(*t.band));
    EXPECT_FALSE(t.pages().BandExists(*title));
    // The bottom of the lowest band: its top from the element, its height from the source.
    EXPECT_EQ(t.pages().GetLastY(), 390);
    // Page footers do not count for the last y, and any page footer stands for another.
    t.pages().AddObject(*footer);
    EXPECT_EQ(t.pages().GetLastY(), 390);
    EXPECT_TRUE(t.pages().BandExists(*otherFooter));
    t.band->SetHeight(500);
    t.pages().AddObject(*t.band);
    t.band->SetHeight(130);
    EXPECT_EQ(t.pages().GetLastY(), 520);
    t.finish();
}

TEST(PreparedStore, CutAndPasteMoveKeptBands) {
    LabelTemplate t;
    t.start();
    t.pages().AddPage(*t.page);
    t.printLabels(3, 8);  // tops 0, 130, 260
    TfrxPreviewPages& pages = t.pages();
    EXPECT_EQ(pages.CutObjects(1), 3);
    EXPECT_EQ(pages.GetCurPosition(), 1);
    EXPECT_EQ(pages.Section("cutted").Count(), 2);
    // On the next page, the first kept band goes to (0, 40) and the second moves with it.
    pages.AddPage(*t.page);
    pages.PasteObjects(0, 40);
    EXPECT_EQ(pages.Document().Root()->Find("cutted"), -1);
    const TfrxXMLItem& page = *pages.PageItem(1);
    ASSERT_EQ(page.Count(), 2);
    EXPECT_EQ(page.Items(0)->Prop("t"), "40");
    EXPECT_EQ(page.Items(1)->Prop("t"), "170");
    EXPECT_EQ(page.Items(0)->Prop("l"), "0");
    EXPECT_EQ(pages.GetLastY(), 300);
    t.finish();

    // Values an element leaves to its source count as the source's: a band at the source's
    // left (30, not written) and one at 60 move together when the first goes to 10.
    LabelTemplate u;
    u.band->SetLeft(30);
    u.start();
    u.pages().AddPage(*u.page);
    u.pages().AddObject(*u.band);
    u.band->SetLeft(60);
    u.pages().AddObject(*u.band);
    u.band->SetLeft(30);
    const TfrxXMLItem& bands = *u.pages().PageItem(0);
    EXPECT_EQ(bands.Items(0)->Prop("l"), "");
    u.pages().CutObjects(0);
    u.pages().PasteObjects(10, 0);
    ASSERT_EQ(bands.Count(), 2);
    EXPECT_EQ(bands.Items(0)->Prop("l"), "10");
    EXPECT_EQ(bands.Items(1)->Prop("l"), "40");
    EXPECT_EQ(bands.Items(1)->Prop("t"), "0");
    // Pasting with nothing cut does nothing.
    u.pages().PasteObjects(5, 5);
    EXPECT_EQ(bands.Count(), 2);
    u.finish();
}

TEST(PreparedStore, ClearFirstPassPages) {
    // A report prepared from nothing: the first pass leaves only its anchors.
    {
        LabelTemplate t;
        t.start(false);
        t.pages().BeginPass();
        t.printLabels(20, 8);
        t.pages().Outline().AddItem("first pass", 0);
        t.engine().SetCurY(260);
        t.pages().AddAnchor("here");
        t.pages().ClearFirstPassPages();
        EXPECT_EQ(t.pages().Count(), 0);
        EXPECT_EQ(t.pages().CurPage(), -1);
        EXPECT_EQ(t.pages().Outline().Count(), 0);
        EXPECT_EQ(t.pages().GetAnchorPage("here"), 3);
        EXPECT_EQ(t.pages().MemoryCounter(), 0u);
        t.engine().SetFinalPass(true);
        t.printLabels(20, 8);
        t.finish();
        EXPECT_EQ(t.pages().Count(), 3);
        EXPECT_EQ(t.pages().PageItem(2)->Count(), 4);
    }
    // A report added to pages that were there: they stay as they were.
    {
        LabelTemplate t;
        t.start();
        t.printLabels(12, 8);  // pages 0 (8 labels) and 1 (4 labels)
        t.pages().Outline().AddItem("before", 0);
        t.engine().SetFinalPass(false);
        t.pages().BeginPass();
        t.pages().AddObject(*t.band);
        t.printLabels(16, 8);
        ASSERT_EQ(t.pages().Count(), 4);
        t.pages().Outline().LevelRoot();
        t.pages().Outline().AddItem("first pass", 10);
        t.pages().ClearFirstPassPages();
        EXPECT_EQ(t.pages().Count(), 2);
        EXPECT_EQ(t.pages().CurPage(), 1);
        EXPECT_EQ(t.pages().PageItem(1)->Count(), 4);
        EXPECT_EQ(t.pages().Outline().Count(), 1);
        EXPECT_EQ(t.pages().Outline().GetItem(0).text, "before");
        t.finish();
    }
}

TEST(PreparedStore, Anchors) {
    LabelTemplate t;
    t.start();
    t.printLabels(17, 8);
    t.engine().SetCurY(12.5);
    t.pages().AddAnchor("Total");
    t.pages().SetCurPage(1);
    t.pages().AddAnchor("Sum");
    t.pages().SetCurPage(0);
    t.engine().SetCurY(99.6);
    t.pages().AddAnchor("total");
    t.finish();
    struct Case {
        const char* text;
        int page;
    };
    // The last anchor of a text counts, its letter case ignored.
    const Case cases[] = {{"nowhere", 1}, {"", 1}, {"SUM", 2}, {"TOTAL", 1}};
    for (const Case& c : cases) EXPECT_EQ(t.pages().GetAnchorPage(c.text), c.page) << c.text;
    const TfrxXMLItem& anchors = t.pages().Section("anchors");
    ASSERT_EQ(anchors.Count(), 3);
    EXPECT_EQ(anchors.Items(0)->Text(), " text=\"Total\" page=\"2\" top=\"12\"");
    EXPECT_EQ(anchors.Items(2)->Text(), " text=\"total\" page=\"0\" top=\"100\"");
}

TEST(PreparedStore, OutlineNestsAndShifts) {
    LabelTemplate t;
    t.start();
    t.printLabels(1);
    TfrxOutline& outline = t.pages().Outline();
    outline.AddItem("Group A", 0);
    outline.AddItem("Label 1", 10);
    outline.LevelUp();
    TfrxXMLItem* keep = outline.GetCurPosition();  // "Label 1", the last child of "Group A"
    outline.AddItem("Label 2", 200);
    outline.AddItem("Detail", 220);
    outline.LevelRoot();
    outline.AddItem("Group B", 300);
    outline.LevelRoot();
    EXPECT_EQ(outline.Count(), 2);
    EXPECT_EQ(outline.GetItem(1).text, "Group B");
    EXPECT_EQ(outline.GetItem(5).text, "");
    outline.LevelDown(0);
    EXPECT_EQ(outline.Count(), 2);
    EXPECT_EQ(outline.GetItem(1).top, 200);
    // What followed the kept position moves to the next page, to y 40, with its children.
    outline.ShiftItems(keep, 40);
    EXPECT_EQ(outline.GetItem(0).page, 0);
    EXPECT_EQ(outline.GetItem(1).page, 1);
    EXPECT_EQ(outline.GetItem(1).top, 40);
    outline.LevelDown(1);
    EXPECT_EQ(outline.GetItem(0).page, 1);
    EXPECT_EQ(outline.GetItem(0).top, 60);
    // Nothing follows the last item; the outline itself has no siblings.
    outline.ShiftItems(outline.GetCurPosition(), 0);
    EXPECT_EQ(outline.GetItem(0).top, 60);
    outline.LevelRoot();
    outline.ShiftItems(&outline.Root(), 0);
    outline.LevelUp();
    EXPECT_EQ(outline.Count(), 2);
    t.finish();
}

TEST(PreparedStore, PageCacheKeepsTheLast50) {
    LabelTemplate t;
    t.report.EngineOptions().SetUseFileCache(true);
    t.run(8 * 60, 8);
    TfrxPreviewPages& pages = t.pages();
    ASSERT_EQ(pages.Count(), 60);
    EXPECT_TRUE(pages.CachedPages().empty());
    TfrxReportPage* first = pages.GetPage(0);
    EXPECT_EQ(pages.GetPage(0), first);  // from the cache
    for (int i = 1; i < 60; ++i) pages.GetPage(i);
    const std::vector<int> cached = pages.CachedPages();
    ASSERT_EQ(cached.size(), TfrxPreviewPages::kPageCacheSize);
    EXPECT_EQ(cached.front(), 59);
    EXPECT_EQ(cached.back(), 10);
    // Pages that left the cache moved back out to the temporary file; the first two never do.
    EXPECT_FALSE(pages.PageItem(9)->Loaded());
    EXPECT_TRUE(pages.PageItem(10)->Loaded());
    EXPECT_TRUE(pages.PageItem(0)->Loaded());
    // A cached page asked for again moves to the front.
    TfrxReportPage* p30 = pages.GetPage(30);
    EXPECT_EQ(pages.CachedPages().front(), 30);
    EXPECT_EQ(pages.GetPage(30), p30);
    // While the engine runs, pages are always rebuilt.
    t.engine().SetRunning(true);
    TfrxReportPage* fresh = pages.GetPage(30);
    EXPECT_NE(fresh, nullptr);
    EXPECT_EQ(pages.CachedPages().size(), TfrxPreviewPages::kPageCacheSize);
    t.engine().SetRunning(false);
    EXPECT_EQ(pages.GetPage(30), fresh);
    EXPECT_EQ(pages.GetPage(60), nullptr);
    EXPECT_EQ(pages.GetPage(-1), nullptr);
    pages.Finish();
    EXPECT_TRUE(pages.CachedPages().empty());
}

TEST(PreparedStore, PageSizes) {
    LabelTemplate t;
    t.run(16, 8);
    auto* landscape = new TfrxReportPage();
    landscape->SetParent(&t.report);
    landscape->SetName("Page2");
    landscape->ApplyPrinterDefaults();
    landscape->SetOrientation(poLandscape);
    t.pages().AddPage(*landscape);
    struct Case {
        int index;
        std::pair<int, int> size;
    };
    const Case cases[] = {{0, {794, 1123}}, {1, {794, 1123}}, {2, {1123, 794}}, {3, {0, 0}}, {-1, {0, 0}}};
    for (const Case& c : cases) EXPECT_EQ(t.pages().GetPageSize(c.index), c.size) << c.index;
    EXPECT_EQ(t.pages().SourcePageCount(), 2);
}

TEST(PreparedStore, EditingPages) {
    LabelTemplate t;
    t.run(20, 8);  // 3 pages
    TfrxPreviewPages& pages = t.pages();
    pages.AddEmptyPage(1);
    ASSERT_EQ(pages.Count(), 4);
    EXPECT_EQ(pages.PageItem(1)->Name(), "page0");
    EXPECT_EQ(pages.PageItem(1)->Count(), 0);
    EXPECT_EQ(pages.PageItem(2)->Count(), 8);
    pages.AddEmptyPage(9);
    EXPECT_EQ(pages.Count(), 4);
    pages.DeletePage(1);
    EXPECT_EQ(pages.Count(), 3);
    pages.DeletePage(7);
    EXPECT_EQ(pages.Count(), 3);
    pages.DeletePage(0);
    pages.DeletePage(0);
    EXPECT_EQ(pages.Count(), 1);
    // The last page is never deleted.
    pages.DeletePage(0);
    EXPECT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.PageItem(0)->Count(), 4);
}

TEST(PreparedStore, ModifiedPageIsStoredWholeAndReopens) {
    LabelTemplate t;
    t.run(16, 8);
    TfrxPreviewPages& pages = t.pages();
    TfrxReportPage* page = pages.GetPage(1);
    auto* memo = dynamic_cast<TfrxMemoView*>(page->FindObject("Memo2"));
    ASSERT_NE(memo, nullptr);
    memo->SetText("edited in the preview");
    pages.ModifyPage(1, *page);
    EXPECT_EQ(pages.PageItem(1)->Name(), "TfrxReportPage");
    EXPECT_FALSE(pages.PageItem(1)->Unloadable());
    EXPECT_TRUE(pages.CachedPages().empty());
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(pages.GetPage(1)->FindObject("Memo2"))->Text(), "edited in the preview");

    TempDir dir;
    const std::string file = dir.file("edited.fp3");
    pages.SaveToFile(file);
    TfrxReport other;
    EXPECT_TRUE(other.PreviewPages().LoadFromFile(file));
    ASSERT_EQ(other.PreviewPages().Count(), 2);
    EXPECT_EQ(other.PreviewPages().PageItem(1)->Name(), "TfrxReportPage");
    TfrxReportPage* reopened = other.PreviewPages().GetPage(1);
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(reopened->FindObject("Memo2"))->Text(), "edited in the preview");
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(reopened->FindObject("Memo1"))->Text(), "(00) 38310293100000009");
    EXPECT_EQ(reopened->PaperWidth(), 210);
    EXPECT_TRUE(other.Errors().empty()) << other.Errors().Text();
}

TEST(PreparedStore, BadFilesAreRefusedAndLeaveThePagesEmpty) {
    LabelTemplate good;
    good.run(10, 8);
    const std::string file = good.saved();
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = file;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const auto replacedAll = [&](const std::string& from, const std::string& to) { return replaceAll(file, from, to); };
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"no XML", "prepared labels"},
        {"a template", "<?xml version=\"1.0\" encoding=\"utf-8\"?><TfrxReport Name=\"\"/>"},
        {"truncated inside a tag", file.substr(0, file.size() / 2) + "<m1 x=\"abc"},
        {"a closing tag that does not match", replaced("</previewpages>", "</pages>")},
        {"a page of no source page", replacedAll("page0>", "page7>")},
        {"a page of no known form", replacedAll("page0>", "pageX>")},
    };
    for (const Case& c : cases) {
        TfrxReport report;
        TfrxPreviewPages& pages = report.PreviewPages();
        MemoryStream in(c.text);
        EXPECT_EQ(raisedMessage([&] { pages.LoadFromStream(in); }), "Invalid file format") << c.what;
        EXPECT_EQ(pages.Count(), 0) << c.what;
        EXPECT_EQ(pages.SourcePageCount(), 0) << c.what;
        EXPECT_EQ(pages.CurPage(), -1) << c.what;
        // Still usable.
        MemoryStream again(file);
        pages.LoadFromStream(again);
        EXPECT_EQ(pages.Count(), 2) << c.what;
    }
    // An object of a class nobody knows is reported when its page is rebuilt.
    TfrxReport report;
    MemoryStream in(replaced("<m1 ", "<TfrxNoSuchView "));
    report.PreviewPages().LoadFromStream(in);
    ASSERT_NE(report.PreviewPages().GetPage(0), nullptr);
    EXPECT_EQ(report.Errors().Text(), "Ne najdem class-a TfrxNoSuchView");
}

TEST(PreparedStore, Files) {
    TempDir dir;
    TfrxReport report;
    TfrxPreviewPages& pages = report.PreviewPages();
    EXPECT_FALSE(pages.LoadFromFile(dir.file("missing.fp3")));
    EXPECT_NE(raisedMessage([&] { pages.LoadFromFile(dir.file("missing.fp3"), true); }).find("Cannot open file"),
              std::string::npos);
    EXPECT_EQ(raisedMessage([&] { pages.LoadFromFile(dir.path().string()); }),
              "Cannot open file \"" + dir.path().string() + "\". Not a regular file");
    const std::string fifo = dir.file("pipe.fp3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(raisedMessage([&] { pages.LoadFromFile(fifo); }), "Cannot open file \"" + fifo + "\". Not a regular file");

    // A save that fails keeps the good file: here the pages of a partly loaded report are
    // read back from a file that was cut short after loading (long enough for its end not to
    // be in the file's read buffer).
    LabelTemplate t;
    t.run(8 * 40, 8);
    const std::string good = dir.file("good.fp3"), partial = dir.file("partial.fp3");
    t.pages().SaveToFile(good);
    const std::string saved = t.saved();
    std::filesystem::copy_file(good, partial);
    auto stream = std::make_unique<FileStream>(partial, FileStream::Mode::Read);
    pages.LoadFromStream(std::move(stream), true);
    ASSERT_EQ(pages.Count(), 40);
    EXPECT_FALSE(pages.PageItem(39)->Loaded());
    std::filesystem::resize_file(partial, 100);
    EXPECT_EQ(raisedMessage([&] { pages.SaveToFile(good); }), "Invalid file format");
    std::ifstream in(good, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), saved);
    EXPECT_EQ(dir.count(), 3u);  // no temporary file left beside it
    EXPECT_TRUE(pages.LoadFromFile(good));
    EXPECT_EQ(pages.Count(), 40);
}
