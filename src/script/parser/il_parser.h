#pragma once
// TfsILParser: the generic grammar-driven parser. It walks the grammar of the selected
// language (see grammar/language_registry.h) against a source text, using TfsParser for the
// tokens, and writes the intermediate program into a TfsXMLDocument.
//
// Intermediate program: root "program"; its children are the elements the grammar's "node"
// and "add" attributes produce, in source order, followed by a copy of the grammar's "types"
// element (type aliases of the language: child name = alias, "type" = registered type).
//   node elements  <name pos="L:C">...</name>; "expr" also has pos1 = position after it
//   add elements   <name text="token or addtext" pos="L:C"/> (pos = right after the token;
//                  strings keep their outer single quotes, numbers are normalised)
// Units named by USES / #include / import / imports: the "file" elements inside the "uses"
// element are replaced by <uses unit="name"><program>...unit's program...</program></uses>.
// Declarations: PascalScript "var" holds the "ident"s, then optional "array", "type" and
// "init"; C++Script "var" holds "type" first, then per name an "ident" followed by its own
// optional "array" and "init"; JScript and BasicScript produce one "var" per name ("ident",
// optional "array", BasicScript optional "type", optional "init").
//
// Nesting is limited: at most kMaxNesting grammar rule levels (about 500 nested parentheses
// or begin-end blocks in PascalScript, 1000 braces in C++Script) and at most kStackBudget
// bytes of stack for the walk (which ends it earlier in builds with large frames, such as
// under AddressSanitizer). Deeper text fails with "Pregloboko gnezdenje" at the position
// where the limit was reached instead of exhausting the stack.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "script/parser/fs_parser.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

// A compile error of a script text.
struct ILError {
    std::string message;  // empty when there is no error
    int line = 0;
    int col = 0;
    std::string pos;   // "line:column"
    std::string unit;  // the unit (file name) the error is in; empty for the main text
};

// Supplies the text of a unit: return true and fill `unitText` to handle the request; return
// false to let the parser read the file of that name.
using GetUnitFn = std::function<bool(const std::string& unitName, std::string& unitText)>;

struct CompiledGrammar;
struct GrammarElement;

class TfsILParser {
public:
    static constexpr int kMaxNesting = 2000;  // rule references walked inside each other
    // Stack space the walk may use; deeper text fails like too many rule levels.
    static constexpr std::ptrdiff_t kStackBudget = 3 * 1024 * 1024;

    TfsILParser();
    ~TfsILParser();
    TfsILParser(const TfsILParser&) = delete;
    TfsILParser& operator=(const TfsILParser&) = delete;

    // Loads the grammar, resets and configures the tokenizer and the keywords. Raises
    // Exception("Jezik '<name>' ni najden") for an unknown name.
    void SelectLanguage(const std::string& name);
    const std::string& Language() const { return language_; }
    // False when the language creates undeclared variables on first use ("declarevars" 0).
    bool NeedDeclaration() const { return needDeclaration_; }
    // Identifier characters include every code from 128 on (takes effect on SelectLanguage).
    void SetExtendedCharset(bool on) { extendedCharset_ = on; }
    void SetOnGetUnit(GetUnitFn fn) { onGetUnit_ = std::move(fn); }

    // Parses `text` (a first line "#language NAME" switches the language) into `out`.
    // Returns true on success (err.message empty); otherwise `out` is left empty and `err`
    // holds the first error: message, line and column, and the unit it occurred in.
    // SelectLanguage must have been called (PascalScript is selected by the constructor).
    bool MakeIL(const std::string& text, TfsXMLDocument& out, ILError& err);

    TfsParser& Parser() { return parser_; }

private:
    struct Line;
    bool Walk(int element);
    bool WalkChildren(int element);
    bool WalkLoop(int element, int entry);
    [[gnu::noinline]] bool ReadSeparator(char32_t separator);
    [[gnu::noinline]] void EnterRule(const GrammarElement& e, int entry);
    [[gnu::noinline]] bool ReadToken(const GrammarElement& e);
    [[gnu::noinline]] bool ReadDataField();
    [[gnu::noinline]] void Succeeded(const GrammarElement& e, int entry, size_t entryOut);
    [[gnu::noinline]] void Failed(const GrammarElement& e, int entry, size_t entryOut);
    [[gnu::noinline]] void PushLine(uint8_t type, int name, int pos, std::string text = {});
    void RecordError(int message, int position, bool term);
    void ReplaceUnits(size_t from);
    std::unique_ptr<TfsXMLItem> BuildTree(size_t from, size_t to);
    std::string Pos(int position) const;

    TfsParser parser_;
    std::shared_ptr<const CompiledGrammar> grammar_;
    std::string language_;
    bool needDeclaration_ = true;
    bool extendedCharset_ = false;
    GetUnitFn onGetUnit_;

    // State of one MakeIL run.
    std::vector<Line> out_;
    std::vector<std::unique_ptr<TfsXMLItem>> subtrees_;
    std::vector<std::string>* usedUnits_ = nullptr;
    std::vector<std::string> ownUsedUnits_;
    int depth_ = 0;
    const char* stackBase_ = nullptr;  // frame address where the outermost MakeIL started
    int errMessage_ = -1;
    int errPosition_ = 0;
    bool errTerm_ = false;
    ILError fatal_;  // an error that no loop may clear (a failed unit, too deep nesting)
};

}  // namespace lumaro
