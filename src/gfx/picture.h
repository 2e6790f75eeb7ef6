#pragma once
// A picture property (`Picture`, `BackPicture`, `ReportOptions.Picture`): at most one graphic,
// and the "Data" payload that templates and prepared reports store for it.
//
// Payload layout (the bytes inside the raw-bytes entry "Data"): a length byte and the graphic's
// class name (at most 63 characters; an empty name means no graphic), then the graphic's data:
//   TBitmap     32-bit little-endian length, then the complete BMP file (file header counted)
//   TJPEGImage  32-bit length, then the JPEG file
//   TMetafile   32-bit length that counts its own 4 bytes, then the EMF or placeable WMF file
//   TIcon       the ICO file up to the end of the payload, without a length
// A class this system does not know keeps the rest of the payload as its data.
#include <functional>
#include <memory>
#include <string>

#include "gfx/graphic.h"

namespace lumaro {

class TPicture {
public:
    TPicture() = default;
    // Copies the graphic and the changed flag; the change handler stays with its owner.
    TPicture(const TPicture& other);
    // Replaces the graphic with a copy of the other's (like assigning the property).
    TPicture& operator=(const TPicture& other);

    const TGraphic* graphic() const { return graphic_.get(); }
    bool isEmpty() const { return !graphic_; }
    // Size of the graphic in pixels; 0 without one.
    int width() const { return graphic_ ? graphic_->width() : 0; }
    int height() const { return graphic_ ? graphic_->height() : 0; }

    void setGraphic(std::unique_ptr<TGraphic> graphic);
    void clear() { setGraphic(nullptr); }
    // Loads a picture file (see graphicFromFile); on failure the picture is unchanged.
    void loadFromFile(const std::string& path);

    // Replaces the graphic by the one the payload describes. Raises EInvalidGraphic for a
    // payload whose structure is damaged (a name longer than 63 characters or not an
    // identifier, a length past the end); the picture is then unchanged. Pixel data is not checked here: a graphic that
    // cannot be decoded is kept and drawn as a placeholder. Empty data clears the picture.
    void readData(ByteSpan payload);
    // The payload of the current graphic; empty without a graphic (then nothing is stored).
    Bytes writeData() const;

    // Set by every change of the graphic; the owner clears it (before each preparation).
    bool changed() const { return changed_; }
    void setChanged(bool changed) { changed_ = changed; }
    // Called after every change, e.g. to re-apply a view's AutoSize.
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    // Same graphic class and same bytes (both empty counts as equal).
    bool operator==(const TPicture& other) const;

private:
    void changedNow();

    std::unique_ptr<TGraphic> graphic_;
    bool changed_ = false;
    std::function<void()> onChange_;
};

// The graphic a payload describes (nullptr for an empty class name); see TPicture::readData.
std::unique_ptr<TGraphic> readGraphicData(ByteSpan payload);
// The payload of a graphic; empty for nullptr.
Bytes writeGraphicData(const TGraphic* graphic);

}  // namespace lumaro
