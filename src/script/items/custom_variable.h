#pragma once
// Items of a script: every named thing a program can refer to (variables, constants, types,
// parameters, procedures, host classes and their members, designators, expressions) is a
// TfsCustomVariable. Reading an item gives its value; writing stores it unless the item is
// read-only. Descendants that compute their value override GetValue/SetValue.
#include <memory>
#include <string>
#include <vector>

#include "core/variant.h"
#include "script/items/type_kinds.h"

namespace lumaro {

class TfsParamItem;

class TfsCustomVariable {
public:
    TfsCustomVariable(std::string name, TfsVarType typ, std::string typeName);
    virtual ~TfsCustomVariable();
    TfsCustomVariable(const TfsCustomVariable&) = delete;
    TfsCustomVariable& operator=(const TfsCustomVariable&) = delete;

    // Read and write the value. The base stores the value as it is given.
    virtual Variant GetValue();
    virtual void SetValue(const Variant& value);
    Variant Value() { return GetValue(); }

    // Storage that reading returns unchanged, for readers on hot paths (expression trees,
    // loops) that then skip the virtual read. nullptr when reading computes something.
    // The pointer stays valid for the life of the item. A descendant that overrides
    // GetValue must return nullptr here (or the storage it reads from).
    virtual const Variant* ValueRef() { return nullptr; }

    // The stored value itself, bypassing read-only and conversions (initial values,
    // saving and restoring the values of a recursive call).
    Variant& StoredValue() { return value_; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TfsVarType Typ() const { return typ_; }
    void SetTyp(TfsVarType typ) { typ_ = typ; }
    const std::string& TypeName() const { return typeName_; }
    void SetTypeName(std::string typeName) { typeName_ = std::move(typeName); }
    // Type name as messages show it ("Integer", "Class TFoo", ...).
    std::string TypeText() const { return TypeKindText(typ_, typeName_); }

    bool IsReadOnly() const { return readOnly_; }
    void SetIsReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The object that was registering items when this one was added (not owned).
    const void* AddedBy() const { return addedBy_; }
    void SetAddedBy(const void* owner) { addedBy_ = owner; }

    // Position in the source text ("line:column"), for error reports.
    const std::string& SourcePos() const { return sourcePos_; }
    void SetSourcePos(std::string pos) { sourcePos_ = std::move(pos); }

    // An item this one stands for or refers to (not owned).
    TfsCustomVariable* RefItem() const { return refItem_; }
    void SetRefItem(TfsCustomVariable* item) { refItem_ = item; }

    // Formal parameters, in order; owned.
    int Count() const { return static_cast<int>(params_.size()); }
    TfsParamItem* Params(int index) const { return params_[static_cast<size_t>(index)].get(); }
    TfsParamItem* Add(std::unique_ptr<TfsParamItem> param);
    virtual void Clear();  // frees the parameters

protected:
    Variant value_ = Variant::null();

private:
    std::string name_;
    std::string typeName_;
    std::string sourcePos_;
    std::vector<std::unique_ptr<TfsParamItem>> params_;
    const void* addedBy_ = nullptr;
    TfsCustomVariable* refItem_ = nullptr;
    TfsVarType typ_;
    bool readOnly_ = false;
};

// A script variable or constant (a constant is read-only).
class TfsVariable : public TfsCustomVariable {
public:
    TfsVariable(std::string name, TfsVarType typ, std::string typeName);
    TfsVariable(std::string name, TfsVarType typ, std::string typeName, Variant value, bool readOnly);
    const Variant* ValueRef() override { return &value_; }
};

// A variable of kind Char or String: writing converts the value to text, reading gives a
// string (the empty text before the first write).
class TfsStringVariable : public TfsVariable {
public:
    TfsStringVariable(std::string name, TfsVarType typ, std::string typeName);
    void SetValue(const Variant& value) override;
};

// A type name with its kind.
class TfsTypeVariable : public TfsCustomVariable {
public:
    TfsTypeVariable(std::string name, TfsVarType typ);
    const Variant* ValueRef() override { return &value_; }
};

// A formal parameter of a procedure, function or host method.
class TfsParamItem : public TfsCustomVariable {
public:
    TfsParamItem(std::string name, TfsVarType typ, std::string typeName, bool isOptional,
                 bool isVarParam);
    const Variant* ValueRef() override { return &value_; }

    bool IsOptional() const { return optional_; }
    void SetIsOptional(bool optional) { optional_ = optional; }
    bool IsVarParam() const { return varParam_; }
    void SetIsVarParam(bool byRef) { varParam_ = byRef; }
    // Value used when an optional parameter is left out.
    const Variant& DefValue() const { return defValue_; }
    void SetDefValue(Variant value) { defValue_ = std::move(value); }

private:
    Variant defValue_ = Variant::null();
    bool optional_;
    bool varParam_;
};

}  // namespace lumaro
