#pragma once

#include "model/TListeObjets.h"
#include "model/TQuincaillerie.h"

// A list of hardware lines, taxed as a whole at its own rate, whatever the rate of the tariff
// line it belongs to.
class TQuincailleries : public TListeObjets<TQuincaillerie> {
public:
    static constexpr double TauxTvaQuincaillerie = 20.0;

    explicit TQuincailleries(double taux_tva = TauxTvaQuincaillerie)
        : m_taux_tva(taux_tva)
    {}

    double taux_tva() const { return m_taux_tva; }

    // The first line whose id is exactly id (case-sensitive), or null.
    TQuincaillerie *Chercher(const QString &id);
    const TQuincaillerie *Chercher(const QString &id) const;

    double TotalAchatHt() const;
    double TotalHt() const;
    double TotalTva() const;
    double TotalTtc() const;

    // The quincailleries element around the lines' elements; written even when empty.
    QString GetXml() const;

private:
    double m_taux_tva;
};
