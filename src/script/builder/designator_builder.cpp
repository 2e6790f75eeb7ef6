// The program builder's designators and expressions: name resolution, member steps, argument
// counts and by-reference arguments.
#include <cstdio>
#include <cstdlib>

#include "core/text.h"
#include "script/builder/program_builder.h"
#include "script/designator.h"
#include "script/expression/expression.h"
#include "script/items/class_variable.h"
#include "script/items/proc_variable.h"
#include "script/script_errors.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

namespace {
bool is(const TfsXMLItem* e, std::string_view name) { return e && sameText(e->Name(), name); }

std::string classHasNoDefault(const std::string& className) {
    std::string m = kClassHasNoDefaultProperty;
    const size_t at = m.find("%s");
    if (at != std::string::npos) m.replace(at, 2, className);
    return m;
}

void setStepType(TfsDesignatorItem& step, const TfsCustomVariable* item) {
    step.typ = item->Typ();
    step.typeName = item->TypeName();
}
}  // namespace

// ---- Expressions

std::unique_ptr<TfsExpression> TfsProgramBuilder::buildExpression(TfsXMLItem* expr) {
    setPos(expr);
    auto e = std::make_unique<TfsExpression>(script_, script_->ExpressionHooks());
    e->SetSource(sourceText(expr));
    addToExpression(*e, expr);
    const std::string bad = e->Finish();
    if (!bad.empty()) {
        pos_ = bad;
        fail(kIncompatibleTypes);
    }
    return e;
}

void TfsProgramBuilder::addToExpression(TfsExpression& e, TfsXMLItem* expr) {
    for (int i = 0; i < expr->Count(); ++i) {
        TfsXMLItem* c = expr->Items(i);
        setPos(c);
        const std::string pos = pos_;
        if (is(c, "op")) {
            e.SetSourcePos(pos);
            e.AddOperator(lowerCase(c->Prop("text")));
        } else if (is(c, "number") || is(c, "string")) {
            e.SetSourcePos(pos);
            e.AddConstantText(c->Prop("text"));
        } else if (is(c, "dsgn") || is(c, "new")) {
            ItemPtr d = is(c, "dsgn") ? buildDesignator(c) : buildNew(c);
            e.SetSourcePos(pos);
            e.AddDesignator(std::move(d));
        } else if (is(c, "set")) {
            auto set = std::make_unique<TfsSetExpression>();
            for (int k = 0; k < c->Count(); ++k) {
                if (is(c->Items(k), "expr"))
                    set->AddEntry(buildExpression(c->Items(k)));
                else if (is(c->Items(k), "range"))
                    set->AddRange();
            }
            e.SetSourcePos(pos);
            e.AddSet(std::move(set));
        } else if (is(c, "expr")) {
            addToExpression(e, c);
        }
    }
}

std::string TfsProgramBuilder::sourceText(const TfsXMLItem* expr) const {
    int l1 = 0, c1 = 0, l2 = 0, c2 = 0;
    const std::string p1 = expr->Prop("pos"), p2 = expr->Prop("pos1");
    l1 = std::atoi(p1.c_str());
    l2 = std::atoi(p2.c_str());
    if (size_t k = p1.find(':'); k != std::string::npos) c1 = std::atoi(p1.c_str() + k + 1);
    if (size_t k = p2.find(':'); k != std::string::npos) c2 = std::atoi(p2.c_str() + k + 1);
    if (l1 < 1 || l2 < l1 || static_cast<size_t>(l2) > sourceLines_.size() || c1 < 1 || c2 < 1) return {};
    std::string out;
    for (int l = l1; l <= l2; ++l) {
        const std::string& text = sourceLines_[static_cast<size_t>(l - 1)];
        const size_t from = l == l1 ? utf8Offset(text, static_cast<size_t>(c1 - 1)) : 0;
        const size_t to = l == l2 ? utf8Offset(text, static_cast<size_t>(c2 - 1)) : text.size();
        if (l > l1) out += "\r\n";
        if (to > from) out += text.substr(from, to - from);
    }
    return trim(out);
}

// ---- Designators

