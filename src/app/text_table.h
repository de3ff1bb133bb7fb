#pragma once
// Every visible text by id: English ids 1000-8999, French = id + 10000.

#include <string>
#include <unordered_map>

namespace skitally {

enum Language { kEnglish = 0, kFrench = 1, kGerman = 2 };

class TextTable {
public:
    TextTable();

    void SetLanguage(int language) { language_ = language; }
    int language() const { return language_; }

    // The text of id + 10000 x language. German has no texts of its own and
    // falls back to English, as does any text not yet translated.
    std::string ResourceText(int id) const;
    // Numbered error n is text 1200 + n.
    std::string ErrorText(int number) const;
    bool Has(int id) const { return texts_.count(id) != 0; }

private:
    std::unordered_map<int, std::string> texts_;
    int language_ = kEnglish;
};

// Replaces a placeholder word such as "XnnnX" by a value.
std::string FillPlaceholder(std::string text, const std::string& placeholder, const std::string& value);

}  // namespace skitally
