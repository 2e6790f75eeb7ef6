#include "script/builder/program_builder.h"

#include <cstdlib>

#include "core/text.h"
#include "core/variant_ops.h"
#include "script/designator.h"
#include "script/expression/expression.h"
#include "script/items/class_variable.h"
#include "script/items/proc_variable.h"
#include "script/script_errors.h"
#include "script/statements/statements.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

namespace {

bool is(const TfsXMLItem* e, std::string_view name) { return e && sameText(e->Name(), name); }

std::vector<TfsXMLItem*> childrenNamed(const TfsXMLItem* e, std::string_view name) {
    std::vector<TfsXMLItem*> out;
    for (int i = 0; i < e->Count(); ++i)
        if (is(e->Items(i), name)) out.push_back(e->Items(i));
    return out;
}

// "line:column" -> line and column (0 when missing).
void splitPos(const std::string& pos, int& line, int& col) {
    line = std::atoi(pos.c_str());
    const size_t colon = pos.find(':');
    col = colon == std::string::npos ? 0 : std::atoi(pos.c_str() + colon + 1);
}

}  // namespace

TfsProgramBuilder::TfsProgramBuilder(TfsScript& script, bool needDeclaration, std::vector<std::string> sourceLines)
    : script_(&script), main_(&script), needDeclaration_(needDeclaration), sourceLines_(std::move(sourceLines)) {}

TfsProgramBuilder::~TfsProgramBuilder() = default;

void TfsProgramBuilder::fail(const std::string& message) const { throw TfsBuildError(message, pos_); }

void TfsProgramBuilder::setPos(const TfsXMLItem* element) {
    std::string p = element->Prop("pos");
    if (!p.empty()) pos_ = std::move(p);
}

int TfsProgramBuilder::line() const { return std::atoi(pos_.c_str()); }

void TfsProgramBuilder::Build(TfsXMLItem* program) {
    TfsXMLItem* typesWas = types_;
    if (TfsXMLItem* t = program->FindItem("types")) types_ = t;
    predeclare(program);
    buildElements(program, script_->MainBlock());
    types_ = typesWas;
}

// ---- Types

bool TfsProgramBuilder::resolveTypeName(const std::string& name, TfsVarType& kind, std::string& typeName) const {
    std::string n = name;
    if (types_)
        if (TfsXMLItem* alias = types_->FindItem(name)) n = alias->Prop("type");
    if (script_->ResolveType(n, kind, typeName)) return true;
    return false;
}

TfsCustomVariable* TfsProgramBuilder::createVariable(const std::string& name, TfsXMLItem* type, TfsXMLItem* array) {
    if (script_->FindLocal(name)) fail(kIdentifierRedeclared + quoted(name));
    TfsVarType kind = fvtVariant;
    std::string typeName = "Variant";
    if (type) {
        const std::string t = type->Prop("text");
        if (!resolveTypeName(t, kind, typeName)) {
            setPos(type);
            fail(kUnknownType + quoted(t));
        }
    }
    std::unique_ptr<TfsCustomVariable> v;
    if (array) {
        std::vector<std::pair<int, int>> bounds;
        for (TfsXMLItem* dim : childrenNamed(array, "dim")) {
            std::vector<TfsXMLItem*> exprs = childrenNamed(dim, "expr");
            if (exprs.empty()) continue;
            const int a = buildExpression(exprs[0])->GetValue().toInt();
            if (exprs.size() > 1)
                bounds.push_back({a, buildExpression(exprs[1])->GetValue().toInt()});
            else
                bounds.push_back({0, a - 1});
        }
        if (bounds.empty()) bounds.push_back({0, 0});
        // Refuse absurd sizes instead of exhausting memory.
        long long cells = 1;
        for (auto& [lo, hi] : bounds) {
            if (hi < lo) hi = lo - 1;
            cells *= static_cast<long long>(hi) - lo + 1;
            if (cells > 10'000'000) fail(kArrayIndexOutOfBounds);
        }
        v = std::make_unique<TfsVariable>(name, fvtArray, typeName, Variant::arrayWithBounds(bounds), false);
    } else if (kind == fvtString || kind == fvtChar) {
        v = std::make_unique<TfsStringVariable>(name, kind, typeName);
    } else {
        v = std::make_unique<TfsVariable>(name, kind, typeName);
    }
    v->SetSourcePos(pos_);
    return script_->AddItem(name, std::move(v));
}

