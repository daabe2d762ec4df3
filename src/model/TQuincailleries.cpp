#include "model/TQuincailleries.h"

#include "model/EchapperXml.h"

TQuincaillerie *TQuincailleries::Chercher(const QString &id)
{
    for (TQuincaillerie &ligne : *this)
        if (ligne.id() == id)
            return &ligne;
    return nullptr;
}

const TQuincaillerie *TQuincailleries::Chercher(const QString &id) const
{
    for (const TQuincaillerie &ligne : *this)
        if (ligne.id() == id)
            return &ligne;
    return nullptr;
}

double TQuincailleries::TotalAchatHt() const
{
    double total = 0;
    for (const TQuincaillerie &ligne : *this)
        total += ligne.tarif_achat() * ligne.quantite();
    return total;
}

double TQuincailleries::TotalHt() const
{
    double total = 0;
    for (const TQuincaillerie &ligne : *this)
        total += ligne.tarif_vente() * ligne.quantite();
    return total;
}

double TQuincailleries::TotalTva() const
{
    return m_taux_tva * 0.01 * TotalHt();
}

double TQuincailleries::TotalTtc() const
{
    return TotalHt() + TotalTva();
}

QString TQuincailleries::GetXml() const
{
    QString xml = QStringLiteral("<quincailleries>\n");
    for (const TQuincaillerie &quincaillerie : *this)
        xml += quincaillerie.GetXml();
    return xml + QStringLiteral("</quincailleries>\n");
}
