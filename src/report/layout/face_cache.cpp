#include "report/layout/face_cache.h"

#include <limits>

namespace lumaro {

CachedFace::CachedFace(std::shared_ptr<const FontFaceMetrics> face) : face_(std::move(face)) {
    table_.fill(std::numeric_limits<double>::quiet_NaN());
}

std::shared_ptr<const CachedFace> FaceCache::get(const FontMetrics& metrics, const FontSpec& font) const {
    const int style = font.style & (fsBold | fsItalic);  // underline and strike-out take no room
    for (const Entry& e : entries_)
        if (e.metrics == &metrics && e.pixelSize == font.pixelSize && e.style == style && e.name == font.name)
            return e.face;
    FontSpec key = font;
    key.style = style;
    key.angle = 0;
    Entry entry{&metrics, font.name, font.pixelSize, style, std::make_shared<const CachedFace>(metrics.face(key))};
    if (entries_.size() < kMaxEntries) {
        entries_.push_back(std::move(entry));
        return entries_.back().face;
    }
    Entry& slot = entries_[nextEvicted_];
    nextEvicted_ = (nextEvicted_ + 1) % kMaxEntries;
    slot = std::move(entry);
    return slot.face;
}

}  // namespace lumaro
