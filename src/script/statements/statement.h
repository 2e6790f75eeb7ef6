#pragma once
// Statements of a built script program. A statement first reports itself to OnRunLine (of the
// first script in the chain that has it assigned), then does nothing when its script is
// terminated, else executes. A plain TfsStatement is a block: its statements in order.
#include <memory>
#include <string>
#include <vector>

#include "script/script.h"

namespace lumaro {

class TfsStatement {
public:
    TfsStatement(TfsScript* script, std::string unitName, std::string sourcePos);
    virtual ~TfsStatement();
    TfsStatement(const TfsStatement&) = delete;
    TfsStatement& operator=(const TfsStatement&) = delete;

    // Reports the statement, then executes it unless the script is terminated.
    void Run() {
        if (TfsScript* owner = script_->RunLineOwner()) owner->OnRunLine(*owner, unitName_, sourcePos_);
        if (!script_->flags.terminated) Execute();
    }
    // A block runs its statements in order; it stops after one that set break, continue or
    // exit, and before one when the script is terminated.
    virtual void Execute();

    TfsStatement* Add(std::unique_ptr<TfsStatement> statement);
    int Count() const { return static_cast<int>(items_.size()); }
    TfsStatement* Items(int index) const { return items_[static_cast<size_t>(index)].get(); }
    void Clear() { items_.clear(); }

    TfsScript* Script() const { return script_; }
    const std::string& UnitName() const { return unitName_; }
    const std::string& SourcePos() const { return sourcePos_; }

protected:
    // A loop whose body holds no statement reports itself again on every pass, so that a
    // host counting statements (OnRunLine) can stop an endless empty loop with Terminate.
    void ReportEmptyPass() {
        if (!items_.empty()) return;
        if (TfsScript* owner = script_->RunLineOwner()) owner->OnRunLine(*owner, unitName_, sourcePos_);
    }
    // Runs the statements of the block without reporting the block itself.
    void RunItems() {
        TfsRunFlags& f = script_->flags;
        for (auto& s : items_) {
            if (f.terminated) return;
            s->Run();
            if (f.breakSet || f.continueSet || f.exitSet) return;
        }
    }

    TfsScript* script_;
    std::vector<std::unique_ptr<TfsStatement>> items_;

private:
    std::string unitName_;
    std::string sourcePos_;
};

}  // namespace lumaro
