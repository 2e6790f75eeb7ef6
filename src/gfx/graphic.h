#pragma once
// A stored graphic of a picture: its class name as templates store it ("TBitmap",
// "TJPEGImage", "TMetafile", "TIcon"), its bytes exactly as loaded (so saving writes back what
// was read), its size in pixels and, where this platform can, its decoded pixels.
//
// Construction never fails on bad pixel data: the header is read for the size, and a graphic
// whose data cannot be decoded (a metafile, a PNG-compressed icon, a damaged file) reports
// canDecode() == false; drawers then show a placeholder.
#include <memory>
#include <string>

#include "gfx/byte_io.h"
#include "gfx/image.h"

namespace lumaro {

class TGraphic {
public:
    virtual ~TGraphic() = default;

    // The class name stored in picture data.
    virtual const char* className() const = 0;
    virtual std::unique_ptr<TGraphic> clone() const = 0;

    // The complete file: BMP with its file header, JPEG, metafile or ICO bytes.
    const Bytes& data() const { return data_; }
    bool isEmpty() const { return data_.empty(); }

    // Size in pixels as the header gives it; 0 × 0 when unknown.
    int width() const { return width_; }
    int height() const { return height_; }

    // Whether image() can give pixels. False for kinds this platform cannot draw and for data
    // whose header is damaged; true does not promise that the pixel data is intact.
    bool canDecode() const { return decodable_; }
    // Why the graphic cannot be decoded (empty while nothing is known to be wrong).
    const std::string& problem() const { return problem_; }

    // The decoded pixels, decoded once and kept. Raises EInvalidGraphic when the data cannot be
    // decoded (the message says why); the failure is kept too: canDecode() turns false and later
    // calls raise the same error without decoding again.
    std::shared_ptr<const Image> decode() const;
    // Same, but gives nullptr instead of raising: for drawers.
    std::shared_ptr<const Image> image() const;

protected:
    explicit TGraphic(Bytes data) : data_(std::move(data)) {}
    TGraphic(const TGraphic&) = default;

    // Subclasses set the size from the header and mark the graphic decodable or not.
    void setHeaderInfo(int width, int height, bool decodable, std::string problem = {});
    // The size of a kind that can be decoded: decodable unless larger than maxDecodedPixels()
    // (`what` names the kind in that problem).
    void setDecodableSize(const char* what, int width, int height);
    // Reads the header of data(): calls setHeaderInfo, or raises EInvalidGraphic.
    virtual void readHeader() = 0;
    // Runs readHeader, turning its failure into an undecodable graphic of unknown size.
    void inspect();
    virtual Image decodePixels() const;

private:
    Bytes data_;
    int width_ = 0;
    int height_ = 0;
    mutable bool decodable_ = false;  // cleared when decoding fails
    mutable std::string problem_;
    mutable std::shared_ptr<const Image> decoded_;
};

}  // namespace lumaro
