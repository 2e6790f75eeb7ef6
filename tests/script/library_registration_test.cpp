#include <gtest/gtest.h>

#include "support/raised.h"
#include "core/error.h"
#include "script/items/class_variable.h"
#include "script/library/event_adapters.h"
#include "script/library/libraries.h"
#include "script/library/script_objects.h"
#include "script/library/string_list.h"
#include "script/script.h"

using namespace lumaro;
using lumaro::testing::raisedMessage;

namespace {

Variant callMember(Object* instance, const char* cls, const char* member, std::vector<Variant> args = {}) {
    TfsClassVariable* c = fsGlobalUnit().FindClass(cls);
    if (!c) throw Exception(std::string("no class ") + cls);
    TfsCustomHelper* m = c->FindMember(member);
    if (!m) throw Exception(std::string("no member ") + member);
    return m->Read(instance, args);
}


}  // namespace

TEST(LibraryRegistration, FunctionsConstantsAndEnumerationsAreInTheGlobalScript) {
    TfsScript& g = fsGlobalUnit();
    auto* copy = dynamic_cast<TfsMethodHelper*>(g.FindItem("copy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Description(), "function Copy(s: String; from, count: Integer): String");
    EXPECT_EQ(copy->Category(), "ctString");
    std::vector<Variant> args{"ABCDEF", 3, 2};
    EXPECT_EQ(copy->Read(nullptr, args).toString(), "CD");

    struct Value { const char* name; int value; };
    for (const Value& v : {Value{"varString", 256}, Value{"fmCreate", 0xFFFF}, Value{"soFromEnd", 2},
                           Value{"dupError", 2}, Value{"poLandscape", 1}, Value{"fsItalic", 2},
                           Value{"mrYesToAll", 10}, Value{"crSizeAll", -22}, Value{"VK_F12", 123},
                           Value{"VK_SCROLL", 145}, Value{"mbHelp", 1024}}) {
        TfsCustomVariable* item = g.FindItem(v.name);
        ASSERT_NE(item, nullptr) << v.name;
        EXPECT_EQ(item->Value().toInt(), v.value) << v.name;
    }
    for (const char* cls : {"TStringList", "TfsXMLDocument", "TCanvas", "TForm", "TApplication", "TPrintDialog"})
        EXPECT_NE(g.FindClass(cls), nullptr) << cls;
    EXPECT_TRUE(g.ClassInherits("TStringList", "TPersistent"));
    EXPECT_TRUE(g.ClassInherits("TSaveDialog", "TComponent"));
    ASSERT_NE(g.FindItem("Application"), nullptr);
}

TEST(LibraryRegistration, EachLibraryIsTheOwnerOfWhatItAdded) {
    TfsScript script(nullptr);
    const auto libraries = standardLibraries();
    for (const ScriptLibrary& library : libraries) {
        script.SetAddedBy(&library);
        library.registerIn(script);
    }
    ASSERT_NE(script.FindLocal("TStringList"), nullptr);
    EXPECT_EQ(script.FindLocal("TStringList")->AddedBy(), &libraries[2]);
    EXPECT_EQ(script.FindLocal("IntToStr")->AddedBy(), &libraries[0]);
    script.ClearItems(&libraries[0]);
    EXPECT_EQ(script.FindLocal("IntToStr"), nullptr);
    EXPECT_NE(script.FindLocal("TStringList"), nullptr);
}

TEST(LibraryRegistration, ConstructorsMembersAndFree) {
    TfsClassVariable* stringList = fsGlobalUnit().FindClass("TStringList");
    const int before = ScriptObjects::instance().Count();
    Object* list = callMember(stringList, "TStringList", "Create").toObject();
    ASSERT_NE(dynamic_cast<TStringList*>(list), nullptr);
    EXPECT_EQ(callMember(list, "TStringList", "ClassName").toString(), "TStringList");
    EXPECT_EQ(callMember(stringList, "TStringList", "ClassName").toString(), "TStringList");
    callMember(list, "TStrings", "Add", {"b"});
    callMember(list, "TStrings", "Add", {"a"});
    TfsCustomHelper* sorted = fsGlobalUnit().FindClass("TStringList")->FindMember("Sorted");
    std::vector<Variant> none;
    sorted->Write(list, none, true);
    EXPECT_EQ(callMember(list, "TStrings", "Strings", {0}).toString(), "a");
    std::vector<Variant> find{"B", 0};
    TfsCustomHelper* findMember = fsGlobalUnit().FindClass("TStringList")->FindMember("Find");
    EXPECT_TRUE(findMember->Read(list, find).toBool());
    EXPECT_EQ(find[1].toInt(), 1);
    EXPECT_EQ(ScriptObjects::instance().Count(), before + 1);
    callMember(list, "TObject", "Free");
    EXPECT_EQ(ScriptObjects::instance().Count(), before);

    TStringList host;
    EXPECT_EQ(raisedMessage([&] { callMember(&host, "TObject", "Free"); }),
              "TObject.Free: the TStringList object belongs to the host and cannot be freed by the script");
    EXPECT_EQ(raisedMessage([&] { callMember(&host, "TStream", "Seek", {0, 0}); }),
              "TStream.Seek: the object is not a TStream");
    EXPECT_EQ(raisedMessage([&] { callMember(nullptr, "TCanvas", "TextOut", {0, 0, "x"}); }),
              "TCanvas.TextOut is not available without a display");
    EXPECT_EQ(raisedMessage([&] {
                  std::vector<Variant> a{"a", "b", "c"};
                  dynamic_cast<TfsMethodHelper*>(fsGlobalUnit().FindItem("InputBox"))->Read(nullptr, a);
              }),
              "InputBox is not available without a display");
}

TEST(LibraryRegistration, StreamsThroughTheirMembers) {
    Object* m = callMember(fsGlobalUnit().FindClass("TMemoryStream"), "TObject", "Create").toObject();
    EXPECT_EQ(callMember(m, "TStream", "Write", {"abcdef", 4}).toInt(), 4);
    EXPECT_EQ(callMember(m, "TStream", "Seek", {1, 0}).toInt(), 1);
    std::vector<Variant> read{"", 99};
    EXPECT_EQ(fsGlobalUnit().FindClass("TStream")->FindMember("Read")->Read(m, read).toInt(), 3);
    EXPECT_EQ(read[0].toString(), "bcd");
    callMember(m, "TObject", "Free");
}
