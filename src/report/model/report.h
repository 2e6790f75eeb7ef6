#pragma once
// The root of a report tree. Owns its pages and everything under them, the data-set list, the
// variables, the styles, the four option groups, the script text and the error list, and
// offers the operations the front end calls: load, save, show, design.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "report/model/component.h"
#include "report/model/name_index.h"
#include "report/model/report_datasets.h"
#include "report/model/report_host.h"
#include "report/model/report_options.h"
#include "report/model/sorted_strings.h"
#include "report/model/styles.h"
#include "report/registry/class_info.h"
#include "report/registry/weak_ref.h"
#include "report/variables.h"

namespace lumaro {

class TfrxDataSet;
class TfrxPage;
class TfrxReportComponent;
class TfrxReportPage;

class TfrxReport : public TfrxComponent {
    LUMARO_CLASS_INFO
public:
    TfrxReport();
    ~TfrxReport() override;

    // ---- owned parts ----
    TfrxReportDataSets& DataSets() { return dataSets_; }
    const TfrxReportDataSets& DataSets() const { return dataSets_; }
    TfrxReportDataSets& EnabledDataSets() { return enabledDataSets_; }
    TfrxVariables& Variables() { return variables_; }
    const TfrxVariables& Variables() const { return variables_; }
    TfrxStyles& Styles() { return styles_; }
    const TfrxStyles& Styles() const { return styles_; }
    TfrxEngineOptions& EngineOptions() { return engineOptions_; }
    const TfrxEngineOptions& EngineOptions() const { return engineOptions_; }
    TfrxPreviewOptions& PreviewOptions() { return previewOptions_; }
    const TfrxPreviewOptions& PreviewOptions() const { return previewOptions_; }
    TfrxPrintOptions& PrintOptions() { return printOptions_; }
    const TfrxPrintOptions& PrintOptions() const { return printOptions_; }
    TfrxReportOptions& ReportOptions() { return reportOptions_; }
    const TfrxReportOptions& ReportOptions() const { return reportOptions_; }
    // Messages of the last load or preparation, sorted, without duplicates.
    SortedStringList& Errors() { return errors_; }
    const SortedStringList& Errors() const { return errors_; }
    // "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#".
    const Lines& SysVariables() const { return sysVariables_; }

    // ---- published properties ----
    TfrxDataSet* DataSet() const;
    void SetDataSet(TfrxDataSet* ds);
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(std::string name);
    bool DotMatrixReport() const { return dotMatrixReport_; }
    void SetDotMatrixReport(bool v) { dotMatrixReport_ = v; }
    // Where preview and designer settings are kept: "\Software\..." names a settings scope,
    // anything else an INI file.
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(std::string v) { iniFile_ = std::move(v); }
    bool OldStyleProgress() const { return oldStyleProgress_; }
    void SetOldStyleProgress(bool v) { oldStyleProgress_ = v; }
    // The preview control attached by the host (not owned).
    Object* Preview() const { return preview_; }
    void SetPreview(Object* v) { preview_ = v; }
    const std::string& ScriptLanguage() const { return scriptLanguage_; }
    void SetScriptLanguage(std::string v) { scriptLanguage_ = std::move(v); }
    const Lines& ScriptText() const { return scriptText_; }
    void SetScriptText(Lines v) { scriptText_ = std::move(v); }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool v) { showProgress_ = v; }
    const std::string& OnStartReport() const { return onStartReport_; }
    void SetOnStartReport(std::string v) { onStartReport_ = std::move(v); }
    const std::string& OnStopReport() const { return onStopReport_; }
    void SetOnStopReport(std::string v) { onStopReport_ = std::move(v); }

    // ---- host callbacks (never stored) ----
    std::function<void(TfrxReportComponent& sender)> OnAfterPrint, OnBeforePrint;
    std::function<void()> OnBeginDoc, OnEndDoc;
    std::function<void(TfrxReportComponent& view, int button, bool& modified)> OnClickObject;
    std::function<void(TfrxReportComponent& view)> OnMouseOverObject;
    std::function<void(const std::string& name, Variant& value)> OnGetValue;
    std::function<void(TfrxPage& page)> OnManualBuild;
    std::function<void()> OnPrintReport, OnAfterPrintReport;
    std::function<void(int kind)> OnProgressStart, OnProgressStop;
    std::function<void(int kind, int progress)> OnProgress;
    std::function<Variant(const std::string& name, const std::vector<Variant>& params)> OnUserFunction;

