#pragma once
// TStrings and TStringList: lines of text, each with an optional object reference that the
// list does not own. Names, values and searches compare without regard to letter case.
#include <string>
#include <string_view>
#include <vector>

#include "script/library/persistent.h"

namespace lumaro {

class TStrings : public TPersistent {
public:
    const char* ClassName() const override { return "TStrings"; }
    // From another TStrings: its lines and objects.
    void Assign(const TPersistent* source) override;

    virtual int Add(std::string_view s) { return AddObject(s, nullptr); }
    virtual int AddObject(std::string_view s, Object* object);
    virtual void Insert(int index, std::string_view s);  // index 0..Count
    void Delete(int index);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    virtual int IndexOf(std::string_view s) const;  // -1 when absent
    int IndexOfName(std::string_view name) const;

    // Out-of-range indexes raise EStringListError "List index out of bounds (n)".
    const std::string& Get(int index) const;
    virtual void Put(int index, std::string_view s);
    Object* GetObject(int index) const;
    void PutObject(int index, Object* object);

    // The part before the first "=" ("" without one); the value of the first line whose
    // name is `name`. Setting a value replaces that line, adds "name=value", or with an
    // empty value removes the line.
    std::string Name(int index) const;
    std::string Value(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);

    // Every line followed by CR LF; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(std::string_view text);
    // Lines separated by commas; a line that is empty or holds blanks, commas or quotes is
    // quoted with doubled inner quotes, so that every line survives a round trip. Reading splits at commas and at blanks outside quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    // The file's text (UTF-8, or Windows-1250 when it is not valid UTF-8) becomes Text;
    // saving writes Text as UTF-8. Failures raise EFileError naming the file.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

protected:
    struct Line {
        std::string text;
        Object* object = nullptr;
    };
    void check(int index, int limit) const;
    void insertLine(int index, std::string_view s, Object* object);
    std::vector<Line> items_;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    const char* ClassName() const override { return "TStringList"; }

    // A sorted list places new lines in order and applies Duplicates: dupIgnore keeps the
    // line already there and returns its index, dupError raises EStringListError
    // "String list does not allow duplicates".
    int AddObject(std::string_view s, Object* object) override;
    // Sorted lists refuse Insert and Put ("Operation not allowed on sorted string list").
    void Insert(int index, std::string_view s) override;
    void Put(int index, std::string_view s) override;
    int IndexOf(std::string_view s) const override;

    // Binary search of a sorted list: true when found; `index` receives the line found or
    // where `s` would be inserted.
    bool Find(std::string_view s, int& index) const;
    void Sort();

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }

private:
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace lumaro
