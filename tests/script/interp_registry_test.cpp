// The item registry of a script: enumerations, adding only new names, lookup through the
// parent chain without regard to case, the class of a host object, published properties and
// inherited default properties.
#include <gtest/gtest.h>

#include "script/items/class_variable.h"
#include "script/script_runner.h"

namespace lumaro::testing {
namespace {

struct Base : Object {
    int value = 3;
};
struct Derived : Base {};

TEST(InterpRegistry, EnumerationsConstantsAndLookup) {
    TfsScript parent(&fsGlobalUnit());
    TfsScript s(&parent);
    parent.AddEnum("TKind", "kOne, kTwo ,kThree");
    parent.AddEnumSet("TFlags", "fA,fB,fC");
    EXPECT_EQ(s.FindItem("KTWO")->GetValue().toInt(), 1);
    EXPECT_EQ(s.FindItem("kTwo")->Typ(), fvtEnum);
    EXPECT_EQ(s.FindItem("fc")->GetValue().toInt(), 4);
    EXPECT_EQ(s.FindLocal("kTwo"), nullptr);

    s.AddConst("Limit", "Integer", Variant(5));
    s.AddConst("limit", "Integer", Variant(6));   // present: nothing added
    s.AddVariable("True", "Integer", Variant(0));  // found in the global script
    EXPECT_EQ(s.FindItem("LIMIT")->GetValue().toInt(), 5);
    EXPECT_EQ(s.FindLocal("True"), nullptr);
    EXPECT_TRUE(s.FindItem("Limit")->IsReadOnly());
}

TEST(InterpRegistry, ClassesOfHostObjectsAndTheirProperties) {
    fsSetPublishedPropertySource([](const std::string& className) {
        std::vector<TfsPublishedProperty> list;
        if (className == "TBase")
            list.push_back({"Value", fvtInt, "", [](Object* o, TfsClassVariable*, const std::string&) {
                                return Variant(static_cast<Base*>(o)->value);
                            },
                            [](Object* o, TfsClassVariable*, const std::string&, const Variant& v) {
                                static_cast<Base*>(o)->value = v.toInt();
                            }});
        return list;
    });
    TestScript t;
    TfsScript& s = t.script();
    TfsClassVariable* base = s.AddClass<Base>("TBase", "");
    fsSetPublishedPropertySource({});
    base->AddDefaultProperty("Twice", "Integer", "Integer",
                             [](Object* o, TfsClassVariable*, const std::string&, std::vector<Variant>& p) {
                                 return Variant(static_cast<Base*>(o)->value * p[0].toInt());
                             });
    TfsClassVariable* derived = s.AddClass<Derived>("TDerived", "TBase");
    EXPECT_EQ(s.AddClass<Derived>("TDerived", "TBase"), nullptr);
    EXPECT_EQ(derived->DefaultProperty(), base->DefaultProperty());
    EXPECT_TRUE(s.ClassInherits("TDerived", "tbase"));

    Derived d;
    Base b;
    EXPECT_EQ(s.FindClassOf(&d), derived);
    EXPECT_EQ(s.FindClassOf(&b), base);
    s.AddObject("D", &d);
    EXPECT_EQ(s.FindItem("D")->TypeName(), "TDerived");

    const ScriptRun r = t.run("begin D.Value := D.Value + 4; ShowMessage(D[2]) end.");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "14\n");
    EXPECT_EQ(d.value, 7);
}

}  // namespace
}  // namespace lumaro::testing
