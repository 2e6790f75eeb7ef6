// Compiles and runs arbitrary script text: the first byte picks the language, the rest is the
// program. A statement budget (OnRunLine calling Terminate) ends endless loops; ShowMessage
// writes nothing. Nothing may crash, hang or leak, whatever the text.
#include <cstdint>
#include <exception>
#include <string>

#include "script/library/system_functions.h"
#include "script/script.h"

using namespace lumaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096) return 0;
    static const char* const kLanguages[] = {"PascalScript", "C++Script", "JScript", "BasicScript"};
    static const bool quiet = [] {
        setShowMessageHook([](const std::string&) {});
        return true;
    }();
    (void)quiet;

    TfsScript script(&fsGlobalUnit());
    script.SetSyntaxType(kLanguages[data[0] % 4]);
    script.SetText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    int budget = 5000;
    script.OnRunLine = [&budget](TfsScript& sender, const std::string&, const std::string&) {
        if (--budget < 0) sender.Terminate();
    };
    try {
        if (script.Compile()) script.Execute();
        script.Evaluate("1 + 2");
    } catch (const std::exception&) {
        // run-time errors of the program
    }
    return 0;
}
