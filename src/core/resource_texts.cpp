// Every built-in user-visible text of the reporting system, by key. Keep rows sorted by key
// within each area. Window rows (a class name as key) hold localisation lines, one per line:
// "Property=value" for the window, "Control.Property=value" for a control or command on it.
#include "core/resources.h"

namespace lumaro {

const ResourceText kResourceTexts[] = {
    // report messages and preview texts
    {"clCancel", "prekliči"},
    {"clDSNotExist", "Dataset \"%s\" ne obstaja"},
    {"clErrors", "Nastopila je(so) naslednja(e) napaka(e):"},
    {"clExprError", "Napaka v izrazu"},
    {"clFP3files", "Pripravljen izpis"},
    {"clFirstPass", "Prvi prehod: stran "},
    {"clNoPrinters", "V vašem sistemu ni nameščenega nobenega tiskalnika"},
    {"clPageOf", "Stran %d od %d"},
    {"clScrError", "Napaka skripta pri %s: %s"},
    {"clUnknownVar", "Neznana spremenljivka ali podatkovno polje:"},

    // preparation, printing and printers
    {"prCustom", "Po meri"},
    {"prDefault", "Privzeto"},
    {"prDupl", "Podvojeno ime"},
    {"prExporting", "Izvaža se stran %d"},
    {"prInvProp", "Neveljavna vrednost lastnosti"},
    {"prPrinting", "Tiska se stran %d"},
    {"prRunning", "Pripravlja se stran %d"},
    {"prRunningFirst", "Prvi prehod: Stran %d"},
    {"prVirtual", "Virtualno"},

    // engine messages (followed by a blank and the band name)
    {"enBandPos", "Napačen položaj traku:"},
    {"enUnconnGFooter", "Ni glave grupe za"},
    {"enUnconnGroup", "Ni podatkovnega traku za grupo"},
    {"enUnconnHeader", "Nepovezana glava/noga"},

    // reading templates (followed by a blank and the tag)
    {"xrCantFindClass", "Ne najdem class-a"},

    // data sets and the data band source dialog
    {"dbNotAssigned", "[ni dodeljeno]"},
    {"dbNotConn", "Podatkovna zbirka ni povezana"},
    {"dbSingleLine", "Samostojna vrstica"},

    // names of report objects in the designer
    {"obBarC", "Črtna koda"},
    {"obLine", "Črta"},
    {"obPicture", "Slika"},
    {"obSubRep", "Podporočilo"},

    // message box captions
    {"mbConfirm", "Potrditev"},
    {"mbError", "Napaka"},

    // designer
    {"dsCantLoad", "Ne morem odpreti datoteke"},
    {"dsComprRepFilter", "Stisnjeno poročilo (*.fr3)|*.fr3"},
    {"dsRepFilter", "Poročilo (*.fr3)|*.fr3"},
    {"dsReplace", "Zamenjam ta nastop '%s'?"},
    {"dsSaveChangesTo", "Shrani spremembe v "},
    {"dsSavePreviewChanges", "Shranim spremembe v stran predogleda?"},
    {"dsTextNotFound", "Tekst '%s' ni bil najden"},

    // designer units
    {"uChar", "znakov"},
    {"uCm", "cm"},
    {"uInch", "pal"},
    {"uPix", "tč"},

    // data tree
    {"dtData", "Podatki"},
    {"dtFunc", "Funkcije"},
    {"dtNoData", "Ni razpoložljivih podatkov"},
    {"dtSysVar", "Sistmske spremenljivke"},
    {"dtVar", "Spremenljivke"},

    // function categories of the script library
    {"ctAggregate", "Aggregate"},
    {"ctConv", "Pretvorbe"},
    {"ctDate", "Datum in Čas"},
    {"ctFormat", "Oblikovanje"},
    {"ctMath", "Matematično"},
    {"ctOther", "Drugo"},
    {"ctString", "Niz"},

    // variables editor
    {"vaDupName", "Dvojnik imena"},
    {"vaNoVar", "(nič določenih spremenljivk)"},
    {"vaVar", "Spremenljivke"},

    // object inspector: tabs and property descriptions ("prop" + name [+ "." + class])
    {"oiEvent", "Dogodki"},
    {"oiProp", "Lastnosti"},
    {"propActive.TfrxHighlight", "Navaja ali je povdarek aktiven ali ne"},
    {"propAlign", "Določa poravnavo predmeta relativno na trak ali stran"},
    {"propBarType", "Tip črtne kode"},
    {"propCalcCheckSum", "Določa ali naj bo kontrolni znak črtne kode samodejno izračunan"},
    {"propExpression", "Vrednost tega izraza bo prikazana v predmetu"},
    {"propRotation.TfrxBarCodeView", "Usmerjenost črtne kode"},
    {"propShowText", "Določa ali bo poleg črtne kode prikazan bralni tekst"},
    {"propZoom.TfrxBarCodeView", "Povečava črtne kode"},

    // context menus of text and barcode objects
    {"bcCalcChecksum", "Izračun kontrolne vsote"},
    {"bcShowText", "Pokaži tekst"},
    {"mvAutoWidth", "Samoširina"},
    {"mvClear", "Izbriši vsebino"},
    {"mvExpr", "Dovoli izraze"},
    {"mvFormat", "Oblika prikaza..."},
    {"mvHTML", "Dovoli HTML oznake"},
    {"mvHideZ", "Skrij ničle"},
    {"mvPrintable", "Se tiska"},
    {"mvShift", "Premakni"},
    {"mvShiftOver", "Premakni če se prekriva"},
    {"mvStretch", "Raztegni"},
    {"mvStretchToMax", "Raztegni na največjo višino"},
    {"mvSuppress", "Prepreči ponavljajoče vrednosti"},
    {"mvVisible", "Vidno"},
    {"mvWWrap", "Prelom besed"},

    // display format editor: categories and samples ("sample;format string")
    {"fkBoolean", "Boolean"},
    {"fkBoolean1", "0,1;0,1"},
    {"fkBoolean2", "No,Yes;No,Yes"},
    {"fkBoolean3", "_,x;_,x"},
    {"fkBoolean4", "False,True;False,True"},
    {"fkDateTime", "Datum/Čas"},
    {"fkDateTime1", "28.11.2002;dd.mm.yyyy"},
    {"fkDateTime2", "28 nov 2002;dd mmm yyyy"},
    {"fkDateTime3", "28 November, 2002;dd mmmm, yyyy"},
    {"fkDateTime4", "02:14;hh:mm"},
    {"fkDateTime5", "02:14am;hh:mm am/pm"},
    {"fkDateTime6", "02:14:00;hh:mm:ss"},
    {"fkDateTime7", "02:14am, 28 November, 2002;hh:mm am/pm, dd mmmm, yyyy"},
    {"fkNumber", "Število"},
    {"fkNumber1", "1234.5;%g"},
    {"fkNumber2", "1234.50;%2.2f"},
    {"fkNumber3", "1,234.50;%2.2n"},
    {"fkNumber4", "$1,234.50;%2.2m"},
    {"fkText", "Tekst (brez formatiranja)"},

    // window localisation
    {"TfrxBarcodeEditorForm", "Caption=Urejevalnik črtne kode"},
    {"TfrxDataBandEditorForm", "Caption=Izberi izvor podatkov"},
    {"TfrxDataTreeForm", "Caption=Podatkovno drevo"},
    {"TfrxDesignerForm",
     "NewReportCmd.Caption=Novo poročilo\n"
     "NewPageCmd.Caption=Nova stran\n"
     "NewDialogCmd.Caption=Novo pogovorno okno\n"
     "NewItemCmd.Caption=Novo...\n"
     "OpenCmd.Caption=Odpri...\n"
     "SaveCmd.Caption=Shrani\n"
     "SaveAsCmd.Caption=Shrani kot...\n"
     "PreviewCmd.Caption=Predogled\n"
     "PageSettingsCmd.Caption=Nastavitev strani...\n"
     "VariablesCmd.Caption=Spremenljivke...\n"
     "DeletePageCmd.Caption=Izbriši stran\n"
     "ExitCmd.Caption=Izhod\n"
     "UndoCmd.Caption=Razveljavi\n"
     "RedoCmd.Caption=Uveljavi\n"
     "CutCmd.Caption=Izreži\n"
     "CopyCmd.Caption=Kopiraj\n"
     "PasteCmd.Caption=Prilepi\n"
     "DeleteCmd.Caption=Izbriši\n"
     "SelectAllCmd.Caption=Izberi vse\n"
     "EditCmd.Caption=Urejanje...\n"
     "BringToFrontCmd.Caption=Daj v ospredje\n"
     "SendToBackCmd.Caption=Pošlji v ozadje\n"
     "GroupCmd.Caption=Daj v grupo\n"
     "UngroupCmd.Caption=Razbij grupo\n"
     "FindMI.Caption=Najdi...\n"
     "ReplaceMI.Caption=Zamenjaj...\n"
     "FindNextMI.Caption=Najdi naslednje\n"
     "ReportDataMI.Caption=Podatki...\n"
     "ReportStylesMI.Caption=Stili...\n"
     "ReportSettingsMI.Caption=Možnosti...\n"
     "InspectorMI.Caption=Preglednik predmetov\n"
     "DataTreeMI.Caption=Podatkovno drevo\n"
     "ReportTreeMI.Caption=Drevo poročila\n"
     "ShowRulersMI.Caption=Ravnila\n"
     "ShowGuidesMI.Caption=Vodila\n"
     "DeleteGuidesMI.Caption=Izbriši vodila\n"
     "OptionsMI.Caption=Možnosti...\n"
     "TabOrderMI.Caption=Vrstni red Tab-ov..."},
    {"TfrxExprEditorForm", "Caption=Urejevalnik izrazov"},
    {"TfrxFormatEditorForm", "Caption=Oblika prikaza"},
    {"TfrxHighlightEditorForm", "Caption=Povdarek"},
    {"TfrxMemoEditorForm", "Caption=Memo"},
    {"TfrxObjectInspector", "Caption=Preglednik predmetov"},
    {"TfrxPageEditorForm", "Caption=Možnosti strani"},
    {"TfrxPageSettingsForm", "Caption=Nastavitev strani"},
    {"TfrxPreviewForm",
     "Caption=Predogled\n"
     "PrintB.Caption=Natisni\n"
     "PrintB.Hint=Natisni\n"
     "OpenB.Caption=Odpri\n"
     "OpenB.Hint=Odpri\n"
     "SaveB.Caption=Shrani\n"
     "SaveB.Hint=Shrani\n"
     "ExportB.Caption=Izvozi\n"
     "ExportB.Hint=Izvozi\n"
     "FindB.Caption=Najdi\n"
     "FindB.Hint=Najdi\n"
     "ZoomWholePageB.Caption=Celotna stran\n"
     "ZoomWholePageB.Hint=Celotna stran\n"
     "ZoomPageWidthB.Caption=Širina strani\n"
     "ZoomPageWidthB.Hint=Širina strani\n"
     "Zoom100B.Caption=100%\n"
     "Zoom100B.Hint=100%\n"
     "Zoom50B.Caption=Dve strani\n"
     "Zoom50B.Hint=Dve strani\n"
     "ZoomCB.Hint=Zoom\n"
     "PageSettingsB.Caption=Robovi\n"
     "PageSettingsB.Hint=Robovi\n"
     "OutlineB.Caption=Obris\n"
     "OutlineB.Hint=Obris\n"
     "HandToolB.Caption=Potegni\n"
     "HandToolB.Hint=Potegni\n"
     "ZoomToolB.Caption=Zoom\n"
     "ZoomToolB.Hint=Zoom\n"
     "NewPageB.Caption=Dodaj stran\n"
     "NewPageB.Hint=Dodaj stran\n"
     "DelPageB.Caption=Izbriši\n"
     "DelPageB.Hint=Izbriši stran\n"
     "DesignerB.Caption=Uredi\n"
     "DesignerB.Hint=Uredi stran\n"
     "FirstB.Caption=Prva\n"
     "FirstB.Hint=Prva stran\n"
     "PriorB.Caption=Prejšnja\n"
     "PriorB.Hint=Prejšnja stran\n"
     "NextB.Caption=Naslednja\n"
     "NextB.Hint=Naslednja stran\n"
     "LastB.Caption=Zadnja\n"
     "LastB.Hint=Zadnja stran\n"
     "PageE.Hint=št. strani\n"
     "CancelB.Caption=Zapri\n"
     "CancelB.Hint=Zapri"},
    {"TfrxPrintDialog", "Caption=Print"},
    {"TfrxSearchDialog", "Caption=Najdi besedilo"},
    {"TfrxSysMemoEditorForm", "Caption=Sistemski Memo"},
    {"TfrxVarEditorForm", "Caption=Urejanje spremenljivk"},
};

const size_t kResourceTextCount = sizeof(kResourceTexts) / sizeof(kResourceTexts[0]);

}  // namespace lumaro
