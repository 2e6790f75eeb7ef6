#include "script/statements/statements.h"

#include <exception>
#include <typeinfo>

#include "core/variant_ops.h"
#include "script/designator.h"
#include "script/expression/expression.h"

namespace lumaro {

TfsStatement::TfsStatement(TfsScript* script, std::string unitName, std::string sourcePos)
    : script_(script), unitName_(std::move(unitName)), sourcePos_(std::move(sourcePos)) {}

TfsStatement::~TfsStatement() = default;

void TfsStatement::Execute() { RunItems(); }

TfsStatement* TfsStatement::Add(std::unique_ptr<TfsStatement> statement) {
    items_.push_back(std::move(statement));
    return items_.back().get();
}

Variant* fsDirectSlot(TfsCustomVariable* item) {
    if (auto* d = dynamic_cast<TfsVariableDesignator*>(item)) item = d->Variable();
    if (!item || item->IsReadOnly()) return nullptr;
    const std::type_info& t = typeid(*item);
    if (t == typeid(TfsVariable) || t == typeid(TfsParamItem)) return &item->StoredValue();
    return nullptr;
}

namespace {
inline bool isTrue(TfsCustomVariable* condition) {
    if (const Variant* v = condition->ValueRef()) return v->toBool();
    const Variant v = condition->GetValue();
    return v.isBoolean() ? v.rawBool() : v.toBool();
}

// Ends one pass of a loop: true when the loop stops (break or exit); continue is cleared.
inline bool passEnds(TfsRunFlags& f) {
    if (f.breakSet || f.exitSet || f.terminated) return true;
    f.continueSet = false;
    return false;
}
}  // namespace

// ---- Assignments

namespace {
// Whether evaluating the item can change a script variable: it calls a script procedure or
// passes a by-reference argument somewhere inside.
bool mayChangeVariables(TfsCustomVariable* item) {
    if (!item) return false;
    if (auto* e = dynamic_cast<TfsExpression*>(item)) return mayChangeVariables(e->Root());
    if (auto* n = dynamic_cast<TfsExpressionNode*>(item)) {
        if (auto* d = dynamic_cast<TfsDesignatorNode*>(n)) return mayChangeVariables(d->Designator());
        if (auto* set = dynamic_cast<TfsSetNode*>(n)) {
            for (int i = 0; i < set->SetExpression()->EntryCount(); ++i)
                if (mayChangeVariables(set->SetExpression()->Entry(i))) return true;
            return false;
        }
        return mayChangeVariables(n->Left()) || mayChangeVariables(n->Right());
    }
    if (auto* d = dynamic_cast<TfsDesignator*>(item)) {
        for (const TfsDesignatorItem& step : d->Steps()) {
            if (step.kind == TfsStepKind::Proc) return true;
            for (TfsCustomVariable* r : step.byRef)
                if (r) return true;
            for (const auto& a : step.args)
                if (mayChangeVariables(a.get())) return true;
        }
    }
    return false;
}
}  // namespace

TfsAssignmentStmt::TfsAssignmentStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr target,
                                     TfsItemPtr expr)
    : TfsStatement(script, std::move(unit), std::move(pos)),
      target_(std::move(target)),
      expr_(std::move(expr)),
      slot_(fsDirectSlot(target_.get())) {
    // Recognise s := s + x so that building a long text does not copy it on every step.
    auto* e = dynamic_cast<TfsExpression*>(expr_.get());
    TfsExpressionNode* root = e ? e->Root() : nullptr;
    if (slot_ && root)
        if (auto* op = dynamic_cast<TfsOperatorNode*>(root)) {
            const TfsNodeOp o = op->Op();
            // These operators compute 32-bit integers whenever both operands are Integer.
            if (op->BothInteger() && (o == TfsNodeOp::Plus || o == TfsNodeOp::Minus || o == TfsNodeOp::Mul ||
                                      o == TfsNodeOp::DivInt || o == TfsNodeOp::Mod))
                intExpr_ = e;
        }
    auto* own = dynamic_cast<TfsVariableDesignator*>(target_.get());
    TfsCustomVariable* v = own ? own->Variable() : nullptr;
    if (!v || v->IsReadOnly() || (typeid(*v) != typeid(TfsVariable) && typeid(*v) != typeid(TfsStringVariable)))
        return;
    textSlot_ = &v->StoredValue();
    if (!root || (root->Op() != TfsNodeOp::Plus && root->Op() != TfsNodeOp::StrCat)) return;
    auto* left = dynamic_cast<TfsDesignatorNode*>(root->Left());
    auto* var = left ? dynamic_cast<TfsVariableDesignator*>(left->Designator()) : nullptr;
    // The left side is read before the right side runs: appending in place is the same only
    // when the right side cannot change the variable.
    if (var && var->Variable() == v && root->Right() && !mayChangeVariables(root->Right())) {
        append_ = root->Right();
        appendAsText_ = root->Op() == TfsNodeOp::StrCat;
    }
}

