#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The race penalty: the seeding list, its dates and the notice for the
// technical delegate.
const TextEntry kPenaltyTextEntries[] = {
    {5500, "UNKNOWN DISCIPLINE - PLEASE RE-ENTER", "DISCIPLINE INCONNUE - VEUILLEZ LA RESAISIR"},
    {5501, "Enter Number of FIS List Used for RACER Seed Points",
     "Entrez le numéro de la liste FIS utilisée pour les points de départ des COUREURS"},
    {5502, "ENTER NUMBER OF National Points List USED", "ENTREZ LE NUMÉRO DE LA liste de points nationale UTILISÉE"},
    {5503,
     "WARNING - Race Date entered in Header is not consistent with the Date Range for this Seasons FIS Points List "
     "Number XnnnX",
     "ATTENTION - La date de course de l'en-tête ne correspond pas à la période de la liste de points FIS numéro "
     "XnnnX de cette saison"},
    {5504, "Do you wish to Continue with the WRONG Points List or Race Date anyway",
     "Voulez-vous continuer quand même avec la MAUVAISE liste de points ou date de course ?"},
    {5505, "INFORMATION FOR TECHNICAL DELEGATE", "INFORMATION POUR LE DÉLÉGUÉ TECHNIQUE"},
    {5506, "Race required DUBBING and / or", "La course a exigé un AJUSTEMENT et / ou"},
    {5507, "PENALTY CHANGED due to MIN / MAX situation.", "PÉNALITÉ MODIFIÉE à cause du MIN / MAX."},
    {5508, "Inform TECHNICAL DELEGATE of program generated changes!",
     "Informez le DÉLÉGUÉ TECHNIQUE des changements faits par le programme !"},
    {5509, " C A L C.  R A C E  P O I N T S  &  P E N.  ", " C A L C.  P O I N T S  D E  C O U R S E  &  P É N.  "},
};
const std::size_t kPenaltyTextEntryCount = std::size(kPenaltyTextEntries);

}  // namespace skitally