// ---- Declarations

void TfsProgramBuilder::predeclare(TfsXMLItem* container) {
    for (int i = 0; i < container->Count(); ++i) {
        TfsXMLItem* e = container->Items(i);
        if (is(e, "procedure") || is(e, "function"))
            declareProc(e);
        else if (is(e, "compoundstmt"))
            predeclare(e);
    }
}

TfsProcVariable* TfsProgramBuilder::declareProc(TfsXMLItem* element) {
    setPos(element);
    TfsXMLItem* nameItem = element->FindItem("name");
    const std::string name = nameItem ? nameItem->Prop("text") : std::string();
    if (nameItem) setPos(nameItem);
    if (script_->FindLocal(name)) fail(kIdentifierRedeclared + quoted(name));

    bool isFunc = is(element, "function");
    TfsVarType kind = fvtVariant;
    std::string typeName = "Variant";
    if (TfsXMLItem* type = element->FindItem("type")) {
        const std::string t = type->Prop("text");
        if (sameText(t, "void")) {
            isFunc = false;
        } else {
            setPos(type);
            if (!resolveTypeName(t, kind, typeName)) fail(kUnknownType + quoted(t));
            isFunc = true;
        }
    }
    auto owned = std::make_unique<TfsProcVariable>(name, kind, typeName, script_, isFunc);
    TfsProcVariable* proc = owned.get();
    proc->SetSourcePos(pos_);
    element->SetData(proc);
    script_->AddItem(name, std::move(owned));

    TfsScript* outer = script_;
    script_ = proc->Prog();
    if (TfsXMLItem* params = element->FindItem("parameters")) {
        bool byRefGroup = false;
        for (int i = 0; i < params->Count(); ++i) {
            TfsXMLItem* g = params->Items(i);
            if (is(g, "varparams")) {
                byRefGroup = true;
                continue;
            }
            if (!is(g, "var")) continue;
            const bool byRef = byRefGroup || g->FindItem("varparam");
            byRefGroup = false;
            TfsXMLItem* type = nullptr;
            TfsXMLItem* init = nullptr;
            for (int k = 0; k < g->Count(); ++k) {
                if (is(g->Items(k), "type") && !type) type = g->Items(k);
                if (is(g->Items(k), "init")) init = g->Items(k);
            }
            for (TfsXMLItem* ident : childrenNamed(g, "ident")) {
                setPos(ident);
                const std::string pname = ident->Prop("text");
                TfsCustomVariable* local = createVariable(pname, type, nullptr);
                auto param = std::make_unique<TfsParamItem>(pname, local->Typ(), local->TypeName(), false, byRef);
                if (init)
                    if (TfsXMLItem* e = init->FindItem("expr")) {
                        param->SetIsOptional(true);
                        param->SetDefValue(buildExpression(e)->GetValue());
                    }
                const int index = proc->Count();
                proc->Add(std::move(param));
                proc->SetParamVariable(index, local);
            }
        }
    }
    if (isFunc) {
        std::unique_ptr<TfsCustomVariable> result;
        if (kind == fvtString || kind == fvtChar)
            result = std::make_unique<TfsStringVariable>("Result", kind, typeName);
        else
            result = std::make_unique<TfsVariable>("Result", kind, typeName);
        proc->SetResultVariable(script_->AddItem("Result", std::move(result)));
    }
    script_ = outer;
    return proc;
}

void TfsProgramBuilder::buildProcBody(TfsXMLItem* element) {
    auto* proc = static_cast<TfsProcVariable*>(element->Data());
    if (!proc) return;
    TfsScript* outer = script_;
    std::vector<WithEntry> withsOuter;
    withsOuter.swap(withs_);
    script_ = proc->Prog();
    predeclare(element);
    for (int i = 0; i < element->Count(); ++i) {
        TfsXMLItem* e = element->Items(i);
        if (is(e, "name") || is(e, "type") || is(e, "parameters")) continue;
        buildElement(e, script_->MainBlock());
    }
    script_ = outer;
    withs_.swap(withsOuter);
}

