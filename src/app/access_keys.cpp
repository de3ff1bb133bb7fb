#include "app/access_keys.h"

#include <cctype>
#include <set>

namespace skitally {
namespace {

// Position of the single "&" of a caption, npos when it has none.
std::size_t MarkerAt(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&' && caption[i + 1] == '&')
            ++i;
        else if (caption[i] == '&')
            return i;
    }
    return std::string::npos;
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Only plain letters and digits: a key must be typed on any keyboard, and
// the bytes of an accented letter are no key of their own.
bool IsKeyChar(char c, bool digit)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && (digit ? std::isdigit(u) : std::isalpha(u));
}

// The caption with its "&" before byte `at` of its plain text.
std::string MarkAt(const std::string& plain, std::size_t at)
{
    return plain.substr(0, at) + "&" + plain.substr(at);
}

}  // namespace

char MarkedAccessKey(const std::string& caption)
{
    const std::size_t at = MarkerAt(caption);
    return at == std::string::npos ? '\0' : Upper(caption[at + 1]);
}

std::vector<std::string> AssignAccessKeys(const std::vector<std::string>& captions)
{
    // A letter is free when no caption claims it: a moved key never takes
    // the letter a later caption was given, so one clash moves one key.
    std::set<char> claimed;
    for (const std::string& caption : captions)
        if (const char key = MarkedAccessKey(caption))
            claimed.insert(key);
    std::set<char> taken;
    std::vector<std::string> result;
    for (const std::string& caption : captions) {
        const char key = MarkedAccessKey(caption);
        if (!key || taken.insert(key).second) {
            result.push_back(caption);
            continue;
        }
        // "&&" stays doubled in `plain`, so positions there are positions
        // in the caption as shown with its own escapes.
        const std::size_t marker = MarkerAt(caption);
        const std::string plain = caption.substr(0, marker) + caption.substr(marker + 1);
        std::string moved = plain;  // no free key: no key rather than a repeated one
        for (const bool digit : {false, true}) {
            bool found = false;
            for (std::size_t i = 0; i < plain.size() && !found; ++i) {
                if (plain[i] == '&') {  // an escaped "&&"
                    ++i;
                    continue;
                }
                const char c = Upper(plain[i]);
                if (IsKeyChar(c, digit) && !claimed.count(c) && !taken.count(c)) {
                    taken.insert(c);
                    moved = MarkAt(plain, i);
                    found = true;
                }
            }
            if (found)
                break;
        }
        result.push_back(moved);
    }
    return result;
}

}  // namespace skitally
