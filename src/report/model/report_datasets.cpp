#include "report/model/report_datasets.h"

#include "core/error.h"
#include "core/text.h"
#include "report/model/dataset.h"
#include "report/model/report.h"
#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxDataSetItem::staticClassInfo() {
    using I = TfrxDataSetItem;
    static const ClassInfo info = ClassBuilder<I>("TfrxDataSetItem", &TfrxPersistent::staticClassInfo())
                                      .reference<&I::DataSet, &I::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
                                      .string<&I::DataSetName, &I::SetDataSetName>("DataSetName")
                                      .build();
    return info;
}

TfrxDataSet* TfrxDataSetItem::DataSet() const { return dataSet_.get(); }

void TfrxDataSetItem::SetDataSet(TfrxDataSet* ds) {
    dataSet_ = ds;
    dataSetName_ = ds ? ds->UserName() : std::string();
}

void TfrxDataSetItem::SetDataSetName(std::string name) {
    dataSetName_ = std::move(name);
    dataSet_ = frxFindDataSet(report_, dataSetName_);
}

TfrxReportDataSets::TfrxReportDataSets(TfrxReport* report) : report_(report) {}

TfrxReportDataSets::~TfrxReportDataSets() = default;

TfrxDataSetItem* TfrxReportDataSets::Items(int index) const {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)].get();
}

TfrxDataSetItem* TfrxReportDataSets::Add() {
    items_.push_back(std::make_unique<TfrxDataSetItem>(report_));
    return items_.back().get();
}

TfrxDataSetItem* TfrxReportDataSets::Add(TfrxDataSet* ds) {
    TfrxDataSetItem* item = Add();
    item->SetDataSet(ds);
    return item;
}

void TfrxReportDataSets::Delete(int index) {
    Items(index);
    items_.erase(items_.begin() + index);
}

TfrxDataSetItem* TfrxReportDataSets::Find(std::string_view userName) const {
    for (const auto& item : items_)
        if (item->DataSet() && sameText(item->DataSet()->UserName(), userName)) return item.get();
    return nullptr;
}

namespace {
// Looks the data set named by `DataSetName` up again, for every object of the report that has
// that property and names `userName`.
void resolveDataSetName(TfrxReport& report, std::string_view userName) {
    const auto resolve = [&](TfrxPersistent& obj) {
        const PropInfo* p = obj.classInfo().FindProp("DataSetName");
        if (!p || p->kind != PropKind::String || !p->setString) return;
        std::string name = p->getString(obj);
        if (sameText(name, userName)) p->setString(obj, std::move(name));
    };
    resolve(report);
    for (TfrxComponent* c : report.AllObjects()) resolve(*c);
}
}  // namespace

TfrxDataSet* TfrxReportDataSets::Bind(std::unique_ptr<TfrxDataSet> ds) {
    const std::string userName = ds->UserName();
    // The earlier one goes first, so that looking the name up finds the new one.
    for (auto it = bound_.begin(); it != bound_.end();)
        it = sameText((*it)->UserName(), userName) ? bound_.erase(it) : it + 1;
    bound_.push_back(std::move(ds));
    TfrxDataSet* bound = bound_.back().get();
    for (const auto& item : items_)
        if (!item->DataSet() && sameText(item->DataSetName(), userName)) item->SetDataSet(bound);
    if (report_) resolveDataSetName(*report_, userName);
    if (!Find(userName)) Add(bound);
    return bound;
}

}  // namespace lumaro
