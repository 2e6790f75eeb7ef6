#pragma once
// The graphic kinds a picture holds. Each keeps its file bytes unchanged; see TGraphic.
#include <string>

#include "gfx/graphic.h"

namespace lumaro {

// A Windows bitmap: the complete BMP file, 14-byte file header included.
class TBitmap : public TGraphic {
public:
    explicit TBitmap(Bytes bmpFile);
    // A new bitmap of the pixels: 24 bits per pixel, or 32 with the alpha channel.
    static std::unique_ptr<TBitmap> fromImage(const Image& image, bool withAlpha = false);
    const char* className() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TBitmap>(*this); }

protected:
    void readHeader() override;
    Image decodePixels() const override;
};

// A JPEG file, decoded and encoded with libjpeg.
class TJPEGImage : public TGraphic {
public:
    explicit TJPEGImage(Bytes jpegFile);
    // A new JPEG of the pixels at `quality` (1 to 100); transparent parts become white.
    static std::unique_ptr<TJPEGImage> fromImage(const Image& image, int quality = 90, bool grayscale = false);
    const char* className() const override { return "TJPEGImage"; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TJPEGImage>(*this); }

protected:
    void readHeader() override;
    Image decodePixels() const override;
};

// An enhanced (EMF) or placeable Windows metafile. Not drawable here: kept byte for byte,
// with its size from the header (EMF frame, else bounds; placeable bounding box).
class TMetafile : public TGraphic {
public:
    explicit TMetafile(Bytes metafile);
    const char* className() const override { return "TMetafile"; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TMetafile>(*this); }
    bool isEnhanced() const { return enhanced_; }

protected:
    void readHeader() override;

private:
    bool enhanced_ = false;
};

// An icon file (ICO). Draws the largest, then deepest, bitmap-based entry with its mask.
// PNG-compressed entries need a PNG decoder this platform does not have: an icon with only
// such entries is kept and drawn as a placeholder, with the size of its largest entry.
class TIcon : public TGraphic {
public:
    explicit TIcon(Bytes icoFile);
    const char* className() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TIcon>(*this); }

protected:
    void readHeader() override;
    Image decodePixels() const override;

private:
    size_t entryOffset_ = 0;  // the chosen entry's DIB
    size_t entrySize_ = 0;
};

// A graphic of a class this system does not know (stored by other programs, such as a PNG
// image class): kept with its class name and bytes so that saving loses nothing; drawn as a
// placeholder.
class TUnknownGraphic : public TGraphic {
public:
    TUnknownGraphic(std::string className, Bytes data);
    const char* className() const override { return className_.c_str(); }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TUnknownGraphic>(*this); }

protected:
    void readHeader() override;

private:
    std::string className_;
};

}  // namespace lumaro
