#include "model/TTva.h"

#include "model/EchapperXml.h"

#include <utility>

TTva::TTva(int type_tva, QString libelle, double valeur)
    : m_type_tva(type_tva)
    , m_libelle(std::move(libelle))
    , m_valeur(valeur)
{}

void TTva::Copier(const TTva &source)
{
    m_type_tva = source.m_type_tva;
    m_libelle = source.m_libelle;
    m_valeur = source.m_valeur;
}

QString TTva::GetXml() const
{
    return QStringLiteral("<tva") + AttributXml(QStringLiteral("type_tva"), EntierXml(m_type_tva)) +
           AttributXml(QStringLiteral("libelle"), m_libelle) +
           AttributXml(QStringLiteral("valeur"), MontantXml(m_valeur)) + QStringLiteral("/>\n");
}
