#pragma once
#include <cstddef>

namespace skitally {

// One visible text. The English text has id `id` (1000-8999); its French
// text is looked up as id + 10000.
struct TextEntry {
    int id;
    const char* english;
    const char* french;
};

extern const TextEntry kTextEntries[];
extern const std::size_t kTextEntryCount;
// The captions of the command menus, kept apart from the messages.
extern const TextEntry kMenuTextEntries[];
extern const std::size_t kMenuTextEntryCount;

}  // namespace skitally
