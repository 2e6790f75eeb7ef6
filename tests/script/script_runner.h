#pragma once
// Compiling and running small scripts in tests: a script whose parent is the global script,
// with a ShowMessage of its own that collects the texts as lines.
#include <memory>
#include <string>

#include "script/script.h"

namespace lumaro::testing {

struct ScriptRun {
    bool compiled = false;
    std::string error;   // compile message or run-time error text
    std::string pos;     // compile error position
    std::string output;  // ShowMessage texts, one line each
};

class TestScript {
public:
    explicit TestScript(const std::string& language = "PascalScript") : script_(&fsGlobalUnit()) {
        script_.SetSyntaxType(language);
        script_.AddMethod("procedure ShowMessage(Msg: Variant)",
                          [this](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>& p) {
                              output_ += p.empty() ? std::string() : p[0].toString();
                              output_ += "\n";
                              return Variant();
                          });
    }
    TfsScript& script() { return script_; }
    ScriptRun run(const std::string& text) {
        ScriptRun r;
        script_.SetText(text);
        r.compiled = script_.Compile();
        if (!r.compiled) {
            r.error = script_.ErrorMsg();
            r.pos = script_.ErrorPos();
            return r;
        }
        try {
            script_.Execute();
        } catch (const std::exception& e) {
            r.error = e.what();
        }
        r.output = output_;
        return r;
    }
    std::string& output() { return output_; }

private:
    TfsScript script_;
    std::string output_;
};

inline ScriptRun runScript(const std::string& text, const std::string& language = "PascalScript") {
    TestScript t(language);
    return t.run(text);
}

}  // namespace lumaro::testing
