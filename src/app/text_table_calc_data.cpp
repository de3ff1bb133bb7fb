#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The race calculation: its checks, notices and progress captions.
const TextEntry kCalcTextEntries[] = {
    {5400, "Calculating Points", "Calcul des points"},
    {5401, "Calculating Finish Order", "Calcul du classement"},
    {5402, "No 'F' Factor found - Please Enter in Weather Information",
     "Aucun facteur 'F' - Veuillez l'entrer dans les informations météo"},
    {5404, "Recreational Racer's are being REMOVED from Report as if they have 0000000 Card Numbers",
     "Les coureurs récréatifs sont RETIRÉS du rapport comme s'ils avaient une carte 0000000"},
    {5405, "Use ONLY IF Run 2 CANCELLED or Race is a 1 RUN Race !",
     "À utiliser SEULEMENT SI la manche 2 est ANNULÉE ou si la course n'a qu'UNE manche !"},
};
const std::size_t kCalcTextEntryCount = std::size(kCalcTextEntries);

}  // namespace skitally
