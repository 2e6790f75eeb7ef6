#pragma once
// A language grammar compiled once from its XML text into a flat table of elements, so
// that parsing walks integers instead of XML attributes.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "script/xml/fs_xml.h"

namespace lumaro {

class TfsParser;

enum class GrammarKind : uint8_t {
    Rule,
    Reference,
    Sequence,
    Switch,
    OptionalSwitch,
    Loop,
    OptionalLoop,
    Optional,
    Char,
    Keyword,
    Ident,
    Number,
    String,
    FrString,
    Eol,
};

struct GrammarElement {
    GrammarKind kind = GrammarKind::Sequence;
    bool term = false;        // a failure here may end a loop
    bool skipBlanks = true;   // "char": skip blanks first ("skip" = "0" turns it off)
    bool clearsError = false; // loops: "skip" = "1" clears an error recorded inside
    int err = -1;             // index into messages
    int node = -1;            // index into names
    int add = -1;             // index into names
    bool hasAddText = false;
    std::string addText;
    std::string text;         // tokens: lower-case text the token must equal
    char32_t separator = 0;   // loops
    int target = -1;          // references: the rule element, -1 when the rule is missing
    std::vector<int> children;
};

struct CompiledGrammar {
    std::string language;
    std::vector<GrammarElement> elements;
    std::vector<std::string> names;
    std::vector<std::string> messages;
    std::vector<std::pair<std::string, std::string>> settings;  // lower-case key, value
    std::vector<std::string> keywords;
    bool needDeclaration = true;
    int program = -1;      // the rule "program"
    std::unique_ptr<TfsXMLItem> types;
    // Names used by the parser itself.
    int nameDsgn = -1, nameNode = -1, nameExpr = -1, nameString = -1, nameUses = -1, nameFile = -1;
    int messageFallback = -1;  // "err3", reported when the walk fails without an error

    // Parses and compiles a grammar text; raises Exception("Napačna določitev jezika") for a
    // grammar that cannot be read.
    static std::shared_ptr<const CompiledGrammar> Compile(const std::string& grammarText);
    // The compiled grammar of a registered language, compiled on first use.
    static std::shared_ptr<const CompiledGrammar> ForLanguage(const std::string& name);

    // Resets `parser` and applies the grammar's tokenizer settings and keywords.
    void Configure(TfsParser& parser) const;

    int Intern(const std::string& name);
};

inline const char* const kBadLanguageDefinition = "Napačna določitev jezika";

}  // namespace lumaro