void TfsProgramBuilder::buildVar(TfsXMLItem* element, TfsStatement& block) {
    setPos(element);
    // PascalScript lists the names first and then one type, array and initial value for all;
    // C++Script gives the type first and then each name with its own array and initial value.
    TfsXMLItem* type = nullptr;
    bool typeFirst = false;
    bool seenIdent = false;
    for (int i = 0; i < element->Count(); ++i) {
        TfsXMLItem* e = element->Items(i);
        if (is(e, "ident")) seenIdent = true;
        if (is(e, "type") && !type) {
            type = e;
            typeFirst = !seenIdent;
        }
    }
    struct Decl {
        TfsXMLItem* ident;
        TfsXMLItem* array = nullptr;
        TfsXMLItem* init = nullptr;
    };
    std::vector<Decl> decls;
    TfsXMLItem* sharedArray = nullptr;
    TfsXMLItem* sharedInit = nullptr;
    for (int i = 0; i < element->Count(); ++i) {
        TfsXMLItem* e = element->Items(i);
        if (is(e, "ident")) {
            decls.push_back({e});
        } else if (is(e, "array") || is(e, "init")) {
            TfsXMLItem*& slot = is(e, "array") ? (typeFirst && !decls.empty() ? decls.back().array : sharedArray)
                                               : (typeFirst && !decls.empty() ? decls.back().init : sharedInit);
            slot = e;
        }
    }
    for (Decl& d : decls) {
        setPos(d.ident);
        const std::string name = d.ident->Prop("text");
        TfsCustomVariable* v = createVariable(name, type, d.array ? d.array : sharedArray);
        if (TfsXMLItem* init = d.init ? d.init : sharedInit) {
            TfsXMLItem* expr = init->FindItem("expr");
            if (!expr) continue;
            auto target = std::make_unique<TfsVariableDesignator>(script_, v);
            auto value = buildExpression(expr);
            setPos(d.ident);
            checkAssignment(target.get(), value.get());
            addStatement(block, std::make_unique<TfsAssignmentStmt>(script_, unit_, pos_, std::move(target),
                                                                    std::move(value)));
        }
    }
}

void TfsProgramBuilder::buildConst(TfsXMLItem* element) {
    setPos(element);
    TfsXMLItem* ident = element->FindItem("ident");
    TfsXMLItem* expr = element->FindItem("expr");
    if (!ident || !expr) return;
    setPos(ident);
    const std::string name = ident->Prop("text");
    if (script_->FindLocal(name)) fail(kIdentifierRedeclared + quoted(name));
    auto e = buildExpression(expr);
    const Variant value = e->GetValue();
    std::unique_ptr<TfsCustomVariable> c;
    if (e->Typ() == fvtString || e->Typ() == fvtChar) {
        c = std::make_unique<TfsStringVariable>(name, e->Typ(), e->TypeName());
        c->SetValue(value);
        c->SetIsReadOnly(true);
    } else {
        c = std::make_unique<TfsVariable>(name, e->Typ(), e->TypeName(), value, true);
    }
    script_->AddItem(name, std::move(c));
}

void TfsProgramBuilder::buildUses(TfsXMLItem* element, TfsStatement& block) {
    setPos(element);
    if (!element->HasProp("unit")) {
        // The uses clause itself: one "uses" element per unit inside.
        for (TfsXMLItem* unit : childrenNamed(element, "uses")) buildUses(unit, block);
        return;
    }
    const std::string unitName = element->Prop("unit");
    const std::string unitWas = unit_;
    std::vector<std::string> linesWas;
    unit_ = unitName;
    std::string ilText;
    if (main_->OnGetILUnit) main_->OnGetILUnit(*main_, unitName, ilText);
    TfsXMLDocument doc;
    TfsXMLItem* program = element->FindItem("program");
    if (!ilText.empty()) {
        doc.LoadFromString(ilText);
        program = doc.Root();
    }
    if (program) {
        linesWas.swap(sourceLines_);
        predeclare(program);
        TfsXMLItem* typesWas = types_;
        if (TfsXMLItem* t = program->FindItem("types")) types_ = t;
        buildElements(program, block);
        types_ = typesWas;
        sourceLines_.swap(linesWas);
    }
    unit_ = unitWas;
}

