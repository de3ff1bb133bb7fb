#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The front ends' own words: the prompts of the terminal and of the
// scripted answers, the pick screen, the report viewer and the racer view.
const TextEntry kFrontEndTextEntries[] = {
    {8100, "(default: XnnnX)", "(par défaut : XnnnX)"},
    {8101, "Save as (XfffX) in XnnnX", "Enregistrer sous (XfffX) dans XnnnX"},
    {8102, "Open (XfffX) in XnnnX", "Ouvrir (XfffX) dans XnnnX"},
    {8103, "Folder in XnnnX", "Dossier dans XnnnX"},
    {8104, "Type one of the buttons.", "Tapez le libellé de l'un des boutons."},
    {8105, "'XaaaX' is the letter of XbbbX: type the caption.",
     "'XaaaX' est la lettre de XbbbX : tapez le libellé."},
    {8106, "Type a number from the list.", "Tapez un numéro de la liste."},
    {8107, "Rows to take (e.g. 1,3,7-9, all, none):", "Lignes à prendre (ex. : 1,3,7-9, tous, aucun) :"},
    {8108, "Type row numbers from the list.", "Tapez des numéros de lignes de la liste."},
    {8109, "Type a row as XkkkX|cells, an empty line ends:",
     "Tapez une ligne sous la forme XkkkX|cellules, une ligne vide termine :"},
    {8110, "No row XnnnX.", "Aucune ligne XnnnX."},
    {8111, "Report: XnnnX", "Rapport : XnnnX"},
    {8112, "Document: XnnnX", "Document : XnnnX"},
    {8113, "Selection Options", "Options de sélection"},
    {8114, "Show Checked &Only", "Afficher les cochés &seulement"},
    {8115, "Show &All Racers", "Afficher &tous les coureurs"},
    {8116, "&Select", "&Cocher la sélection"},
    {8117, "&Clear", "&Effacer les coches"},
    {8118, "Filter", "Filtre"},
    {8119, "&Print", "&Imprimer"},
    {8120, "E&xit", "&Quitter"},
    {8121, "BIB", "DOS"},
    {8122, "ST1", "DÉP1"},
    {8123, "CAT", "CAT"},
    {8124, "GEN", "SEXE"},
    {8125, "SEED", "POINTS"},
    // A menu caption in the capitals of its page; its screen keeps its title (8559).
    {8126, "DISCIPLINE &SEED POINTS ENTRY", "SAISIE DES &POINTS DE CLASSEMENT PAR DISCIPLINE"},
};

const std::size_t kFrontEndTextEntryCount = std::size(kFrontEndTextEntries);

}  // namespace skitally
