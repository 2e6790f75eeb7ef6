#include "report/model/report.h"

#include <filesystem>

#include "core/error.h"
#include "core/resources.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/dataset.h"
#include "report/model/report_page.h"
#include "report/registry/class_builder.h"
#include "report/script/report_script_library.h"
#include "report/serializer/serializer.h"
#include "report/serializer/typed_stream.h"

namespace lumaro {

namespace {

// Runs a function when the scope ends, also when it ends by an exception.
template <class F>
class Finally {
public:
    explicit Finally(F f) : f_(std::move(f)) {}
    ~Finally() { f_(); }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    F f_;
};

void writeItemList(TypedWriter& w, std::string_view name, int count, const std::function<std::string(int)>& text) {
    w.writeName(name);
    w.writeListBegin();
    for (int i = 0; i < count; ++i) {
        w.writeListBegin();
        w.writeLongString(text(i));
        w.writeListEnd();
    }
    w.writeListEnd();
}

}  // namespace

std::string scramblePassword(std::string_view password, bool encode) {
    std::string bytes = utf8ToCp1250(password);
    for (char& c : bytes) c = static_cast<char>(static_cast<uint8_t>(c) + (encode ? 256 - 10 : 10));
    return cp1250ToUtf8(bytes);
}

const ClassInfo& TfrxReport::staticClassInfo() {
    using R = TfrxReport;
    static const ClassInfo info =
        ClassBuilder<R>("TfrxReport", &TfrxComponent::staticClassInfo())
            .creatable()
            .reference<&R::DataSet, &R::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
            .string<&R::DataSetName, &R::SetDataSetName>("DataSetName")
            .boolean<&R::DotMatrixReport, &R::SetDotMatrixReport>("DotMatrixReport")
            .object<LUMARO_MUTABLE_GETTER(R, EngineOptions, TfrxEngineOptions)>("EngineOptions",
                                                                              &TfrxEngineOptions::staticClassInfo)
            .string<&R::IniFile, &R::SetIniFile>("IniFile")
            .boolean<&R::OldStyleProgress, &R::SetOldStyleProgress>("OldStyleProgress", false)
            .reference<&R::Preview, &R::SetPreview>("Preview", nullptr)
            .object<LUMARO_MUTABLE_GETTER(R, PreviewOptions, TfrxPreviewOptions)>("PreviewOptions",
                                                                                &TfrxPreviewOptions::staticClassInfo)
            .object<LUMARO_MUTABLE_GETTER(R, PrintOptions, TfrxPrintOptions)>("PrintOptions",
                                                                            &TfrxPrintOptions::staticClassInfo)
            .object<LUMARO_MUTABLE_GETTER(R, ReportOptions, TfrxReportOptions)>("ReportOptions",
                                                                              &TfrxReportOptions::staticClassInfo)
            .string<&R::ScriptLanguage, &R::SetScriptLanguage>("ScriptLanguage")
            .lines<&R::ScriptText, &R::SetScriptText>("ScriptText")
            .boolean<&R::ShowProgress, &R::SetShowProgress>("ShowProgress", true)
            .callback("OnAfterPrint")
            .callback("OnBeforePrint")
            .callback("OnBeginDoc")
            .callback("OnClickObject")
            .callback("OnEndDoc")
            .callback("OnGetValue")
            .callback("OnManualBuild")
            .callback("OnMouseOverObject")
            .callback("OnPrintReport")
            .callback("OnAfterPrintReport")
            .callback("OnProgressStart")
            .callback("OnProgress")
            .callback("OnProgressStop")
            .callback("OnUserFunction")
            .event<&R::OnStartReport, &R::SetOnStartReport>("OnStartReport")
            .event<&R::OnStopReport, &R::SetOnStopReport>("OnStopReport")
            .build();
    return info;
}

// Scripts of a report see the report classes of the global script from the first report on.
TfrxReport::TfrxReport() {
    frxRegisterReportScriptLibrary();
    Clear();
}

TfrxReport::~TfrxReport() {
    // The children leave the name index while the report is still whole.
    TfrxComponent::Clear();
}

void TfrxReport::Clear() {
    TfrxComponent::Clear();
    dataSets_.Clear();
    variables_.Clear();
    engineOptions_.Clear();
    previewOptions_.Clear();
    printOptions_.Clear();
    reportOptions_.Clear();
    styles_.Clear();
    dataSet_ = nullptr;
    dataSetName_.clear();
    dotMatrixReport_ = false;
    scriptLanguage_ = "PascalScript";
    scriptText_ = {"begin", "", "end."};
    sysVariables_ = {"Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#"};
}

TfrxDataSet* TfrxReport::DataSet() const { return dataSet_.get(); }

void TfrxReport::SetDataSet(TfrxDataSet* ds) {
    dataSet_ = ds;
    dataSetName_ = ds ? ds->UserName() : std::string();
}

void TfrxReport::SetDataSetName(std::string name) {
    dataSetName_ = std::move(name);
    dataSet_ = frxFindDataSet(this, dataSetName_);
}

bool TfrxReport::LoadFromFile(const std::string& fileName, bool mustExist) {
    Clear();
    fileName_.clear();
    std::error_code ec;
    const bool exists = std::filesystem::exists(fileName, ec);
    if (!exists && !mustExist) return false;
    FileStream file(fileName, FileStream::Mode::Read);
    LoadFromStream(file);
    fileName_ = fileName;
    return exists;
}

void TfrxReport::SaveToFile(const std::string& fileName) {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s, true, false); });
}