// ---- Statements

TfsStatement* TfsProgramBuilder::addStatement(TfsStatement& block, std::unique_ptr<TfsStatement> statement) {
    int l = 0, c = 0;
    splitPos(statement->SourcePos(), l, c);
    if (l > 0) main_->AddExecutableLine(unit_, l);
    return block.Add(std::move(statement));
}

void TfsProgramBuilder::buildElements(TfsXMLItem* container, TfsStatement& block, int from) {
    for (int i = from; i < container->Count(); ++i) buildElement(container->Items(i), block);
}

void TfsProgramBuilder::buildBlock(TfsXMLItem* e, TfsStatement& block) { buildElements(e, block); }

void TfsProgramBuilder::buildConstElement(TfsXMLItem* e, TfsStatement&) { buildConst(e); }

void TfsProgramBuilder::buildProcElement(TfsXMLItem* e, TfsStatement&) { buildProcBody(e); }

void TfsProgramBuilder::buildFlag(TfsXMLItem* e, TfsStatement& block) {
    const TfsFlagKind kind = is(e, "break") ? TfsFlagKind::Break
                             : is(e, "continue") ? TfsFlagKind::Continue
                                                 : TfsFlagKind::Exit;
    addStatement(block, std::make_unique<TfsFlagStmt>(script_, unit_, pos_, kind));
}

void TfsProgramBuilder::buildElement(TfsXMLItem* e, TfsStatement& block) {
    using Build = void (TfsProgramBuilder::*)(TfsXMLItem*, TfsStatement&);
    static const struct {
        std::string_view name;
        Build build;
    } kElements[] = {
        {"var", &TfsProgramBuilder::buildVar},           {"const", &TfsProgramBuilder::buildConstElement},
        {"procedure", &TfsProgramBuilder::buildProcElement}, {"function", &TfsProgramBuilder::buildProcElement},
        {"uses", &TfsProgramBuilder::buildUses},         {"compoundstmt", &TfsProgramBuilder::buildBlock},
        {"thenstmt", &TfsProgramBuilder::buildBlock},    {"elsestmt", &TfsProgramBuilder::buildBlock},
        {"assignstmt", &TfsProgramBuilder::buildAssign}, {"callstmt", &TfsProgramBuilder::buildCall},
        {"ifstmt", &TfsProgramBuilder::buildIf},         {"casestmt", &TfsProgramBuilder::buildCase},
        {"whilestmt", &TfsProgramBuilder::buildLoop},    {"repeatstmt", &TfsProgramBuilder::buildLoop},
        {"forstmt", &TfsProgramBuilder::buildFor},       {"vbforstmt", &TfsProgramBuilder::buildVbFor},
        {"cppforstmt", &TfsProgramBuilder::buildCppFor}, {"trystmt", &TfsProgramBuilder::buildTry},
        {"break", &TfsProgramBuilder::buildFlag},        {"continue", &TfsProgramBuilder::buildFlag},
        {"exit", &TfsProgramBuilder::buildFlag},         {"return", &TfsProgramBuilder::buildReturn},
        {"with", &TfsProgramBuilder::buildWith},         {"delete", &TfsProgramBuilder::buildDelete},
    };
    setPos(e);
    for (const auto& k : kElements)
        if (is(e, k.name)) {
            (this->*k.build)(e, block);
            return;
        }
    // "types", "empty" and unknown elements build nothing.
}

void TfsProgramBuilder::checkAssignment(TfsCustomVariable* target, TfsCustomVariable* value) {
    if (target->IsReadOnly()) fail(kLeftSideCannotBeAssigned);
    if (!TypesCompatible(target->Typ(), target->TypeName(), value->Typ(), value->TypeName(),
                         script_->ClassInheritance(), true))
        fail(std::string(kIncompatibleTypes) + ": '" + target->TypeText() + "', '" + value->TypeText() + "'");
}

