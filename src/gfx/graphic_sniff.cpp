#include "gfx/graphic_sniff.h"

#include <fstream>
#include <iterator>

#include "gfx/graphic_kinds.h"
#include "gfx/metafile_header.h"

namespace lumaro {

namespace {

ByteSpan withoutBlobHeader(ByteSpan d) {
    if (d.size() > 7 && peekU16(d, 0) == 1 && peekU16(d, 2) == 256 && uint64_t{peekU32(d, 4)} + 8 == d.size())
        return d.subspan(8);
    return d;
}

}  // namespace

std::unique_ptr<TGraphic> graphicFromBytes(ByteSpan data) {
    const ByteSpan d = withoutBlobHeader(data);
    const Bytes bytes(d.begin(), d.end());
    if (d.size() >= 2 && peekU16(d, 0) == 0x4D42) return std::make_unique<TBitmap>(bytes);
    if (d.size() >= 2 && d[0] == 0xFF && d[1] == 0xD8) return std::make_unique<TJPEGImage>(bytes);
    if (d.size() >= 4 && peekU32(d, 0) == kPlaceableMetafileKey) return std::make_unique<TMetafile>(bytes);
    if (d.size() > 100 && peekU32(d, kEmfSignatureOffset) == kEmfSignature) return std::make_unique<TMetafile>(bytes);
    if (d.size() >= 6 && peekU16(d, 0) == 0 && peekU16(d, 2) < 2) return std::make_unique<TIcon>(bytes);
    return nullptr;
}

std::unique_ptr<TGraphic> graphicFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EFileError("Cannot open file \"" + path + "\"");
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EFileError("Cannot read file \"" + path + "\"");
    auto g = graphicFromBytes(bytes);
    if (!g) throw EInvalidGraphic(std::string(kInvalidPictureData) + ": \"" + path + "\" is no bitmap, JPEG, metafile or icon");
    return g;
}

}  // namespace lumaro
