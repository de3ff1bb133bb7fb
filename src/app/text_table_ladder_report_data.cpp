#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The ski-cross ladder report: the page made from its template and the PDF.
const TextEntry kLadderReportTextEntries[] = {
    {6200, "PDF Report Complete Click Okay to view it.", "Rapport PDF terminé Cliquez sur OK pour le voir."},
    {6201, "The ladder report template XnnnX was not found.", "Le modèle du rapport de tableau XnnnX est introuvable."},
    {6202, "The PDF converter XnnnX was not found beside the program or on the PATH.",
     "Le convertisseur PDF XnnnX est introuvable à côté du programme ou dans le PATH."},
    {6203, "The PDF converter could not make XnnnX: XdddX", "Le convertisseur PDF n'a pas pu produire XnnnX : XdddX"},
    {6204, "The ladder report XnnnX could not be written: XdddX",
     "Le rapport de tableau XnnnX n'a pas pu être écrit : XdddX"},
    {6205, "SKI CROSS LADDER", "TABLEAU DE SKI CROSS"},
};
const std::size_t kLadderReportTextEntryCount = std::size(kLadderReportTextEntries);

}  // namespace skitally
