#pragma once
// Size of a Windows metafile from its header, at 96 pixels per inch: an enhanced metafile's
// frame (0.01 mm; its bounds when the frame is empty) or a placeable metafile's bounding box.
#include "gfx/byte_io.h"

namespace lumaro {

constexpr uint32_t kPlaceableMetafileKey = 0x9AC6CDD7;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr size_t kEmfSignatureOffset = 40;

struct MetafileHeader {
    bool enhanced = false;
    int width = 0;
    int height = 0;
};

// Raises EInvalidGraphic for data that is neither kind.
MetafileHeader readMetafileHeader(ByteSpan data);

}  // namespace lumaro
