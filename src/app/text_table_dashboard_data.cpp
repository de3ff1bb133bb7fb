#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The race's progress through its stages and the desktop's dashboard.
const TextEntry kDashboardTextEntries[] = {
    {6500, "Header", "En-tête"},
    {6501, "Jury", "Jury"},
    {6502, "Course setters", "Traceurs"},
    {6503, "Weather", "Météo"},
    {6504, "Racers (XnnnX)", "Coureurs (XnnnX)"},
    {6505, "Drawn", "Tirage fait"},
    {6506, "seed XnnnX", "germe XnnnX"},
    {6507, "Run 1 start list printed", "Liste de départ de la manche 1 imprimée"},
    {6508, "at XtttX", "à XtttX"},
    {6509, "Run XnnnX times", "Temps de la manche XnnnX"},
    {6510, "Official times", "Temps officiels"},
    {6511, "XnnnX of XtttX racers", "XnnnX coureurs sur XtttX"},
    {6512, "Calculated", "Calculée"},
    {6513, "XnnnX run(s), penalty XpppX", "XnnnX manche(s), pénalité XpppX"},
    {6514, "series points", "points de série"},
    {6515, "ski-cross points", "points de ski cross"},
    {6516, "Official results", "Résultats officiels"},
    {6517, "Outputs", "Sorties"},
    {6518, "no header file", "pas de fichier d'en-tête"},
    {6519, "no discipline, gender or level", "discipline, sexe ou niveau manquant"},
    {6520, "no jury", "pas de jury"},
    {6521, "no codex", "pas de codex"},
    {6522, "XnnnX racers have no bib", "XnnnX coureurs sans dossard"},
    {6523, "XnnnX racers have no start position", "XnnnX coureurs sans position de départ"},
    {6524, "missing XnnnX", "manque XnnnX"},
    {6525, "next", "suivant"},
    {6526, "web", "web"},
    {6530, "No race is open. Open one of the last races:", "Aucune course ouverte. Ouvrez une des dernières courses :"},
    {6531, "No race opened yet: open or create one on the Home page.",
     "Aucune course ouverte jusqu'ici : ouvrez-en ou créez-en une dans l'accueil."},
    {6532, "Discipline", "Discipline"},
    {6533, "Gender", "Sexe"},
    {6534, "Level", "Niveau"},
    {6535, "Codex", "Codex"},
    {6536, "Date", "Date"},
    {6537, "Place", "Lieu"},
    {6538, "Stages", "Étapes"},
    {6539, "Racers", "Coureurs"},
    {6540, "Go", "Aller"},
};
const std::size_t kDashboardTextEntryCount = std::size(kDashboardTextEntries);

}  // namespace skitally
