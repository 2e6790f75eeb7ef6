#include "script/items/custom_variable.h"

namespace lumaro {

TfsCustomVariable::TfsCustomVariable(std::string name, TfsVarType typ, std::string typeName)
    : name_(std::move(name)), typeName_(std::move(typeName)), typ_(typ) {}

TfsCustomVariable::~TfsCustomVariable() = default;

Variant TfsCustomVariable::GetValue() { return value_; }

void TfsCustomVariable::SetValue(const Variant& value) {
    if (!readOnly_) value_ = value;
}

TfsParamItem* TfsCustomVariable::Add(std::unique_ptr<TfsParamItem> param) {
    params_.push_back(std::move(param));
    return params_.back().get();
}

void TfsCustomVariable::Clear() { params_.clear(); }

TfsVariable::TfsVariable(std::string name, TfsVarType typ, std::string typeName)
    : TfsCustomVariable(std::move(name), typ, std::move(typeName)) {}

TfsVariable::TfsVariable(std::string name, TfsVarType typ, std::string typeName, Variant value,
                         bool readOnly)
    : TfsCustomVariable(std::move(name), typ, std::move(typeName)) {
    value_ = std::move(value);
    SetIsReadOnly(readOnly);
}

TfsStringVariable::TfsStringVariable(std::string name, TfsVarType typ, std::string typeName)
    : TfsVariable(std::move(name), typ, std::move(typeName)) {
    value_ = Variant(std::string());
}

void TfsStringVariable::SetValue(const Variant& value) {
    if (IsReadOnly()) return;
    if (value.isString())
        value_ = value;
    else
        value_ = Variant(value.toString());
}

TfsTypeVariable::TfsTypeVariable(std::string name, TfsVarType typ)
    : TfsCustomVariable(name, typ, name) {}

TfsParamItem::TfsParamItem(std::string name, TfsVarType typ, std::string typeName, bool isOptional,
                           bool isVarParam)
    : TfsCustomVariable(std::move(name), typ, std::move(typeName)),
      optional_(isOptional),
      varParam_(isVarParam) {}

}  // namespace lumaro
