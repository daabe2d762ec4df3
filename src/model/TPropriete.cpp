#include "model/TPropriete.h"

#include "model/EchapperXml.h"
#include "platform/Nombres.h"

TPropriete::TPropriete(const QString &id, const QString &valeur)
    : m_valeur(valeur)
{
    setId(id);
}

void TPropriete::setId(const QString &valeur)
{
    m_id = NomNormalise(valeur);
}

QString TPropriete::NomNormalise(const QString &nom)
{
    return LocaleUtilisateur().toUpper(nom);
}

QString TPropriete::GetXml() const
{
    return QStringLiteral("<propriete") + AttributXml(QStringLiteral("id"), m_id) +
           AttributXml(QStringLiteral("valeur"), m_valeur) + QStringLiteral("/>\n");
}
