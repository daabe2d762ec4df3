#include "model/TTarifs.h"

#include "model/EchapperXml.h"

double TTarifs::TotalAchatHt() const
{
    double total = 0;
    for (const TTarif &ligne : *this)
        total += ligne.quincaillerie_incluse()
                     ? ligne.PrixAchat() + ligne.quincailleries().TotalAchatHt()
                     : ligne.PrixAchat();
    return total;
}

double TTarifs::TotalHt() const
{
    double total = 0;
    for (const TTarif &ligne : *this)
        total += ligne.quincaillerie_incluse() ? ligne.prix() + ligne.quincailleries().TotalHt()
                                               : ligne.prix();
    return total;
}

double TTarifs::TotalTva() const
{
    double total = 0;
    for (const TTarif &ligne : *this)
        total += ligne.quincaillerie_incluse() ? ligne.PrixTva() + ligne.quincailleries().TotalTva()
                                               : ligne.PrixTva();
    return total;
}

double TTarifs::TotalTtc() const
{
    double total = 0;
    for (const TTarif &ligne : *this)
        total += ligne.quincaillerie_incluse() ? ligne.PrixTtc() + ligne.quincailleries().TotalTtc()
                                               : ligne.PrixTtc();
    return total;
}

double TTarifs::TotalQuincaillerieHt() const
{
    double total = 0;
    for (const TTarif &ligne : *this)
        if (ligne.quincaillerie_incluse())
            total += ligne.quincailleries().TotalHt();
    return total;
}

void TTarifs::AppliquerTva(const TTva &source)
{
    for (TTarif &ligne : *this)
        ligne.tva().Copier(source);
}

QString TTarifs::GetXml() const
{
    QString xml = QStringLiteral("<tarifs>\n");
    for (const TTarif &tarif : *this)
        xml += tarif.GetXml();
    return xml + QStringLiteral("</tarifs>\n");
}
