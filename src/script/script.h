#pragma once
// TfsScript: a script program and its run-time environment in one object. It holds a registry
// of named items (variables, constants, types, procedures, host classes and host functions),
// the program text, the built statement tree and the flags that steer execution. Scripts are
// chained: a name not found in a script is looked up in its parent, then the parent's parent.
// A script that should see the built-in types, functions and classes is created with the
// process-wide global script (fsGlobalUnit) at the end of its chain: TfsScript s(&fsGlobalUnit()).
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/object.h"
#include "core/variant.h"
#include "script/items/custom_variable.h"
#include "script/items/type_kinds.h"

namespace lumaro {

class TfsScript;
class TfsClassVariable;
class TfsMethodHelper;
class TfsProcVariable;
class TfsStatement;
struct TfsExpressionHooks;

// Host callbacks. Names arrive in upper case; an indexed property is called with ".GET" or
// ".SET" appended ("ITEMS.GET"); for ".SET" the new value follows the index parameters.
// After a method call every by-reference parameter is written back from `params`.
using TfsCallMethod = std::function<Variant(Object* instance, TfsClassVariable* cls,
                                            const std::string& methodName, std::vector<Variant>& params)>;
using TfsGetValue = std::function<Variant(Object* instance, TfsClassVariable* cls, const std::string& propName)>;
using TfsSetValue =
    std::function<void(Object* instance, TfsClassVariable* cls, const std::string& propName, const Variant& value)>;
// Tells whether a host object is an instance of a registered host class (or of a class
// derived from it). AddClass<T> builds it from dynamic_cast.
using TfsIsInstance = std::function<bool(const Object* object)>;

// Supplies a unit's source text (OnGetUnit) or its precompiled intermediate program
// (OnGetILUnit); leaving `unitText` empty means "not supplied".
using TfsGetUnitEvent = std::function<void(TfsScript& sender, const std::string& unitName, std::string& unitText)>;
// Called before each statement runs with the statement's unit name and position ("line:column").
using TfsRunLineEvent =
    std::function<void(TfsScript& sender, const std::string& unitName, const std::string& sourcePos)>;

// Execution flags of one script (the main program or one procedure's child script).
struct TfsRunFlags {
    bool breakSet = false;
    bool continueSet = false;
    bool exitSet = false;
    bool terminated = false;
    bool running = false;
    bool isExecuting = false;
};

class TfsScript : public Object {
public:
    explicit TfsScript(TfsScript* parent = nullptr);
    ~TfsScript() override;
    TfsScript(const TfsScript&) = delete;
    TfsScript& operator=(const TfsScript&) = delete;

