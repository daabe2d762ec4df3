#include "model/TMenuiserie.h"

#include "model/EchapperXml.h"

double TMenuiserie::TotalAchatHt() const
{
    return m_quantite * m_tarifs.TotalAchatHt();
}

double TMenuiserie::TotalHt() const
{
    return m_quantite * m_tarifs.TotalHt();
}

double TMenuiserie::TotalTva() const
{
    return m_quantite * m_tarifs.TotalTva();
}

double TMenuiserie::TotalTtc() const
{
    return TotalHt() + TotalTva();
}

void TMenuiserie::AppliquerPose(const TPose &source)
{
    m_pose.setId(source.id());
    m_pose.setLibelle(source.libelle());
    m_pose.setCode_export(source.code_export());
    m_pose.tva().Copier(source.tva());
}

void TMenuiserie::AppliquerTva(const TTva &source)
{
    m_tarifs.AppliquerTva(source);
}

QString TMenuiserie::GetXml() const
{
    return QStringLiteral("<menuiserie") + AttributXml(QStringLiteral("code"), m_code) +
           AttributXml(QStringLiteral("libelle"), m_libelle) +
           AttributXml(QStringLiteral("description"), m_description) +
           AttributXml(QStringLiteral("quantite"), EntierXml(m_quantite)) + QStringLiteral(">\n") +
           m_pose.GetXml() + m_proprietes.GetXml() + m_tarifs.GetXml() +
           QStringLiteral("</menuiserie>\n");
}
