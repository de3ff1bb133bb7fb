#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Para events: the factor table and the factored times.
const TextEntry kParaTextEntries[] = {
    {5300, "Para Event Factors", "Facteurs de l'épreuve para"},
};
const std::size_t kParaTextEntryCount = std::size(kParaTextEntries);

}  // namespace skitally