TfsCustomVariable* TfsProgramBuilder::lookup(const std::string& name, std::vector<TfsDesignatorItem>& steps) {
    // Inside with-statements a name is first a member of their objects, innermost first.
    for (auto w = withs_.rbegin(); w != withs_.rend(); ++w) {
        TfsClassVariable* cls = w->hidden->Typ() == fvtClass ? script_->FindClass(w->hidden->TypeName()) : nullptr;
        if (!cls) continue;
        if (TfsCustomHelper* member = cls->FindMember(name)) {
            TfsDesignatorItem step;
            step.kind = TfsStepKind::Variable;
            step.ref = w->hidden;
            setStepType(step, w->hidden);
            steps.push_back(std::move(step));
            return member;
        }
    }
    if (TfsCustomVariable* item = script_->FindItem(name)) return item;
    if (needDeclaration_) fail(kUndeclaredIdentifier + quoted(name));
    auto v = std::make_unique<TfsVariable>(name, fvtVariant, "Variant");
    v->SetSourcePos(pos_);
    return script_->AddItem(name, std::move(v));
}

void TfsProgramBuilder::buildArgs(TfsDesignatorItem& step, const std::vector<TfsXMLItem*>& exprs) {
    TfsCustomVariable* owner = step.ref;
    const bool checked = step.kind == TfsStepKind::Proc || step.kind == TfsStepKind::Member;
    if (!checked) {
        for (TfsXMLItem* x : exprs) step.args.push_back(buildExpression(x));
        return;
    }
    int required = 0;
    for (int i = 0; i < owner->Count(); ++i)
        if (!owner->Params(i)->IsOptional()) ++required;
    if (static_cast<int>(exprs.size()) < required) fail(kNotEnoughParameters);
    if (static_cast<int>(exprs.size()) > owner->Count()) fail(kTooManyParameters);
    auto* method = dynamic_cast<TfsMethodHelper*>(owner);
    step.macro = method && method->IsMacro();
    step.byRef.assign(static_cast<size_t>(owner->Count()), nullptr);
    for (size_t i = 0; i < exprs.size(); ++i) {
        TfsParamItem* param = owner->Params(static_cast<int>(i));
        if (step.macro) {
            step.macroTexts.push_back(sourceText(exprs[i]));
            step.args.push_back(nullptr);
            continue;
        }
        if (param->IsVarParam()) {
            // A by-reference argument must be a plain designator that can be written.
            TfsXMLItem* x = exprs[i];
            setPos(x);
            if (x->Count() != 1 || !is(x->Items(0), "dsgn")) fail(kVariableRequired);
            ItemPtr d = buildDesignator(x->Items(0));
            if (d->IsReadOnly()) fail(kVariableRequired);
            step.byRef[i] = d.get();
            step.args.push_back(std::move(d));
            continue;
        }
        step.args.push_back(buildExpression(exprs[i]));
    }
    // Parameters left out receive their defaults.
    for (int i = static_cast<int>(exprs.size()); i < owner->Count(); ++i) {
        auto def = std::make_unique<TfsExpression>(script_, script_->ExpressionHooks());
        def->AddConstant(owner->Params(i)->DefValue());
        def->Finish();
        step.args.push_back(std::move(def));
    }
}

void TfsProgramBuilder::resolveFirst(TfsDesignatorItem& step, TfsCustomVariable* item, const RawNode& node) {
    step.ref = item;
    setStepType(step, item);
    if (auto* proc = dynamic_cast<TfsProcVariable*>(item)) {
        step.kind = TfsStepKind::Proc;
        if (!proc->IsFunc()) {
            step.typ = fvtVariant;
            step.typeName = "Variant";
        }
        buildArgs(step, node.args);
    } else if (auto* helper = dynamic_cast<TfsCustomHelper*>(item)) {
        step.kind = TfsStepKind::Member;
        auto* m = dynamic_cast<TfsMethodHelper*>(helper);
        if (m && m->IsIndexProperty() && node.args.empty())
            step.pendingIndex = true;
        else
            buildArgs(step, node.args);
    } else if (dynamic_cast<TfsClassVariable*>(item) || dynamic_cast<TfsTypeVariable*>(item)) {
        if (node.args.size() > 1) fail(kTooManyParameters);
        const bool isClass = dynamic_cast<TfsClassVariable*>(item) != nullptr;
        step.kind = node.args.empty() ? (isClass ? TfsStepKind::ClassRef : TfsStepKind::Variable) : TfsStepKind::Cast;
        if (isClass) {
            step.typ = fvtClass;
            step.typeName = item->Name();
        }
        buildArgs(step, node.args);
    } else {
        step.kind = TfsStepKind::Variable;
        if (!node.args.empty()) fail(kTooManyParameters);
    }
}