void TfsProgramBuilder::buildAssign(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* dsgn = e->FindItem("dsgn");
    TfsXMLItem* expr = e->FindItem("expr");
    if (!dsgn || !expr) return;
    ItemPtr target = buildDesignator(dsgn);
    auto value = buildExpression(expr);
    pos_ = pos;
    TfsXMLItem* mod = e->FindItem("modificator");
    const std::string m = mod ? mod->Prop("text") : std::string();
    if (m.empty()) {
        checkAssignment(target.get(), value.get());
        addStatement(block, std::make_unique<TfsAssignmentStmt>(script_, unit_, pos, std::move(target), std::move(value)));
        return;
    }
    if (target->IsReadOnly()) fail(kLeftSideCannotBeAssigned);
    const VarOp op = m == "+" ? VarOp::Add : m == "-" ? VarOp::Subtract : m == "*" ? VarOp::Multiply : VarOp::Divide;
    addStatement(block, std::make_unique<TfsCompoundAssignmentStmt>(script_, unit_, pos, std::move(target),
                                                                    std::move(value), op));
}

void TfsProgramBuilder::buildCall(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* dsgn = e->FindItem("dsgn");
    if (!dsgn) return;
    ItemPtr d = buildDesignator(dsgn);
    pos_ = pos;
    TfsXMLItem* mod = e->FindItem("modificator");
    const std::string m = mod ? mod->Prop("text") : std::string();
    int step = 0;
    if (m == "+" || m == "-") {
        if (d->IsReadOnly()) fail(kLeftSideCannotBeAssigned);
        step = m == "+" ? 1 : -1;
    }
    addStatement(block, std::make_unique<TfsCallStmt>(script_, unit_, pos, std::move(d), step));
}

void TfsProgramBuilder::buildIf(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* expr = e->FindItem("expr");
    if (!expr) return;
    auto cond = buildExpression(expr);
    auto stmt = std::make_unique<TfsIfStmt>(script_, unit_, pos, std::move(cond));
    TfsIfStmt* s = stmt.get();
    addStatement(block, std::move(stmt));
    if (TfsXMLItem* t = e->FindItem("thenstmt")) buildElements(t, s->ThenBlock());
    if (TfsXMLItem* f = e->FindItem("elsestmt")) buildElements(f, s->ElseBlock());
}

void TfsProgramBuilder::buildCase(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* expr = e->FindItem("expr");
    if (!expr) return;
    auto stmt = std::make_unique<TfsCaseStmt>(script_, unit_, pos, buildExpression(expr));
    TfsCaseStmt* cs = stmt.get();
    addStatement(block, std::move(stmt));
    bool seenExpr = false;
    for (int i = 0; i < e->Count(); ++i) {
        TfsXMLItem* c = e->Items(i);
        if (is(c, "expr") && !seenExpr) {
            seenExpr = true;
            continue;
        }
        if (!is(c, "caseselector")) {
            buildElement(c, cs->ElseBlock());  // the else part
            continue;
        }
        setPos(c);
        auto sel = std::make_unique<TfsCaseSelector>(script_, unit_, pos_);
        TfsCaseSelector* selector = cs->AddSelector(std::move(sel));
        for (int k = 0; k < c->Count(); ++k) {
            TfsXMLItem* part = c->Items(k);
            if (!is(part, "set")) {
                buildElement(part, *selector);
                continue;
            }
            std::vector<TfsXMLItem*> kids;
            for (int j = 0; j < part->Count(); ++j) kids.push_back(part->Items(j));
            for (size_t j = 0; j < kids.size(); ++j) {
                if (!is(kids[j], "expr")) continue;
                if (j + 2 < kids.size() && is(kids[j + 1], "range") && is(kids[j + 2], "expr")) {
                    selector->AddRange(buildExpression(kids[j]), buildExpression(kids[j + 2]));
                    j += 2;
                } else {
                    selector->AddValue(buildExpression(kids[j]));
                }
            }
        }
    }
}

