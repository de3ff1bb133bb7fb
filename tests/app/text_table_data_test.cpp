#include "app/text_table_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <string>
#include <vector>

#include "util/codepage.h"

namespace skitally {
namespace {

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

// Every id once, ascending, in the English range; both texts present, and
// the French keeps the placeholders and accelerators of the English.
TEST(TextTableData, IdsAndTheFrenchTexts) {
    ASSERT_GT(kTextEntryCount, 0u);
    int previous = 0;
    for (std::size_t i = 0; i < kTextEntryCount; ++i) {
        const TextEntry& e = kTextEntries[i];
        EXPECT_TRUE(e.id >= 1000 && e.id <= 8999 && e.id > previous) << e.id << " after " << previous;
        previous = e.id;
        ASSERT_TRUE(e.english && e.french && *e.english && *e.french) << e.id;
        const std::string en = e.english, fr = e.french;
        EXPECT_EQ(Placeholders(en), Placeholders(fr)) << e.id;
        EXPECT_TRUE(en.find('&') == std::string::npos || fr.find('&') != std::string::npos) << e.id;
        EXPECT_EQ(AcceleratorCount(en), AcceleratorCount(fr)) << e.id;
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(fr)), fr) << e.id; // UTF-8 that reports can write
    }
}

}  // namespace
}  // namespace skitally
