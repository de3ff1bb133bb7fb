#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The ski-cross points from the ladder's final ranking, and the report of
// the qualification round.
const TextEntry kSkiCrossCalcTextEntries[] = {
    {6300, "Race Ladder not Loaded - Execution Terminated", "Tableau de la course non chargé - Exécution terminée"},
    {6301, "Calculate the Points based on", "Calculer les points d'après"},
    {6302, "TOTAL OR BEST OF TIMES", "LE TOTAL OU LE MEILLEUR DES TEMPS"},
    {6303, "&TOTAL", "&TOTAL"},
    {6304, "&BEST OF", "&MEILLEUR"},
    {6305, "Points will be Calculated based on XtttX", "Les points seront calculés d'après XtttX"},
    {6306, "Race Contains < XnnnX > Racers - Award no points beyond Racer < XbbbX > Correct",
     "La course compte < XnnnX > coureurs - Aucun point après le coureur < XbbbX > Correct"},
    {6307, "Race Contains < XnnnX > Enter Number of Racers that can Receive Points",
     "La course compte < XnnnX > Entrez le nombre de coureurs qui peuvent recevoir des points"},
    {6308, "Race does nor contain enough Racers - Execution Terminated",
     "La course ne compte pas assez de coureurs - Exécution terminée"},
    {6309, "RACE POINTS CALCULATION", "CALCUL DES POINTS DE COURSE"},
    {6310, "The best 5 athletes at Start", "Les 5 meilleurs athlètes au départ"},
    {6311, "Seed Points of Best 5 at Start", "Points de classement des 5 meilleurs au départ"},
    {6312, "Total Race Points - Race Level <XlllX>", "Total des points de course - Niveau de la course <XlllX>"},
    {6313, "Entry Point", "Point d'entrée"},
    {6314, "Less than 3 of the Top 5 Racers have completed the Race",
     "Moins de 3 des 5 meilleurs coureurs ont terminé la course"},
    {6315, "Award No Points - Correct", "N'attribuer aucun point - Correct"},
    {6316, "Less than 3 Top Racers Finished - No Race Points Awarded",
     "Moins de 3 des meilleurs coureurs ont terminé - Aucun point de course attribué"},
    {6317, "Qualification Round Report", "Rapport de la manche de qualification"},
    {6318, "Warning: LADDER will be based on XtttX", "Attention : le TABLEAU sera établi d'après XtttX"},
    {6319, "Is this Choice Correct", "Ce choix est-il correct ?"},
    {6320, "QUALIFICATION ROUND RESULTS", "RÉSULTATS DE LA MANCHE DE QUALIFICATION"},
    {6321, "Points by Place", "Points par place"},
};
const std::size_t kSkiCrossCalcTextEntryCount = std::size(kSkiCrossCalcTextEntries);

}  // namespace skitally
