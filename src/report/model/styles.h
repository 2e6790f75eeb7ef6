#pragma once
// Named styles (colour, font, frame) that text objects refer to by name. A style set is an
// ordered collection with a name of its own, stored in a file with the root "style"; a style
// sheet is an ordered list of style sets.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/color.h"
#include "report/model/font.h"
#include "report/model/frame.h"
#include "report/registry/persistent.h"

namespace lumaro {

class Stream;
class TfrxReport;
class TfrxStyles;
class TfrxXMLItem;

class TfrxStyleItem : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxStyleItem();

    const std::string& Name() const { return name_; }
    // Raises "Duplicate name" when another item of the collection has the name (letter case
    // ignored).
    void SetName(std::string name);
    lumaro::Color Color() const { return color_; }
    void SetColor(lumaro::Color v) { color_ = v; }
    TfrxFont& Font() { return font_; }
    const TfrxFont& Font() const { return font_; }
    TfrxFrame& Frame() { return frame_; }
    const TfrxFrame& Frame() const { return frame_; }

    TfrxStyles* Collection() const { return collection_; }
    void Assign(const TfrxStyleItem& source);

private:
    friend class TfrxStyles;
    std::string name_;
    lumaro::Color color_ = clNone;
    TfrxFont font_;
    TfrxFrame frame_;
    TfrxStyles* collection_ = nullptr;
};

class TfrxStyles {
public:
    // `report`: the report whose text objects re-apply their styles after a load.
    explicit TfrxStyles(TfrxReport* report = nullptr) : report_(report) {}
    TfrxStyles(const TfrxStyles&) = delete;
    TfrxStyles& operator=(const TfrxStyles&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TfrxReport* Report() const { return report_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises "List index out of bounds (<index>)" for a bad index.
    TfrxStyleItem* Items(int index) const;
    // Appends an item named "Style" plus the smallest free number from 1.
    TfrxStyleItem* Add();
    void Delete(int index);
    void Clear() { items_.clear(); }
    // The item of that name (letter case ignored), or null.
    TfrxStyleItem* Find(std::string_view name) const;
    int IndexOf(const TfrxStyleItem* item) const;
    std::vector<std::string> Names() const;
    void Assign(const TfrxStyles& source);
    // Lets every text object of the report copy its style again.
    void Apply() const;

    // Style-set files: root "style" with the set's Name, one "item" per style item.
    void SaveToFile(const std::string& fileName) const;
    void SaveToStream(Stream& stream) const;
    void SaveToXMLItem(TfrxXMLItem& item) const;
    // Replaces the items (a root not named "style" leaves the set empty), then Apply().
    // Faulty attribute values are added to `errors` when given.
    void LoadFromFile(const std::string& fileName, std::vector<std::string>* errors = nullptr);
    void LoadFromStream(Stream& stream, std::vector<std::string>* errors = nullptr);
    void LoadFromXMLItem(const TfrxXMLItem& item, std::vector<std::string>* errors = nullptr);

private:
    std::string name_;
    TfrxReport* report_;
    std::vector<std::unique_ptr<TfrxStyleItem>> items_;
};

// An ordered list of style sets, stored with the root "stylesheet" holding one "style"
// element per set.
class TfrxStyleSheet {
public:
    int Count() const { return static_cast<int>(sets_.size()); }
    TfrxStyles* Items(int index) const;
    TfrxStyles* Add();
    void Delete(int index);
    void Clear() { sets_.clear(); }
    TfrxStyles* Find(std::string_view name) const;
    int IndexOf(std::string_view name) const;
    std::vector<std::string> Names() const;

    void SaveToFile(const std::string& fileName) const;
    void SaveToStream(Stream& stream) const;
    void LoadFromFile(const std::string& fileName, std::vector<std::string>* errors = nullptr);
    void LoadFromStream(Stream& stream, std::vector<std::string>* errors = nullptr);

private:
    std::vector<std::unique_ptr<TfrxStyles>> sets_;
};

}  // namespace lumaro
