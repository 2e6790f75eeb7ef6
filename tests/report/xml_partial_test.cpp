#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.h"
#include "support/temp_dir.h"
#include "xml_test_util.h"

namespace lumaro {
namespace {

namespace fs = std::filesystem;
using testing::dump;
using testing::loadString;
using testing::saveString;

// A prepared report: page1 and page3 are marked for partial loading; page2 is an empty
// element and keeps its mark.
const std::string kPrefix = "PREFIX";
const std::string kReport =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<preparedreport><previewpages>"
    "<page0 n=\"0\"><b t=\"1\"/></page0>"
    "<page1 n=\"1\" ld=\"0\"><b t=\"2\"><m x=\"\xC4\x8D\"/></b></page1>"
    "<page2 ld=\"0\"/>"
    "<page3 ld=\"0\"><b t=\"3\"/><b t=\"4\"/></page3>"
    "</previewpages></preparedreport>";

class PartialLoadingTest : public ::testing::Test {
protected:
    void SetUp() override { doc_.SetTempDir(dir_.string()); }

    // Loads `text` (after a prefix, so offsets are stream positions) with partial loading.
    void loadPartial(const std::string& text) {
        auto m = std::make_unique<MemoryStream>(kPrefix + text);
        m->SetPosition(static_cast<int64_t>(kPrefix.size()));
        doc_.LoadFromStream(std::move(m), true);
    }
    TfrxXMLItem* page(int i) const { return doc_.Root()->Items(0)->Items(i); }
    size_t tempFiles() const { return tmp_.count(); }

