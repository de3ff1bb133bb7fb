#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The ski-cross ladder: its preparation, the heat numbers, the timer's
// ladder file and the ladder result.
const TextEntry kSkiCrossTextEntries[] = {
    {6100, "Skitally - Ski Cross Ladder Preparation", "Skitally - Préparation du tableau de ski cross"},
    {6101, "Indicate the Number of Competitors for this Ski Cross Competition",
     "Indiquez le nombre de concurrents de cette compétition de ski cross"},
    {6102, "Please Pick The Correct Type of Timed Run", "Veuillez choisir le type de manche chronométrée"},
    {6103, "Qualification Type", "Type de qualification"},
    {6104, "Seeding", "Classement de départ"},
    {6105, "Qualification", "Qualification"},
    {6106, "More then one Time of XtttX Found is this the bib order you would like them to rank in?",
     "Plus d'un temps de XtttX trouvé : est-ce l'ordre des dossards dans lequel vous voulez les classer ?"},
    {6107, "More then one DNF Found is this the bib order you would like them to rank in?",
     "Plus d'un DNF trouvé : est-ce l'ordre des dossards dans lequel vous voulez les classer ?"},
    {6108, "Accept", "Accepter"},
    {6109, "Time Sorting", "Ordre des temps"},
    {6110, "DNF Sorting", "Ordre des DNF"},
    {6111, "Enter the bibs XbbbX in the order they should rank, separated by commas",
     "Entrez les dossards XbbbX dans l'ordre de leur classement, séparés par des virgules"},
    {6112, "Will the Heat numbers be standard?", "Les numéros des manches seront-ils standard ?"},
    {6113, "Please Enter the starting heat number for Round XnnnX",
     "Veuillez entrer le numéro de départ des manches du tour XnnnX"},
    {6114, "Please make sure your Heat numbers will not overlap, Terminating",
     "Les numéros des manches ne doivent pas se chevaucher, fin du traitement"},
    {6115, "Write Error no such record for Ladder",
     "Erreur d'écriture : aucun enregistrement de ce numéro dans le tableau"},
    {6116, "Indicate Location to Save the Ladder File", "Indiquez où enregistrer le fichier du tableau"},
    {6117, "Output of Kronex Ladder File Complete", "Sortie du fichier de tableau Kronex terminée"},
    {6118, "Load Kronex Ladder Result", "Charger le résultat du tableau Kronex"},
    {6119, "Kronex Ladder", "Tableau Kronex"},
    {6120, "File indicated is wrong Gender for this Skitaly File",
     "Le fichier indiqué n'est pas du bon sexe pour ce fichier Skitally"},
    {6121, "File Contained no Ladder Information", "Le fichier ne contenait aucune information de tableau"},
    {6122, "Kronex Ladder file has been successfully Loaded", "Le fichier de tableau Kronex a été chargé"},
    {6123, "Print completed Ladder or Create new Ladder", "Imprimer le tableau terminé ou créer un nouveau tableau"},
    {6124, "Create", "Créer"},
    {6125, "Print Full", "Imprimer complet"},
    {6126, "No Ladder File Selected", "Aucun fichier de tableau choisi"},
    {6127, "No racer of this race has a place in a ladder: create the ladder first",
     "Aucun coureur de cette course n'a de place dans un tableau : créez d'abord le tableau"},
    {6128, "The ladder XnnnX has been written into the racers", "Le tableau XnnnX a été inscrit chez les coureurs"},
    {6129, "Each of the bibs XbbbX must be entered once", "Chacun des dossards XbbbX doit être entré une fois"},
    {6130, "The starting heat number must be a whole number from 0 to 99",
     "Le numéro de départ des manches doit être un nombre entier de 0 à 99"},
    {6131, "Ladder File", "Fichier de tableau"},
    {6132, "The ladder result file XnnnX holds no racer records",
     "Le fichier de résultat XnnnX ne contient aucun coureur"},
    {6133, "The file XnnnX could not be read: XdddX", "Le fichier XnnnX n'a pas pu être lu : XdddX"},
    {6134, "The ladder file XnnnX could not be written: XdddX",
     "Le fichier de tableau XnnnX n'a pas pu être écrit : XdddX"},
};
const std::size_t kSkiCrossTextEntryCount = std::size(kSkiCrossTextEntries);

} // namespace skitally
