#include "report/xml/xml_item.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "report/xml/attribute_text.h"
#include "xml_test_util.h"

namespace lumaro {
namespace {

using testing::dump;

struct PropGetCase {
    const char* text;
    const char* name;
    const char* value;
};

TEST(XmlItemTest, PropGet) {
    const PropGetCase cases[] = {
        {" Name=\"Memo1\" DataSetName=\"ds\"", "name", "Memo1"},
        {" DataSetName=\"ds\"", "Name", ""},          // only the tail of a longer name
        {"Name=\"x\"", "NAME", "x"},                    // at the very start of the text
        {" a=\"1\" a=\"2\"", "a", "1"},                 // the first occurrence wins
        {" x=\"a&#13;&#10;b&#34;\"", "x", "a\r\nb\""},  // unescaped
        {" a=\"1", "a", "1"},                           // no closing quote: to the end
        {" a = \"1\"", "a", ""},                        // blanks around '=' do not match
        {" \xC4\x8C" "as=\"9\"", "\xC4\x8D" "AS", "9"},  // non-ASCII letters match without case
        {" b=\"v a=\" c=\"2\"", "a", " c="},            // the key is found inside another value
        {"", "a", ""},
    };
    for (const auto& c : cases) {
        TfrxXMLItem item;
        item.SetText(c.text);
        EXPECT_EQ(item.Prop(c.name), c.value) << c.text << " / " << c.name;
    }
}

struct PropSetCase {
    const char* text;
    const char* name;
    const char* value;
    const char* result;
};

TEST(XmlItemTest, PropSet) {
    const PropSetCase cases[] = {
        {"", "Name", "x", "Name=\"x\""},                                // no leading space
        {" a=\"1\" b=\"2\"", "A", "9", " A=\"9\" b=\"2\""},            // in place, case as given
        {" a=\"1\" b=\"2\"", "b", "", " a=\"1\" b=\"\""},
        {" a=\"1\" b=\"2\"", "c", "3", " a=\"1\" b=\"2\" c=\"3\""},    // appended
        {"a=\"1\"", "b", "q\"\r\n", "a=\"1\" b=\"q&#34;&#13;&#10;\""},
        {" a=\"1\" ", "b", "2", " a=\"1\" b=\"2\""},                   // after a space: none added
        {" a=\"1", "a", "2", " a=\"2\""},                               // unterminated value replaced
    };
    for (const auto& c : cases) {
        TfrxXMLItem item;
        item.SetText(c.text);
        item.SetProp(c.name, c.value);
        EXPECT_EQ(item.Text(), c.result) << c.text << " / " << c.name;
        EXPECT_EQ(item.Prop(c.name), c.value);
    }
}

TEST(XmlItemTest, ChildrenFindAndMove) {
    TfrxXMLItem root;
    TfrxXMLItem* a = root.Add();
    a->SetName("Page");
    TfrxXMLItem* b = root.Add();
    b->SetName("band");
    EXPECT_EQ(root.Find("PAGE"), 0);
    EXPECT_EQ(root.Find("none"), -1);
    EXPECT_EQ(root.FindItem("BAND"), b);
    TfrxXMLItem* c = root.FindItem("new");  // appended when missing
    EXPECT_EQ(dump(root), "(Page,band,new)");
    EXPECT_EQ(c->Parent(), &root);
    EXPECT_EQ(root.IndexOf(c), 2);

    // AddItem moves from the old parent; InsertItem then places it.
    TfrxXMLItem* inner = a->Add();
    inner->SetName("x");
    b->AddItem(inner);
    EXPECT_EQ(a->Count(), 0);
    EXPECT_EQ(inner->Parent(), b);
    root.InsertItem(0, inner);
    EXPECT_EQ(dump(root), "(x,Page,band,new)");
    root.InsertItem(3, inner);  // within the same list
    EXPECT_EQ(dump(root), "(Page,band,new,x)");
    EXPECT_THROW(root.InsertItem(9, inner), Exception);
    EXPECT_EQ(dump(root), "(Page,band,new,x)");  // a bad index changes nothing

    // Cycles and items without an owner are refused.
    EXPECT_THROW(b->AddItem(&root), Exception);
    TfrxXMLItem* bChild = b->Add();
    EXPECT_THROW(bChild->AddItem(b), Exception);
    EXPECT_THROW(root.Items(99), Exception);

    // Detaching removes an item from its parent.
    std::unique_ptr<TfrxXMLItem> gone = root.Items(0)->detach();
    EXPECT_EQ(gone->Parent(), nullptr);
    EXPECT_EQ(dump(root), "(band(),new,x)");
    root.AddItem(std::move(gone));
    EXPECT_EQ(dump(root), "(band(),new,x,Page)");
}

TEST(XmlItemTest, ClearOfAnUnloadableItemUnloadsIt) {
    TfrxXMLItem item;
    item.Add();
    item.Clear();
    EXPECT_TRUE(item.Loaded());
    item.Add();
    item.SetUnloadable(true);
    item.Clear();
    EXPECT_EQ(item.Count(), 0);
    EXPECT_FALSE(item.Loaded());
}

TEST(XmlItemTest, DestroyingADeepTreeDoesNotRecurse) {
    auto root = std::make_unique<TfrxXMLItem>();
    TfrxXMLItem* p = root.get();
    for (int i = 0; i < 1000000; ++i) p = p->Add();
    root.reset();  // would overflow the stack if destroyed recursively
}

struct ScanCase {
    const char* text;
    std::vector<std::pair<std::string, std::string>> pairs;
};

TEST(AttributeTextTest, ScannerWalksPairs) {
    const ScanCase cases[] = {
        {" Name=\"kos\" Value=\"10\"", {{"name", "kos"}, {"value", "10"}}},
        {"l=\"1\" T=\"2\"", {{"l", "1"}, {"t", "2"}}},
        {" Memo.Text=\"a&#13;&#10;b\"", {{"memo.text", "a&#13;&#10;b"}}},        // value stays raw
        {"  Font.NAME =\"Arial\"", {{"font.name", "Arial"}}},                   // trimmed
        {" a=\"1\"b=\"2\"", {{"a", "1"}}},  // no separating space: "b" is dropped, "=" has no name
        {" a=\"\" =\"x\" c=\"3\"", {{"a", ""}}},  // an empty name ends the walk
        {" a=\"open", {{"a", "open"}}},            // no closing quote: to the end
        {" \xC4\x8C=\"1\"", {{"\xC4\x8D", "1"}}},  // lower-cased beyond ASCII
        {"", {}},
        {"no quotes", {}},
    };
    for (const auto& c : cases) {
        AttributeScanner scan(c.text);
        std::vector<std::pair<std::string, std::string>> got;
        while (scan.next()) got.emplace_back(scan.name(), scan.value());
        EXPECT_EQ(got, c.pairs) << c.text;
    }
}

TEST(AttributeTextTest, AppendWritesPairsAsTheWriterDoes) {
    std::string out;
    appendAttribute(out, "l", "10");
    appendAttributeEscaped(out, "x", "a\"b");
    EXPECT_EQ(out, " l=\"10\" x=\"a&#34;b\"");
    AttributeScanner scan(out);
    ASSERT_TRUE(scan.next());
    EXPECT_EQ(scan.value(), "10");
}

}  // namespace
}  // namespace lumaro
