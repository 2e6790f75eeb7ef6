#include "report/model/dataset.h"

#include <algorithm>

#include "core/error.h"
#include "core/resources.h"
#include "core/text.h"
#include "report/registry/class_builder.h"

namespace lumaro {

namespace {
std::vector<TfrxDataSet*>& dataSets() {
    static std::vector<TfrxDataSet*> list;
    return list;
}
}  // namespace

const ClassInfo& TfrxDialogComponent::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxDialogComponent>("TfrxDialogComponent", &TfrxReportComponent::staticClassInfo()).build();
    return info;
}

const ClassInfo& TfrxDataSet::staticClassInfo() {
    using D = TfrxDataSet;
    static const ClassInfo info = ClassBuilder<D>("TfrxDataSet", &TfrxDialogComponent::staticClassInfo())
                                      .boolean<&D::Enabled, &D::SetEnabled>("Enabled", true)
                                      .enumeration<&D::RangeBegin, &D::SetRangeBegin>("RangeBegin", kRangeBeginType, rbFirst)
                                      .enumeration<&D::RangeEnd, &D::SetRangeEnd>("RangeEnd", kRangeEndType, reLast)
                                      .integer<&D::RangeEndCount, &D::SetRangeEndCount>("RangeEndCount", 0)
                                      .string<&D::UserName, &D::SetUserName>("UserName")
                                      .callback("OnCheckEOF")
                                      .callback("OnFirst")
                                      .callback("OnNext")
                                      .callback("OnPrior")
                                      .build();
    return info;
}

TfrxDataSet::TfrxDataSet() { dataSets().push_back(this); }

TfrxDataSet::~TfrxDataSet() {
    auto& list = dataSets();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TfrxDataSet::SetUserName(std::string name) {
    if (trim(name).empty()) throw EConvertError(frxGet("prInvProp"));
    userName_ = std::move(name);
}

void TfrxDataSet::SetName(const std::string& name) {
    const std::string old = Name();
    TfrxComponent::SetName(name);
    if ((userName_.empty() || userName_ == old) && !trim(name).empty()) userName_ = name;
}

void TfrxDataSet::Open() {
    if (OnOpen) OnOpen();
}

void TfrxDataSet::Close() {
    if (OnClose) OnClose();
}

void TfrxDataSet::First() {
    recNo_ = 0;
    if (OnFirst) OnFirst();
}

void TfrxDataSet::Next() {
    ++recNo_;
    if (!(rangeEnd_ == reCount && recNo_ >= rangeEndCount_) && OnNext) OnNext();
}

void TfrxDataSet::Prior() {
    --recNo_;
    if (OnPrior) OnPrior();
}

bool TfrxDataSet::Eof() const {
    bool eof = rangeEnd_ == reCount && recNo_ >= rangeEndCount_;
    if (OnCheckEOF) OnCheckEOF(eof);
    return eof;
}

int TfrxDataSet::RecordCount() const {
    return rangeBegin_ == rbFirst && rangeEnd_ == reCount ? rangeEndCount_ : 0;
}

Variant TfrxDataSet::Value(std::string_view) const { return Variant::null(); }

std::string TfrxDataSet::DisplayText(std::string_view) const { return std::string(); }

int TfrxDataSet::DisplayWidth(std::string_view) const { return 10; }

TfrxFieldType TfrxDataSet::FieldType(std::string_view) const { return fftString; }

bool TfrxDataSet::IsBlobField(std::string_view) const { return false; }

const ClassInfo& TfrxUserDataSet::staticClassInfo() {
    using D = TfrxUserDataSet;
    static const ClassInfo info = ClassBuilder<D>("TfrxUserDataSet", &TfrxDataSet::staticClassInfo())
                                      .lines<&D::Fields, &D::SetFields>("Fields")
                                      .callback("OnGetValue")
                                      .build();
    return info;
}

Variant TfrxUserDataSet::Value(std::string_view field) const {
    Variant v = Variant::null();
    if (OnGetValue) OnGetValue(std::string(field), v);
    return v;
}

std::string TfrxUserDataSet::DisplayText(std::string_view field) const { return Value(field).toString(); }

const ClassInfo& TfrxCustomDBDataSet::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxCustomDBDataSet>("TfrxCustomDBDataSet", &TfrxDataSet::staticClassInfo()).build();
    return info;
}

const std::vector<TfrxDataSet*>& frxDataSetList() { return dataSets(); }

TfrxDataSet* frxFindDataSet(const TfrxReport* report, std::string_view userName) {
    if (trim(userName).empty()) return nullptr;
    for (TfrxDataSet* ds : dataSets()) {
        if (!sameText(ds->UserName(), userName)) continue;
        const TfrxReport* owner = ds->Report();
        if (owner && report && owner != report) continue;
        return ds;
    }
    return nullptr;
}

}  // namespace lumaro
