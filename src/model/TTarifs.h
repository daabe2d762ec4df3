#pragma once

#include "model/TListeObjets.h"
#include "model/TTarif.h"

// The tariff lines of one joinery item, in the order they were added. A line's hardware counts
// in the totals only while the line's hardware is included.
class TTarifs : public TListeObjets<TTarif> {
public:
    double TotalAchatHt() const;
    double TotalHt() const;
    double TotalTva() const;
    double TotalTtc() const;
    double TotalQuincaillerieHt() const;

    // Gives every line the rate source.
    void AppliquerTva(const TTva &source);

    // The tarifs element around the lines' elements; written even when empty.
    QString GetXml() const;
};
