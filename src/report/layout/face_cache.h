#pragma once
// The font faces a layout measures with, kept between calls: asking the metrics for a face
// and for each code point's advance costs more than laying out a line, and a layout uses the
// same few faces (the object's font, bold and italic of it, a smaller size) over and over.
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "gfx/font_metrics.h"

namespace lumaro {

class CachedFace {
public:
    explicit CachedFace(std::shared_ptr<const FontFaceMetrics> face);
    double advance(char32_t c) const {
        if (c < kTabled) {
            double& a = table_[c];
            if (std::isnan(a)) a = face_->advance(c);
            return a;
        }
        return face_->advance(c);
    }
    const FontFaceMetrics& face() const { return *face_; }

private:
    static constexpr char32_t kTabled = 0x500;  // Latin, Greek and Cyrillic
    std::shared_ptr<const FontFaceMetrics> face_;
    mutable std::array<double, kTabled> table_;
};

class FaceCache {
public:
    // The face of `font` (name, em height, bold and italic) in `metrics`.
    std::shared_ptr<const CachedFace> get(const FontMetrics& metrics, const FontSpec& font) const;
    void clear() const { entries_.clear(); }

private:
    struct Entry {
        const FontMetrics* metrics;
        std::string name;
        double pixelSize;
        int style;
        std::shared_ptr<const CachedFace> face;
    };
    static constexpr size_t kMaxEntries = 16;
    mutable std::vector<Entry> entries_;
    mutable size_t nextEvicted_ = 0;
};

}  // namespace lumaro
