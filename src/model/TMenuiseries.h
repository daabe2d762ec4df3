#pragma once

#include "model/TListeObjets.h"
#include "model/TMenuiserie.h"

// The quote's joinery items in input order.
class TMenuiseries : public TListeObjets<TMenuiserie> {
public:
    // Quote totals. Each item counts as many times as its QUANTITE property says (not its
    // quantite field); an item without a whole-number QUANTITE raises EConvertError.
    double TotalAchatHt() const;
    double TotalHt() const;
    double TotalTva() const;
    double TotalTtc() const;
    double TotalQuincaillerieHt() const;

    // Number of tariff lines over all items.
    int NbTarifs() const;

    void AppliquerPose(const TPose &source);
    void AppliquerTva(const TTva &source);

    // The menuiseries element around the items' elements; written even when empty.
    QString GetXml() const;
};
