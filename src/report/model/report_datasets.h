#pragma once
// The data sets a report uses: items naming a data set (DataSet) and its user name
// (DataSetName).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/registry/persistent.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

class TfrxDataSet;
class TfrxReport;

class TfrxDataSetItem : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    explicit TfrxDataSetItem(TfrxReport* report = nullptr) : report_(report) {}

    // Setting the data set also sets DataSetName to its user name; setting the name looks the
    // data set up for the report.
    TfrxDataSet* DataSet() const;
    void SetDataSet(TfrxDataSet* ds);
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(std::string name);

private:
    TfrxReport* report_;
    WeakRef<TfrxDataSet> dataSet_;
    std::string dataSetName_;
};

class TfrxReportDataSets {
public:
    explicit TfrxReportDataSets(TfrxReport* report = nullptr);
    ~TfrxReportDataSets();
    TfrxReportDataSets(const TfrxReportDataSets&) = delete;
    TfrxReportDataSets& operator=(const TfrxReportDataSets&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises "List index out of bounds (<index>)" for a bad index.
    TfrxDataSetItem* Items(int index) const;
    TfrxDataSetItem* Add();
    // Appends an item for the data set.
    TfrxDataSetItem* Add(TfrxDataSet* ds);
    void Delete(int index);
    void Clear() { items_.clear(); }
    // The item whose data set has that user name (letter case ignored), or null.
    TfrxDataSetItem* Find(std::string_view userName) const;

    // Takes over a data set that the host binds to the report under its user name (a CSV
    // file). It stays until the list is destroyed or another one is bound under the same
    // name, also through Clear. Every object of the report that names it as its data set
    // (DataSetName) is pointed at it, and an item for it is added unless one exists. Like the
    // data sets of the host program it is not part of the tree, so templates do not store it.
    TfrxDataSet* Bind(std::unique_ptr<TfrxDataSet> ds);

private:
    TfrxReport* report_;
    std::vector<std::unique_ptr<TfrxDataSet>> bound_;
    std::vector<std::unique_ptr<TfrxDataSetItem>> items_;
};

}  // namespace lumaro
