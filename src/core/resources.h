#pragma once
// The process-wide table of user-visible texts, looked up by key. Looking up a key that is
// not present yields the key itself; setting a key replaces its text or adds it.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumaro {

class TfrxResources {
public:
    // The one table, created with every built-in text on first use.
    static TfrxResources& instance();

    std::string Get(std::string_view key) const;
    void Add(std::string_view key, std::string_view text);
    bool Contains(std::string_view key) const;

    // Localisation of a window by its class name: the text stored under the class name is a
    // list of lines "Property=value" (for the window) or "Control.Property=value" (for a
    // control on it). Lines without "=" are skipped; values are cut to 4096 characters.
    struct FormAssignment {
        std::string control;   // empty for the window itself
        std::string property;
        std::string value;
    };
    std::vector<FormAssignment> FormLocalization(std::string_view className) const;

private:
    TfrxResources();
    std::unordered_map<std::string, std::string> texts_;
};

// Shorthand for TfrxResources::instance().Get(key).
inline std::string frxGet(std::string_view key) { return TfrxResources::instance().Get(key); }

// Built-in texts, one row per key (resource_texts.cpp).
struct ResourceText {
    const char* key;
    const char* text;
};
extern const ResourceText kResourceTexts[];
extern const size_t kResourceTextCount;

}  // namespace lumaro
