// Build errors of the program builder: message texts and the position of the element built.
#include <gtest/gtest.h>

#include "script/script_runner.h"

namespace lumaro::testing {
namespace {

struct Case {
    const char* language;
    const char* program;
    const char* error;
    const char* pos;
};

const Case kCases[] = {
    {"PascalScript", "begin x := 1 end.", "Nenaveden identifikator: 'x'", "1:8"},
    {"PascalScript", "var i: Integer; begin i := 1.5 end.", "Nezdružjivi tipi: 'Integer', 'Extended'", "1:23"},
    {"PascalScript", "var s: String; begin s := 1 end.", "Nezdružjivi tipi: 'String', 'Integer'", "1:22"},
    {"PascalScript", "var i: Integer; i: String; begin end.", "Ponovna navedba identifikatorja: 'i'", "1:18"},
    {"PascalScript", "procedure p; var a: Integer; a: Integer; begin end; begin end.",
     "Ponovna navedba identifikatorja: 'a'", "1:31"},
    {"PascalScript", "procedure p(a: Integer); begin end; begin p(1, 2) end.", "Preveč aktualnih parametrov", "1:44"},
    {"PascalScript", "procedure p(a, b: Integer); begin end; begin p(1) end.", "Ni dovolj aktualnih parametrov", "1:47"},
    {"PascalScript", "procedure p(var a: Integer); begin end; begin p(1) end.", "Zahtevana spremenljivka", "1:49"},
    {"PascalScript", "var x: TNoSuchType; begin end.", "Neznani tip: 'TNoSuchType'", "1:19"},
    {"PascalScript", "const c = 1; begin c := 2 end.", "Leva stran ne more biti dodeljena", "1:20"},
    {"PascalScript", "var s: String; begin for s := 1 to 2 do end.", "Spremenljivka v For zanki mora biti numerična",
     "1:27"},
    {"PascalScript", "var s: String; begin s.Length := 1 end.", "Niz nima lastnosti ali načina", "1:30"},
    {"PascalScript", "var i: Integer; begin i[1] := 1 end.", "Zahtevani Array type", "1:25"},
    {"PascalScript", "var i: Integer; begin i := 'a' - 1 end.", "Nezdružjivi tipi", "1:33"},
    // A local may have the name of a global.
    {"PascalScript", "var a: Integer; procedure p; var a: String; begin a := 'x' end; begin p end.", "", ""},
    // JScript and BasicScript create undeclared names as Variant variables.
    {"JScript", "x = 1; y = x + 1;", "", ""},
    {"BasicScript", "x = 1\ny = x + 1\n", "", ""},
    {"C++Script", "{ x = 1; }", "Nenaveden identifikator: 'x'", "1:4"},
};

TEST(BuilderErrors, MessagesAndPositions) {
    for (const Case& c : kCases) {
        const ScriptRun r = runScript(c.program, c.language);
        EXPECT_EQ(r.error, c.error) << c.program;
        EXPECT_EQ(r.compiled, std::string(c.error).empty()) << c.program;
        if (!r.compiled) {
            EXPECT_EQ(r.pos, c.pos) << c.program;
        }
    }
}

}  // namespace
}  // namespace lumaro::testing
