#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The output files: web results, the results CSV, the race copy for Kronex,
// and the special competitor lists.
const TextEntry kOutputsTextEntries[] = {
    {5900, "Indicate Location to Save", "Indiquez où enregistrer"},
    {5901, "Indicate Location to Save ( CSV ) File", "Indiquez où enregistrer le fichier ( CSV )"},
    {5902, "Indicate Where to Output Files", "Indiquez où sortir les fichiers"},
    {5903, "WEB Site File", "Fichier pour site WEB"},
    {5905, "Race Files", "Fichiers de course"},
    {5906, "Output of Official Results for WEB Sites Complete",
     "Sortie des résultats officiels pour les sites WEB terminée"},
    {5907, "Copy of Race Files Complete", "Copie des fichiers de course terminée"},
    {5908, "Output of Comma Delimited (CSV) File Complete",
     "Sortie du fichier délimité par des virgules (CSV) terminée"},
    {5909, "Bib numbers are missing from this file - File CAN NOT be used by Kronex",
     "Des numéros de dossard manquent dans ce fichier - Kronex NE PEUT PAS utiliser ce fichier"},
    {5910, "Group missing from this PARA EVENT Race - File CAN NOT be used by Kronex",
     "Groupe manquant dans cette course PARA - Kronex NE PEUT PAS utiliser ce fichier"},
    {5911, "Factor missing from this PARA EVENT Race - File CAN NOT be used by Kronex",
     "Facteur manquant dans cette course PARA - Kronex NE PEUT PAS utiliser ce fichier"},
    {5912, "Continue with Race Copy", "Continuer la copie de la course"},
    {5913, "Scanning Racer File", "Lecture du fichier des coureurs"},
    {5914, "The jury file XnnnX could not be read: XdddX - nothing was written",
     "Le fichier du jury XnnnX n'a pas pu être lu : XdddX - rien n'a été écrit"},
    {5915, "The results report XnnnX does not exist - print the results first",
     "Le rapport des résultats XnnnX n'existe pas - imprimez d'abord les résultats"},
    {5916, "The penalty calculation report XnnnX does not exist - calculate the race first",
     "Le rapport du calcul de la pénalité XnnnX n'existe pas - calculez d'abord la course"},
    {5917,
     "Unofficial results go to web sites only for recreational races with a codex of 8 characters or more",
     "Les résultats non officiels ne vont sur les sites web que pour les courses récréatives dont le codex a "
     "au moins 8 caractères"},
    {5918, "XnnnX is the report itself - choose another file",
     "XnnnX est le rapport lui-même - choisissez un autre fichier"},
    {5919, "The file XnnnX could not be written: XdddX - nothing was written",
     "Le fichier XnnnX n'a pas pu être écrit : XdddX - rien n'a été écrit"},
    {5920, "XnnnX is the race's own folder - choose another folder",
     "XnnnX est le dossier de la course elle-même - choisissez un autre dossier"},
    {5921, "The report file XnnnX could not be read: XdddX",
     "Le fichier de rapport XnnnX n'a pas pu être lu : XdddX"},
    // Special competitor lists
    {5930, "SPECIAL COMPETITOR REPORTS", "RAPPORTS SPÉCIAUX DES CONCURRENTS"},
    {5931, "Racers of one Category", "Coureurs d'une catégorie"},
    {5932, "Racers of one Club", "Coureurs d'un club"},
    {5933, "Racers of one Nation", "Coureurs d'une nation"},
    {5934, "Racers of one Group", "Coureurs d'un groupe"},
    {5935, "Enter the value to list ( XnnnX )", "Entrez la valeur à lister ( XnnnX )"},
    {5936, "COMPETITORS - XnnnX", "CONCURRENTS - XnnnX"},
    {5937, "The report XnnnX is not one of this race: its pages do not carry the codex XcccX",
     "Le rapport XnnnX n'est pas de cette course : ses pages ne portent pas le code XcccX"},
};
const std::size_t kOutputsTextEntryCount = std::size(kOutputsTextEntries);

}  // namespace skitally
