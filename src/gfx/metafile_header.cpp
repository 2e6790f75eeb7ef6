#include "gfx/metafile_header.h"

#include <cmath>
#include <cstdlib>

namespace lumaro {

namespace {
// Whole pixels, ties to even, clamped to what an int holds.
int toPixels(double v) {
    v = std::nearbyint(std::fabs(v));
    return v > 1e9 ? 1000000000 : static_cast<int>(v);
}
}  // namespace

MetafileHeader readMetafileHeader(ByteSpan data) {
    ByteReader r(data, kInvalidMetafile);
    MetafileHeader h;
    if (data.size() >= 4 && peekU32(data, 0) == kPlaceableMetafileKey) {
        r.skip(6);  // key, handle
        const int left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
        int inch = r.u16();
        if (inch == 0) inch = 1440;
        h.width = toPixels((right - left) * 96.0 / inch);
        h.height = toPixels((bottom - top) * 96.0 / inch);
        return h;
    }
    if (data.size() >= kEmfSignatureOffset + 4 && peekU32(data, 0) == 1 &&
        peekU32(data, kEmfSignatureOffset) == kEmfSignature) {
        h.enhanced = true;
        r.skip(8);  // record type and size
        const int64_t bl = r.i32(), bt = r.i32(), br = r.i32(), bb = r.i32();
        const int64_t fl = r.i32(), ft = r.i32(), fr = r.i32(), fb = r.i32();
        if (fr > fl && fb > ft) {
            h.width = toPixels((fr - fl) * 96.0 / 2540);
            h.height = toPixels((fb - ft) * 96.0 / 2540);
        } else {  // bounds are inclusive device pixels
            h.width = toPixels(static_cast<double>(br - bl + 1));
            h.height = toPixels(static_cast<double>(bb - bt + 1));
        }
        return h;
    }
    r.fail("neither an enhanced nor a placeable metafile header");
}

}  // namespace lumaro
