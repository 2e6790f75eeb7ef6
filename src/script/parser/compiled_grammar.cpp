// Compiling a grammar document into the element table the parser walks.
#include "script/parser/compiled_grammar.h"

#include <map>
#include <mutex>

#include "core/error.h"
#include "core/text.h"
#include "script/grammar/language_registry.h"
#include "script/parser/fs_parser.h"

namespace lumaro {

namespace {

const std::unordered_map<std::string, GrammarKind>& kindTable() {
    static const std::unordered_map<std::string, GrammarKind> table = {
        {"sequence", GrammarKind::Sequence},       {"switch", GrammarKind::Switch},
        {"optionalswitch", GrammarKind::OptionalSwitch}, {"loop", GrammarKind::Loop},
        {"optionalloop", GrammarKind::OptionalLoop}, {"optional", GrammarKind::Optional},
        {"char", GrammarKind::Char},               {"keyword", GrammarKind::Keyword},
        {"ident", GrammarKind::Ident},             {"number", GrammarKind::Number},
        {"string", GrammarKind::String},           {"frstring", GrammarKind::FrString},
        {"eol", GrammarKind::Eol},
    };
    return table;
}

class Compiler {
public:
    explicit Compiler(CompiledGrammar& g) : g_(g) {}

    void Run(const TfsXMLItem& root) {
        g_.language = root.Prop("text");
        // Rules first, so that references can be resolved while compiling.
        std::vector<const TfsXMLItem*> ruleItems;
        for (int i = 0; i < root.Count(); ++i) {
            const TfsXMLItem* item = root.Items(i);
            const std::string name = lowerCase(item->Name());
            if (name == "parser") {
                ReadParser(*item);
            } else if (name == "types") {
                g_.types = item->Clone();
            } else if (!rules_.count(name)) {
                GrammarElement rule;
                rule.kind = GrammarKind::Rule;
                rules_[name] = static_cast<int>(g_.elements.size());
                g_.elements.push_back(std::move(rule));
                ruleItems.push_back(item);
            }
        }
        for (const TfsXMLItem* item : ruleItems) {
            const int index = rules_[lowerCase(item->Name())];
            Attributes(*item, index);
            const std::vector<int> children = Children(*item);
            g_.elements[static_cast<size_t>(index)].children = children;
        }
        if (!g_.types) g_.types = std::make_unique<TfsXMLItem>("types");
        const auto program = rules_.find("program");
        g_.program = program == rules_.end() ? -1 : program->second;
        g_.nameDsgn = g_.Intern("dsgn");
        g_.nameNode = g_.Intern("node");
        g_.nameExpr = g_.Intern("expr");
        g_.nameString = g_.Intern("string");
        g_.nameUses = g_.Intern("uses");
        g_.nameFile = g_.Intern("file");
        const auto fallback = errorKeys_.find("err3");
        g_.messageFallback = fallback == errorKeys_.end() ? -1 : fallback->second;
    }

private:
    void ReadParser(const TfsXMLItem& parser) {
        for (int i = 0; i < parser.Count(); ++i) {
            const TfsXMLItem* item = parser.Items(i);
            const std::string name = lowerCase(item->Name());
            if (name == "keywords") {
                for (int k = 0; k < item->Count(); ++k) g_.keywords.push_back(item->Items(k)->Name());
            } else if (name == "errors") {
                for (int k = 0; k < item->Count(); ++k) {
                    errorKeys_[lowerCase(item->Items(k)->Name())] = static_cast<int>(g_.messages.size());
                    g_.messages.push_back(item->Items(k)->Prop("text"));
                }
            } else if (name == "declarevars") {
                g_.needDeclaration = item->Prop("text") != "0";
            } else {
                g_.settings.emplace_back(name, item->Prop("text"));
            }
        }
    }

    std::vector<int> Children(const TfsXMLItem& item) {
        std::vector<int> children;
        for (int i = 0; i < item.Count(); ++i) children.push_back(Element(*item.Items(i)));
        return children;
    }