void TfsProgramBuilder::resolveNext(std::vector<TfsDesignatorItem>& steps, const RawNode& node) {
    pos_ = node.pos.empty() ? pos_ : node.pos;
    TfsDesignatorItem& prev = steps.back();
    const bool isIndex = node.text == "[";
    if (prev.pendingIndex) {
        if (!isIndex) fail(kIndexRequired);
        prev.pendingIndex = false;
        buildArgs(prev, node.args);
        return;
    }
    TfsDesignatorItem step;
    TfsVarType kind = prev.typ;
    TfsClassVariable* cls = nullptr;
    if (kind == fvtVariant && prev.kind == TfsStepKind::Variable && steps.size() == 1) {
        // The value a Variant variable holds while the program is built decides.
        const Variant v = prev.ref->GetValue();
        if (v.isString()) {
            kind = fvtString;
        } else if (v.isArray()) {
            if (!isIndex) fail(kIndexRequired);
            kind = fvtArray;
        } else if (v.isObject() && v.rawObject()) {
            cls = script_->FindClassOf(v.rawObject());
            if (cls) kind = fvtClass;
        }
    }
    if (kind == fvtClass && !cls) cls = script_->FindClass(prev.typeName);

    if (kind == fvtString || kind == fvtChar) {
        if (!isIndex) fail(kStringHasNoMembers);
        if (node.args.size() > 1) fail(kTooManyParameters);
        if (node.args.empty()) fail(kNotEnoughParameters);
        step.kind = TfsStepKind::CharIndex;
        step.typ = fvtChar;
        step.typeName = "Char";
        buildArgs(step, node.args);
    } else if (kind == fvtClass && cls) {
        TfsCustomHelper* member = nullptr;
        if (isIndex) {
            member = cls->DefaultProperty();
            if (!member) fail(classHasNoDefault(cls->Name()));
        } else {
            member = cls->FindMember(node.text);
            if (!member) fail(kUndeclaredIdentifier + quoted(node.text));
        }
        step.kind = TfsStepKind::Member;
        step.ref = member;
        setStepType(step, member);
        auto* m = dynamic_cast<TfsMethodHelper*>(member);
        if (m && m->IsConstructor()) step.typeName = cls->Name();  // TFoo.Create gives a TFoo
        if (!isIndex && m && m->IsIndexProperty() && node.args.empty())
            step.pendingIndex = true;
        else
            buildArgs(step, node.args);
    } else if (kind == fvtArray) {
        if (!isIndex) fail(kArrayTypeRequired);
        step.kind = TfsStepKind::Index;
        if (!script_->ResolveType(prev.typeName, step.typ, step.typeName) || step.typ == fvtArray) {
            step.typ = fvtVariant;
            step.typeName = "Variant";
        }
        buildArgs(step, node.args);
    } else if (kind == fvtVariant || kind == fvtClass) {
        // Resolved each time the designator runs, by the value found then.
        step.kind = isIndex ? TfsStepKind::Index : TfsStepKind::LateMember;
        step.name = node.text;
        buildArgs(step, node.args);
    } else {
        if (isIndex) fail(kArrayTypeRequired);
        fail(kUndeclaredIdentifier + quoted(node.text));
    }
    steps.push_back(std::move(step));
}

