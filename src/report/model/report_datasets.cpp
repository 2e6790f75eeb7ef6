#include "report/model/report_datasets.h"

#include "core/error.h"
#include "core/text.h"
#include "report/model/dataset.h"
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

}  // namespace lumaro