    // Design position of the report component on its host window (stored in PropData).
    int DesignLeft() const { return designLeft_; }
    void SetDesignLeft(int v) { designLeft_ = v; }
    int DesignTop() const { return designTop_; }
    void SetDesignTop(int v) { designTop_ = v; }

    // ---- operations ----
    // The tree, DataSets, Variables, Styles, the option groups as far as a new report resets
    // them, the script and the system variable names.
    void Clear() override;
    // Clear; if the file exists (or mustExist) load it and remember the name. Returns whether
    // the file existed. A missing file with mustExist raises EFileError.
    bool LoadFromFile(const std::string& fileName, bool mustExist = false);
    // Writes the template beside the file and replaces the file only when all is written.
    void SaveToFile(const std::string& fileName);
    void LoadFromStream(Stream& stream) override;
    void SaveToStream(Stream& stream, bool saveChildren = true, bool saveDefaults = false) override;
    // The file of the last successful LoadFromFile (empty otherwise).
    const std::string& FileName() const { return fileName_; }
    // Set while the snapshot taken around a preparation is read back: no password prompt.
    void SetRestoringSnapshot(bool v) { restoringSnapshot_ = v; }

    // What the host program provides to this report (dialogs, preview, designer, metrics);
    // the headless host until the host program sets its own.
    const ReportHost& Host() const { return host_; }
    ReportHost& Host() { return host_; }
    void SetHost(ReportHost host) { host_ = std::move(host); }

    // Shows the report through the host's preview; does nothing when there is none.
    void ShowReport(bool clearPrepared = true);
    // Opens the host's designer (only when it has one and no designer is open for this
    // report); a report without pages first gets a page "Page1" with the printer defaults.
    // Returns the designer's result.
    bool OpenDesigner();
    bool DesignerOpen() const { return designerOpen_; }

    // The data set of the first DataSets item whose data set has that user name (letter case
    // ignored), or null.
    TfrxDataSet* GetDataset(std::string_view alias) const;
    // Shows the errors through the host unless SilentMode is on or there are none.
    void ShowErrors() const;

    const TfrxReport* asReport() const override { return this; }

    // Names of all objects of the report (for the uniqueness of names).
    NameIndex& objectNames() { return names_; }

    // PropData: "Left", "Top" (when not 0), "Datasets", "Variables", "Style".
    bool hasPropData() const override { return true; }
    void writePropData(TypedWriter& writer) const override;
    bool readPropEntry(std::string_view name, TypedReader& reader, ObjectReader& context) override;

private:
    void loadTemplate(Stream& stream);

    TfrxReportDataSets dataSets_{this};
    TfrxReportDataSets enabledDataSets_{this};
    TfrxVariables variables_;
    TfrxStyles styles_{this};
    TfrxEngineOptions engineOptions_;
    TfrxPreviewOptions previewOptions_;
    TfrxPrintOptions printOptions_;
    TfrxReportOptions reportOptions_;
    SortedStringList errors_;
    Lines sysVariables_;

    WeakRef<TfrxDataSet> dataSet_;
    std::string dataSetName_;
    bool dotMatrixReport_ = false;
    std::string iniFile_ = "\\Software\\Quillbase";
    bool oldStyleProgress_ = false;
    Object* preview_ = nullptr;
    std::string scriptLanguage_;
    Lines scriptText_;
    bool showProgress_ = true;
    std::string onStartReport_, onStopReport_;

    int designLeft_ = 0, designTop_ = 0;
    std::string fileName_;
    bool restoringSnapshot_ = false;
    bool designerOpen_ = false;
    NameIndex names_;
    ReportHost host_;
};

// The stored form of a password: every character code decreased (encode) or increased (decode)
// by 10, modulo 256, on the Windows-1250 bytes of the text.
std::string scramblePassword(std::string_view password, bool encode);

}  // namespace lumaro
