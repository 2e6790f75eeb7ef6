#pragma once
// The objects the designer offers on its object palette: the class an entry creates, its
// picture in the object image list (22 × 22 pixels) and the palette category it is listed
// under. The object model registers its entries with its classes.
#include <string>
#include <vector>

#include "report/registry/class_info.h"

namespace lumaro {

struct ObjectPaletteEntry {
    const ClassInfo* classInfo = nullptr;
    int imageIndex = -1;
    std::string category;  // "Other", ...; empty: the palette's own row
};

void registerPaletteEntry(ObjectPaletteEntry entry);

// Every entry in registration order (the object model's classes registered first).
std::vector<ObjectPaletteEntry> objectPaletteEntries();

}  // namespace lumaro
