// TfsILParser: walks a compiled grammar against the source and collects the intermediate
// program as a flat list of lines (opening tags, closing tags, empty elements), which is
// turned into the XML tree once the walk has succeeded.
#include "script/parser/il_parser.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/error.h"
#include "core/text.h"
#include "script/parser/compiled_grammar.h"

namespace lumaro {

namespace {

constexpr const char* kTooDeep = "Pregloboko gnezdenje";

// Raised when the nesting limit is reached; unwinds the whole walk.
struct NestingTooDeep {
    int position;
};

}  // namespace

struct TfsILParser::Line {
    enum Type : uint8_t { Open, Close, Empty, Subtree };
    Type type = Open;
    bool hasPos1 = false;
    int name = -1;
    int pos = 0;
    int pos1 = 0;
    int subtree = -1;
    std::string text;
};

TfsILParser::TfsILParser() { SelectLanguage("PascalScript"); }
TfsILParser::~TfsILParser() = default;

void TfsILParser::SelectLanguage(const std::string& name) {
    grammar_ = CompiledGrammar::ForLanguage(name);
    language_ = name;
    grammar_->Configure(parser_);
    if (extendedCharset_) parser_.AddExtendedIdentChars();
    needDeclaration_ = grammar_->needDeclaration;
}

std::string TfsILParser::Pos(int position) const { return parser_.PositionText(position); }

void TfsILParser::RecordError(int message, int position, bool term) {
    if (errMessage_ >= 0) return;  // the first error wins
    errMessage_ = message;
    errPosition_ = position;
    errTerm_ = term;
}

bool TfsILParser::WalkChildren(int element) {
    for (int child : grammar_->elements[static_cast<size_t>(element)].children)
        if (!Walk(child)) return false;
    return true;
}

// The walk recurses once per grammar element, so Walk keeps its own frame small: everything
// that needs temporaries lives in the out-of-line helpers below.
bool TfsILParser::Walk(int index) {
    const GrammarElement& e = grammar_->elements[static_cast<size_t>(index)];
    const int entry = parser_.Position();
    const size_t entryOut = out_.size();
    const bool wraps = e.node >= 0 && e.kind != GrammarKind::Switch && e.kind != GrammarKind::OptionalSwitch;
    if (wraps) PushLine(Line::Open, e.node, 0);
    bool ok = false;
    switch (e.kind) {
    case GrammarKind::Rule:
    case GrammarKind::Sequence:
        ok = WalkChildren(index);
        break;
    case GrammarKind::Reference:
        EnterRule(e, entry);
        ok = Walk(e.target) && WalkChildren(index);
        --depth_;
        break;
    case GrammarKind::Switch:
    case GrammarKind::OptionalSwitch:
        for (int child : e.children)
            if (Walk(child)) {
                ok = true;
                break;
            }
        if (!ok && e.kind == GrammarKind::OptionalSwitch) ok = true;
        break;
    case GrammarKind::Optional:
        ok = true;
        for (int child : e.children)
            if (!Walk(child)) {
                parser_.SetPosition(entry);
                out_.resize(entryOut + (wraps ? 1 : 0));
                break;
            }
        break;
    case GrammarKind::Loop:
    case GrammarKind::OptionalLoop:
        ok = WalkLoop(index, entry);
        break;
    case GrammarKind::FrString:
        ok = ReadDataField() && WalkChildren(index);
        break;
    default:
        ok = ReadToken(e) && WalkChildren(index);
        break;
    }
    if (ok) {
        Succeeded(e, entry, entryOut);
        return true;
    }
    Failed(e, entry, entryOut);
    return false;
}

bool TfsILParser::WalkLoop(int index, int entry) {
    const GrammarElement& e = grammar_->elements[static_cast<size_t>(index)];
    const bool errorAtEntry = errMessage_ >= 0;
    int passes = 0;
    for (;;) {
        const int start = parser_.Position();
        const size_t startOut = out_.size();
        if (!WalkChildren(index)) {
            // A pass that fails leaves no trace; the loop ends before it.
            parser_.SetPosition(start);
            out_.resize(startOut);
            break;
        }
        ++passes;
        if (e.separator && !ReadSeparator(e.separator)) break;
        if (parser_.Position() == start) break;
    }
    if (passes > 0) {
        if (!errorAtEntry && errMessage_ >= 0 && (e.clearsError || errTerm_)) errMessage_ = -1;
        return true;
    }
    if (e.kind != GrammarKind::OptionalLoop) return false;
    parser_.SetPosition(entry);
    return true;
}

bool TfsILParser::ReadSeparator(char32_t separator) {
    const int after = parser_.Position();
    parser_.SkipBlanks();
    if (parser_.ReadSymbolSpan() && parser_.At(parser_.TokenStart()) == separator) return true;
    parser_.SetPosition(after);
    return false;
}

void TfsILParser::EnterRule(const GrammarElement& e, int entry) {
    if (e.target < 0) throw Exception(kBadLanguageDefinition);
    // Deep nesting ends the parse before the stack runs out: a fixed number of rule levels,
    // and a budget of stack space for builds whose frames are larger.
    const auto* here = static_cast<const char*>(__builtin_frame_address(0));
    const std::ptrdiff_t used = stackBase_ > here ? stackBase_ - here : here - stackBase_;
    if (++depth_ > kMaxNesting || used > kStackBudget) {
        --depth_;
        throw NestingTooDeep{entry};
    }
}

void TfsILParser::PushLine(uint8_t type, int name, int pos, std::string text) {
    Line line;
    line.type = static_cast<Line::Type>(type);
    line.name = name;
    line.pos = pos;
    line.pos1 = pos;
    line.text = std::move(text);
    out_.push_back(std::move(line));
}

bool TfsILParser::ReadToken(const GrammarElement& e) {
    bool converted = false, read = false;
    switch (e.kind) {
    case GrammarKind::Char:
        if (e.skipBlanks) parser_.SkipBlanks();
        read = parser_.ReadSymbolSpan();
        break;
    case GrammarKind::Keyword: read = parser_.ReadWordSpan(); break;
    case GrammarKind::Ident: read = parser_.ReadIdentifierSpan(); break;
    case GrammarKind::Number: read = converted = parser_.ReadNumberSpan(); break;
    case GrammarKind::String: read = converted = parser_.ReadStringSpan(); break;
    case GrammarKind::Eol:
        // The end of the text also ends the last line.
        return parser_.ReadLineEnd() || parser_.Position() > parser_.Size();
    default: break;
    }
    if (!read) return false;
    if (!e.text.empty() && !(converted ? lowerCase(parser_.Value()) == e.text : parser_.TokenEquals(e.text))) return false;
    if (e.add >= 0)
        PushLine(Line::Empty, e.add, parser_.Position(),
                 e.hasAddText ? e.addText : converted ? parser_.Value() : parser_.TokenText());
    return true;
}

bool TfsILParser::ReadDataField() {
    if (!parser_.ReadAngleTextSpan()) return false;
    // A data-field reference: a call of "Get" with the text between the brackets.
    const int pos = parser_.Position();
    PushLine(Line::Open, grammar_->nameDsgn, pos);
    PushLine(Line::Empty, grammar_->nameNode, pos, "Get");
    PushLine(Line::Open, grammar_->nameExpr, pos);
    out_.back().hasPos1 = true;
    PushLine(Line::Empty, grammar_->nameString, pos, "'" + parser_.Value() + "'");
    PushLine(Line::Close, grammar_->nameExpr, pos);
    PushLine(Line::Close, grammar_->nameDsgn, pos);
    return true;
}

void TfsILParser::Succeeded(const GrammarElement& e, int entry, size_t entryOut) {
    if (e.node >= 0 && e.kind != GrammarKind::Switch && e.kind != GrammarKind::OptionalSwitch) {
        // The node starts at the first token after the entry position.
        const int end = parser_.Position();
        parser_.SetPosition(entry);
        parser_.SkipBlanks();
        Line& open = out_[entryOut];
        open.pos = parser_.Position();
        open.pos1 = end;
        open.hasPos1 = e.node == grammar_->nameExpr;
        parser_.SetPosition(end);
        PushLine(Line::Close, e.node, end);
        if (e.node == grammar_->nameUses) ReplaceUnits(entryOut);
    }
    const bool isToken = e.kind >= GrammarKind::Char && e.kind <= GrammarKind::String;
    if (e.add >= 0 && !isToken) PushLine(Line::Empty, e.add, parser_.Position(), e.addText);
}

void TfsILParser::Failed(const GrammarElement& e, int entry, size_t entryOut) {
    parser_.SetPosition(entry);
    out_.resize(entryOut);
    if (e.err >= 0 && errMessage_ < 0) {
        parser_.SkipBlanks();
        RecordError(e.err, parser_.Position(), e.term);
        parser_.SetPosition(entry);
    }
}

void TfsILParser::ReplaceUnits(size_t from) {
    for (size_t i = out_.size(); i-- > from;) {
        Line& line = out_[i];
        if (line.type != Line::Empty || line.name != grammar_->nameFile) continue;
        std::string unit = line.text;
        if (unit.size() >= 2 && unit.front() == '\'' && unit.back() == '\'') unit = unit.substr(1, unit.size() - 2);
        std::vector<std::string>& used = usedUnits_ ? *usedUnits_ : ownUsedUnits_;
        std::string text;
        if (std::find(used.begin(), used.end(), unit) == used.end()) {
            used.push_back(unit);
            std::error_code ec;
            if ((!onGetUnit_ || !onGetUnit_(unit, text)) && std::filesystem::is_regular_file(unit, ec)) {
                // Only ordinary files: a device or a pipe named as a unit must not block the parse.
                std::ifstream in(unit, std::ios::binary);
                std::ostringstream buf;
                if (in) buf << in.rdbuf();
                text = buf.str();
            }
        }
        if (text.empty()) {
            out_.erase(out_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        TfsILParser sub;
        sub.extendedCharset_ = extendedCharset_;
        sub.SelectLanguage(language_);
        sub.onGetUnit_ = onGetUnit_;
        sub.usedUnits_ = &used;
        sub.depth_ = depth_;
        sub.stackBase_ = stackBase_;
        TfsXMLDocument doc;
        ILError err;
        if (!sub.MakeIL(text, doc, err)) {
            if (fatal_.message.empty()) {
                fatal_ = err;
                if (fatal_.unit.empty()) fatal_.unit = unit;
            }
            out_.erase(out_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        auto uses = std::make_unique<TfsXMLItem>("uses");
        uses->SetProp("unit", unit);
        TfsXMLItem* root = doc.Root();
        auto program = std::make_unique<TfsXMLItem>(root->Name(), root->Text());
        while (root->Count() > 0) program->AddItem(root->Release(0));
        uses->AddItem(std::move(program));
        line.type = Line::Subtree;
        line.subtree = static_cast<int>(subtrees_.size());
        subtrees_.push_back(std::move(uses));
    }
}

std::unique_ptr<TfsXMLItem> TfsILParser::BuildTree(size_t from, size_t to) {
    auto root = std::make_unique<TfsXMLItem>("program");
    std::vector<TfsXMLItem*> open{root.get()};
    for (size_t i = from; i < to; ++i) {
        const Line& line = out_[i];
        switch (line.type) {
        case Line::Open: {
            std::string attrs = " pos=\"" + Pos(line.pos) + "\"";
            if (line.hasPos1) attrs += " pos1=\"" + Pos(line.pos1) + "\"";
            open.push_back(open.back()->Add(grammar_->names[static_cast<size_t>(line.name)], std::move(attrs)));
            break;
        }
        case Line::Close:
            if (open.size() > 1) open.pop_back();
            break;
        case Line::Empty:
            open.back()->Add(grammar_->names[static_cast<size_t>(line.name)],
                             " text=\"" + fsXmlEscape(line.text) + "\" pos=\"" + Pos(line.pos) + "\"");
            break;
        case Line::Subtree:
            open.back()->AddItem(std::move(subtrees_[static_cast<size_t>(line.subtree)]));
            break;
        }
    }
    return root;
}

bool TfsILParser::MakeIL(const std::string& text, TfsXMLDocument& out, ILError& err) {
    out.Clear();
    err = ILError{};
    out_.clear();
    subtrees_.clear();
    errMessage_ = -1;
    errTerm_ = false;
    fatal_ = ILError{};
    if (!usedUnits_) ownUsedUnits_.clear();
    const int startDepth = depth_;
    if (!usedUnits_) stackBase_ = static_cast<const char*>(__builtin_frame_address(0));  // not a unit
    parser_.SetText(text);

    auto fail = [&](const std::string& message, int position) {
        err.message = message;
        parser_.LineCol(position, err.line, err.col);
        err.pos = std::to_string(err.line) + ":" + std::to_string(err.col);
        out_.clear();
        subtrees_.clear();
        return false;
    };

    int start = 1;
    if (parser_.At(1) == '#' && sameText(parser_.Slice(2, 10), "language")) {
        int end = 10;
        while (end <= parser_.Size() && parser_.At(end) != '\r' && parser_.At(end) != '\n') ++end;
        try {
            SelectLanguage(trim(parser_.Slice(10, end)));
        } catch (const Exception& e) {
            return fail(e.what(), 1);
        }
        if (parser_.At(end) == '\r') ++end;
        if (parser_.At(end) == '\n') ++end;
        start = end;
    }
    if (grammar_->program < 0) return fail(kBadLanguageDefinition, 1);
    parser_.SetPosition(start);

    bool ok = false;
    try {
        ok = Walk(grammar_->program);
    } catch (const NestingTooDeep& e) {
        depth_ = startDepth;
        return fail(kTooDeep, e.position);
    } catch (const Exception& e) {
        depth_ = startDepth;
        return fail(e.what(), parser_.Position());
    }
    if (!fatal_.message.empty()) {
        err = fatal_;
        out_.clear();
        subtrees_.clear();
        return false;
    }
    if (errMessage_ >= 0) return fail(grammar_->messages[static_cast<size_t>(errMessage_)], errPosition_);
    if (!ok) {
        parser_.SetPosition(start);
        parser_.SkipBlanks();
        const int message = grammar_->messageFallback;
        return fail(message >= 0 ? grammar_->messages[static_cast<size_t>(message)] : kBadLanguageDefinition,
                    parser_.Position());
    }
    auto root = BuildTree(0, out_.size());
    root->AddItem(grammar_->types->Clone());
    out.SetRoot(std::move(root));
    out_.clear();
    subtrees_.clear();
    return true;
}

}  // namespace lumaro
