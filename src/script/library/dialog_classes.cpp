// The dialog classes and functions. Without a display no dialog can be shown, so Execute,
// MessageDlg, InputBox and InputQuery raise "<name> is not available without a display";
// the classes and enumerations exist so that templates using them compile.
#include "script/items/class_variable.h"
#include "script/library/class_table.h"
#include "script/library/libraries.h"
#include "script/library/library_function.h"

namespace lumaro {

namespace {

std::vector<ClassRow> dialogClasses() {
    return {
        {"TCommonDialog", "TComponent", {}, {"function Execute: Boolean"}},
        {"TOpenDialog", "TCommonDialog", {}, {}},
        {"TSaveDialog", "TOpenDialog", {}, {}},
        {"TColorDialog", "TCommonDialog", {}, {}},
        {"TFontDialog", "TCommonDialog", {}, {}},
        {"TPrintDialog", "TCommonDialog", {}, {}},
        {"TPrinterSetupDialog", "TCommonDialog", {}, {}},
    };
}

const EnumRow kEnums[] = {
    {"TOpenOptions",
     "ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, "
     "ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, "
     "ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, "
     "ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, "
     "ofForceShowHidden",
     true},
    {"TFileEditStyle", "fsEdit, fsComboBox", false},
    {"TColorDialogOptions", "cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor", true},
    {"TFontDialogOptions",
     "fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, fdNoOEMFonts, "
     "fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize, "
     "fdScalableOnly, fdApplyButton",
     true},
    {"TFontDialogDevice", "fdScreen, fdPrinter, fdBoth", false},
    {"TPrintRange", "prAllPages, prSelection, prPageNums", false},
    {"TPrintDialogOptions", "poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile", true},
    {"TMsgDlgType", "mtWarning, mtError, mtInformation, mtConfirmation, mtCustom", false},
    {"TMsgDlgButtons", "mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp",
     true},
};

const char* const kFunctions[] = {
    "function MessageDlg(Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer",
    "function InputBox(ACaption, APrompt, ADefault: string): string",
    "function InputQuery(ACaption, APrompt: string; var Value: string): Boolean",
};

}  // namespace

void registerDialogClasses(TfsScript& script) {
    registerEnums(script, kEnums);
    const std::vector<ClassRow> classes = dialogClasses();
    registerClasses(script, classes, {{}, raiseNoDisplay});
    for (const char* declaration : kFunctions) {
        const std::string name(declaredName(declaration));
        script.AddMethod(
            declaration,
            [name](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>&) -> Variant {
                raiseNoDisplay(name);
                return {};
            },
            "ctOther");
    }
}

}  // namespace lumaro