void TfsProgramBuilder::buildLoop(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    const bool isWhile = is(e, "whilestmt");
    // The condition: the first "expr" of a while statement, the last of a repeat statement.
    TfsXMLItem* cond = nullptr;
    int condIndex = -1;
    for (int i = 0; i < e->Count(); ++i)
        if (is(e->Items(i), "expr")) {
            cond = e->Items(i);
            condIndex = i;
            if (isWhile) break;
        }
    if (!cond) return;
    if (isWhile) {
        auto stmt = std::make_unique<TfsWhileStmt>(script_, unit_, pos, buildExpression(cond));
        TfsStatement* s = addStatement(block, std::move(stmt));
        for (int i = 0; i < e->Count(); ++i)
            if (i != condIndex) buildElement(e->Items(i), *s);
        return;
    }
    auto stmt = std::make_unique<TfsRepeatStmt>(script_, unit_, pos, e->FindItem("inverse") != nullptr);
    TfsRepeatStmt* s = stmt.get();
    addStatement(block, std::move(stmt));
    for (int i = 0; i < e->Count(); ++i)
        if (i != condIndex && !is(e->Items(i), "inverse")) buildElement(e->Items(i), *s);
    pos_ = pos;
    s->SetCondition(buildExpression(cond));
}

// The counter of a for loop: a plain, writable, numeric variable.
TfsCustomVariable* TfsProgramBuilder::loopVariable(TfsXMLItem* ident) {
    setPos(ident);
    std::vector<TfsDesignatorItem> steps;
    TfsCustomVariable* v = lookup(ident->Prop("text"), steps);
    if (!steps.empty() || dynamic_cast<TfsProcVariable*>(v) || dynamic_cast<TfsCustomHelper*>(v) || v->IsReadOnly())
        fail(kLeftSideCannotBeAssigned);
    if (v->Typ() != fvtInt && v->Typ() != fvtFloat && v->Typ() != fvtVariant) fail(kForVariableMustBeNumeric);
    return v;
}

void TfsProgramBuilder::buildFor(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* ident = e->FindItem("ident");
    std::vector<TfsXMLItem*> exprs = childrenNamed(e, "expr");
    if (!ident || exprs.size() < 2) return;
    TfsCustomVariable* v = loopVariable(ident);
    auto start = buildExpression(exprs[0]);
    auto stop = buildExpression(exprs[1]);
    auto stmt = std::make_unique<TfsForStmt>(script_, unit_, pos, v, std::move(start), std::move(stop),
                                             e->FindItem("downto") != nullptr);
    TfsStatement* s = addStatement(block, std::move(stmt));
    for (int i = 0; i < e->Count(); ++i) {
        TfsXMLItem* c = e->Items(i);
        if (!is(c, "ident") && !is(c, "downto") && c != exprs[0] && c != exprs[1]) buildElement(c, *s);
    }
}

void TfsProgramBuilder::buildVbFor(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* ident = e->FindItem("ident");
    std::vector<TfsXMLItem*> exprs;
    for (int i = 0; i < e->Count() && exprs.size() < 3; ++i)
        if (is(e->Items(i), "expr")) exprs.push_back(e->Items(i));
    if (!ident || exprs.size() < 2) return;
    TfsCustomVariable* v = loopVariable(ident);
    auto stmt = std::make_unique<TfsVbForStmt>(script_, unit_, pos, v, buildExpression(exprs[0]),
                                               buildExpression(exprs[1]),
                                               exprs.size() > 2 ? buildExpression(exprs[2]) : nullptr);
    TfsStatement* s = addStatement(block, std::move(stmt));
    for (int i = 0; i < e->Count(); ++i) {
        TfsXMLItem* c = e->Items(i);
        if (is(c, "ident") || std::find(exprs.begin(), exprs.end(), c) != exprs.end()) continue;
        buildElement(c, *s);
    }
}

