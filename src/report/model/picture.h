#pragma once
// A picture property (Picture, BackPicture, ReportOptions.Picture): at most one graphic,
// kept as the graphic's class name ("TBitmap", "TJPEGImage", "TMetafile", "TIcon") and its
// stored bytes exactly as a template holds them, so that loading and saving lose nothing.
// Decoding and drawing come with the graphic classes.
#include <functional>
#include <string>

#include "report/registry/persistent.h"

namespace lumaro {

class TfrxPicture : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    static constexpr size_t kMaxClassName = 63;

    TfrxPicture() = default;

    bool IsEmpty() const { return graphicClass_.empty(); }
    const std::string& GraphicClassName() const { return graphicClass_; }
    // The graphic's stored data as it follows the class name in the "Data" entry.
    const std::string& GraphicData() const { return graphicData_; }
    // An empty class name clears the picture.
    void SetGraphic(std::string className, std::string data);
    void Clear() { SetGraphic(std::string(), std::string()); }
    void Assign(const TfrxPicture& source) { SetGraphic(source.graphicClass_, source.graphicData_); }

    // Called after every change.
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    // One entry "Data" (raw bytes): a length byte and the class name, then the data.
    bool hasPropData() const override { return !IsEmpty(); }
    void writePropData(TypedWriter& writer) const override;
    bool readPropEntry(std::string_view name, TypedReader& reader, ObjectReader& context) override;

private:
    std::string graphicClass_;
    std::string graphicData_;
    std::function<void()> onChange_;
};

}  // namespace lumaro
