// The host side of the interpreter: host classes with properties, methods, indexed and
// default properties and events; host functions with optional parameters and macro
// functions; Terminate, Evaluate, CallFunction, OnRunLine and item removal.
#include <gtest/gtest.h>

#include "script/items/class_variable.h"
#include "script/items/custom_event.h"
#include "script/items/proc_variable.h"
#include "script/script_runner.h"

namespace lumaro::testing {
namespace {

struct Counter : Object {
    int value = 0;
    std::vector<std::string> items{"a", "b", "c"};
};

// The adapter of a notify event: the script procedure receives the sender.
struct NotifyEvent : TfsCustomEvent {
    using TfsCustomEvent::TfsCustomEvent;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        TfsScript& s = t.script();
        if (!s.FindClass("TObject")) s.AddClass<Object>("TObject", "");
        TfsClassVariable* c = s.AddClass<Counter>("TCounter", "TObject");
        c->AddProperty(
            "Value", "Integer", [](Object* o, TfsClassVariable*, const std::string&) {
                return Variant(static_cast<Counter*>(o)->value);
            },
            [](Object* o, TfsClassVariable*, const std::string&, const Variant& v) {
                static_cast<Counter*>(o)->value = v.toInt();
            });
        c->AddMethod("function Add(n: Integer; m: Integer = 10): Integer",
                     [](Object* o, TfsClassVariable*, const std::string& name, std::vector<Variant>& p) {
                         EXPECT_EQ(name, "ADD");
                         auto* counter = static_cast<Counter*>(o);
                         counter->value += p[0].toInt() + p[1].toInt();
                         return Variant(counter->value);
                     });
        c->AddDefaultProperty("Items", "Integer", "String",
                              [](Object* o, TfsClassVariable*, const std::string& name, std::vector<Variant>& p) {
                                  auto& items = static_cast<Counter*>(o)->items;
                                  const auto i = static_cast<size_t>(p[0].toInt());
                                  if (name == "ITEMS.SET") items.at(i) = p[1].toString();
                                  return Variant(items.at(i));
                              });
        c->AddEvent("OnChange", fsEventClass<NotifyEvent>());
        s.AddObject("Counter", &counter);
    }
    void TearDown() override { fsEventList().RemoveInstance(&counter); }

    Counter counter;
    TestScript t;
};

TEST_F(HostTest, PropertiesMethodsAndIndexedProperties) {
    const ScriptRun r = t.run(
        "var c: TCounter; begin Counter.Value := 5; ShowMessage(Counter.Value); ShowMessage(Counter.Add(1));"
        " ShowMessage(Counter.Add(1, 2)); Counter.Items[1] := 'x'; ShowMessage(Counter.Items[1] + Counter[2]);"
        " c := TCounter(Counter); with c do begin Value := 1; ShowMessage(Add(0, 0)) end;"
        " if Counter is TCounter then ShowMessage('is') end.");
    ASSERT_TRUE(r.compiled) << r.error << " at " << r.pos;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "5\n16\n19\nxc\n1\nis\n");
    EXPECT_EQ(counter.items[1], "x");
}

// Members of an object held by a Variant are found when the program runs.
TEST_F(HostTest, LateBoundMembersOfVariantValues) {
    TestScript js("JScript");
    js.script().SetParent(&t.script());  // the host class and the object
    const ScriptRun r = js.run(
        "var c = Counter; c.Value = 5; c.Items[0] = \"q\"; c[1] = c[1] + \"!\";"
        " ShowMessage(c[0] + c.Items[1]); ShowMessage(c.Add(1)); ShowMessage(c.Nothing);");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.output, "qb!\n16\n");
    EXPECT_EQ(r.error, "Nenaveden identifikator: 'Nothing'");
}

TEST_F(HostTest, MemberErrorsWhenBuilt) {
    const struct {
        const char* program;
        const char* error;
    } cases[] = {
        {"begin Counter.Nothing := 1 end.", "Nenaveden identifikator: 'Nothing'"},
        {"begin Counter.Add(1, 2, 3) end.", "Preveč aktualnih parametrov"},
        {"begin Counter.Add end.", "Ni dovolj aktualnih parametrov"},
        {"begin Counter.Add(1) := 2 end.", "Leva stran ne more biti dodeljena"},
        {"begin Counter.Items := 'a' end.", "Zahtevani Index"},
    };
    for (const auto& c : cases) {
        TestScript fresh;
        fresh.script().AddObject("Counter", &counter);
        const ScriptRun r = t.run(c.program);
        EXPECT_EQ(r.error, c.error) << c.program;
    }
}

