#include "app/text_table_data.h"

#include <iterator>

namespace skitally {

// The result upload file: its questions and its refusals.
const TextEntry kXmlTextEntries[] = {
    {5800, "Enter HOST NATION'S 'FIS Nation Code'", "Entrez le 'code de nation FIS' de la NATION HÔTE"},
    {5801, "Enter HOST CLUB'S 'National CLUB Code'", "Entrez le 'code national du CLUB' du CLUB HÔTE"},
    {5802, "National Club Code Missing", "Code national du club manquant"},
    {5803, "Please Check", "Veuillez vérifier"},
    {5804, "PLEASE INDICATE THE CLASSIFICATION OF THE RACE", "VEUILLEZ INDIQUER LA CLASSIFICATION DE LA COURSE"},
    {5805, "Enter TIMER & MODEL # ( ie: ALGE S4, TAG PTB 605, etc. )",
     "Entrez le CHRONOMÈTRE et son MODÈLE ( ex. : ALGE S4, TAG PTB 605, etc. )"},
    {5806, "ENTER NUMBER OF FIS Points List USED", "ENTREZ LE NUMÉRO DE LA liste de points FIS UTILISÉE"},
    {5807, "ENTER NUMBER OF National Points List USED", "ENTREZ LE NUMÉRO DE LA liste de points nationale UTILISÉE"},
    {5808, "Enter TD Number", "Entrez le numéro du DT"},
    {5809, "Enter TD Assistant TD Number", "Entrez le numéro du DT assistant"},
    {5810, "XML INFORMATION IS MISSING", "INFORMATION XML MANQUANTE"},
    {5811, "Racer Could not be found in RCR File", "Coureur introuvable dans le fichier RCR"},
    {5812, "End of XML FILE OUTPUT", "Fin de la SORTIE DU FICHIER XML"},
    {5813, "Please PRINT the OFFICIAL Results FIRST", "Veuillez d'abord IMPRIMER les résultats OFFICIELS"},
    {5814, "The results file XnnnX cannot be used: XdddX", "Le fichier de résultats XnnnX est inutilisable : XdddX"},
    {5815, "The XML file XnnnX could not be written: XdddX", "Le fichier XML XnnnX n'a pas pu être écrit : XdddX"},
    {5816, "What was the Qualification Format?", "Quel était le format de qualification ?"},
    {5817, "What was the Sub Type for XtttX Format?", "Quel était le sous-type du format XtttX ?"},
    {5818, "What was the last phase of competition before results created?",
     "Quelle était la dernière phase de la compétition avant les résultats ?"},
    {5819, "Bib XnnnX", "Dossard XnnnX"},
    {5820, "CHANGES MADE MAY AFFECT RESULTS -- PLEASE RE-CALCULATE RACE",
     "DES CHANGEMENTS PEUVENT MODIFIER LES RÉSULTATS -- VEUILLEZ RECALCULER LA COURSE"},
    {5821, "TRAINING RUN - CONTINUE GENERATING XML FORMAT", "ENTRAÎNEMENT - CONTINUER LA CRÉATION DU FICHIER XML"},
    {5822, "XML FORMATTED File", "Fichier au format XML"},
    {5823, "Is Save Location Correct", "L'emplacement d'enregistrement est-il correct ?"},
};
const std::size_t kXmlTextEntryCount = std::size(kXmlTextEntries);

} // namespace skitally
