#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Run times typed in, run by run.
const TextEntry kTimeEntryTextEntries[] = {
    {5100, "RUN TIME CAN NOT BE ZERO", "LE TEMPS DE MANCHE NE PEUT PAS ÊTRE ZÉRO"},
};
const std::size_t kTimeEntryTextEntryCount = std::size(kTimeEntryTextEntries);

}  // namespace skitally
