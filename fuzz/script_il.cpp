// Parses arbitrary text as a script: the first byte picks the language (unless
// SCRIPT_IL_LANGUAGE pins it), the rest is the source. Units named by the text are supplied
// from the text itself (a unit's source is its name), so unit handling is exercised without
// touching files. Parsing must end with success or an error with a position, and a
// successful result must read back as XML.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "script/parser/il_parser.h"

using namespace lumaro;

namespace {

const char* const kLanguages[] = {"PascalScript", "C++Script", "BasicScript", "JScript"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // SCRIPT_IL_LANGUAGE=0..3 pins the language, for runs that fuzz one language at a time.
    static const char* pinned = std::getenv("SCRIPT_IL_LANGUAGE");
    const std::string language = kLanguages[(pinned ? std::atoi(pinned) : data[0]) % 4];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    TfsILParser parser;
    parser.SelectLanguage(language);
    parser.SetOnGetUnit([](const std::string& unit, std::string& unitText) {
        unitText = unit;
        return true;
    });
    TfsXMLDocument il;
    ILError err;
    if (parser.MakeIL(text, il, err)) {
        CHECK(err.message.empty());
        CHECK(il.Root()->Name() == "program");
        TfsXMLDocument back;
        back.LoadFromString(il.SaveToString());
        CHECK(back.SaveToString() == il.SaveToString());
    } else {
        CHECK(!err.message.empty());
        CHECK(err.line >= 1 && err.col >= 1);
        CHECK(il.Root()->Count() == 0);
    }
    return 0;
}
