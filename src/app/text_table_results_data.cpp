#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The official and unofficial results and the training times.
const TextEntry kResultsTextEntries[] = {
    {5700, "Please Calculate Race Points First", "Veuillez d'abord calculer les points de course"},
    {5701, "Calculation is for a 1 Run Race Only", "Le calcul est pour une course à 1 manche seulement"},
    {5702, "Calculation is for a 2 Run Race Only", "Le calcul est pour une course à 2 manches seulement"},
    {5703, "ARE YOU ATTEMPTING TO PRINT OFFICIAL RESULTS FOR A TRAINING RUN",
     "VOULEZ-VOUS IMPRIMER DES RÉSULTATS OFFICIELS POUR UNE MANCHE D'ENTRAÎNEMENT ?"},
    {5704, "OFFICIAL RESULTS", "RÉSULTATS OFFICIELS"},
    {5705, "TRAINING TIMES", "TEMPS D'ENTRAÎNEMENT"},
    {5706, "TECHNICAL DELEGATE INPUT REQUIRED", "AVIS DU DÉLÉGUÉ TECHNIQUE REQUIS"},
    {5707, "A Racers Calculated Points Have EXCEEDED 999.99", "Les points calculés d'un coureur DÉPASSENT 999.99"},
    {5708, "Substitute 999.99 or PRINT AS Calculated", "Remplacer par 999.99 ou IMPRIMER TELS QUE calculés"},
    {5709, "Discuss with TECHNICAL DELEGATE", "Voyez avec le DÉLÉGUÉ TECHNIQUE"},
    {5710, "&999.99", "&999.99"},
    {5711, "PRINT AS &CALCULATED", "IMPRIMER TELS QUE &CALCULÉS"},
    {5712, "DID NOT START", "N'A PAS PRIS LE DÉPART"},
    {5713, "DID NOT FINISH", "N'A PAS TERMINÉ"},
    {5714, "DISQUALIFIED", "DISQUALIFIÉ"},
    {5715, "DID NOT QUALIFY FOR RUN 2", "NON QUALIFIÉ POUR LA 2E MANCHE"},
    {5716, "NOT PERMITTED TO START", "NON AUTORISÉ À PRENDRE LE DÉPART"},
    {5717, "WEATHER", "MÉTÉO"},
    {5718, "SNOW", "NEIGE"},
    {5719, "TEMPERATURE", "TEMPÉRATURE"},
    {5720, "START", "DÉPART"},
    {5721, "FINISH", "ARRIVÉE"},
    {5722, "ADDER", "AJOUT"},
    {5723, "PENALTY APPLIED", "PÉNALITÉ APPLIQUÉE"},
    {5730, "This Report Generates Results without any Race Calculation Required",
     "Ce rapport produit des résultats sans aucun calcul de course"},
    {5731, "Title This Report UN-OFFICIAL RESULTS or Simply RESULTS",
     "Titrer ce rapport RÉSULTATS NON OFFICIELS ou simplement RÉSULTATS"},
    {5732, "&UN-OFFICIAL RESULTS", "RÉSULTATS &NON OFFICIELS"},
    {5733, "&RESULTS", "&RÉSULTATS"},
    {5734, "UN-OFFICIAL RESULTS", "RÉSULTATS NON OFFICIELS"},
    {5735, "RESULTS", "RÉSULTATS"},
    {5736, "RECREATIONAL RACE", "COURSE RÉCRÉATIVE"},
    {5737, "Print as Training Results or Race Results",
     "Imprimer comme résultats d'entraînement ou résultats de course"},
    {5738, "&TRAINING", "&ENTRAÎNEMENT"},
    {5739, "&RACE", "&COURSE"},
    {5740, "Please indicate which report to produce", "Veuillez indiquer le rapport à produire"},
    {5741, "Total Time Report", "Rapport du temps total"},
    {5742, "Best Of Run 1 or Run 2 Time Report", "Rapport du meilleur temps de la manche 1 ou 2"},
};
const std::size_t kResultsTextEntryCount = std::size(kResultsTextEntries);

}  // namespace skitally