TEST_F(HostTest, EventsCallScriptProceduresUntilCleared) {
    ScriptRun r = t.run(
        "procedure Changed(Sender: TCounter); begin ShowMessage(Sender.Value) end;"
        " begin Counter.Value := 7; Counter.OnChange := 'Changed' end.");
    ASSERT_TRUE(r.compiled) << r.error;
    std::vector<Variant> args{Variant(static_cast<Object*>(&counter))};
    EXPECT_TRUE(fsEventList().Fire(&counter, "OnChange", args));
    EXPECT_EQ(t.output(), "7\n");

    // Compiling again keeps the earlier statements; the new one runs after them.
    r = t.run("begin Counter.OnChange := '0' end.");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(fsEventList().Find(&counter, "OnChange"), nullptr);

    r = t.run("begin Counter.OnChange := 'NoSuchProc' end.");
    EXPECT_EQ(r.error, "Event handler mora biti procedura");
}

TEST_F(HostTest, TerminateFromACallbackStopsBeforeTheNextStatement) {
    t.script().AddMethod("procedure Stop", [this](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>&) {
        t.script().Terminate();
        return Variant();
    });
    const ScriptRun r = t.run(
        "procedure p(n: Integer); begin ShowMessage(n); if n = 3 then Stop; p(n + 1); ShowMessage('back') end;"
        " begin p(1); ShowMessage('after') end.");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "1\n2\n3\n");
    // The next Execute runs again from the start.
    t.output().clear();
    t.script().Execute();
    EXPECT_EQ(t.output(), "1\n2\n3\n");
}

TEST_F(HostTest, HostFunctionDefaultsAndMacroTexts) {
    std::vector<Variant> seen;
    t.script().AddConst("cDefault", "Integer", Variant(42));
    t.script().AddMethod("function Def(a: Integer; b: Integer = -3; c: String = 'x y'; d: Variant = cDefault;"
                         " e: Variant = Unknown): Integer",
                         [&](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>& p) {
                             seen = p;
                             return Variant(0);
                         });
    t.script().AddMethod("macrofunction Text(Expr: Variant; Other: Integer = 2): String",
                         [](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>& p) {
                             return Variant(p[0].toString() + "|" + p[1].toString());
                         });
    const ScriptRun r = t.run("begin Def(1); ShowMessage(Text(Undeclared  +  1)) end.");
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1].toInt(), -3);
    EXPECT_EQ(seen[2].toString(), "x y");
    EXPECT_EQ(seen[3].toInt(), 42);
    EXPECT_TRUE(seen[4].isNull());
    EXPECT_EQ(r.output, "Undeclared  +  1|2\n");
}

TEST_F(HostTest, EvaluateAndCallFunction) {
    TfsScript& s = t.script();
    Variant inside;
    s.AddMethod("procedure Peek", [&](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>&) {
        inside = s.Evaluate("Local * 2");
        return Variant();
    });
    const ScriptRun r = t.run(
        "var g: Integer; procedure p; var Local: Integer; begin Local := 21; Peek end;"
        " function twice(a: Integer; var b: Integer): Integer; begin b := a + 1; Result := a * 2 end;"
        " begin g := 5; p end.");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(inside.toInt(), 42);
    EXPECT_EQ(s.Evaluate("g + 1").toInt(), 6);
    EXPECT_EQ(s.Evaluate("g +* 1").toString(), "';' expected");
    EXPECT_EQ(s.Evaluate("nothere").toString(), "Nenaveden identifikator: 'nothere'");

    Variant params = Variant::arrayOf({Variant(4), Variant(0)});
    EXPECT_EQ(s.CallFunction("twice", params).toInt(), 8);
    EXPECT_EQ(s.CallFunctionVar("twice", params).toInt(), 8);
    EXPECT_EQ(params.at({1}).toInt(), 5);
    EXPECT_TRUE(s.CallFunction("g").isNull());
}

TEST_F(HostTest, RunLinesAndItemRemoval) {
    TfsScript& s = t.script();
    std::string lines;
    s.OnRunLine = [&](TfsScript&, const std::string& unit, const std::string& pos) { lines += unit + pos + " "; };
    const int owner = 0;
    s.SetAddedBy(&owner);
    s.AddVariable("Temp", "Integer", Variant(1));
    s.SetAddedBy(nullptr);
    const ScriptRun r = t.run("var i: Integer;\nbegin\n  for i := 1 to 2 do\n    Temp := i\nend.");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(lines, "3:3 4:5 4:5 ");
    EXPECT_TRUE(s.IsExecutableLine(4));
    EXPECT_FALSE(s.IsExecutableLine(2));
    EXPECT_EQ(s.ExecutableLines(), "3,4");
    s.ClearItems(&owner);
    EXPECT_EQ(s.FindLocal("Temp"), nullptr);
    EXPECT_NE(s.FindLocal("i"), nullptr);
    EXPECT_EQ(s.ExecutableLines(), "");
}

}  // namespace
}  // namespace lumaro::testing
