#include "catalogue/TDMPose.h"

#include "model/TTva.h"

std::unique_ptr<TTva> TDMPose::TrouverTva(int typeTva) const
{
    std::unique_ptr<TTva> tva;
    for (const auto &enregistrement : rxTva.Enregistrements()) {
        if (enregistrement.TypeTva == typeTva)
            tva = std::make_unique<TTva>(typeTva, enregistrement.Libelle, enregistrement.Valeur);
    }
    return tva;
}