    // ---- Program text and language
    std::vector<std::string>& Lines() { return lines_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetText(std::string_view text);  // split into Lines
    std::string Text() const;             // Lines joined with "\r\n"
    const std::string& SyntaxType() const { return syntaxType_; }
    void SetSyntaxType(std::string name) { syntaxType_ = std::move(name); }
    // Identifier characters include the byte values 128 to 255.
    bool ExtendedCharset() const { return extendedCharset_; }
    void SetExtendedCharset(bool on) { extendedCharset_ = on; }

    // ---- Chain
    TfsScript* Parent() const { return parent_; }
    void SetParent(TfsScript* parent) { parent_ = parent; }
    // The object registering items at the moment; every item added records it (ClearItems).
    const void* AddedBy() const { return addedBy_; }
    void SetAddedBy(const void* owner) { addedBy_ = owner; }

    // ---- Registry. AddType, AddConst, AddVariable, AddObject and AddClass do nothing when the
    // name is already found in this script or its parents; the others always add.
    TfsCustomVariable* AddItem(const std::string& name, std::unique_ptr<TfsCustomVariable> item);
    void AddType(const std::string& name, TfsVarType kind);
    void AddConst(const std::string& name, const std::string& typeName, const Variant& value);
    void AddVariable(const std::string& name, const std::string& typeName, const Variant& value);
    // A variable of the object's class (the most derived registered host class that the
    // object is an instance of; "TObject" kind Class when none matches) holding the object.
    void AddObject(const std::string& name, Object* object);
    // The type (kind Enum) and one read-only constant per comma-separated member (blanks
    // trimmed): 0, 1, 2, ... for AddEnum; 1, 2, 4, 8, ... for AddEnumSet.
    void AddEnum(const std::string& typeName, const std::string& names);
    void AddEnumSet(const std::string& typeName, const std::string& names);
    // A host class; nullptr when the name is present already. Inherits the ancestor's
    // default property. Published properties of the class come from the source installed
    // with fsSetPublishedPropertySource (class_variable.h).
    TfsClassVariable* AddClass(const std::string& className, const std::string& ancestorName,
                               TfsIsInstance isInstance);
    template <class T>
    TfsClassVariable* AddClass(const std::string& className, const std::string& ancestorName) {
        return AddClass(className, ancestorName, [](const Object* o) {
            return o && dynamic_cast<const T*>(o) != nullptr;
        });
    }
    // A host function from a declaration text such as
    // "function Copy(s: String; From, Count: Integer): String",
    // "procedure Inc(var i: Variant; incr: Integer = 1)" or
    // "macrofunction IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant".
    // The category ("ctString", ...) is kept for the designer's function list.
    TfsMethodHelper* AddMethod(const std::string& declaration, TfsCallMethod callback,
                               const std::string& category = "");

    TfsCustomVariable* FindItem(std::string_view name) const;   // this script, then the parents
    TfsCustomVariable* FindLocal(std::string_view name) const;  // this script only
    TfsClassVariable* FindClass(std::string_view name) const;   // FindItem, host classes only
    // The class registered for a host object: the most derived class it is an instance of.
    TfsClassVariable* FindClassOf(const Object* object) const;
    void RemoveItem(TfsCustomVariable* item);  // removes without freeing
    // Frees and removes every item added by `owner`; clears the main block and executable lines.
    void ClearItems(const void* owner);
    // Frees all items; clears the main block and the executable lines.
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TfsCustomVariable* Items(int index) const { return items_[static_cast<size_t>(index)].item.get(); }
    // Kind and type name of a type name (registered types, host classes, "array"); false
    // when the name is unknown.
    bool ResolveType(std::string_view name, TfsVarType& kind, std::string& typeName) const;
    // Whether class `derived` is `base` or inherits from it (registered classes of the chain).
    bool ClassInherits(std::string_view derived, std::string_view base) const;
    TfsClassInherits ClassInheritance() const;
    // What expressions of this script ask about classes (type check, the IS operator).
    const TfsExpressionHooks* ExpressionHooks();

    // ---- Running
    // Parses Lines in SyntaxType and builds the program; true when no error was set.
    bool Compile();
    // Runs the main block. Run-time errors propagate as exceptions.
    void Execute();
    // Calls a procedure or function of this script (not its parents); `params` is a Variant
    // array (or empty/Null for none) whose elements go to the parameters in order. Null when
    // `name` is not a procedure or function; a procedure gives Null.
    Variant CallFunction(const std::string& name, const Variant& params = Variant());
    // As CallFunction, then copies the parameters' final values back into the array.
    Variant CallFunctionVar(const std::string& name, Variant& params);
    // Value of a free-standing PascalScript expression; a compile error gives its message text.
    Variant Evaluate(const std::string& expression);
    // Stops the program before its next statement (this script and all procedure scripts).
    void Terminate();

    TfsGetUnitEvent OnGetUnit;
    TfsGetUnitEvent OnGetILUnit;
    TfsRunLineEvent OnRunLine;

    // ---- Result of the last compilation
    const std::string& ErrorMsg() const { return errorMsg_; }
    const std::string& ErrorPos() const { return errorPos_; }  // "line:column"
    const std::string& ErrorUnit() const { return errorUnit_; }
    void SetErrorMsg(std::string msg) { errorMsg_ = std::move(msg); }
    void SetErrorPos(std::string pos) { errorPos_ = std::move(pos); }
    void SetErrorUnit(std::string unit) { errorUnit_ = std::move(unit); }

    // ---- Executable lines (filled by the program builder)
    void AddExecutableLine(const std::string& unitName, int line);
    bool IsExecutableLine(int line, const std::string& unitName = "") const;
    // Line numbers holding statements of a unit, separated by commas ("" for the main text).
    std::string ExecutableLines(const std::string& unitName = "") const;

    // ---- Interpreter internals shared with statements, procedures and the builder
    TfsStatement& MainBlock() { return *mainBlock_; }
    TfsRunFlags flags;
    // The child script of the procedure running now (Evaluate sees its locals).
    TfsScript* LocalScope() const { return localScope_; }
    void SetLocalScope(TfsScript* scope) { localScope_ = scope; }
    // Procedures declared in this script (their child scripts receive Terminate).
    void RegisterProc(TfsProcVariable* proc);
    // The first script in the chain that has OnRunLine assigned, or nullptr.
    TfsScript* RunLineOwner() {
        for (TfsScript* s = this; s; s = s->parent_)
            if (s->OnRunLine) return s;
        return nullptr;
    }
    // Clears terminated in this script and the scripts of all its procedures.
    void ClearTerminated();
    // Procedure nesting of calls now running on this thread (see kMaxCallDepth).
    static int& CallDepth() { return callDepth_; }

private:
    struct Entry {
        std::string key;  // the name in upper case
        std::unique_ptr<TfsCustomVariable> item;
    };
    size_t lowerBound(std::string_view key) const;
    bool nameUsed(const std::string& name) const { return FindItem(name) != nullptr; }
    void forget(const std::function<bool(const TfsCustomVariable*)>& gone);
    void addEnumeration(const std::string& typeName, const std::string& names, bool asSet);

    std::vector<Entry> items_;
    std::vector<std::string> lines_;
    std::string syntaxType_ = "PascalScript";
    TfsScript* parent_ = nullptr;
    const void* addedBy_ = nullptr;
    std::unique_ptr<TfsStatement> mainBlock_;
    std::unique_ptr<TfsExpressionHooks> hooks_;
    std::vector<std::pair<std::string, std::vector<int>>> executableLines_;
    std::vector<TfsProcVariable*> procs_;
    std::vector<TfsClassVariable*> classes_;
    TfsScript* localScope_ = nullptr;
    std::string errorMsg_, errorPos_, errorUnit_;
    bool extendedCharset_ = false;
    static inline thread_local int callDepth_ = 0;
};

// Deepest nesting of script procedure calls; one more raises a run-time error.
inline constexpr int kMaxCallDepth = 400;

// The process-wide global script, created on first use with the base types ("Integer",
// "Boolean", "Extended", ... of every kind), the constants "True", "False", "nil" and "Null",
// and then filled by fsRegisterStandardLibraries.
TfsScript& fsGlobalUnit();

// Registers the built-in function and class libraries in the global script. Defined in
// src/script/library/standard_libraries.cpp; fsGlobalUnit calls it once, right after the
// base types, so no static initialisation order is involved.
void fsRegisterStandardLibraries(TfsScript& global);

}  // namespace lumaro
