#include "model/TTarif.h"

#include "model/EchapperXml.h"

double TTarif::PrixTva() const
{
    return m_tva.valeur() * 0.01 * m_prix;
}

double TTarif::PrixTtc() const
{
    return m_prix + PrixTva();
}

void TTarif::SetTva(const TTva &source)
{
    m_tva.Copier(source);
}

QString TTarif::GetXml() const
{
    return QStringLiteral("<tarif") + AttributXml(QStringLiteral("id"), m_id) +
           AttributXml(QStringLiteral("libelle"), m_libelle) +
           AttributXml(QStringLiteral("prix"), MontantXml(m_prix)) +
           AttributXml(QStringLiteral("quincaillerie_incluse"), FlagXml(m_quincaillerie_incluse)) +
           AttributXml(QStringLiteral("code_export"), m_code_export) + QStringLiteral(">\n") +
           QStringLiteral("<poseur") + AttributXml(QStringLiteral("id"), m_poseur_id) +
           AttributXml(QStringLiteral("nom"), m_poseur_nom) +
           AttributXml(QStringLiteral("prix"), MontantXml(m_poseur_prix)) +
           AttributXml(QStringLiteral("siret"), m_poseur_siret) +
           AttributXml(QStringLiteral("rge"), m_poseur_rge) + QStringLiteral("/>\n") +
           m_tva.GetXml() + m_quincailleries.GetXml() + QStringLiteral("</tarif>\n");
}
