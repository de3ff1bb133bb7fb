#include "app/text_table_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

namespace skitally {
namespace {

const TextEntry* FindEntry(int id) {
    for (std::size_t i = 0; i < kTextEntryCount; ++i)
        if (kTextEntries[i].id == id) return &kTextEntries[i];
    return nullptr;
}

std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex token("X[a-z]{3}X");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), token);
         it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    std::sort(found.begin(), found.end());
    return found;
}

// An accelerator is "&" followed by a letter or digit ("& " is a literal ampersand).
int AcceleratorCount(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&' && std::isalnum(static_cast<unsigned char>(text[i + 1]))) ++count;
    return count;
}

bool IsValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2
                                        : (c >> 3) == 0x1E ? 3 : 99;
        if (extra == 99 || i + extra >= s.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

TEST(TextTableData, IdsAreAscendingUniqueAndInEnglishRange) {
    ASSERT_GT(kTextEntryCount, 0u);
    int previous = 0;
    for (std::size_t i = 0; i < kTextEntryCount; ++i) {
        const TextEntry& e = kTextEntries[i];
        EXPECT_GE(e.id, 1000) << e.id;
        EXPECT_LE(e.id, 8999) << e.id;
        EXPECT_GT(e.id, previous) << "id " << e.id << " not ascending or repeated";
        previous = e.id;
        ASSERT_NE(e.english, nullptr) << e.id;
        ASSERT_NE(e.french, nullptr) << e.id;
        EXPECT_GT(std::strlen(e.english), 0u) << e.id;
        EXPECT_GT(std::strlen(e.french), 0u) << e.id;
    }
}

TEST(TextTableData, FrenchKeepsPlaceholdersAndAccelerators) {
    for (std::size_t i = 0; i < kTextEntryCount; ++i) {
        const std::string en = kTextEntries[i].english;
        const std::string fr = kTextEntries[i].french;
        const int id = kTextEntries[i].id;
        EXPECT_EQ(Placeholders(en), Placeholders(fr)) << id;
        if (en.find('&') != std::string::npos) {
            EXPECT_NE(fr.find('&'), std::string::npos) << id;
        }
        EXPECT_EQ(AcceleratorCount(en), AcceleratorCount(fr)) << id;
        EXPECT_TRUE(IsValidUtf8(fr)) << id;
    }
}

TEST(TextTableData, PinnedEnglishTexts) {
    const struct {
        int id;
        const char* text;
    } pinned[] = {
        {1100, "Skitally Query"},
        {1108, "No Race File Opened or Created"},
        {1229, "FILE FORMAT WAS NOT RECOGNIZABLE"},
        {2010, "ARE YOU SURE YOU WISH TO EXIT SKITALLY"},
        {4470, "Must Generate Run 1 and / or Run 2 Start Lists First"},
        {8003, "Clicking IGNORE may cause erroneous results!!"},
        {8001, "Error # "},
        {8010, " is Maximum - Results may be Incorrect"},
    };
    for (const auto& p : pinned) {
        const TextEntry* e = FindEntry(p.id);
        ASSERT_NE(e, nullptr) << p.id;
        EXPECT_STREQ(e->english, p.text) << p.id;
    }
}

}  // namespace
}  // namespace skitally