    int Element(const TfsXMLItem& item) {
        const std::string name = lowerCase(item.Name());
        GrammarElement e;
        const auto kind = kindTable().find(name);
        if (kind != kindTable().end()) {
            e.kind = kind->second;
        } else {
            e.kind = GrammarKind::Reference;
            const auto rule = rules_.find(name);
            e.target = rule == rules_.end() ? -1 : rule->second;
        }
        const int index = static_cast<int>(g_.elements.size());
        g_.elements.push_back(std::move(e));
        Attributes(item, index);
        std::vector<int> children = Children(item);
        g_.elements[static_cast<size_t>(index)].children = std::move(children);
        return index;
    }

    void Attributes(const TfsXMLItem& item, int index) {
        GrammarElement& e = g_.elements[static_cast<size_t>(index)];
        const std::string text = item.Prop("text");
        if (e.kind == GrammarKind::Loop || e.kind == GrammarKind::OptionalLoop) {
            const std::u32string sep = toU32(text);
            e.separator = sep.empty() ? 0 : sep[0];
        } else {
            e.text = lowerCase(text);
        }
        const std::string err = lowerCase(item.Prop("err"));
        if (!err.empty()) {
            const auto key = errorKeys_.find(err);
            if (key == errorKeys_.end()) throw Exception(kBadLanguageDefinition);
            e.err = key->second;
        }
        e.term = item.Prop("term") == "1";
        const std::string skip = item.Prop("skip");
        e.skipBlanks = skip != "0";
        e.clearsError = skip == "1";
        const std::string node = item.Prop("node");
        if (!node.empty()) e.node = g_.Intern(node);
        const std::string add = item.Prop("add");
        if (!add.empty()) e.add = g_.Intern(add);
        e.hasAddText = item.HasProp("addtext");
        e.addText = item.Prop("addtext");
    }

    CompiledGrammar& g_;
    std::unordered_map<std::string, int> rules_;
    std::unordered_map<std::string, int> errorKeys_;
};

}  // namespace

int CompiledGrammar::Intern(const std::string& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    names.push_back(name);
    return static_cast<int>(names.size() - 1);
}

std::shared_ptr<const CompiledGrammar> CompiledGrammar::Compile(const std::string& grammarText) {
    TfsXMLDocument doc;
    try {
        doc.LoadFromString(grammarText);
    } catch (const Exception&) {
        throw Exception(kBadLanguageDefinition);
    }
    auto g = std::make_shared<CompiledGrammar>();
    Compiler(*g).Run(*doc.Root());
    return g;
}

std::shared_ptr<const CompiledGrammar> CompiledGrammar::ForLanguage(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const CompiledGrammar>> cache;
    const std::string& text = LanguageGrammar(name);  // raises for an unknown language
    std::lock_guard<std::mutex> lock(mutex);
    const std::string key = lowerCase(name);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, Compile(text)).first;
    return it->second;
}

void CompiledGrammar::Configure(TfsParser& parser) const {
    using Setter = void (*)(TfsParser&, std::string_view);
    static const std::unordered_map<std::string, Setter> setters = {
        {"identchars", [](TfsParser& p, std::string_view v) { p.SetIdentChars(v); }},
        {"commentline1", [](TfsParser& p, std::string_view v) { p.SetCommentLine1(v); }},
        {"commentline2", [](TfsParser& p, std::string_view v) { p.SetCommentLine2(v); }},
        {"commentblock1", [](TfsParser& p, std::string_view v) { p.SetBlockComment1(v); }},
        {"commentblock2", [](TfsParser& p, std::string_view v) { p.SetBlockComment2(v); }},
        {"stringquotes", [](TfsParser& p, std::string_view v) { p.SetStringQuote(v); }},
        {"hexsequence", [](TfsParser& p, std::string_view v) { p.SetHexSequence(v); }},
        {"skipeol", [](TfsParser& p, std::string_view v) { p.SetSkipEol(v != "0"); }},
        {"skipchar", [](TfsParser& p, std::string_view v) { p.SetSkipChar(v); }},
    };
    parser.ResetDefaults();
    for (const auto& [key, value] : settings) {
        const auto setter = setters.find(key);
        if (setter != setters.end()) setter->second(parser, value);
    }
    parser.SetKeywords(keywords);
}

}  // namespace lumaro
