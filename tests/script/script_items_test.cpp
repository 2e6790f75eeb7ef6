#include <gtest/gtest.h>

#include "core/text.h"
#include "script/items/custom_variable.h"
#include "script/items/type_kinds.h"

namespace lumaro {
namespace {

TEST(ScriptTypeKinds, NamesShownInMessages) {
    EXPECT_EQ(TypeKindText(fvtInt, "Byte"), "Integer");
    EXPECT_EQ(TypeKindText(fvtFloat, "Double"), "Extended");
    EXPECT_EQ(TypeKindText(fvtClass, "TfrxMemoView"), "Class TfrxMemoView");
    EXPECT_EQ(TypeKindText(fvtEnum, "TfrxAlign"), "TfrxAlign");
    EXPECT_EQ(TypeKindText(fvtVariant, "Pointer"), "Variant");
}

TEST(ScriptTypeKinds, CompatibilityTable) {
    // Rows: target kinds; the string lists the accepted value kinds by number.
    const char* const accepted[] = {"0278", "17", "027", "347", "347", "7", "67", "0123456789", "07", ""};
    for (int t = 0; t <= 9; ++t)
        for (int v = 0; v <= 9; ++v) {
            const bool expect = std::string(accepted[t]).find(char('0' + v)) != std::string::npos;
            EXPECT_EQ(TypesCompatible(TfsVarType(t), "X", TfsVarType(v), "Y"), expect) << t << "<-" << v;
        }
    EXPECT_FALSE(TypesCompatible(fvtInt, "", fvtFloat, "", {}, true));
    EXPECT_TRUE(TypesCompatible(fvtEnum, "TfrxAlign", fvtEnum, "tfrxalign"));
    const TfsClassInherits inherits = [](std::string_view d, std::string_view b) {
        return sameText(d, "TfrxMemoView") && sameText(b, "TfrxView");
    };
    EXPECT_TRUE(TypesCompatible(fvtClass, "TfrxView", fvtClass, "TfrxMemoView", inherits));
    EXPECT_FALSE(TypesCompatible(fvtClass, "TfrxMemoView", fvtClass, "TfrxView", inherits));
}

TEST(ScriptItems, ValuesReadOnlyAndStrings) {
    TfsVariable v("x", fvtInt, "Integer");
    EXPECT_TRUE(v.Value().isNull());
    v.SetValue(5);
    EXPECT_EQ(v.ValueRef()->rawInt(), 5);
    TfsVariable c("k", fvtInt, "Integer", Variant(1), true);
    c.SetValue(2);
    EXPECT_EQ(c.Value().toInt(), 1);
    TfsStringVariable s("s", fvtString, "String");
    EXPECT_EQ(s.Value().rawString(), "");
    s.SetValue(12);
    EXPECT_TRUE(s.Value().identical(Variant("12")));
    TfsCustomVariable proc("p", fvtInt, "Integer");
    proc.Add(std::make_unique<TfsParamItem>("a", fvtVariant, "Variant", true, false))
        ->SetDefValue(Variant(3));
    EXPECT_EQ(proc.Count(), 1);
    EXPECT_EQ(proc.Params(0)->DefValue().toInt(), 3);
    EXPECT_EQ(proc.ValueRef(), nullptr);
}

}  // namespace
}  // namespace lumaro
