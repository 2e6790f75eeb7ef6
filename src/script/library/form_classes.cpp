// The form and control classes. Without a display no window exists, so their members raise
// "<Class.Member> is not available without a display"; the classes, events, constants and
// enumerations exist so that templates using them compile. The "Application" object works
// where it needs no window: ProcessMessages and ExeName.
#include <filesystem>

#include "core/process_hook.h"
#include "script/library/class_table.h"
#include "script/library/component.h"
#include "script/library/libraries.h"

namespace lumaro {

namespace {

class ScriptApplication : public TComponent {
public:
    const char* ClassName() const override { return "TApplication"; }
};

ScriptApplication& application() {
    static ScriptApplication app;
    return app;
}

std::vector<ClassRow> formClasses() {
    const std::string notify = ": TfsNotifyEvent";
    return {
        {"TControl", "TComponent", {},
         {"property Parent: TWinControl", "procedure Hide", "procedure Show",
          "procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer)", "event OnCanResize: TfsCanResizeEvent",
          "event OnClick" + notify, "event OnDblClick" + notify, "event OnMouseDown: TfsMouseEvent",
          "event OnMouseMove: TfsMouseMoveEvent", "event OnMouseUp: TfsMouseEvent", "event OnResize" + notify}},
        {"TWinControl", "TControl", {},
         {"procedure SetFocus", "event OnEnter" + notify, "event OnExit" + notify, "event OnKeyDown: TfsKeyEvent",
          "event OnKeyPress: TfsKeyPressEvent", "event OnKeyUp: TfsKeyEvent"}},
        {"TCustomControl", "TWinControl", {}, {}},
        {"TGraphicControl", "TControl", {}, {}},
        {"TGroupBox", "TCustomControl", {}, {}},
        {"TLabel", "TGraphicControl", {}, {}},
        {"TEdit", "TWinControl", {}, {}},
        {"TMemo", "TWinControl", {}, {}},
        {"TCustomComboBox", "TWinControl", {},
         {"property DroppedDown: Boolean", "property ItemIndex: Integer", "event OnChange" + notify,
          "event OnDropDown" + notify, "event OnCloseUp" + notify}},
        {"TComboBox", "TCustomComboBox", {}, {}},
        {"TButton", "TWinControl", {}, {}},
        {"TCheckBox", "TWinControl", {}, {}},
        {"TRadioButton", "TWinControl", {}, {}},
        {"TCustomListBox", "TWinControl", {},
         {"property SelCount: Integer readonly", "property Selected[Integer]: Boolean"}},
        {"TListBox", "TCustomListBox", {}, {}},
        {"TControlScrollBar", "TPersistent", {}, {}},
        {"TScrollingWinControl", "TWinControl", {}, {}},
        {"TScrollBox", "TScrollingWinControl", {}, {}},
        {"TCustomForm", "TScrollingWinControl", {},
         {"procedure Close", "function ShowModal: Integer", "event OnActivate" + notify,
          "event OnClose: TfsCloseEvent", "event OnCloseQuery: TfsCloseQueryEvent", "event OnCreate" + notify,
          "event OnDestroy" + notify, "event OnDeactivate" + notify, "event OnHide" + notify,
          "event OnPaint" + notify, "event OnShow" + notify, "property Canvas: TCanvas readonly",
          "property ModalResult: Integer"}},
        {"TForm", "TCustomForm", {}, {}},
        {"TDataModule", "TComponent", {}, {}},
        {"TApplication", "TComponent", instanceOf<ScriptApplication>(),
         {"procedure Minimize", "procedure ProcessMessages", "procedure Restore", "property ExeName: String readonly"}},
    };
}

const MemberHandlerRow kApplicationMembers[] = {
    {"TAPPLICATION.PROCESSMESSAGES", [](MemberCall&) { processMessages(); return Variant(); }},
    {"TAPPLICATION.EXENAME.GET",
     [](MemberCall&) {
         std::error_code ec;
         return Variant(std::filesystem::read_symlink("/proc/self/exe", ec).string());
     }},
};

const EnumRow kEnums[] = {
    {"TFormBorderStyle", "bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin", false},
    {"TShiftState", "ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble", true},
    {"TAlignment", "taLeftJustify, taRightJustify, taCenter", false},
    {"TAlign", "alNone, alTop, alBottom, alLeft, alRight, alClient", false},
    {"TMouseButton", "mbLeft, mbRight, mbMiddle", false},
    {"TAnchors", "akLeft, akTop, akRight, akBottom", true},
    {"TBevelCut", "bvNone, bvLowered, bvRaised, bvSpace", false},
    {"TTextLayout", "tlTop, tlCenter, tlBottom", false},
    {"TEditCharCase", "ecNormal, ecUpperCase, ecLowerCase", false},
    {"TScrollStyle", "ssNone, ssHorizontal, ssVertical, ssBoth", false},
    {"TComboBoxStyle", "csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable", false},
    {"TCheckBoxState", "cbUnchecked, cbChecked, cbGrayed", false},
    {"TListBoxStyle", "lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable", false},
    {"TWindowState", "wsNormal, wsMinimized, wsMaximized", false},
    {"TFormStyle", "fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop", false},
    {"TBorderIcons", "biSystemMenu, biMinimize, biMaximize, biHelp", true},
    {"TPosition",
     "poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, "
     "poMainFormCenter, poOwnerFormCenter",
     false},
    {"TCloseAction", "caNone, caHide, caFree, caMinimize", false},
};

const ConstRow kConsts[] = {
    {"mrNone", "Integer", 0},        {"mrOk", "Integer", 1},          {"mrCancel", "Integer", 2},
    {"mrAbort", "Integer", 3},       {"mrRetry", "Integer", 4},       {"mrIgnore", "Integer", 5},
    {"mrYes", "Integer", 6},         {"mrNo", "Integer", 7},          {"mrAll", "Integer", 8},
    {"mrNoToAll", "Integer", 9},     {"mrYesToAll", "Integer", 10},
    {"crDefault", "Integer", 0},     {"crNone", "Integer", -1},       {"crArrow", "Integer", -2},
    {"crCross", "Integer", -3},      {"crIBeam", "Integer", -4},      {"crSize", "Integer", -22},
    {"crSizeNESW", "Integer", -6},   {"crSizeNS", "Integer", -7},     {"crSizeNWSE", "Integer", -8},
    {"crSizeWE", "Integer", -9},     {"crUpArrow", "Integer", -10},   {"crHourGlass", "Integer", -11},
    {"crDrag", "Integer", -12},      {"crNoDrop", "Integer", -13},    {"crHSplit", "Integer", -14},
    {"crVSplit", "Integer", -15},    {"crMultiDrag", "Integer", -16}, {"crSQLWait", "Integer", -17},
    {"crNo", "Integer", -18},        {"crAppStart", "Integer", -19},  {"crHelp", "Integer", -20},
    {"crHandPoint", "Integer", -21}, {"crSizeAll", "Integer", -22},
    {"VK_RBUTTON", "Integer", 2},    {"VK_CANCEL", "Integer", 3},     {"VK_MBUTTON", "Integer", 4},
    {"VK_BACK", "Integer", 8},       {"VK_TAB", "Integer", 9},        {"VK_CLEAR", "Integer", 12},
    {"VK_RETURN", "Integer", 13},    {"VK_SHIFT", "Integer", 16},     {"VK_CONTROL", "Integer", 17},
    {"VK_MENU", "Integer", 18},      {"VK_PAUSE", "Integer", 19},     {"VK_CAPITAL", "Integer", 20},
    {"VK_ESCAPE", "Integer", 27},    {"VK_SPACE", "Integer", 32},     {"VK_PRIOR", "Integer", 33},
    {"VK_NEXT", "Integer", 34},      {"VK_END", "Integer", 35},       {"VK_HOME", "Integer", 36},
    {"VK_LEFT", "Integer", 37},      {"VK_UP", "Integer", 38},        {"VK_RIGHT", "Integer", 39},
    {"VK_DOWN", "Integer", 40},      {"VK_SELECT", "Integer", 41},    {"VK_PRINT", "Integer", 42},
    {"VK_EXECUTE", "Integer", 43},   {"VK_SNAPSHOT", "Integer", 44},  {"VK_INSERT", "Integer", 45},
    {"VK_DELETE", "Integer", 46},    {"VK_HELP", "Integer", 47},      {"VK_LWIN", "Integer", 91},
    {"VK_RWIN", "Integer", 92},      {"VK_APPS", "Integer", 93},      {"VK_MULTIPLY", "Integer", 106},
    {"VK_ADD", "Integer", 107},      {"VK_SEPARATOR", "Integer", 108}, {"VK_SUBTRACT", "Integer", 109},
    {"VK_DECIMAL", "Integer", 110},  {"VK_DIVIDE", "Integer", 111},   {"VK_NUMLOCK", "Integer", 144},
    {"VK_SCROLL", "Integer", 145},
};

// VK_NUMPAD0..VK_NUMPAD9 (96..105) and VK_F1..VK_F24 (112..135).
void registerNumberedKeys(TfsScript& script) {
    for (int i = 0; i <= 9; ++i) script.AddConst("VK_NUMPAD" + std::to_string(i), "Integer", 96 + i);
    for (int i = 1; i <= 24; ++i) script.AddConst("VK_F" + std::to_string(i), "Integer", 111 + i);
}

}  // namespace

void registerFormClasses(TfsScript& script) {
    registerConsts(script, kConsts);
    registerNumberedKeys(script);
    registerEnums(script, kEnums);
    const std::vector<ClassRow> classes = formClasses();
    registerClasses(script, classes, {{kApplicationMembers}, raiseNoDisplay});
    script.AddObject("Application", &application());
}

}  // namespace lumaro
