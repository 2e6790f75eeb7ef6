// The report classes of the global script: one row per class with the members scripts call,
// and the handlers of those members over the object model. Published properties come from
// the property registry (published_properties.h). A class of the object model gets its
// registry parent as ancestor, so that the inherited properties are found there; its
// instances are the objects whose registry class derives from it.
#include <algorithm>
#include <memory>
#include <vector>

#include "core/error.h"
#include "core/text.h"
#include "report/engine/custom_engine.h"
#include "report/model/component.h"
#include "report/model/dataset.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/prepared/preview_pages.h"
#include "report/registry/class_registry.h"
#include "report/registry/weak_ref.h"
#include "report/script/published_properties.h"
#include "report/script/report_library_parts.h"
#include "report/variables.h"
#include "report/views/memo_view.h"
#include "script/library/class_table.h"
#include "script/library/library_function.h"
#include "script/library/object_list.h"
#include "script/library/string_list.h"

namespace lumaro {

namespace {

struct ReportClassRow {
    const char* name;
    const char* ancestor;  // used when the registry does not give the parent
    std::vector<std::string> members;
};

std::vector<ReportClassRow> reportClasses() {
    return {
        {"TfrxComponent", "TComponent",
         {"procedure Clear", "function FindObject(s: String): TfrxComponent",
          "procedure LoadFromStream(Stream: TStream)",
          "procedure SaveToStream(Stream: TStream; SaveChildren: Boolean = True)",
          "procedure SetBounds(ALeft, ATop, AWidth, AHeight: Extended)", "property Objects: TList readonly",
          "property AllObjects: TList readonly", "property Parent: TfrxComponent readonly",
          "property Page: TfrxPage readonly", "property AbsLeft: Extended readonly",
          "property AbsTop: Extended readonly"}},
        {"TfrxReportComponent", "TfrxComponent", {}},
        {"TfrxDialogComponent", "TfrxReportComponent", {}},
        {"TfrxDataSet", "TfrxDialogComponent",
         {"procedure Open", "procedure Close", "procedure First", "procedure Next", "procedure Prior",
          "function Eof: Boolean", "function FieldsCount: Integer", "function HasField(const fName: String): Boolean",
          "function IsBlobField(const fName: String): Boolean", "function RecordCount: Integer",
          "procedure GetFieldList(List: TStrings)", "property RecNo: Integer readonly",
          "property DisplayText[String]: String readonly", "property DisplayWidth[String]: Integer readonly",
          "property FieldType[String]: TfrxFieldType readonly", "property Value[String]: Variant readonly"}},
        {"TfrxUserDataSet", "TfrxDataSet", {}},
        {"TfrxCustomDBDataSet", "TfrxDataSet", {}},
        {"TfrxDialogControl", "TfrxReportComponent", {}},
        {"TfrxFrame", "TPersistent", {}},
        {"TfrxHighlight", "TPersistent", {}},
        {"TfrxFormat", "TPersistent", {}},
        {"TfrxView", "TfrxReportComponent", {}},
        {"TfrxShapeView", "TfrxView", {}},
        {"TfrxStretcheable", "TfrxView", {"function CalcHeight: Extended"}},
        {"TfrxCustomMemoView", "TfrxStretcheable",
         {"function CalcWidth: Extended", "property Text: String", "property Lines: String"}},
        {"TfrxMemoView", "TfrxCustomMemoView", {}},
        {"TfrxSysMemoView", "TfrxCustomMemoView", {}},
        {"TfrxDMPMemoView", "TfrxCustomMemoView", {}},
        {"TfrxCustomLineView", "TfrxStretcheable", {}},
        {"TfrxLineView", "TfrxCustomLineView", {}},
        {"TfrxDMPLineView", "TfrxCustomLineView", {}},
        {"TfrxPictureView", "TfrxView", {"procedure LoadFromFile(filename: String)"}},
        {"TfrxSubreport", "TfrxView", {}},
        {"TfrxBand", "TfrxReportComponent", {"property Overflow: Boolean"}},
        {"TfrxDataBand", "TfrxBand", {}},
        {"TfrxHeader", "TfrxBand", {}},
        {"TfrxFooter", "TfrxBand", {}},
        {"TfrxMasterData", "TfrxDataBand", {}},
        {"TfrxDetailData", "TfrxDataBand", {}},
        {"TfrxSubdetailData", "TfrxDataBand", {}},
        {"TfrxDataBand4", "TfrxDataBand", {}},
        {"TfrxDataBand5", "TfrxDataBand", {}},
        {"TfrxDataBand6", "TfrxDataBand", {}},
        {"TfrxPageHeader", "TfrxBand", {}},
        {"TfrxPageFooter", "TfrxBand", {}},
        {"TfrxColumnHeader", "TfrxBand", {}},
        {"TfrxColumnFooter", "TfrxBand", {}},
        {"TfrxGroupHeader", "TfrxBand", {}},
        {"TfrxGroupFooter", "TfrxBand", {}},
        {"TfrxReportTitle", "TfrxBand", {}},
        {"TfrxReportSummary", "TfrxBand", {}},
        {"TfrxChild", "TfrxBand", {}},
        {"TfrxOverlay", "TfrxBand", {}},
        {"TfrxPage", "TfrxComponent", {}},
        {"TfrxReportPage", "TfrxPage", {}},
        {"TfrxDialogPage", "TfrxPage", {}},
        {"TfrxDMPPage", "TfrxReportPage", {}},
        {"TfrxEngineOptions", "TPersistent", {}},
        {"TfrxPrintOptions", "TPersistent", {}},
        {"TfrxPreviewOptions", "TPersistent", {}},
        {"TfrxReportOptions", "TPersistent", {}},
        {"TfrxVariable", "TPersistent", {}},
        {"TfrxVariables", "TPersistent", {}},
        {"TfrxReport", "TfrxComponent",
         {"function Calc(const Expr: String): Variant", "function GetDataset(const Alias: String): TfrxDataset",
          "function LoadFromFile(const FileName: String): Boolean", "procedure SaveToFile(const FileName: String)",
          "procedure ShowReport", "property Variables: TfrxVariables readonly"}},
        {"TfrxCustomEngine", "TPersistent",
         {"procedure AddAnchor(const Text: String)", "procedure NewPage", "procedure NewColumn",
          "procedure ShowBand(Band: TfrxBand)", "procedure StopReport", "function FreeSpace: Extended",
          "function GetAnchorPage(const Text: String): Integer"}},
        {"TfrxCustomOutline", "TPersistent",
         {"procedure AddItem(const Text: String)", "procedure LevelRoot", "procedure LevelUp"}},
        {"TfrxEngine", "TfrxCustomEngine", {}},
        {"TfrxOutline", "TfrxCustomOutline", {}},
    };
}

// ---- TfrxComponent

// The lists that Objects and AllObjects give: one per component, refilled on every read, so
// that a script holding the list sees it as the property gave it last. A list goes away with
// its component, so the table holds only lists of living components.
struct ComponentList {
    WeakRef<TfrxComponent> owner;
    bool all = false;
    std::shared_ptr<TList> list;
};

TList& componentList(TfrxComponent& c, bool all) {
    static std::vector<ComponentList> lists;
    std::erase_if(lists, [](const ComponentList& e) { return !e.owner; });
    auto it = std::find_if(lists.begin(), lists.end(),
                           [&](const ComponentList& e) { return e.owner.get() == &c && e.all == all; });
    if (it == lists.end()) it = lists.insert(lists.end(), ComponentList{&c, all, std::make_shared<TList>()});
    TList& list = *it->list;
    list.Clear();
    for (TfrxComponent* child : all ? c.AllObjects() : c.Objects()) list.Add(child);
    return list;
}

Variant objectValue(Object* o) { return Variant(o); }

Variant componentClear(MemberCall& c) {
    self<TfrxComponent>(c, "Clear").Clear();
    return {};
}
Variant componentFindObject(MemberCall& c) {
    return objectValue(self<TfrxComponent>(c, "FindObject").FindObject(arg(c.params, 0).toString()));
}
Variant componentSetBounds(MemberCall& c) {
    self<TfrxComponent>(c, "SetBounds")
        .SetBounds(arg(c.params, 0).toDouble(), arg(c.params, 1).toDouble(), arg(c.params, 2).toDouble(),
                   arg(c.params, 3).toDouble());
    return {};
}
Variant componentObjects(MemberCall& c) { return objectValue(&componentList(self<TfrxComponent>(c, "Objects"), false)); }
Variant componentAllObjects(MemberCall& c) {
    return objectValue(&componentList(self<TfrxComponent>(c, "AllObjects"), true));
}
Variant componentParent(MemberCall& c) { return objectValue(self<TfrxComponent>(c, "Parent").Parent()); }
Variant componentPage(MemberCall& c) {
    return objectValue(self<TfrxComponent>(c, "Page").Page());
}
Variant componentAbsLeft(MemberCall& c) { return self<TfrxComponent>(c, "AbsLeft").AbsLeft(); }
Variant componentAbsTop(MemberCall& c) { return self<TfrxComponent>(c, "AbsTop").AbsTop(); }

// ---- TfrxCustomMemoView
Variant memoText(MemberCall& c) { return self<TfrxCustomMemoView>(c, "Text").Text(); }
Variant memoSetText(MemberCall& c) {
    self<TfrxCustomMemoView>(c, "Text").SetText(arg(c.params, 0).toString());
    return {};
}

// ---- TfrxDataSet
TfrxDataSet& dataSet(MemberCall& c, const char* member) { return self<TfrxDataSet>(c, member); }
std::string field(const MemberCall& c) { return arg(c.params, 0).toString(); }

Variant dataSetOpen(MemberCall& c) { dataSet(c, "Open").Open(); return {}; }
Variant dataSetClose(MemberCall& c) { dataSet(c, "Close").Close(); return {}; }
Variant dataSetFirst(MemberCall& c) { dataSet(c, "First").First(); return {}; }
Variant dataSetNext(MemberCall& c) { dataSet(c, "Next").Next(); return {}; }
Variant dataSetPrior(MemberCall& c) { dataSet(c, "Prior").Prior(); return {}; }
Variant dataSetEof(MemberCall& c) { return dataSet(c, "Eof").Eof(); }
Variant dataSetFieldsCount(MemberCall& c) { return static_cast<int>(dataSet(c, "FieldsCount").FieldList().size()); }
Variant dataSetHasField(MemberCall& c) {
    const Lines fields = dataSet(c, "HasField").FieldList();
    const std::string name = field(c);
    for (const std::string& f : fields)
        if (sameText(f, name)) return true;
    return false;
}
Variant dataSetIsBlobField(MemberCall& c) { return dataSet(c, "IsBlobField").IsBlobField(field(c)); }
Variant dataSetRecordCount(MemberCall& c) { return dataSet(c, "RecordCount").RecordCount(); }
Variant dataSetGetFieldList(MemberCall& c) {
    auto* list = dynamic_cast<TStrings*>(objectOf(arg(c.params, 0)));
    if (!list) throw Exception("TfrxDataSet.GetFieldList: the list is not a TStrings");
    list->Clear();
    for (const std::string& f : dataSet(c, "GetFieldList").FieldList()) list->Add(f);
    return {};
}
Variant dataSetRecNo(MemberCall& c) { return dataSet(c, "RecNo").RecNo(); }
Variant dataSetDisplayText(MemberCall& c) { return dataSet(c, "DisplayText").DisplayText(field(c)); }
Variant dataSetDisplayWidth(MemberCall& c) { return dataSet(c, "DisplayWidth").DisplayWidth(field(c)); }
Variant dataSetFieldType(MemberCall& c) { return static_cast<int>(dataSet(c, "FieldType").FieldType(field(c))); }
Variant dataSetValue(MemberCall& c) { return dataSet(c, "Value").Value(field(c)); }

// ---- TfrxReport
Variant reportGetDataset(MemberCall& c) {
    return objectValue(self<TfrxReport>(c, "GetDataset").GetDataset(arg(c.params, 0).toString()));
}
Variant reportLoadFromFile(MemberCall& c) {
    return self<TfrxReport>(c, "LoadFromFile").LoadFromFile(arg(c.params, 0).toString());
}
Variant reportSaveToFile(MemberCall& c) {
    self<TfrxReport>(c, "SaveToFile").SaveToFile(arg(c.params, 0).toString());
    return {};
}
Variant reportShowReport(MemberCall& c) {
    self<TfrxReport>(c, "ShowReport").ShowReport();
    return {};
}
Variant reportVariables(MemberCall& c) { return objectValue(&self<TfrxReport>(c, "Variables").Variables()); }

// ---- TfrxCustomEngine: anchors are kept by the prepared pages.
TfrxPreviewPages& enginePages(MemberCall& c, const char* member) {
    return self<TfrxCustomEngine>(c, member).Report().PreviewPages();
}
Variant engineAddAnchor(MemberCall& c) {
    enginePages(c, "AddAnchor").AddAnchor(arg(c.params, 0).toString());
    return {};
}
Variant engineGetAnchorPage(MemberCall& c) {
    return enginePages(c, "GetAnchorPage").GetAnchorPage(arg(c.params, 0).toString());
}

// ---- TfrxCustomOutline
Variant outlineAddItem(MemberCall& c) {
    self<TfrxCustomOutline>(c, "AddItem").AddItem(arg(c.params, 0).toString());
    return {};
}
Variant outlineLevelRoot(MemberCall& c) {
    self<TfrxCustomOutline>(c, "LevelRoot").LevelRoot();
    return {};
}
Variant outlineLevelUp(MemberCall& c) {
    self<TfrxCustomOutline>(c, "LevelUp").LevelUp();
    return {};
}

const MemberHandlerRow kHandlers[] = {
    {"TFRXCOMPONENT.CLEAR", componentClear},
    {"TFRXCOMPONENT.FINDOBJECT", componentFindObject},
    {"TFRXCOMPONENT.SETBOUNDS", componentSetBounds},
    {"TFRXCOMPONENT.OBJECTS.GET", componentObjects},
    {"TFRXCOMPONENT.ALLOBJECTS.GET", componentAllObjects},
    {"TFRXCOMPONENT.PARENT.GET", componentParent},
    {"TFRXCOMPONENT.PAGE.GET", componentPage},
    {"TFRXCOMPONENT.ABSLEFT.GET", componentAbsLeft},
    {"TFRXCOMPONENT.ABSTOP.GET", componentAbsTop},
    {"TFRXCUSTOMMEMOVIEW.TEXT.GET", memoText},
    {"TFRXCUSTOMMEMOVIEW.TEXT.SET", memoSetText},
    {"TFRXCUSTOMMEMOVIEW.LINES.GET", memoText},
    {"TFRXCUSTOMMEMOVIEW.LINES.SET", memoSetText},
    {"TFRXDATASET.OPEN", dataSetOpen},
    {"TFRXDATASET.CLOSE", dataSetClose},
    {"TFRXDATASET.FIRST", dataSetFirst},
    {"TFRXDATASET.NEXT", dataSetNext},
    {"TFRXDATASET.PRIOR", dataSetPrior},
    {"TFRXDATASET.EOF", dataSetEof},
    {"TFRXDATASET.FIELDSCOUNT", dataSetFieldsCount},
    {"TFRXDATASET.HASFIELD", dataSetHasField},
    {"TFRXDATASET.ISBLOBFIELD", dataSetIsBlobField},
    {"TFRXDATASET.RECORDCOUNT", dataSetRecordCount},
    {"TFRXDATASET.GETFIELDLIST", dataSetGetFieldList},
    {"TFRXDATASET.RECNO.GET", dataSetRecNo},
    {"TFRXDATASET.DISPLAYTEXT.GET", dataSetDisplayText},
    {"TFRXDATASET.DISPLAYWIDTH.GET", dataSetDisplayWidth},
    {"TFRXDATASET.FIELDTYPE.GET", dataSetFieldType},
    {"TFRXDATASET.VALUE.GET", dataSetValue},
    {"TFRXREPORT.GETDATASET", reportGetDataset},
    {"TFRXREPORT.LOADFROMFILE", reportLoadFromFile},
    {"TFRXREPORT.SAVETOFILE", reportSaveToFile},
    {"TFRXREPORT.SHOWREPORT", reportShowReport},
    {"TFRXREPORT.VARIABLES.GET", reportVariables},
    {"TFRXCUSTOMENGINE.ADDANCHOR", engineAddAnchor},
    {"TFRXCUSTOMENGINE.GETANCHORPAGE", engineGetAnchorPage},
    {"TFRXCUSTOMOUTLINE.ADDITEM", outlineAddItem},
    {"TFRXCUSTOMOUTLINE.LEVELROOT", outlineLevelRoot},
    {"TFRXCUSTOMOUTLINE.LEVELUP", outlineLevelUp},
};

// Instances of a class of the object model: objects whose registry class derives from it.
TfsIsInstance registryInstance(const ClassInfo* info) {
    return [info](const Object* o) {
        const auto* p = dynamic_cast<const TfrxPersistent*>(o);
        return p && p->classInfo().InheritsFrom(*info);
    };
}

TfsIsInstance hostInstance(std::string_view name) {
    if (name == "TfrxVariable") return instanceOf<TfrxVariable>();
    if (name == "TfrxVariables") return instanceOf<TfrxVariables>();
    if (name == "TfrxCustomOutline") return instanceOf<TfrxCustomOutline>();
    if (name == "TfrxOutline") return instanceOf<TfrxOutline>();
    return {};
}

}  // namespace

void registerReportScriptClasses(TfsScript& script) {
    const std::vector<ReportClassRow> rows = reportClasses();
    std::vector<ClassRow> classes;
    classes.reserve(rows.size());
    for (const ReportClassRow& row : rows) {
        ClassRow c{row.name, row.ancestor, hostInstance(row.name), row.members};
        if (const ClassInfo* info = findClassInfo(row.name)) {
            c.isInstance = registryInstance(info);
            // The registry parent, when it is one of these classes, holds the inherited
            // properties the source leaves out.
            if (info->parent)
                for (const ReportClassRow& other : rows)
                    if (sameText(other.name, info->parent->name)) c.ancestor = other.name;
        }
        classes.push_back(std::move(c));
    }
    registerClasses(script, classes, {{kHandlers}, raiseNotAvailable});
    // Further classes of the object model (the barcode view, style and data set items, ...)
    // with their registry parent as ancestor, parents first.
    std::vector<const ClassInfo*> rest = allClasses();
    const auto depth = [](const ClassInfo* c) {
        int d = 0;
        for (; c->parent; c = c->parent) ++d;
        return d;
    };
    std::stable_sort(rest.begin(), rest.end(),
                     [&](const ClassInfo* a, const ClassInfo* b) { return depth(a) < depth(b); });
    for (const ClassInfo* info : rest)
        if (!script.FindClass(info->name))
            script.AddClass(info->name, info->parent ? info->parent->name : std::string("TPersistent"),
                            registryInstance(info));
    // Property objects of the model named like classes of the standard libraries (TFont)
    // existed before the source was installed: they receive the registry's properties now.
    for (const ClassInfo* info : allClasses()) {
        TfsClassVariable* cls = script.FindClass(info->name);
        if (!cls || cls->AddedBy() == script.AddedBy()) continue;
        const std::vector<TfsPublishedProperty> props = publishedProperties(info->name);
        if (!props.empty() && !cls->FindMember(props.front().name)) cls->AddPublishedProperties(props);
    }
}

}  // namespace lumaro
