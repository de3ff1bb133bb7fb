#include "app/access_keys.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

using Captions = std::vector<std::string>;

// Each case worked out by hand: a clashing caption takes the first letter
// of its text that no caption of the page claims.
TEST(AccessKeys, OneKeyPerCaptionOfAPage)
{
    const struct {
        const char* page;
        Captions captions;
        Captions keyed;
    } cases[] = {
        // The Times tab with no race open: both kinds of race's commands.
        // Claimed: 1 2 O L C; "INPUT" gives I, then N.
        {"times",
         {"INPUT RUN &1 TIMES", "INPUT RUN &2 TIMES", "INPUT TRAINING &1 RUN TIMES", "INPUT TRAINING &2 RUN TIMES",
          "INPUT &OFFICIAL RACE TIMES", "&LOAD Kronex FORMAT RUN TIMES", "LOAD &CSV FORMATTED RUN TIMES"},
         {"INPUT RUN &1 TIMES", "INPUT RUN &2 TIMES", "&INPUT TRAINING 1 RUN TIMES", "I&NPUT TRAINING 2 RUN TIMES",
          "INPUT &OFFICIAL RACE TIMES", "&LOAD Kronex FORMAT RUN TIMES", "LOAD &CSV FORMATTED RUN TIMES"}},
        // The French Reports tab. Claimed: 1 2 E D N O C M S R. The second
        // E takes A (R is the reprint's); the second O takes P; the third
        // O passes R, D, E and takes T. Accented letters are no keys.
        {"reports fr",
         {"LISTE DE DÉPART MANCHE &1", "LISTE DE DÉPART MANCHE &2", "LISTE DE DÉPART DE L'&ENTRAÎNEMENT",
          "LISTE DE &DÉPART DE LA COURSE", "RÉSULTATS (&NON OFFICIELS) sans points de course",
          "RAPPORT DES RÉSULTATS &OFFICIELS", "RAPPORT DES TEMPS D'&ENTRAÎNEMENT", "RAPPORT DES &CONCURRENTS",
          "CLASSEMENT DÉPART &MOINS ARRIVÉE", "&OPTIONS DES RAPPORTS", "&ORDRE DE TRI DES RAPPORTS",
          "RAPPORTS &SPÉCIAUX DES CONCURRENTS", "&RÉIMPRIMER DES RAPPORTS"},
         {"LISTE DE DÉPART MANCHE &1", "LISTE DE DÉPART MANCHE &2", "LISTE DE DÉPART DE L'&ENTRAÎNEMENT",
          "LISTE DE &DÉPART DE LA COURSE", "RÉSULTATS (&NON OFFICIELS) sans points de course",
          "RAPPORT DES RÉSULTATS &OFFICIELS", "R&APPORT DES TEMPS D'ENTRAÎNEMENT", "RAPPORT DES &CONCURRENTS",
          "CLASSEMENT DÉPART &MOINS ARRIVÉE", "O&PTIONS DES RAPPORTS", "ORDRE DE &TRI DES RAPPORTS",
          "RAPPORTS &SPÉCIAUX DES CONCURRENTS", "&RÉIMPRIMER DES RAPPORTS"}},
        // "&&" is a literal "&", never a key; a caption with no "&" keeps none;
        // with no letter free a digit, and with neither no key at all.
        {"escapes", {"Fish && &Chips", "&Cod", "Plain", "&C2", "&CO"}, {"Fish && &Chips", "C&od", "Plain", "C&2", "CO"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AssignAccessKeys(c.captions), c.keyed) << c.page;
}

}  // namespace
}  // namespace skitally
