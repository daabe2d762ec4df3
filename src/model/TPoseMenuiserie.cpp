#include "model/TPoseMenuiserie.h"

#include "model/EchapperXml.h"

double TPoseLivraison::TotalLivraisonHt() const
{
    double total = 0;
    if (m_livraison_choix)
        total += m_livraison_prix;
    if (m_livraison_compliquee_choix)
        total += m_livraison_compliquee_prix;
    if (m_livraison_autorisation_choix)
        total += m_livraison_autorisation_prix;
    if (m_livraison_manutention_choix)
        total += m_livraison_manutention_prix;
    return total;
}

namespace {
QString OptionXml(const QString &element, bool choix, double prix, const QString &code_export)
{
    return QLatin1Char('<') + element + AttributXml(QStringLiteral("choix"), FlagXml(choix)) +
           AttributXml(QStringLiteral("prix"), MontantXml(prix)) +
           AttributXml(QStringLiteral("code_export"), code_export) + QStringLiteral("/>\n");
}
} // namespace

QString TPoseLivraison::GetXmlLivraisons() const
{
    return OptionXml(QStringLiteral("livraison"), m_livraison_choix, m_livraison_prix,
                     m_livraison_code_export) +
           OptionXml(QStringLiteral("livraison_compliquee"), m_livraison_compliquee_choix,
                     m_livraison_compliquee_prix, m_livraison_compliquee_code_export) +
           OptionXml(QStringLiteral("livraison_autorisation"), m_livraison_autorisation_choix,
                     m_livraison_autorisation_prix, m_livraison_autorisation_code_export) +
           OptionXml(QStringLiteral("livraison_manutention"), m_livraison_manutention_choix,
                     m_livraison_manutention_prix, m_livraison_manutention_code_export);
}

QString TPoseLivraison::GetXml() const
{
    return GetXmlDebut() + GetXmlLivraisons() + GetXmlFin();
}
