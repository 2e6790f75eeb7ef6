#include <gtest/gtest.h>

#include "support/raised.h"
#include "script/library/collection.h"
#include "script/library/component.h"
#include "script/library/object_list.h"
#include "script/library/string_list.h"
#include "support/temp_dir.h"

using namespace lumaro;
using lumaro::testing::raisedWithClass;

TEST(LibraryClasses, StringListNamesValuesAndTexts) {
    TStringList l;
    l.Add("b=2");
    l.Add("A=1");
    l.Add("plain");
    EXPECT_EQ(l.Name(0), "b");
    EXPECT_EQ(l.Name(2), "");
    EXPECT_EQ(l.Value("a"), "1");
    l.SetValue("B", "two");
    l.SetValue("c", "3");
    l.SetValue("A", "");
    EXPECT_EQ(l.Text(), "B=two\r\nplain\r\nc=3\r\n");
    EXPECT_EQ(l.IndexOfName("C"), 2);
    EXPECT_EQ(l.IndexOf("PLAIN"), 1);

    l.SetText("x\r\ny\nz\r");
    EXPECT_EQ(l.Count(), 3);
    struct Comma { std::vector<std::string> lines; const char* text; };
    for (const Comma& c : {Comma{{"a", "b c", "d\"e", ""}, "a,\"b c\",\"d\"\"e\",\"\""},
                           Comma{{""}, "\"\""}, Comma{{}, ""}}) {
        l.Clear();
        for (const auto& s : c.lines) l.Add(s);
        EXPECT_EQ(l.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(back.Text(), l.Text()) << c.text;
    }
    l.SetCommaText(" a b,,\"c,d\" ,");
    EXPECT_EQ(l.Text(), "a\r\nb\r\n\r\nc,d\r\n");
}

TEST(LibraryClasses, SortedStringListFindAndDuplicates) {
    TStringList l;
    for (const char* s : {"pear", "Apple", "fig"}) l.Add(s);
    l.SetSorted(true);
    EXPECT_EQ(l.CommaText(), "Apple,fig,pear");
    int index = -1;
    EXPECT_TRUE(l.Find("FIG", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(l.Find("grape", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(l.Add("apple"), 0);  // dupIgnore keeps the line there
    EXPECT_EQ(l.Count(), 3);
    l.SetDuplicates(TDuplicates::dupAccept);
    l.Add("apple");
    EXPECT_EQ(l.Count(), 4);
    l.SetDuplicates(TDuplicates::dupError);
    EXPECT_EQ(raisedWithClass([&] { l.Add("Fig"); }), "EStringListError: String list does not allow duplicates");
    EXPECT_EQ(raisedWithClass([&] { l.Insert(0, "x"); }), "EStringListError: Operation not allowed on sorted string list");
    EXPECT_EQ(raisedWithClass([&] { l.Get(9); }), "EStringListError: List index out of bounds (9)");
}

TEST(LibraryClasses, StringListFilesAndAssign) {
    lumaro::testing::TempDir dir("strings");
    TStringList l;
    l.SetText("čšž\r\nline 2");
    l.SaveToFile(dir.file("a.txt"));
    TStringList back;
    back.LoadFromFile(dir.file("a.txt"));
    EXPECT_EQ(back.Text(), l.Text());
    TStringList copy;
    copy.Assign(&back);
    EXPECT_EQ(copy.Text(), l.Text());
    TList notStrings;
    EXPECT_EQ(raisedWithClass([&] { copy.Assign(&notStrings); }), "EConvertError: Cannot assign a TList to a TStringList");
    EXPECT_NE(raisedWithClass([&] { back.LoadFromFile(dir.file("missing.txt")); }).find("missing.txt"), std::string::npos);
}

TEST(LibraryClasses, ListCollectionAndComponentOwnership) {
    TList list;
    TStringList a, b;
    list.Add(&a);
    list.Insert(0, &b);
    EXPECT_EQ(list.IndexOf(&a), 1);
    EXPECT_EQ(list.Remove(&b), 0);
    EXPECT_EQ(list.Remove(&b), -1);
    EXPECT_EQ(raisedWithClass([&] { list.Delete(1); }), "EListError: List index out of bounds (1)");

    TCollection c;
    TCollectionItem* item = c.Add(std::make_unique<TCollectionItem>());
    c.Add(std::make_unique<TCollectionItem>());
    EXPECT_EQ(item->Collection(), &c);
    EXPECT_EQ(c.Items(1)->Index(), 1);

    auto* owner = new TComponent;
    auto* child = new TComponent(owner);
    new TComponent(child);
    EXPECT_EQ(child->Owner(), owner);
    delete child;  // leaves the owner's list
    EXPECT_TRUE(owner->Components().empty());
    new TComponent(owner);
    delete owner;  // and destroys what it owns (checked by the sanitizers)
}
