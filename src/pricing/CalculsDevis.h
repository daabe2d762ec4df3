#pragma once

#include <QString>

#include <optional>

class TDMPose;
class TMenuiserie;
class TMenuiseries;
class TPoseLivraison;
class TQuincailleries;
class TTarif;

// Delivery is always taxed at this rate, whatever the installation type's VAT.
constexpr double TauxTvaLivraison = 20.0;

// Every total of the pricing screen's bottom panel, from the unrounded amounts of the model.
struct TTotauxDevis {
    double livraisonHt = 0;
    double livraisonTva = 0;
    double livraisonTtc = 0;
    double menuiseriesAchatHt = 0;
    double menuiseriesHt = 0;
    double menuiseriesTva = 0;
    double menuiseriesTtc = 0;
    double menuiseriesQuincaillerieHt = 0;
    double globalesAchatHt = 0;
    double globalesHt = 0;
    double globalesTva = 0;
    double globalesTtc = 0;
    double achatHt = 0; // delivery has no purchase amount
    double ht = 0;
    double tva = 0;
    double ttc = 0;
};

// Raises EConvertError when an item has no whole-number QUANTITE property.
TTotauxDevis CalculerTotauxDevis(const TPoseLivraison &poseDevis, const TMenuiseries &menuiseries,
                                 const TQuincailleries &quincailleriesGlobales);

// Proposes the general tariffs of the quote's installation type for every item that carries a
// host code, keeping only the categories whose constraints the item satisfies. Runs only when
// the quote holds no tariff line at all; returns the number of lines added.
int PreRemplirTarifs(TDMPose &dm, const TPoseLivraison &poseDevis, TMenuiseries &menuiseries);

// Loads the installation type idPose from the catalogue into poseDevis: label, export code,
// the four delivery prices and codes, and the VAT rate of its type. False when the catalogue
// does not hold exactly one such row (poseDevis is then left as it was).
bool ChargerPoseDevis(TDMPose &dm, const QString &idPose, TPoseLivraison &poseDevis);

// The general price (installer 0) of the same installation type and category as the catalogue
// tariff idTarif; none when the catalogue has no such tariff.
std::optional<double> PrixGeneralCatalogue(TDMPose &dm, const QString &idTarif);

// A line differs from the general tariff when the catalogue has a general price for it and the
// line's price is another.
bool TarifDifferentDuGeneral(TDMPose &dm, const TTarif &tarif);
bool MenuiserieDifferenteDuGeneral(TDMPose &dm, const TMenuiserie &menuiserie);
