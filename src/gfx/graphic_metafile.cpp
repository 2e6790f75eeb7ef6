#include "gfx/graphic_kinds.h"
#include "gfx/metafile_header.h"

namespace lumaro {

TMetafile::TMetafile(Bytes metafile) : TGraphic(std::move(metafile)) { inspect(); }

void TMetafile::readHeader() {
    const MetafileHeader h = readMetafileHeader(data());
    enhanced_ = h.enhanced;
    setHeaderInfo(h.width, h.height, false, "metafiles cannot be drawn on this platform");
}

TUnknownGraphic::TUnknownGraphic(std::string className, Bytes data)
    : TGraphic(std::move(data)), className_(std::move(className)) {
    inspect();
}

void TUnknownGraphic::readHeader() {
    setHeaderInfo(0, 0, false, "graphic class " + className_ + " is not supported");
}

}  // namespace lumaro
