#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// Menu captions, stage titles and stage-check messages of the command menus.
const TextEntry kMenuTextEntries[] = {
    {8600, "&ADD RACER TO RACE", "&AJOUTER UN COUREUR À LA COURSE"},
    {8601, "&CHANGE RACERS NAME", "&CHANGER LE NOM DU COUREUR"},
    {8602, "&EDIT RACER INFORMATION", "&MODIFIER LES DONNÉES DU COUREUR"},
    {8603, "&DELETE RACER FROM RACE", "&SUPPRIMER UN COUREUR DE LA COURSE"},
    {8604, "&UPDATE RACERS POINTS", "METTRE À &JOUR LES POINTS DES COUREURS"},
    {8605, "&AUTOMATICALLY ASSIGN START POSITIONS", "ATTRIBUER &AUTOMATIQUEMENT LES POSITIONS DE DÉPART"},
    {8606, "&MANUALLY INPUT BIB AND START POSITIONS", "SAISIR &MANUELLEMENT DOSSARDS ET POSITIONS DE DÉPART"},
    {8607, "&INSERT LATE ENTRIES", "&INSÉRER LES INSCRIPTIONS TARDIVES"},
    {8608, "&CHANGE START POSITION", "&CHANGER UNE POSITION DE DÉPART"},
    {8609, "INPUT RUN &1 TIMES", "SAISIR LES TEMPS DE LA MANCHE &1"},
    {8610, "INPUT RUN &2 TIMES", "SAISIR LES TEMPS DE LA MANCHE &2"},
    {8611, "INPUT TRAINING &1 RUN TIMES", "SAISIR LES TEMPS DE L'ENTRAÎNEMENT &1"},
    {8612, "INPUT TRAINING &2 RUN TIMES", "SAISIR LES TEMPS DE L'ENTRAÎNEMENT &2"},
    {8613, "INPUT &OFFICIAL RACE TIMES", "SAISIR LES TEMPS &OFFICIELS DE LA COURSE"},
    {8614, "&LOAD Kronex FORMAT RUN TIMES", "&CHARGER LES TEMPS AU FORMAT Kronex"},
    {8615, "LOAD &CSV FORMATTED RUN TIMES", "CHARGER LES TEMPS AU FORMAT &CSV"},
    {8616, "LOAD &Kronex LADDER RESULTS", "CHARGER LES RÉSULTATS DU TABLEAU &Kronex"},
    {8617, "CALCULATE A &2 RUN RACE", "CALCULER UNE COURSE À &2 MANCHES"},
    {8618, "CALCULATE A &1 RUN RACE", "CALCULER UNE COURSE À &1 MANCHE"},
    {8619, "CALCULATE &SKI CROSS POINTS", "CALCULER LES POINTS DE &SKI CROSS"},
    {8620, "RUN &1 START LIST", "LISTE DE DÉPART MANCHE &1"},
    {8621, "RUN &2 START LIST", "LISTE DE DÉPART MANCHE &2"},
    {8622, "&TRAINING START LIST", "LISTE DE DÉPART DE L'&ENTRAÎNEMENT"},
    {8623, "RACE &START LIST", "LISTE DE &DÉPART DE LA COURSE"},
    {8624, "RESULTS (&UN-OFFICIAL) No Race Points", "RÉSULTATS (&NON OFFICIELS) sans points de course"},
    {8625, "&OFFICIAL RESULTS REPORT", "RAPPORT DES RÉSULTATS &OFFICIELS"},
    {8626, "&TRAINING TIMES REPORT", "RAPPORT DES TEMPS D'&ENTRAÎNEMENT"},
    {8627, "&QUALIFICATION ROUND RESULTS", "RÉSULTATS DE LA &QUALIFICATION"},
    {8628, "&COMPETITOR REPORT", "RAPPORT DES &CONCURRENTS"},
    {8629, "&SPECIAL COMPETITOR REPORTS", "RAPPORTS &SPÉCIAUX DES CONCURRENTS"},
    {8630, "&RE-PRINT REPORTS", "&RÉIMPRIMER DES RAPPORTS"},
    {8631, "&LEAGUE RACER REPORTS", "RAPPORTS DES COUREURS DE &LIGUE"},
    {8632, "LEAGUE &TEAM REPORT", "RAPPORT DES ÉQUIPES DE LIGUE"},
    {8633, "Print completed Ladder or Create new Ladder", "Imprimer le tableau terminé ou créer un nouveau tableau"},
    {8634, "OUTPUT &Kronex FILES and/or BACKUP RACE Files",
     "SORTIR LES FICHIERS &Kronex et/ou SAUVEGARDER LES FICHIERS DE COURSE"},
    {8635, "OUTPUT Kronex or Race Files IN &CSV FILE FORMAT",
     "SORTIR LES FICHIERS Kronex ou de course au format &CSV"},
    {8636, "OUTPUT &XML FILE FOR FIS", "SORTIR LE FICHIER &XML POUR LA FIS"},
    {8637, "OUTPUT National Points Race Upload File", "SORTIR le fichier d'envoi des points nationaux"},
    {8638, "OUTPUT  RESULTS FOR &WEB SITES", "SORTIR LES RÉSULTATS POUR LES SITES &WEB"},
    {8639, "OUTPUT Kronex &Ski Cross Ladder", "SORTIR LE TABLEAU DE &Ski Cross Kronex"},
    {8640, "Times / Inputs", "Temps / Saisies"},
    {8641, "Run Times and Results Input Menu", "Menu de saisie des temps et résultats"},
    {8642, "Update Racers Points from a New Points File",
     "Mettre à jour les points des coureurs depuis une nouvelle liste de points"},
    {8643, "Import a points list into the pick table", "Importer une liste de points dans la table de choix"},
    {8644, "This command is for Ski Cross races only", "Cette commande est réservée aux courses de ski cross"},
    {8645, "This command is for League races only", "Cette commande est réservée aux courses de ligue"},
    {8646, "View Racers", "Voir les coureurs"},
    {8647, "START POSITION AND BIB &AUDIT", "&VÉRIFICATION DES POSITIONS DE DÉPART ET DES DOSSARDS"},
    {8648, "START &MINUS FINISH RANKING", "CLASSEMENT DÉPART &MOINS ARRIVÉE"},
    {8649, "REPORT &OPTIONS", "&OPTIONS DES RAPPORTS"},
    {8650, "SORT O&RDER OF REPORTS", "&ORDRE DE TRI DES RAPPORTS"},
    {8651, "Print &Settings", "Réglages d'&impression"},
    {8652, "&Restore a Snapshot of the Race", "&Restaurer une copie de sauvegarde de la course"},
};

const std::size_t kMenuTextEntryCount = std::size(kMenuTextEntries);

}  // namespace skitally
