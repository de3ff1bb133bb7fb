#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Para events: the factor table and the factored times.
const TextEntry kParaTextEntries[] = {
    {5300, "Para Event Factors", "Facteurs de l'épreuve para"},
    {5301, "XnnnX FILE NOT LOADED", "FICHIER XnnnX NON CHARGÉ"},
    {5302, "Indicated XnnnX FILE IS EMPTY", "Le FICHIER XnnnX indiqué EST VIDE"},
    {5303, "Csv/txt File does not contain the required fields of",
     "Le fichier Csv/txt ne contient pas les champs requis"},
    {5304, "Csv/txt File does not have the required key Field XkkkX - Para Event not activated.",
     "Le fichier Csv/txt n'a pas le champ clé requis XkkkX - Épreuve para non activée."},
    {5305, "XdddX is not a Valid Discipline for a Para Event",
     "XdddX n'est pas une discipline valide pour une épreuve para"},
    {5306, "Please Select National Race or Other Factor File",
     "Veuillez choisir Course nationale ou Autre fichier de facteurs"},
    {5307, "&NAT", "&NAT"},
    {5308, "&Other File", "&Autre fichier"},
    {5309, "Please Select Factor File", "Veuillez choisir le fichier de facteurs"},
    {5310, "The Para Event Factor File has no Factors for the <  XdddX  > Discipline",
     "Le fichier de facteurs de l'épreuve para n'a aucun facteur pour la discipline <  XdddX  >"},
    {5311, "RACERS WITH INVALID GROUP/CLASS CODES FOR FACTOR LOOK UP",
     "COUREURS AVEC DES CODES DE GROUPE/CLASSE INVALIDES POUR LES FACTEURS"},
    {5312, "Racer's Times may have changed, MUST Re-run Calculations and Official Reports",
     "Les temps des coureurs ont pu changer, il FAUT refaire les calculs et les rapports officiels"},
    {5313, "Removing the PARA EVENT Indicator will remove all Factors from the Race File",
     "Retirer l'indicateur d'ÉPREUVE PARA retirera tous les facteurs du fichier de course"},
    {5314, "Do you wish the Factors REMOVED", "Voulez-vous que les facteurs soient RETIRÉS ?"},
    {5315, "Factoring Times of ALL Racers", "Application des facteurs aux temps de TOUS les coureurs"},
    {5316, "Removing POSSIBLE Factoring from all Racers", "Retrait des facteurs ÉVENTUELS de tous les coureurs"},
    {5317, "Once Correction Made - Recheck Race Option to force reload of Factors",
     "Une fois la correction faite - recochez l'option de course pour recharger les facteurs"},
    {5318, "NAME                          CARD      GROUP/CLASS",
     "NOM                           CARTE     GROUPE/CLASSE"},
    {5319, "The factor table XnnnX could not be written: XdddX",
     "La table des facteurs XnnnX n'a pas pu être écrite : XdddX"},
};
const std::size_t kParaTextEntryCount = std::size(kParaTextEntries);

}  // namespace skitally
