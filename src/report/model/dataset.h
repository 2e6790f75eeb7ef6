#pragma once
// Data sources of a report. Every data set joins one process-wide list when created and
// leaves it when destroyed; templates find a data set there by its user name. Navigation
// keeps a record counter and calls the host's callbacks; concrete sources refine field
// access.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/variant.h"
#include "report/model/report_component.h"
#include "report/registry/class_info.h"

namespace lumaro {

// Base of the non-visual report parts.
class TfrxDialogComponent : public TfrxReportComponent {
    LUMARO_CLASS_INFO
};

enum TfrxFieldType { fftNumeric, fftString, fftBoolean };

class TfrxDataSet : public TfrxDialogComponent {
    LUMARO_CLASS_INFO
public:
    TfrxDataSet();
    ~TfrxDataSet() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    TfrxRangeBegin RangeBegin() const { return rangeBegin_; }
    void SetRangeBegin(TfrxRangeBegin v) { rangeBegin_ = v; }
    TfrxRangeEnd RangeEnd() const { return rangeEnd_; }
    void SetRangeEnd(TfrxRangeEnd v) { rangeEnd_ = v; }
    int RangeEndCount() const { return rangeEndCount_; }
    void SetRangeEndCount(int v) { rangeEndCount_ = v; }
    // The name under which templates refer to the data set. Raises frxGet("prInvProp") for
    // an empty or blank name.
    const std::string& UserName() const { return userName_; }
    void SetUserName(std::string name);
    // Also sets UserName when that was empty or equal to the old name.
    void SetName(const std::string& name) override;

    // Host callbacks.
    std::function<void(bool& eof)> OnCheckEOF;
    std::function<void()> OnFirst, OnNext, OnPrior;
    std::function<void()> OnOpen, OnClose;

    int RecNo() const { return recNo_; }
    virtual void Open();
    virtual void Close();
    // What a preparation calls before it reads the data set and after it is done with it;
    // the base opens and closes.
    virtual void Initialize() { Open(); }
    virtual void Finalize() { Close(); }
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof() const;
    virtual int RecordCount() const;

    // Field access, refined by concrete sources.
    virtual Lines FieldList() const { return {}; }
    virtual Variant Value(std::string_view field) const;
    virtual std::string DisplayText(std::string_view field) const;
    virtual int DisplayWidth(std::string_view field) const;
    virtual TfrxFieldType FieldType(std::string_view field) const;
    virtual bool IsBlobField(std::string_view field) const;

private:
    bool enabled_ = true;
    TfrxRangeBegin rangeBegin_ = rbFirst;
    TfrxRangeEnd rangeEnd_ = reLast;
    int rangeEndCount_ = 0;
    std::string userName_;
    int recNo_ = 0;
};

// A data set whose fields are a list of names and whose values come from OnGetValue.
class TfrxUserDataSet : public TfrxDataSet {
    LUMARO_CLASS_INFO
public:
    const Lines& Fields() const { return fields_; }
    void SetFields(Lines v) { fields_ = std::move(v); }
    // Receives the field name and a value that starts as Null.
    std::function<void(const std::string& field, Variant& value)> OnGetValue;

    Lines FieldList() const override { return fields_; }
    Variant Value(std::string_view field) const override;
    std::string DisplayText(std::string_view field) const override;

private:
    Lines fields_;
};

// Base of data sets over database components (refined by the concrete sources).
class TfrxCustomDBDataSet : public TfrxDataSet {
    LUMARO_CLASS_INFO
};

// Every data set that exists, in creation order.
const std::vector<TfrxDataSet*>& frxDataSetList();
// The first data set whose UserName equals `userName` without regard to case, skipping
// data sets that belong to a report other than `report`; null for an empty name.
TfrxDataSet* frxFindDataSet(const TfrxReport* report, std::string_view userName);

}  // namespace lumaro
