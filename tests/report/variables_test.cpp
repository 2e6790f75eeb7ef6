#include "report/variables.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/format_settings.h"
#include "core/stream.h"
#include "report/xml/xml_document.h"
#include "support/oracle.h"
#include "support/temp_dir.h"

namespace lumaro {
namespace {

using Names = std::vector<std::string>;

// The names of the list in order, for comparing whole lists.
Names names(const TfrxVariables& v) {
    Names out;
    for (int i = 0; i < v.Count(); ++i) out.push_back(v.Items(i)->Name());
    return out;
}

// Fills a list from names; a name starting with a space is a category entry (Null value).
void fill(TfrxVariables& v, const Names& list) {
    v.Clear();
    for (const auto& n : list) {
        TfrxVariable* item = v.Add();
        item->SetName(n);
        if (n.empty() || n[0] != ' ') item->SetValue(Variant(n + "-value"));
    }
}

Names category(const TfrxVariables& v, const std::string& c) {
    Names out{"stale"};
    v.ListCategoryVariables(c, out);
    return out;
}

TEST(VariablesTest, SetAppendsOrReplacesAndGetFindsTheFirst) {
    TfrxVariables v;
    EXPECT_TRUE(v.Get("kos").isNull());
    v.Set("kos", Variant("10"));
    v.Set(" Norvik", Variant::null());
    EXPECT_EQ(names(v), (Names{"kos", " Norvik"}));
    EXPECT_EQ(category(v, "Norvik"), Names{});
    EXPECT_EQ(category(v, ""), Names{"kos"});

    v.Clear();
    v.Set(" Norvik", Variant::null());
    v.Set("datum", Variant("'17.5.2010'"));
    EXPECT_EQ(category(v, "norvik"), Names{"datum"});
    EXPECT_EQ(v.IndexOf("DATUM"), 1);
    v.Set("DATUM", Variant(5));  // replaces, keeps the stored name
    EXPECT_EQ(names(v), (Names{" Norvik", "datum"}));
    EXPECT_TRUE(v.Get("datum").identical(Variant(5)));

    // Two entries named x in different categories: only the first is seen.
    fill(v, {" A", "x", " B", "x"});
    v.Set("X", Variant(1));
    EXPECT_TRUE(v.Get("x").identical(Variant(1)));
    EXPECT_TRUE(v.Items(3)->Value().identical(Variant("x-value")));
    v.Remove("x");
    EXPECT_EQ(names(v), (Names{" A", " B", "x"}));
    v.Remove("nothing");
    EXPECT_EQ(v.Count(), 3);
}

struct CategoryCase {
    Names list;
    const char* category;
    Names afterAdd;      // after AddToCategory(category, "new")
    Names afterRemove;   // after RemoveCategory(category) on the original list
    Names variables;     // ListCategoryVariables(category) on the original list
};

TEST(VariablesTest, Categories) {
    const CategoryCase cases[] = {
        {{"u", " A", "a1", " B", "b1"}, "A",
         {"u", " A", "a1", "new", " B", "b1"}, {"u", " B", "b1"}, {"a1"}},
        {{"u", " A", "a1", " B", "b1"}, "b",
         {"u", " A", "a1", " B", "b1", "new"}, {"u", " A", "a1"}, {"b1"}},
        {{" A", " B"}, "A", {" A", "new", " B"}, {" B"}, {}},
        {{" A", "a1"}, "C", {" A", "a1"}, {" A", "a1"}, {}},     // no such category
        {{"u", "v", " A"}, "", {"u", "v", " A"}, {"u", "v", " A"}, {"u", "v"}},
        // An entry with an empty name ends a category's variables (but not AddToCategory's run).
        {{" A", "a1", "", "a2", " B"}, "A",
         {" A", "a1", "", "a2", "new", " B"}, {"", "a2", " B"}, {"a1"}},
    };
    for (const auto& c : cases) {
        TfrxVariables v;
        fill(v, c.list);
        EXPECT_EQ(category(v, c.category), c.variables) << c.category;
        v.AddToCategory(c.category, "new", Variant("1"));
        EXPECT_EQ(names(v), c.afterAdd) << c.category;
        fill(v, c.list);
        v.RemoveCategory(c.category);
        EXPECT_EQ(names(v), c.afterRemove) << c.category;
    }
}

TEST(VariablesTest, ListCategories) {
    TfrxVariables v;
    fill(v, {" A", "x", " B", " " + std::string(300, 'c')});
    Names list{"old"};
    v.ListCategories(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], "A");
    EXPECT_EQ(list[1], "B");
    EXPECT_EQ(list[2], std::string(255, 'c'));
    v.ListCategories(list, false);  // appends
    EXPECT_EQ(list.size(), 6u);
    fill(v, {" \xC4\x8D" + std::string(300, 'x')});
    v.ListCategories(list);
    EXPECT_EQ(list[0], "\xC4\x8D" + std::string(254, 'x'));  // 255 characters, not bytes
}

TEST(VariablesTest, CollectionOperations) {
    TfrxVariables v;
    TfrxVariable* a = v.Add();
    EXPECT_EQ(a->Name(), "");
    EXPECT_TRUE(a->Value().isNull());
    v.Insert(0)->SetName("first");
    v.Insert(2)->SetName("last");
    EXPECT_EQ(names(v), (Names{"first", "", "last"}));
    EXPECT_THROW(v.Insert(4), Exception);
    EXPECT_THROW(v.Items(3), Exception);
    v.Delete(1);
    EXPECT_EQ(names(v), (Names{"first", "last"}));

    TfrxVariables copy;
    copy.Add();
    v.Items(0)->SetValue(Variant(3.5));
    copy.Assign(v);
    EXPECT_EQ(names(copy), names(v));
    EXPECT_TRUE(copy.Items(0)->Value().identical(Variant(3.5)));
    EXPECT_NE(copy.Items(0), v.Items(0));

    TfrxVariable single;
    single.Assign(v.Items(0));
    EXPECT_EQ(single.Name(), "first");
    single.Assign(&copy);  // not a variable: ignored
    EXPECT_EQ(single.Name(), "first");
}

class VariablesFileTest : public ::testing::Test {
protected:
    std::string path(const std::string& n) const { return tmp_.file(n); }
    ::lumaro::testing::TempDir tmp_{"vars"};
};

TEST_F(VariablesFileTest, XmlForm) {
    ScopedFormatSettings sl(FormatSettings::slovenian());
    TfrxVariables v;
    v.Set(" Norvik", Variant::null());
    v.Set("kos", Variant(10));
    v.Set("cena", Variant(1.5));
    v.Set("lot", Variant("'A\"1'\r\n"));
    v.Add();  // empty name and value: an element without attributes
    MemoryStream m;
    v.SaveToStream(m);
    EXPECT_EQ(m.data(),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<variables>\r\n"
              "  <item Name=\" Norvik\"/>\r\n"
              "  <item Name=\"kos\" Value=\"10\"/>\r\n"
              "  <item Name=\"cena\" Value=\"1,5\"/>\r\n"
              "  <item Name=\"lot\" Value=\"'A&#34;1'&#13;&#10;\"/>\r\n"
              "  <item/>\r\n"
              "</variables>\r\n");

    TfrxVariables back;
    back.Set("stale", Variant(1));
    m.SetPosition(0);
    back.LoadFromStream(m);
    EXPECT_EQ(names(back), (Names{" Norvik", "kos", "cena", "lot", ""}));
    EXPECT_TRUE(back.Get(" Norvik").isNull());
    EXPECT_TRUE(back.Get("kos").identical(Variant("10")));  // every value comes back as text
    EXPECT_TRUE(back.Get("cena").identical(Variant("1,5")));
    EXPECT_TRUE(back.Get("lot").identical(Variant("'A\"1'\r\n")));
}

TEST_F(VariablesFileTest, ReadingTakesItemsOnly) {
    struct Case {
        std::string text;
        Names names;
    } cases[] = {
        {"<?xml?><Variables><ITEM Name=\"a\"/><other Name=\"b\"/><item value=\"1\" NAME=\"c\"/></Variables>",
         {"a", "c"}},
        {"<?xml?><style><item Name=\"a\"/></style>", {}},  // another root: empty list
        {"<?xml?><variables><item Name=\"a&#38;b\" Extra=\"x\"/></variables>", {"a&b"}},
    };
    for (const auto& c : cases) {
        TfrxVariables v;
        v.Set("stale", Variant(1));
        MemoryStream m(c.text);
        v.LoadFromStream(m);
        EXPECT_EQ(names(v), c.names) << c.text;
    }
    TfrxVariables v;
    v.Set("stale", Variant(1));
    MemoryStream bad("<?xml?><variables><item></other></variables>");
    EXPECT_THROW(v.LoadFromStream(bad), EFormatError);
    EXPECT_EQ(v.Count(), 0);
}

TEST_F(VariablesFileTest, FaultyValuesAreCollected) {
    MemoryStream m("<?xml?><variables><item Value=\"&#x;\" Name=\"a\"/></variables>");
    TfrxVariables v;
    Names errors;
    v.LoadFromStream(m, &errors);
    ASSERT_EQ(v.Count(), 1);
    EXPECT_EQ(v.Items(0)->Name(), "a");  // the other attribute is still applied
    EXPECT_EQ(errors, Names{"'x' is not a valid integer value"});
    m.SetPosition(0);
    v.LoadFromStream(m);  // without a list the fault is passed over
    EXPECT_EQ(v.Count(), 1);
}

TEST_F(VariablesFileTest, FilesAndSafeSaving) {
    TfrxVariables v;
    v.Set("koda", Variant("'3830000000000'"));
    const std::string name = path("slovar.fd3");
    v.SaveToFile(name);
    TfrxVariables back;
    back.LoadFromFile(name);
    EXPECT_TRUE(back.Get("koda").identical(Variant("'3830000000000'")));

    // A save that fails (here: a value that has no text) leaves the old file as it was.
    TfrxVariables broken;
    broken.Set("arr", Variant::arrayOf({Variant(1)}));
    EXPECT_THROW(broken.SaveToFile(name), Exception);
    back.LoadFromFile(name);
    EXPECT_TRUE(back.Get("koda").identical(Variant("'3830000000000'")));
    EXPECT_EQ(tmp_.count(), 1u);

    EXPECT_THROW(back.LoadFromFile(path("missing.fd3")), EFileError);
    EXPECT_THROW(v.SaveToFile(path("no/dir/x.fd3")), EFileError);
}

TEST_F(VariablesFileTest, XmllintReadsTheValuesWeWrite) {
    LUMARO_REQUIRE_ORACLE("xmllint");
    TfrxVariables v;
    v.Set(" Norvik", Variant::null());
    v.Set("lot", Variant("'\xC4\x8D<&>\"'"));
    const std::string name = path("v.fd3");
    v.SaveToFile(name);
    int status = 0;
    const std::string out = ::lumaro::testing::runCommand(
        "xmllint --xpath 'string(/variables/item[2]/@Value)' '" + name + "'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "'\xC4\x8D<&>\"'\n");
}

}  // namespace
}  // namespace lumaro