void TfsAssignmentStmt::Execute() {
    if (append_ && textSlot_->isString()) {
        const Variant tail = append_->GetValue();
        if (tail.isString() || appendAsText_) {
            // The variable owns its text; appending in place gives the same value as
            // concatenating into a new text.
            std::string& text = textSlot_->rawStringRef();
            if (tail.isString())
                text += tail.rawString();
            else
                text += tail.toString();
            return;
        }
    }
    if (intExpr_)
        *slot_ = Variant(intExpr_->IntValue());
    else if (slot_)
        *slot_ = expr_->GetValue();
    else
        target_->SetValue(expr_->GetValue());
}

TfsCompoundAssignmentStmt::TfsCompoundAssignmentStmt(TfsScript* script, std::string unit, std::string pos,
                                                     TfsItemPtr target, TfsItemPtr expr, VarOp op)
    : TfsAssignmentStmt(script, std::move(unit), std::move(pos), std::move(target), std::move(expr)), op_(op) {}

void TfsCompoundAssignmentStmt::Execute() {
    const Variant value = expr_->GetValue();
    if (slot_)
        *slot_ = VarBinaryOp(op_, *slot_, value);
    else
        target_->SetValue(VarBinaryOp(op_, target_->GetValue(), value));
}

// ---- Call

TfsCallStmt::TfsCallStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr designator, int step)
    : TfsStatement(script, std::move(unit), std::move(pos)), designator_(std::move(designator)), step_(step) {}

void TfsCallStmt::Execute() {
    if (step_ == 0) {
        designator_->GetValue();
        return;
    }
    designator_->SetValue(VarBinaryOp(VarOp::Add, designator_->GetValue(), Variant(step_)));
}

// ---- If, case

TfsIfStmt::TfsIfStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr condition)
    : TfsStatement(script, unit, pos),
      condition_(std::move(condition)),
      thenBlock_(script, unit, pos),
      elseBlock_(script, unit, pos) {}

void TfsIfStmt::Execute() {
    if (isTrue(condition_.get()))
        thenBlock_.Execute();
    else
        elseBlock_.Execute();
}

TfsCaseSelector::TfsCaseSelector(TfsScript* script, std::string unit, std::string pos)
    : TfsStatement(script, std::move(unit), std::move(pos)) {}

bool TfsCaseSelector::Matches(const Variant& value) {
    for (const Entry& e : entries_) {
        if (e.high) {
            if (VarCompare(e.low->GetValue(), value) <= 0 && VarCompare(value, e.high->GetValue()) <= 0) return true;
        } else if (VarCompare(value, e.low->GetValue()) == 0) {
            return true;
        }
    }
    return false;
}

TfsCaseStmt::TfsCaseStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr selector)
    : TfsStatement(script, unit, pos), selector_(std::move(selector)), elseBlock_(script, unit, pos) {}

TfsCaseSelector* TfsCaseStmt::AddSelector(std::unique_ptr<TfsCaseSelector> selector) {
    selectors_.push_back(std::move(selector));
    return selectors_.back().get();
}

void TfsCaseStmt::Execute() {
    const Variant value = selector_->GetValue();
    for (auto& s : selectors_)
        if (s->Matches(value)) {
            s->Execute();
            return;
        }
    elseBlock_.Execute();
}

// ---- Loops

TfsRepeatStmt::TfsRepeatStmt(TfsScript* script, std::string unit, std::string pos, bool inverse)
    : TfsStatement(script, std::move(unit), std::move(pos)), inverse_(inverse) {}

void TfsRepeatStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    for (;;) {
        RunItems();
        ReportEmptyPass();
        if (passEnds(f)) break;
        if (isTrue(condition_.get()) != inverse_) break;
    }
    f.breakSet = false;
}