TfsProgramBuilder::ItemPtr TfsProgramBuilder::finishDesignator(std::vector<TfsDesignatorItem>& steps) {
    if (steps.back().pendingIndex) fail(kIndexRequired);
    const TfsDesignatorItem& last = steps.back();
    if (steps.size() == 1 && last.kind == TfsStepKind::Variable && last.args.empty())
        return std::make_unique<TfsVariableDesignator>(script_, last.ref);
    bool readOnly = true;
    switch (last.kind) {
        case TfsStepKind::Variable: readOnly = last.ref->IsReadOnly(); break;
        case TfsStepKind::Member: readOnly = last.ref->IsReadOnly(); break;
        case TfsStepKind::Index:
        case TfsStepKind::CharIndex:
            readOnly = steps.size() >= 2 && steps[steps.size() - 2].kind == TfsStepKind::Variable &&
                       steps[steps.size() - 2].ref->IsReadOnly();
            break;
        case TfsStepKind::LateMember: readOnly = false; break;
        default: readOnly = true; break;
    }
    auto d = std::make_unique<TfsDesignator>(script_);
    d->SetTyp(last.typ);
    d->SetTypeName(last.typeName);
    d->SetIsReadOnly(readOnly);
    for (auto& s : steps) d->Steps().push_back(std::move(s));
    return d;
}

TfsProgramBuilder::ItemPtr TfsProgramBuilder::buildDesignator(TfsXMLItem* dsgn) {
    setPos(dsgn);
    bool addr = false;
    std::vector<RawNode> nodes;
    for (int i = 0; i < dsgn->Count(); ++i) {
        TfsXMLItem* c = dsgn->Items(i);
        if (is(c, "addr")) {
            addr = true;
        } else if (is(c, "node")) {
            nodes.push_back({c->Prop("text"), c->Prop("pos"), {}});
        } else if (is(c, "expr") && !nodes.empty()) {
            nodes.back().args.push_back(c);
        }
    }
    if (nodes.empty()) fail(kUndeclaredIdentifier + quoted(""));
    if (!nodes[0].pos.empty()) pos_ = nodes[0].pos;

    if (addr) {
        // @Name: a hidden string constant holding the name of a script procedure.
        if (!dynamic_cast<TfsProcVariable*>(script_->FindItem(nodes[0].text))) fail(kVariableRequired);
        const std::string hidden = "__addr" + std::to_string(++hiddenCount_);
        auto c = std::make_unique<TfsStringVariable>(hidden, fvtString, "String");
        c->SetValue(Variant(nodes[0].text));
        c->SetIsReadOnly(true);
        return std::make_unique<TfsVariableDesignator>(script_, script_->AddItem(hidden, std::move(c)));
    }

    std::vector<TfsDesignatorItem> steps;
    TfsCustomVariable* item = lookup(nodes[0].text, steps);
    TfsDesignatorItem first;
    resolveFirst(first, item, nodes[0]);
    steps.push_back(std::move(first));
    for (size_t i = 1; i < nodes.size(); ++i) resolveNext(steps, nodes[i]);
    return finishDesignator(steps);
}

TfsProgramBuilder::ItemPtr TfsProgramBuilder::buildNew(TfsXMLItem* element) {
    setPos(element);
    TfsXMLItem* dsgn = element->FindItem("dsgn");
    if (!dsgn) fail(kClassTypeRequired);
    std::vector<RawNode> nodes;
    for (int i = 0; i < dsgn->Count(); ++i) {
        TfsXMLItem* c = dsgn->Items(i);
        if (is(c, "node"))
            nodes.push_back({c->Prop("text"), c->Prop("pos"), {}});
        else if (is(c, "expr") && !nodes.empty())
            nodes.back().args.push_back(c);
    }
    if (nodes.empty()) fail(kClassTypeRequired);
    if (!nodes[0].pos.empty()) pos_ = nodes[0].pos;
    TfsClassVariable* cls = script_->FindClass(nodes[0].text);
    if (!cls) fail(kClassTypeRequired);
    TfsCustomHelper* create = cls->FindMember("Create");
    if (!create) fail(kUndeclaredIdentifier + quoted("Create"));
    std::vector<TfsDesignatorItem> steps;
    TfsDesignatorItem classRef;
    classRef.kind = TfsStepKind::ClassRef;
    classRef.ref = cls;
    classRef.typ = fvtClass;
    classRef.typeName = cls->Name();
    steps.push_back(std::move(classRef));
    TfsDesignatorItem step;
    step.kind = TfsStepKind::Member;
    step.ref = create;
    step.typ = fvtClass;
    step.typeName = cls->Name();
    buildArgs(step, nodes[0].args);
    steps.push_back(std::move(step));
    for (size_t i = 1; i < nodes.size(); ++i) resolveNext(steps, nodes[i]);
    return finishDesignator(steps);
}

}  // namespace lumaro
