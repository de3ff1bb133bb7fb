#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Run times loaded from Kronex and CSV files.
const TextEntry kTimeFileTextEntries[] = {
    {5200, "Kronex FILE NOT LOADED", "FICHIER Kronex NON CHARGÉ"},
};
const std::size_t kTimeFileTextEntryCount = std::size(kTimeFileTextEntries);

}  // namespace skitally
