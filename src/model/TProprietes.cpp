#include "model/TProprietes.h"

#include "model/EchapperXml.h"
#include "platform/Nombres.h"

#include <memory>

TPropriete &TProprietes::Add(const QString &id, const QString &valeur)
{
    return Add(std::make_unique<TPropriete>(id, valeur));
}

const TPropriete *TProprietes::Chercher(const QString &nom) const
{
    const QString cle = TPropriete::NomNormalise(nom);
    for (const TPropriete &propriete : *this)
        if (propriete.id() == cle)
            return &propriete;
    return nullptr;
}

TPropriete *TProprietes::Chercher(const QString &nom)
{
    return const_cast<TPropriete *>(static_cast<const TProprietes &>(*this).Chercher(nom));
}

QString TProprietes::ValeurDe(const QString &nom) const
{
    const QString cle = TPropriete::NomNormalise(nom);
    if (const TPropriete *propriete = Chercher(cle))
        return propriete->valeur();
    if (cle != QStringLiteral("PERIMETRE"))
        return QString();

    const TPropriete *hauteur = Chercher(QStringLiteral("HAUTEUR"));
    const TPropriete *largeur = Chercher(QStringLiteral("LARGEUR"));
    if (!hauteur || !largeur)
        return QStringLiteral("0");
    // Two heights and two widths, as the tariff choice and the hardware quantities count it;
    // computed on 64 bits so that no pair of whole-number dimensions can overflow.
    const qint64 perimetre =
        2 * (qint64(StrToIntDef(hauteur->valeur(), 0)) + qint64(StrToIntDef(largeur->valeur(), 0)));
    return QString::number(perimetre);
}

QString TProprietes::GetXml() const
{
    QString xml = QStringLiteral("<proprietes>\n");
    for (const TPropriete &propriete : *this)
        xml += propriete.GetXml();
    return xml + QStringLiteral("</proprietes>\n");
}