void TfsProgramBuilder::buildCppFor(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    auto stmt = std::make_unique<TfsCppForStmt>(script_, unit_, pos);
    TfsCppForStmt* s = stmt.get();
    addStatement(block, std::move(stmt));
    // first compound statement, [condition], second compound statement, body
    int stage = 0;
    for (int i = 0; i < e->Count(); ++i) {
        TfsXMLItem* c = e->Items(i);
        if (stage == 0 && is(c, "compoundstmt")) {
            buildElements(c, s->First());
            stage = 1;
        } else if (stage == 1 && is(c, "expr")) {
            s->SetCondition(buildExpression(c));
            stage = 2;
        } else if (stage <= 2 && stage >= 1 && is(c, "compoundstmt")) {
            buildElements(c, s->Second());
            stage = 3;
        } else {
            buildElement(c, *s);
        }
    }
}

void TfsProgramBuilder::buildTry(TfsXMLItem* e, TfsStatement& block) {
    auto stmt = std::make_unique<TfsTryStmt>(script_, unit_, pos_);
    TfsTryStmt* s = stmt.get();
    addStatement(block, std::move(stmt));
    for (int i = 0; i < e->Count(); ++i) {
        TfsXMLItem* c = e->Items(i);
        if (is(c, "finallystmt") || is(c, "exceptstmt")) {
            s->SetIsExcept(is(c, "exceptstmt"));
            buildElements(c, s->Handler());
        } else {
            buildElement(c, *s);
        }
    }
}

void TfsProgramBuilder::buildReturn(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    if (TfsXMLItem* expr = e->FindItem("expr"))
        if (TfsCustomVariable* result = script_->FindLocal("Result")) {
            auto target = std::make_unique<TfsVariableDesignator>(script_, result);
            auto value = buildExpression(expr);
            pos_ = pos;
            checkAssignment(target.get(), value.get());
            addStatement(block, std::make_unique<TfsAssignmentStmt>(script_, unit_, pos, std::move(target),
                                                                    std::move(value)));
        }
    addStatement(block, std::make_unique<TfsFlagStmt>(script_, unit_, pos, TfsFlagKind::Exit));
}

void TfsProgramBuilder::buildWith(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    auto stmt = std::make_unique<TfsWithStmt>(script_, unit_, pos);
    TfsWithStmt* s = stmt.get();
    addStatement(block, std::move(stmt));
    const size_t withsWas = withs_.size();
    int i = 0;
    for (; i < e->Count() && is(e->Items(i), "dsgn"); ++i) {
        ItemPtr d = buildDesignator(e->Items(i));
        if (d->Typ() != fvtClass && d->Typ() != fvtVariant) fail(kClassTypeRequired);
        const std::string hiddenName = "__with" + std::to_string(++hiddenCount_);
        TfsCustomVariable* hidden =
            script_->AddItem(hiddenName, std::make_unique<TfsVariable>(hiddenName, d->Typ(), d->TypeName()));
        s->AddObject(std::move(d), hidden);
        withs_.push_back({hidden});
    }
    buildElements(e, *s, i);
    withs_.resize(withsWas);
}

void TfsProgramBuilder::buildDelete(TfsXMLItem* e, TfsStatement& block) {
    const std::string pos = pos_;
    TfsXMLItem* dsgn = e->FindItem("dsgn");
    if (!dsgn) return;
    ItemPtr d = buildDesignator(dsgn);
    pos_ = pos;
    if (d->Typ() != fvtClass && d->Typ() != fvtVariant) fail(kClassTypeRequired);
    TfsClassVariable* tobject = script_->FindClass("TObject");
    TfsCustomHelper* freeMethod = tobject ? tobject->FindMember("Free") : nullptr;
    if (!freeMethod) fail(kUndeclaredIdentifier + quoted("Free"));
    // obj.Free: the object designator's steps followed by the member step.
    auto call = std::make_unique<TfsDesignator>(script_);
    if (auto* whole = dynamic_cast<TfsDesignator*>(d.get())) {
        for (auto& st : whole->Steps()) call->Steps().push_back(std::move(st));
        // The shortcut designator keeps a pointer to its variable only; nothing else moved.
    }
    TfsDesignatorItem step;
    step.kind = TfsStepKind::Member;
    step.ref = freeMethod;
    call->Steps().push_back(std::move(step));
    addStatement(block, std::make_unique<TfsCallStmt>(script_, unit_, pos, std::move(call), 0));
}

}  // namespace lumaro
