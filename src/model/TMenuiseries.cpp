#include "model/TMenuiseries.h"

#include "model/EchapperXml.h"
#include "platform/Nombres.h"

namespace {

int QuantiteDevis(const TMenuiserie &menuiserie)
{
    return StrToInt(menuiserie.proprietes().ValeurDe(QStringLiteral("Quantite")));
}

// Σ QUANTITE × amount of the item's tariff lines, in list order.
template <typename Montant> double Totaliser(const TMenuiseries &menuiseries, Montant montant)
{
    double total = 0;
    for (const TMenuiserie &menuiserie : menuiseries)
        total += QuantiteDevis(menuiserie) * montant(menuiserie.tarifs());
    return total;
}

} // namespace

double TMenuiseries::TotalAchatHt() const
{
    return Totaliser(*this, [](const TTarifs &tarifs) { return tarifs.TotalAchatHt(); });
}

double TMenuiseries::TotalHt() const
{
    return Totaliser(*this, [](const TTarifs &tarifs) { return tarifs.TotalHt(); });
}

double TMenuiseries::TotalTva() const
{
    return Totaliser(*this, [](const TTarifs &tarifs) { return tarifs.TotalTva(); });
}

double TMenuiseries::TotalTtc() const
{
    return Totaliser(*this, [](const TTarifs &tarifs) { return tarifs.TotalTtc(); });
}

double TMenuiseries::TotalQuincaillerieHt() const
{
    return Totaliser(*this, [](const TTarifs &tarifs) { return tarifs.TotalQuincaillerieHt(); });
}

int TMenuiseries::NbTarifs() const
{
    int nombre = 0;
    for (const TMenuiserie &menuiserie : *this)
        nombre += menuiserie.tarifs().Count();
    return nombre;
}

void TMenuiseries::AppliquerPose(const TPose &source)
{
    for (TMenuiserie &menuiserie : *this)
        menuiserie.AppliquerPose(source);
}

void TMenuiseries::AppliquerTva(const TTva &source)
{
    for (TMenuiserie &menuiserie : *this)
        menuiserie.AppliquerTva(source);
}

QString TMenuiseries::GetXml() const
{
    QString xml = QStringLiteral("<menuiseries>\n");
    for (const TMenuiserie &menuiserie : *this)
        xml += menuiserie.GetXml();
    return xml + QStringLiteral("</menuiseries>\n");
}
