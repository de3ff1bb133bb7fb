#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Run times typed in, run by run.
const TextEntry kTimeEntryTextEntries[] = {
    {5100, "RUN TIME CAN NOT BE ZERO", "LE TEMPS DE MANCHE NE PEUT PAS ÊTRE ZÉRO"},
    {5101,
     "Enter Racers 1st Run Time in Seconds and decimals of a second (FORM SSS.DD). Depress F8 - to switch to "
     "M:SS.DD format.",
     "Entrez le temps de la 1re manche en secondes et centièmes (FORME SSS.DD). Appuyez sur F8 pour passer au "
     "format M:SS.DD."},
    {5102,
     "Enter Racers 2nd Run Time in Seconds and Decimals of a second (FORM SSS.DD). Depress F8 - to switch to "
     "M:SS.DD format.",
     "Entrez le temps de la 2e manche en secondes et centièmes (FORME SSS.DD). Appuyez sur F8 pour passer au "
     "format M:SS.DD."},
    {5103,
     "Enter Racers Run Time (SSS.DD / M:SS.DD) or Depress Enter on BLANK Time Field to move Forward to Status "
     "Entry",
     "Entrez le temps de manche (SSS.DD / M:SS.DD) ou appuyez sur Entrée dans un temps VIDE pour passer au statut"},
    {5104, "No TIME ENTERED FOR RACER ---- ENTER DNS or DNF or DSQ",
     "AUCUN TEMPS POUR LE COUREUR ---- ENTREZ DNS ou DNF ou DSQ"},
    {5105, "Enter ( DNS, DNF or DSQ) or (-, /, *)", "Entrez ( DNS, DNF ou DSQ) ou (-, /, *)"},
    {5106, "MUST ENTER < - or DNS >, < / or DSQ >, < * or DNF >, < + or NPS >",
     "ENTREZ < - ou DNS >, < / ou DSQ >, < * ou DNF >, < + ou NPS >"},
    {5107, "Do not attempt to DNQ Racers in Run 1 - DNS these Racers",
     "Pas de DNQ en manche 1 - mettez ces coureurs DNS"},
    {5108, "IF DSQ, ENTER GATE # OF DISQUALIFICATION", "SI DSQ, ENTREZ LA PORTE DE LA DISQUALIFICATION"},
    {5109, "MUST ENTER GATE # WHERE  DISQUALIFICATION OCCURRED",
     "ENTREZ LE N° DE LA PORTE OÙ LA  DISQUALIFICATION A EU LIEU"},
    {5110, "MUST CREATE A RUN 1 START LIST BEFORE ENTRY OF RUN 1 TIMES",
     "CRÉEZ LA LISTE DE DÉPART DE LA MANCHE 1 AVANT D'ENTRER SES TEMPS"},
    {5111, "MUST CREATE A RUN 2 START LIST BEFORE ENTRY OF RUN 2 TIMES",
     "CRÉEZ LA LISTE DE DÉPART DE LA MANCHE 2 AVANT D'ENTRER SES TEMPS"},
    {5112, "No factor could be found for this Group", "Aucun facteur trouvé pour ce groupe"},
    {5113, "<XtttX> IS NOT A RUN TIME: TYPE SSS.DD OR M:SS.DD, MINUTES AND SECONDS AFTER A COLON 00 TO 59",
     "<XtttX> N'EST PAS UN TEMPS : TAPEZ SSS.DD OU M:SS.DD, MINUTES ET SECONDES APRÈS DEUX-POINTS DE 00 À 59"},
    {5114, "NO RACER HAS BIB # XbbbX", "AUCUN COUREUR N'A LE DOSSARD N° XbbbX"},
    {5115, "BIB # XbbbX: ", "DOSSARD N° XbbbX : "},
    {5116, "<XtttX> IS NOT BIB=TIME, BIB=STATUS OR BIB=STATUS:GATE",
     "<XtttX> N'EST PAS DOSSARD=TEMPS, DOSSARD=STATUT OU DOSSARD=STATUT:PORTE"},
    {5117, "RUN 1 AND RUN 2 TIMES ARE FOR TECHNICAL EVENTS ( S, G, SC, KK ) - USE THE TRAINING AND OFFICIAL TIMES",
     "LES TEMPS DES MANCHES 1 ET 2 SONT POUR LES ÉPREUVES TECHNIQUES ( S, G, SC, KK ) - UTILISEZ LES TEMPS "
     "D'ENTRAÎNEMENT ET OFFICIELS"},
    {5118, "TRAINING AND OFFICIAL TIMES ARE FOR SPEED EVENTS - USE THE RUN 1 AND RUN 2 TIMES",
     "LES TEMPS D'ENTRAÎNEMENT ET OFFICIELS SONT POUR LES ÉPREUVES DE VITESSE - UTILISEZ LES TEMPS DES MANCHES 1 "
     "ET 2"},
    {5119, "TIME", "TEMPS"},
    {5120, "STATUS", "STATUT"},
    {5121, "GATE", "PORTE"},
    {5122, "BIB", "DOSSARD"},
    {5123, "NAME", "NOM"},
    {5124, "Enter moves on; a row is saved when it is complete",
     "Entrée passe au champ suivant ; une ligne complète est enregistrée"},
    {5125, "Racer &Form", "&Fiche du coureur"},
};
const std::size_t kTimeEntryTextEntryCount = std::size(kTimeEntryTextEntries);

}  // namespace skitally
