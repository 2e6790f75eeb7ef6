#include "script/items/proc_variable.h"

#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <typeinfo>

#include "core/error.h"
#include "script/items/custom_event.h"
#include "script/script.h"
#include "script/script_errors.h"
#include "script/statements/statement.h"

namespace lumaro {

TfsProcVariable::TfsProcVariable(std::string name, TfsVarType typ, std::string typeName, TfsScript* parent,
                                 bool isFunc)
    : TfsCustomVariable(std::move(name), typ, std::move(typeName)),
      prog_(std::make_unique<TfsScript>(parent)),
      isFunc_(isFunc) {
    SetIsReadOnly(true);
}

TfsProcVariable::~TfsProcVariable() {
    // A handler that goes away must not stay installed on host objects.
    fsEventList().RemoveHandler(this);
}

TfsCustomVariable* TfsProcVariable::ParamVariable(int index) const {
    return index < static_cast<int>(paramVars_.size()) ? paramVars_[static_cast<size_t>(index)] : nullptr;
}

void TfsProcVariable::SetParamVariable(int index, TfsCustomVariable* local) {
    if (static_cast<int>(paramVars_.size()) <= index) paramVars_.resize(static_cast<size_t>(index) + 1, nullptr);
    paramVars_[static_cast<size_t>(index)] = local;
}

namespace {

// Items of a procedure script whose values belong to one level of a recursive call.
bool holdsLevelValue(TfsCustomVariable* item) {
    const std::type_info& t = typeid(*item);
    return t == typeid(TfsVariable) || t == typeid(TfsStringVariable) || t == typeid(TfsParamItem);
}

// Lowest address the current thread's stack may grow to, plus a reserve for the work one
// procedure level does beyond the check (expressions, host callbacks); 0 when unknown.
uintptr_t computeStackLimit() {
        pthread_attr_t attr;
        if (pthread_getattr_np(pthread_self(), &attr) != 0) return uintptr_t{0};
        void* low = nullptr;
        size_t size = 0;
        const bool ok = pthread_attr_getstack(&attr, &low, &size) == 0;
        pthread_attr_destroy(&attr);
        if (!ok || !low) return uintptr_t{0};
        const size_t reserve = std::min<size_t>(size / 4, 1024 * 1024);
        return reinterpret_cast<uintptr_t>(low) + reserve;
}

thread_local uintptr_t tStackLimit = 0;
thread_local bool tStackLimitKnown = false;

inline uintptr_t stackLimit() {
    if (!tStackLimitKnown) {
        tStackLimit = computeStackLimit();
        tStackLimitKnown = true;
    }
    return tStackLimit;
}

// Counts the nesting of procedure calls; too deep a nesting (endless recursion) raises a
// run-time error instead of exhausting the machine stack: at most kMaxCallDepth levels, and
// never closer to the end of the thread's stack than its reserve.
struct DepthGuard {
    explicit DepthGuard(int& depth) : depth_(depth) {
        const uintptr_t here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
        if (++TfsScript::CallDepth() > kMaxCallDepth || here < stackLimit()) {
            --TfsScript::CallDepth();
            throw Exception(kStackOverflow);
        }
        ++depth_;
    }
    ~DepthGuard() {
        --depth_;
        --TfsScript::CallDepth();
    }
    int& depth_;
};

}  // namespace

const std::vector<TfsCustomVariable*>& TfsProcVariable::levelItems() {
    if (levelItemsOf_ != prog_->Count()) {
        levelItems_.clear();
        for (int i = 0; i < prog_->Count(); ++i)
            if (holdsLevelValue(prog_->Items(i))) levelItems_.push_back(prog_->Items(i));
        levelItemsOf_ = prog_->Count();
    }
    return levelItems_;
}

Variant TfsProcVariable::Call(std::vector<Variant>& args) {
    TfsScript& prog = *prog_;
    const bool recursive = depth_ > 0;
    const size_t savedFrom = saved_.size();
    DepthGuard guard(depth_);

    // The values of the outer level are kept aside and put back afterwards, also when an
    // error leaves the call.
    struct Restore {
        TfsProcVariable& proc;
        size_t from;
        bool active;
        ~Restore() {
            if (!active) return;
            size_t k = from;
            for (TfsCustomVariable* item : proc.levelItems_) item->StoredValue() = std::move(proc.saved_[k++]);
            proc.saved_.resize(from);
        }
    } restore{*this, savedFrom, recursive};
    if (recursive)
        for (TfsCustomVariable* item : levelItems()) saved_.push_back(item->StoredValue());

    const size_t n = std::min(args.size(), paramVars_.size());
    for (size_t i = 0; i < n; ++i)
        if (paramVars_[i]) paramVars_[i]->SetValue(args[i]);

    // The nearest executing script of the chain sees this procedure's locals (Evaluate).
    TfsScript* executing = nullptr;
    for (TfsScript* s = prog.Parent(); s; s = s->Parent())
        if (s->flags.isExecuting) {
            executing = s;
            break;
        }
    TfsScript* scopeWas = executing ? executing->LocalScope() : nullptr;
    if (executing) executing->SetLocalScope(&prog);
    struct ScopeBack {
        TfsScript* s;
        TfsScript* was;
        ~ScopeBack() {
            if (s) s->SetLocalScope(was);
        }
    } scopeBack{executing, scopeWas};

    TfsRunFlags& f = prog.flags;
    const bool wasRunning = f.running;
    f.exitSet = false;
    f.breakSet = false;
    f.continueSet = false;
    f.running = true;
    prog.MainBlock().Execute();
    f.exitSet = false;
    f.breakSet = false;
    f.continueSet = false;
    f.running = wasRunning;

    Variant result = Variant::null();
    if (isFunc_ && result_) result = result_->GetValue();
    for (size_t i = 0; i < n; ++i)
        if (paramVars_[i] && Params(static_cast<int>(i))->IsVarParam()) args[i] = paramVars_[i]->GetValue();
    return result;
}

Variant TfsProcVariable::GetValue() {
    std::vector<Variant> none;
    return Call(none);
}

}  // namespace lumaro
