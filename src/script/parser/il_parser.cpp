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

bool TfsILParser::Walk(int index) {
    const GrammarElement& e = grammar_->elements[static_cast<size_t>(index)];
    const int entry = parser_.Position();
    const size_t entryOut = out_.size();
    const bool wraps = e.node >= 0 && e.kind != GrammarKind::Switch && e.kind != GrammarKind::OptionalSwitch;
    if (wraps) {
        Line open;
        open.name = e.node;
        out_.push_back(std::move(open));
    }
    const size_t bodyOut = out_.size();
    bool ok = false;
    auto token = [&](bool read, bool converted) {
        if (!read || (!e.text.empty() && !(converted ? lowerCase(parser_.Value()) == e.text : parser_.TokenEquals(e.text))))
            return false;
        if (e.add >= 0) {
            Line add;
            add.type = Line::Empty;
            add.name = e.add;
            add.pos = parser_.Position();
            add.text = e.hasAddText ? e.addText : converted ? parser_.Value() : parser_.TokenText();
            out_.push_back(std::move(add));
        }
        return WalkChildren(index);
    };
    switch (e.kind) {
    case GrammarKind::Rule:
    case GrammarKind::Sequence:
        ok = WalkChildren(index);
        break;
    case GrammarKind::Reference:
        if (e.target < 0) throw Exception(kBadLanguageDefinition);
        if (++depth_ > kMaxNesting) throw NestingTooDeep{entry};
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
                out_.resize(bodyOut);
                break;
            }
        break;
    case GrammarKind::Loop:
    case GrammarKind::OptionalLoop: {
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
            const int after = parser_.Position();
            if (e.separator) {
                parser_.SkipBlanks();
                if (!parser_.ReadSymbolSpan() || parser_.At(parser_.TokenStart()) != e.separator) {
                    parser_.SetPosition(after);
                    break;
                }
            }
            if (parser_.Position() == start) break;
        }
        if (passes > 0) {
            ok = true;
            if (!errorAtEntry && errMessage_ >= 0 && (e.clearsError || errTerm_)) errMessage_ = -1;
        } else if (e.kind == GrammarKind::OptionalLoop) {
            ok = true;
            parser_.SetPosition(entry);
        }
        break;
    }
    case GrammarKind::Char:
        if (e.skipBlanks) parser_.SkipBlanks();
        ok = token(parser_.ReadSymbolSpan(), false);
        break;
    case GrammarKind::Keyword:
        ok = token(parser_.ReadWordSpan(), false);
        break;
    case GrammarKind::Ident:
        ok = token(parser_.ReadIdentifierSpan(), false);
        break;
    case GrammarKind::Number:
        ok = token(parser_.ReadNumberSpan(), true);
        break;
    case GrammarKind::String:
        ok = token(parser_.ReadStringSpan(), true);
        break;
    case GrammarKind::Eol:
        // The end of the text also ends the last line.
        ok = parser_.ReadLineEnd() || parser_.Position() > parser_.Size();
        if (ok) ok = WalkChildren(index);
        break;
    case GrammarKind::FrString:
        if (parser_.ReadAngleTextSpan()) {
            // A data-field reference: a call of "Get" with the text between the brackets.
            const int pos = parser_.Position();
            auto line = [&](Line::Type type, int name, std::string text = {}) {
                Line l;
                l.type = type;
                l.name = name;
                l.pos = pos;
                l.pos1 = pos;
                l.text = std::move(text);
                out_.push_back(std::move(l));
            };
            line(Line::Open, grammar_->nameDsgn);
            line(Line::Empty, grammar_->nameNode, "Get");
            line(Line::Open, grammar_->nameExpr);
            out_.back().hasPos1 = true;
            line(Line::Empty, grammar_->nameString, "'" + parser_.Value() + "'");
            line(Line::Close, grammar_->nameExpr);
            line(Line::Close, grammar_->nameDsgn);
            ok = WalkChildren(index);
        }
        break;
    }
    if (ok) {
        if (wraps) {
            const int end = parser_.Position();
            parser_.SetPosition(entry);
            parser_.SkipBlanks();
            Line& open = out_[entryOut];
            open.pos = parser_.Position();
            open.pos1 = end;
            open.hasPos1 = e.node == grammar_->nameExpr;
            parser_.SetPosition(end);
            Line close;
            close.type = Line::Close;
            close.name = e.node;
            out_.push_back(std::move(close));
            if (e.node == grammar_->nameUses) ReplaceUnits(entryOut);
        }
        const bool isToken = e.kind >= GrammarKind::Char && e.kind <= GrammarKind::String;
        if (e.add >= 0 && !isToken) {
            Line add;
            add.type = Line::Empty;
            add.name = e.add;
            add.pos = parser_.Position();
            add.text = e.addText;
            out_.push_back(std::move(add));
        }
        return true;
    }
    parser_.SetPosition(entry);
    out_.resize(entryOut);
    if (e.err >= 0 && errMessage_ < 0) {
        parser_.SkipBlanks();
        RecordError(e.err, parser_.Position(), e.term);
        parser_.SetPosition(entry);
    }
    return false;
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

std::unique_ptr<TfsXMLItem> TfsILParser::BuildTree(size_t from, size_t to) const {
    auto root = std::make_unique<TfsXMLItem>("program");
    std::vector<TfsXMLItem*> open{root.get()};
    auto& subtrees = const_cast<std::vector<std::unique_ptr<TfsXMLItem>>&>(subtrees_);
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
            open.back()->AddItem(std::move(subtrees[static_cast<size_t>(line.subtree)]));
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
