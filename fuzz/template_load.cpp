// Loads arbitrary bytes as a label template and uses what was loaded: every object is copied
// with Assign, the report is saved, and the saved text is loaded and saved again, which must
// give the same text. Nothing may crash, hang or leak.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/report.h"
#include "report/registry/prop_access.h"

using namespace lumaro;

namespace {

#define check(ok) checkAt((ok), #ok, __LINE__)
void checkAt(bool ok, const char* what, int line) {
    if (ok) return;
    std::fprintf(stderr, "check failed at line %d: %s\n", line, what);
    std::abort();
}

std::string save(TfrxReport& report) {
    MemoryStream out;
    report.SaveToStream(out);
    check(isValidUtf8(out.data()));
    return out.data();
}

std::string loadAndSave(const std::string& text) {
    TfrxReport report;
    MemoryStream in(text);
    report.LoadFromStream(in);
    return save(report);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Half of the inputs have a password dialog that answers with the input's last byte.
    TfrxReport report;
    if (size % 2) report.Host().askPassword = [&](std::string& entered) {
        entered = std::string(1, input.back());
        return true;
    };
    MemoryStream in(input);
    try {
        report.LoadFromStream(in);
    } catch (const EFormatError&) {
        check(report.Objects().empty());
        return 0;
    }
    for (const std::string& e : report.Errors().lines()) check(isValidUtf8(e));

    // Every object copied into a fresh object of its class, every property read.
    for (TfrxComponent* c : report.AllObjects()) {
        TfrxComponent* copy = TfrxComponent::createByClass(c->classInfo(), c->Parent());
        if (!copy) continue;
        copy->Assign(*c);
        for (const PropInfo& p : c->classInfo().props) GetPropValue(*c, p);
        delete copy;
    }

    const std::string once = save(report);
    try {
        const std::string twice = loadAndSave(once);
        check(loadAndSave(twice) == twice);
    } catch (const EFormatError&) {
        check(false);  // what we write we read
    }
    return 0;
}