void TfrxReport::LoadFromStream(Stream& stream) {
    errors_.Clear();
    // A template decides only ConvertNulls and DoublePass of the engine options and
    // OutlineVisible and OutlineWidth of the preview options; the rest is kept.
    TfrxEngineOptions engine;
    engine.Assign(engineOptions_);
    TfrxPreviewOptions preview;
    preview.Assign(previewOptions_);
    const std::string iniFile = iniFile_;
    Object* previewControl = preview_;
    const bool oldStyleProgress = oldStyleProgress_;
    const bool showProgress = showProgress_;
    {
        Finally restore([&] {
            const bool convertNulls = engineOptions_.ConvertNulls(), doublePass = engineOptions_.DoublePass();
            engineOptions_.Assign(engine);
            engineOptions_.SetConvertNulls(convertNulls);
            engineOptions_.SetDoublePass(doublePass);
            const bool outlineVisible = previewOptions_.OutlineVisible();
            const int outlineWidth = previewOptions_.OutlineWidth();
            previewOptions_.Assign(preview);
            previewOptions_.SetOutlineVisible(outlineVisible);
            previewOptions_.SetOutlineWidth(outlineWidth);
            iniFile_ = iniFile;
            preview_ = previewControl;
            oldStyleProgress_ = oldStyleProgress;
            showProgress_ = showProgress;
        });
        loadComponent(*this, stream);
    }
    reportOptions_.SetPassword(scramblePassword(reportOptions_.Password(), false));

    if (!restoringSnapshot_ && !reportOptions_.Password().empty()) {
        std::string entered;
        const auto ask = host_.askPassword;
        if (!ask || !ask(entered) || entered != reportOptions_.Password()) {
            Clear();
            return;
        }
    }
    ShowErrors();
}

void TfrxReport::SaveToStream(Stream& stream, bool saveChildren, bool saveDefaults) {
    const std::string password = reportOptions_.Password();
    Object* previewControl = preview_;
    Finally restore([&] {
        reportOptions_.SetPassword(password);
        preview_ = previewControl;
    });
    reportOptions_.SetPassword(scramblePassword(password, true));
    preview_ = nullptr;
    saveComponent(*this, stream, saveChildren, saveDefaults);
}

void TfrxReport::ShowReport(bool clearPrepared) {
    if (const auto show = host_.showReport) show(*this, clearPrepared);
}

bool TfrxReport::OpenDesigner() {
    const auto open = host_.openDesigner;
    if (designerOpen_ || !open) return false;
    bool hasPage = false;
    for (const TfrxComponent* c : Objects()) hasPage = hasPage || dynamic_cast<const TfrxPage*>(c);
    if (!hasPage) {
        auto* page = new TfrxReportPage();
        page->SetParent(this);
        page->ApplyPrinterDefaults();
        page->SetName("Page1");
    }
    designerOpen_ = true;
    Finally closed([this] { designerOpen_ = false; });
    return open(*this);
}

TfrxDataSet* TfrxReport::GetDataset(std::string_view alias) const {
    const TfrxDataSetItem* item = dataSets_.Find(alias);
    return item ? item->DataSet() : nullptr;
}

void TfrxReport::ShowErrors() const {
    const auto show = host_.showErrors;
    if (errors_.empty() || engineOptions_.SilentMode() || !show) return;
    std::string message = frxGet("clErrors");
    for (const std::string& line : errors_.lines()) {
        message += '\n';
        message += line;
    }
    show(message);
}

void TfrxReport::writePropData(TypedWriter& w) const {
    if (designLeft_ != 0) {
        w.writeName("Left");
        w.writeInteger(designLeft_);
    }
    if (designTop_ != 0) {
        w.writeName("Top");
        w.writeInteger(designTop_);
    }
    writeItemList(w, "Datasets", dataSets_.Count(), [this](int i) { return attributeText(*dataSets_.Items(i)); });
    writeItemList(w, "Variables", variables_.Count(), [this](int i) { return variables_.Items(i)->attributeText(); });
    writeItemList(w, "Style", styles_.Count(), [this](int i) { return attributeText(*styles_.Items(i)); });
}

bool TfrxReport::readPropEntry(std::string_view name, TypedReader& reader, ObjectReader& context) {
    int32_t v = 0;
    if (sameText(name, "Left")) return reader.readInteger(v) && (designLeft_ = v, true);
    if (sameText(name, "Top")) return reader.readInteger(v) && (designTop_ = v, true);
    if (sameText(name, "Datasets"))
        return readItemList(reader, [this] { dataSets_.Clear(); },
                            [&](const std::string& text) { context.applyAttributeText(*dataSets_.Add(), text); });
    if (sameText(name, "Variables"))
        return readItemList(reader, [this] { variables_.Clear(); },
                            [&](const std::string& text) { variables_.Add()->applyAttributeText(text, &context.errors()); });
    if (sameText(name, "Style"))
        return readItemList(reader, [this] { styles_.Clear(); },
                            [&](const std::string& text) { context.applyAttributeText(*styles_.Add(), text); });
    return false;
}

}  // namespace lumaro