    ::lumaro::testing::TempDir tmp_{"partial"};
    const fs::path& dir_ = tmp_.path();
    TfrxXMLDocument doc_;
};

TEST_F(PartialLoadingTest, MarkedElementsStayInTheStream) {
    loadPartial(kReport);
    EXPECT_EQ(dump(*doc_.Root()),
              "preparedreport(previewpages(page0{n=\"0\"}(b{t=\"1\"}),page1{n=\"1\" },page2{ld=\"0\"},page3))");
    TfrxXMLItem* p1 = page(1);
    EXPECT_TRUE(p1->Unloadable());
    EXPECT_FALSE(p1->Loaded());
    EXPECT_EQ(p1->Offset(), static_cast<int64_t>((kPrefix + kReport).find("<page1")));
    EXPECT_FALSE(page(2)->Unloadable());
    EXPECT_TRUE(page(0)->Loaded());

    doc_.LoadItem(p1);
    EXPECT_TRUE(p1->Loaded());
    EXPECT_EQ(dump(*p1), "page1{n=\"1\" }(b{t=\"2\"}(m{x=\"\xC4\x8D\"}))");
    EXPECT_EQ(p1->Items(0)->Parent(), p1);
    doc_.LoadItem(p1);  // already loaded: nothing happens
    EXPECT_EQ(p1->Count(), 1);
}

TEST_F(PartialLoadingTest, UnloadToTheTemporaryFileAndBack) {
    loadPartial(kReport);
    TfrxXMLItem* p1 = page(1);
    TfrxXMLItem* p3 = page(3);
    doc_.LoadItem(p1);
    const std::string loaded = dump(*p1);
    EXPECT_EQ(doc_.tempFileName(), "");

    doc_.UnloadItem(p1);
    EXPECT_FALSE(p1->Loaded());
    EXPECT_EQ(p1->Count(), 0);
    ASSERT_NE(doc_.tempFileName(), "");
    EXPECT_EQ(fs::path(doc_.tempFileName()).parent_path(), dir_);
    EXPECT_EQ(fs::path(doc_.tempFileName()).filename().string().substr(0, 2), "fr");
    EXPECT_EQ(tempFiles(), 1u);

    // page1 now comes from the temporary file, page3 still from the loaded stream.
    doc_.LoadItem(p3);
    EXPECT_EQ(dump(*p3), "page3(b{t=\"3\"},b{t=\"4\"})");
    doc_.LoadItem(p1);
    EXPECT_EQ(dump(*p1), loaded);
    doc_.UnloadItem(p3);
    doc_.UnloadItem(p1);
    doc_.LoadItem(p3);
    doc_.LoadItem(p1);
    EXPECT_EQ(dump(*p1), loaded);
    EXPECT_EQ(dump(*p3), "page3(b{t=\"3\"},b{t=\"4\"})");

    doc_.UnloadItem(page(0));  // not unloadable: stays
    EXPECT_TRUE(page(0)->Loaded());

    doc_.Clear();
    EXPECT_EQ(tempFiles(), 0u);
    EXPECT_EQ(doc_.tempFileName(), "");
}

TEST_F(PartialLoadingTest, SavingWritesUnloadedElementsAndKeepsThemUnloaded) {
    loadPartial(kReport);
    doc_.LoadItem(page(1));
    doc_.UnloadItem(page(1));
    const auto tempSize = fs::file_size(doc_.tempFileName());
    const std::string saved = saveString(doc_);
    EXPECT_FALSE(page(1)->Loaded());
    EXPECT_FALSE(page(3)->Loaded());
    EXPECT_EQ(fs::file_size(doc_.tempFileName()), tempSize);

    TfrxXMLDocument full;
    loadString(full, saved);
    EXPECT_EQ(dump(*full.Root()),
              "preparedreport(previewpages(page0{n=\"0\"}(b{t=\"1\"}),"
              "page1{n=\"1\" }(b{t=\"2\"}(m{x=\"\xC4\x8D\"})),page2{ld=\"0\"},"
              "page3(b{t=\"3\"},b{t=\"4\"})))");
    // Saved again with partial loading, the same elements are unloadable.
    auto again = std::make_unique<MemoryStream>(saved);
    TfrxXMLDocument reread;
    reread.LoadFromStream(std::move(again), true);
    EXPECT_FALSE(reread.Root()->Items(0)->Items(1)->Loaded());
    EXPECT_FALSE(reread.Root()->Items(0)->Items(3)->Loaded());
}

TEST_F(PartialLoadingTest, Windows1250Document) {
    // \xE8 is č in Windows-1250; the offsets are byte positions of the original stream.
    std::string text = kReport;
    text.replace(text.find("\xC4\x8D"), 2, "\xE8");
    loadPartial(text);
    TfrxXMLItem* p1 = page(1);
    EXPECT_EQ(p1->Offset(), static_cast<int64_t>((kPrefix + text).find("<page1")));
    doc_.LoadItem(p1);
    EXPECT_EQ(p1->Items(0)->Items(0)->Prop("x"), "\xC4\x8D");
    doc_.UnloadItem(p1);
    doc_.LoadItem(p1);
    EXPECT_EQ(p1->Items(0)->Items(0)->Prop("x"), "\xC4\x8D");
}

TEST_F(PartialLoadingTest, ItemsWithoutBackingStayAsTheyAre) {
    // Without partial loading the marks are removed but nothing is unloaded.
    loadString(doc_, kReport);
    EXPECT_TRUE(page(1)->Loaded());
    EXPECT_EQ(page(1)->Count(), 1);
    // An unloadable item cleared by hand has nothing to come back from.
    TfrxXMLItem* p = doc_.Root()->Add();
    p->SetUnloadable(true);
    p->Add();
    p->Clear();
    doc_.LoadItem(p);
    EXPECT_FALSE(p->Loaded());
    EXPECT_EQ(p->Count(), 0);
    // Loading another document forgets the temporary file and the old stream.
    loadPartial(kReport);
    doc_.LoadItem(page(1));
    doc_.UnloadItem(page(1));
    TfrxXMLItem* p1 = page(1);
    loadPartial(kReport);
    EXPECT_EQ(tempFiles(), 0u);
    doc_.LoadItem(page(1));
    EXPECT_EQ(page(1)->Count(), 1);
    (void)p1;
}

TEST_F(PartialLoadingTest, FilesLoadAndSave) {
    const std::string name = (dir_ / "report.fp3").string();
    loadPartial(kReport);
    doc_.SaveToFile(name);
    TfrxXMLDocument fromFile;
    fromFile.LoadFromFile(name, true);
    fromFile.LoadItem(fromFile.Root()->Items(0)->Items(1));
    EXPECT_EQ(dump(*fromFile.Root()->Items(0)->Items(1)), "page1{n=\"1\" }(b{t=\"2\"}(m{x=\"\xC4\x8D\"}))");
    // Saving over the file the document was partially loaded from keeps the data readable.
    fromFile.SaveToFile(name);
    fromFile.LoadItem(fromFile.Root()->Items(0)->Items(3));
    EXPECT_EQ(fromFile.Root()->Items(0)->Items(3)->Count(), 2);
    EXPECT_THROW(fromFile.LoadFromFile((dir_ / "missing.fp3").string()), EFileError);
}

}  // namespace
}  // namespace lumaro
