#pragma once
// The standard paper table: the 66 Windows paper ids 1 to 47 and 50 to 68 with their sizes
// in tenths of a millimetre, portrait. Report pages and the virtual printer take paper sizes
// from it; id 256 means a custom size and is not in the table.
#include <span>

namespace lumaro {

struct TPaperInfo {
    int id;
    const char* name;
    int width;   // tenths of a millimetre, portrait
    int height;
};

inline constexpr int kCustomPaperId = 256;

// All rows, ordered by id.
std::span<const TPaperInfo> paperTable();
// The row of a paper id; null when the id is not in the table.
const TPaperInfo* findPaper(int id);

}  // namespace lumaro
