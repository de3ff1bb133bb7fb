#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// League races: the set-up from the registration file, the scoring and the reports.
const TextEntry kLeagueTextEntries[] = {
    {6400, "LEA&GUE SET-UP (TEAMS, DRAW AND BIBS)", "CONFIGURATION DE LA &LIGUE (ÉQUIPES, TIRAGE ET DOSSARDS)"},
    {6401, "Would you like to reload the Draw and Teams from the InI file?",
     "Voulez-vous recharger le tirage et les équipes depuis le fichier InI ?"},
    {6402, "Please enter the Category of the race. U4-U21", "Veuillez entrer la catégorie de la course. U4-U21"},
    {6403, "Category Input", "Saisie de la catégorie"},
    {6404, "Please Enter the correct Group Code", "Veuillez entrer le bon code de groupe"},
    {6405, "Group Code", "Code de groupe"},
    {6406, "Please input the number associated with the Date that this race was supposed to be on:",
     "Veuillez entrer le numéro associé à la date prévue de cette course :"},
    {6407, "Date Picker", "Choix de la date"},
    {6408,
     "Please enter the missing bib numbers separated by a comma in ascending order. Click Okay if no Bibs to Skip. "
     "(For example: 5,30,58)",
     "Veuillez entrer les numéros de dossards manquants séparés par une virgule en ordre croissant. Cliquez sur "
     "Okay s'il n'y a aucun dossard à sauter. (Par exemple : 5,30,58)"},
    {6409, "Missing Bibs", "Dossards manquants"},
    {6410, "Please follow the Example for Inputting Bib Numbers and Try Again",
     "Veuillez suivre l'exemple pour entrer les numéros de dossards et réessayer"},
    {6411, "Bib Assignment Complete!", "Attribution des dossards terminée !"},
    {6412, "Please add a group code in the form DD-MM-YYYY/ GC - Location where GC is group code.",
     "Veuillez ajouter un code de groupe sous la forme JJ-MM-AAAA/ GC - Lieu où GC est le code de groupe."},
    {6413, "Please Set LGR to Category before adding Group Code.",
     "Veuillez choisir la catégorie de la ligue avant d'ajouter le code de groupe."},
    {6414, "Please enter a numeric group code.", "Veuillez entrer un code de groupe numérique."},
    {6415, "Team <XtttX> is not in the race.", "L'équipe <XtttX> ne participe pas à la course."},
    {6416, "Invalid Competition!", "Compétition invalide !"},
    {6417, "Team <XtttX> does not have any racers.", "L'équipe <XtttX> n'a aucun coureur."},
    {6418, "Team <XtttX> has too many scoring racers", "L'équipe <XtttX> a trop de coureurs qui comptent"},
    {6419, "Line XdddX of the registration file XnnnX cannot be read: XtttX",
     "La ligne XdddX du fichier d'inscription XnnnX ne peut pas être lue : XtttX"},
    {6420, "The registration file XnnnX has no groups for the category XtttX",
     "Le fichier d'inscription XnnnX n'a aucun groupe pour la catégorie XtttX"},
    {6421, "The group XnnnX has no race days in the registration file",
     "Le groupe XnnnX n'a aucune journée de course dans le fichier d'inscription"},
    {6422, "The league file XnnnX is damaged (XdddX)", "Le fichier de ligue XnnnX est endommagé (XdddX)"},
    {6423, "The league is not set up: use LEAGUE SET-UP on the Racers tab first",
     "La ligue n'est pas configurée : utilisez d'abord CONFIGURATION DE LA LIGUE dans l'onglet Coureurs"},
    {6424, "LEAGUE TEAM REPORT", "RAPPORT DES ÉQUIPES DE LIGUE"},
    {6425, "LEAGUE RACER REPORT", "RAPPORT DES COUREURS DE LIGUE"},
    {6426, "League scores calculated", "Pointage de la ligue calculé"},
    {6427, "The registration file XnnnX could not be read", "Le fichier d'inscription XnnnX n'a pas pu être lu"},
    {6428, "Team <XtttX> is one team too many: a group has at most ten teams",
     "L'équipe <XtttX> est de trop : un groupe a au plus dix équipes"},
};
const std::size_t kLeagueTextEntryCount = std::size(kLeagueTextEntries);

} // namespace skitally
