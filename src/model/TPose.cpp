#include "model/TPose.h"

#include "model/EchapperXml.h"

void TPose::SetTva(const TTva &source)
{
    m_tva.Copier(source);
}

QString TPose::GetXmlDebut() const
{
    return QStringLiteral("<pose") + AttributXml(QStringLiteral("id"), m_id) +
           AttributXml(QStringLiteral("libelle"), m_libelle) +
           AttributXml(QStringLiteral("code_export"), m_code_export) + QStringLiteral(">\n");
}

QString TPose::GetXmlFin() const
{
    return m_tva.GetXml() + QStringLiteral("</pose>\n");
}

QString TPose::GetXml() const
{
    return GetXmlDebut() + GetXmlFin();
}
