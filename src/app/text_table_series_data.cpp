#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Series races: the points-by-place tables and the series options screen.
const TextEntry kSeriesTextEntries[] = {
    {5600, "Calculate using Canadian / Zone Alpine Series Points Table",
     "Calculer avec la table de points de série alpine canadienne / de zone"},
    {5601, "Skitally does not have a built in comma delimited File for Requested Province",
     "Skitally n'a pas de fichier intégré délimité par des virgules pour la province demandée"},
    {5602, "DO YOU HAVE A Comma Delimited Series Points Table File",
     "AVEZ-VOUS UN fichier de table de points de série délimité par des virgules"},
    {5603, "Open Series Points Table File", "Ouvrir le fichier de table de points de série"},
    {5604, "Series Files", "Fichiers de série"},
    {5606, "Series Point Calculations Complete", "Calcul des points de série terminé"},
    {5607, "Series Options", "Options de série"},
    {5608, "SERIES TYPE", "TYPE DE SÉRIE"},
    {5609, "1 = WC, 2 = CAPS, 3 = OTHER", "1 = WC, 2 = CAPS, 3 = AUTRE"},
    {5610, "PROVINCE", "PROVINCE"},
    {5611, "Province number, needed for CAPS (1 to 4 have a built in table)",
     "Numéro de la province, requis pour CAPS (1 à 4 ont une table intégrée)"},
    {5612, "Line XnnnX of the series file XtttX is not a place, a comma and points from 0 to 999.99",
     "La ligne XnnnX du fichier de série XtttX n'est pas un rang, une virgule et des points de 0 à 999.99"},
    {5613, "The series points table XnnnX could not be written: XdddX",
     "La table de points de série XnnnX n'a pas pu être écrite : XdddX"},
    {5614, "The series file XnnnX could not be read: XdddX",
     "Le fichier de série XnnnX n'a pas pu être lu : XdddX"},
};
const std::size_t kSeriesTextEntryCount = std::size(kSeriesTextEntries);

}  // namespace skitally
