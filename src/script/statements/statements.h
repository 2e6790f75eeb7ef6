#pragma once
// The statement classes. Expressions and designators are items (TfsCustomVariable): reading
// one evaluates it, writing a designator assigns through it. Statements own them.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "script/statements/statement.h"

namespace lumaro {

class TfsDesignator;
class TfsExpression;
enum class VarOp : uint8_t;

using TfsItemPtr = std::unique_ptr<TfsCustomVariable>;

// target := expression. A plain variable target is written directly.
class TfsAssignmentStmt : public TfsStatement {
public:
    TfsAssignmentStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr target, TfsItemPtr expr);
    void Execute() override;

protected:
    TfsItemPtr target_;
    TfsItemPtr expr_;
    Variant* slot_;  // storage of a plain variable target, else nullptr

private:
    // s := s + x on a plain variable: x, appended in place while s holds a string.
    TfsCustomVariable* append_ = nullptr;
    Variant* textSlot_ = nullptr;
    // An Integer operation on Integer operands: computed without intermediate Variants.
    TfsExpression* intExpr_ = nullptr;
    bool appendAsText_ = false;  // the BasicScript "&": x converted to text
};

// target := target op expression, with the Variant "+", "-", "*" or real "/".
class TfsCompoundAssignmentStmt : public TfsAssignmentStmt {
public:
    TfsCompoundAssignmentStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr target,
                              TfsItemPtr expr, VarOp op);
    void Execute() override;

private:
    VarOp op_;
};

// Reads the designator and discards the value; with a step (+1 / -1) an increment or decrement.
class TfsCallStmt : public TfsStatement {
public:
    TfsCallStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr designator, int step = 0);
    void Execute() override;

private:
    TfsItemPtr designator_;
    int step_;
};

class TfsIfStmt : public TfsStatement {
public:
    TfsIfStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr condition);
    void Execute() override;
    TfsStatement& ThenBlock() { return thenBlock_; }
    TfsStatement& ElseBlock() { return elseBlock_; }

private:
    TfsItemPtr condition_;
    TfsStatement thenBlock_, elseBlock_;
};

// One branch of a case statement: entries (value, or low and high of a range) and a block.
class TfsCaseSelector : public TfsStatement {
public:
    TfsCaseSelector(TfsScript* script, std::string unit, std::string pos);
    void AddValue(TfsItemPtr value) { entries_.push_back({std::move(value), nullptr}); }
    void AddRange(TfsItemPtr low, TfsItemPtr high) { entries_.push_back({std::move(low), std::move(high)}); }
    bool Matches(const Variant& value);

private:
    struct Entry {
        TfsItemPtr low, high;
    };
    std::vector<Entry> entries_;
};

class TfsCaseStmt : public TfsStatement {
public:
    TfsCaseStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr selector);
    TfsCaseSelector* AddSelector(std::unique_ptr<TfsCaseSelector> selector);
    TfsStatement& ElseBlock() { return elseBlock_; }
    void Execute() override;

private:
    TfsItemPtr selector_;
    std::vector<std::unique_ptr<TfsCaseSelector>> selectors_;
    TfsStatement elseBlock_;
};

// repeat ... until c (stops when c is true); inverse: do ... while c (stops when c is false).
class TfsRepeatStmt : public TfsStatement {
public:
    TfsRepeatStmt(TfsScript* script, std::string unit, std::string pos, bool inverse);
    void SetCondition(TfsItemPtr condition) { condition_ = std::move(condition); }
    void Execute() override;

private:
    TfsItemPtr condition_;
    bool inverse_;
};

class TfsWhileStmt : public TfsStatement {
public:
    TfsWhileStmt(TfsScript* script, std::string unit, std::string pos, TfsItemPtr condition);
    void Execute() override;

private:
    TfsItemPtr condition_;
};

// for v := a to b / downto b: bounds once, as 32-bit integers.
class TfsForStmt : public TfsStatement {
public:
    TfsForStmt(TfsScript* script, std::string unit, std::string pos, TfsCustomVariable* variable,
               TfsItemPtr start, TfsItemPtr stop, bool down);
    void Execute() override;

private:
    TfsCustomVariable* variable_;
    Variant* slot_;
    TfsItemPtr start_, stop_;
    bool down_;
};

// BasicScript for v = a to b [step c]: Variant bounds and step.
class TfsVbForStmt : public TfsStatement {
public:
    TfsVbForStmt(TfsScript* script, std::string unit, std::string pos, TfsCustomVariable* variable,
                 TfsItemPtr start, TfsItemPtr stop, TfsItemPtr step);
    void Execute() override;

private:
    TfsCustomVariable* variable_;
    TfsItemPtr start_, stop_, step_;
};

// for (first; condition; second) body.
class TfsCppForStmt : public TfsStatement {
public:
    TfsCppForStmt(TfsScript* script, std::string unit, std::string pos);
    TfsStatement& First() { return first_; }
    TfsStatement& Second() { return second_; }
    void SetCondition(TfsItemPtr condition) { condition_ = std::move(condition); }
    void Execute() override;

private:
    TfsStatement first_, second_;
    TfsItemPtr condition_;
};

// try body except handler end / try body finally handler end.
class TfsTryStmt : public TfsStatement {
public:
    TfsTryStmt(TfsScript* script, std::string unit, std::string pos);
    TfsStatement& Handler() { return handler_; }
    void SetIsExcept(bool except) { isExcept_ = except; }
    void Execute() override;

private:
    TfsStatement handler_;
    bool isExcept_ = false;
};

enum class TfsFlagKind { Break, Continue, Exit };
class TfsFlagStmt : public TfsStatement {
public:
    TfsFlagStmt(TfsScript* script, std::string unit, std::string pos, TfsFlagKind kind);
    void Execute() override;

private:
    TfsFlagKind kind_;
};

// with d1, d2 do body: each object goes into a hidden variable the body's names resolve through.
class TfsWithStmt : public TfsStatement {
public:
    TfsWithStmt(TfsScript* script, std::string unit, std::string pos);
    void AddObject(TfsItemPtr designator, TfsCustomVariable* hidden) {
        objects_.push_back({std::move(designator), hidden});
    }
    void Execute() override;

private:
    struct Entry {
        TfsItemPtr designator;
        TfsCustomVariable* hidden;
    };
    std::vector<Entry> objects_;
};

// Storage a statement may write directly: the value of a plain script variable or parameter
// (not a string variable, not read-only); nullptr otherwise.
Variant* fsDirectSlot(TfsCustomVariable* item);

}  // namespace lumaro
