// Every built-in user-visible text of the reporting system, by key. Keep rows sorted by key
// within each area.
#include "core/resources.h"

namespace lumaro {

const ResourceText kResourceTexts[] = {
    // report
    {"clErrors", "Nastopila je(so) naslednja(e) napaka(e):"},
    {"clUnknownVar", "Neznana spremenljivka ali podatkovno polje:"},
    {"clDSNotExist", "Dataset \"%s\" ne obstaja"},
    {"clScrError", "Napaka skripta pri %s: %s"},
    // preparation and printing
    {"prDefault", "Privzeto"},
    {"prDupl", "Podvojeno ime"},
    {"prRunning", "Pripravlja se stran %d"},
    {"prRunningFirst", "Prvi prehod: Stran %d"},
    {"prExporting", "Izvaža se stran %d"},
    {"prPrinting", "Tiska se stran %d"},
    // object names
    {"obLine", "Črta"},
    {"obPicture", "Slika"},
    {"obSubRep", "Podporočilo"},
    // reading templates
    {"xrCantFindClass", "Ne najdem class-a"},
};

const size_t kResourceTextCount = sizeof(kResourceTexts) / sizeof(kResourceTexts[0]);

}  // namespace lumaro