TfsWhileStmt::TfsWhileStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr condition)
    : TfsStatement(script, std::move(unit), std::move(pos)), condition_(std::move(condition)) {}

void TfsWhileStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    while (isTrue(condition_.get())) {
        RunItems();
        ReportEmptyPass();
        if (passEnds(f)) break;
    }
    f.breakSet = false;
}

TfsForStmt::TfsForStmt(TfsScript* script, std::string unit, std::string pos, TfsCustomVariable* variable,
                       TfsItemPtr start, TfsItemPtr stop, bool down)
    : TfsStatement(script, std::move(unit), std::move(pos)),
      variable_(variable),
      slot_(fsDirectSlot(variable)),
      start_(std::move(start)),
      stop_(std::move(stop)),
      down_(down) {}

void TfsForStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    const int32_t from = start_->GetValue().toInt();
    const int32_t to = stop_->GetValue().toInt();
    if (down_ ? from < to : from > to) return;
    for (int64_t i = from;; down_ ? --i : ++i) {
        if (slot_)
            *slot_ = Variant(static_cast<int>(i));
        else
            variable_->SetValue(Variant(static_cast<int>(i)));
        RunItems();
        ReportEmptyPass();
        if (passEnds(f) || i == to) break;
    }
    f.breakSet = false;
}

TfsVbForStmt::TfsVbForStmt(TfsScript* script, std::string unit, std::string pos, TfsCustomVariable* variable,
                           TfsItemPtr start, TfsItemPtr stop, TfsItemPtr step)
    : TfsStatement(script, std::move(unit), std::move(pos)),
      variable_(variable),
      start_(std::move(start)),
      stop_(std::move(stop)),
      step_(std::move(step)) {}

void TfsVbForStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    Variant counter = start_->GetValue();
    const Variant stop = stop_->GetValue();
    const Variant step = step_ ? step_->GetValue() : Variant(1);
    const bool negative = VarCompare(step, Variant(0)) < 0;
    while (negative ? VarCompare(counter, stop) >= 0 : VarCompare(counter, stop) <= 0) {
        variable_->SetValue(counter);
        RunItems();
        ReportEmptyPass();
        if (passEnds(f)) break;
        counter = VarBinaryOp(VarOp::Add, counter, step);
    }
    f.breakSet = false;
}

TfsCppForStmt::TfsCppForStmt(TfsScript* script, std::string unit, std::string pos)
    : TfsStatement(script, unit, pos), first_(script, unit, pos), second_(script, unit, pos) {}

void TfsCppForStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    first_.Execute();
    while (!condition_ || isTrue(condition_.get())) {
        RunItems();
        ReportEmptyPass();
        if (passEnds(f)) break;
        second_.Execute();
    }
    f.breakSet = false;
}

// ---- Try, flags, with

TfsTryStmt::TfsTryStmt(TfsScript* script, std::string unit, std::string pos)
    : TfsStatement(script, unit, pos), handler_(script, unit, pos) {}

void TfsTryStmt::Execute() {
    if (isExcept_) {
        try {
            RunItems();
        } catch (const std::exception&) {
            handler_.Execute();
        }
        return;
    }
    TfsRunFlags& f = script_->flags;
    auto runFinally = [&] {
        const bool exitWas = f.exitSet;
        f.exitSet = false;
        handler_.Execute();
        f.exitSet = f.exitSet || exitWas;
    };
    try {
        RunItems();
    } catch (...) {
        runFinally();
        throw;
    }
    runFinally();
}

TfsFlagStmt::TfsFlagStmt(TfsScript* script, std::string unit, std::string pos, TfsFlagKind kind)
    : TfsStatement(script, std::move(unit), std::move(pos)), kind_(kind) {}

void TfsFlagStmt::Execute() {
    TfsRunFlags& f = script_->flags;
    switch (kind_) {
        case TfsFlagKind::Break: f.breakSet = true; break;
        case TfsFlagKind::Continue: f.continueSet = true; break;
        case TfsFlagKind::Exit: f.exitSet = true; break;
    }
}

TfsWithStmt::TfsWithStmt(TfsScript* script, std::string unit, std::string pos)
    : TfsStatement(script, std::move(unit), std::move(pos)) {}

void TfsWithStmt::Execute() {
    for (Entry& e : objects_) e.hidden->StoredValue() = e.designator->GetValue();
    RunItems();
}

}  // namespace lumaro
