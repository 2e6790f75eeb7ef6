#include "report/registry/object_palette.h"

#include "report/registry/class_registry.h"

namespace lumaro {

namespace {
std::vector<ObjectPaletteEntry>& entries() {
    static std::vector<ObjectPaletteEntry> list;
    return list;
}
}  // namespace

void registerPaletteEntry(ObjectPaletteEntry entry) { entries().push_back(std::move(entry)); }

std::vector<ObjectPaletteEntry> objectPaletteEntries() {
    ensureReportClasses();
    return entries();
}

}  // namespace lumaro
