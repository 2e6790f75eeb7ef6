#include <gtest/gtest.h>

#include <string>

#include "core/resources.h"
#include "core/text.h"

using namespace lumaro;

// Window rows are lists of "Property=value" or "Control.Property=value" lines; a line the
// localisation cannot read would be dropped without a word.
TEST(ResourceTexts, EveryWindowLineIsReadable) {
    for (size_t i = 0; i < kResourceTextCount; ++i) {
        const std::string key = kResourceTexts[i].key;
        if (key.rfind("Tfrx", 0) != 0) continue;
        const auto lines = splitLines(kResourceTexts[i].text);
        const auto assignments = TfrxResources::instance().FormLocalization(key);
        ASSERT_EQ(assignments.size(), lines.size()) << key;
        for (const auto& a : assignments) {
            EXPECT_TRUE(a.property == "Caption" || a.property == "Hint") << key << " " << a.property;
            EXPECT_FALSE(a.value.empty()) << key << " " << a.control;
        }
    }
}

// Sample formats read "sample;format string".
TEST(ResourceTexts, FormatSamplesHoldSampleAndFormat) {
    int samples = 0;
    for (const char* category : {"fkNumber", "fkDateTime", "fkBoolean"}) {
        for (int n = 1; n <= 10; ++n) {
            const std::string key = category + std::to_string(n);
            if (!TfrxResources::instance().Contains(key)) continue;
            ++samples;
            const std::string text = frxGet(key);
            const size_t semicolon = text.find(';');
            ASSERT_NE(semicolon, std::string::npos) << key;
            EXPECT_GT(semicolon, 0u) << key;
            EXPECT_LT(semicolon + 1, text.size()) << key;
        }
    }
    EXPECT_EQ(samples, 15);
}

TEST(ResourceTexts, KeysAreUnique) {
    for (size_t i = 0; i < kResourceTextCount; ++i)
        for (size_t j = i + 1; j < kResourceTextCount; ++j)
            EXPECT_STRNE(kResourceTexts[i].key, kResourceTexts[j].key);
}
