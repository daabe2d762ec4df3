#include "model/TQuincaillerie.h"

#include "model/EchapperXml.h"

void TQuincaillerie::Copier(const TQuincaillerie &source)
{
    m_id = source.m_id;
    m_libelle = source.m_libelle;
    m_libelle2 = source.m_libelle2;
    m_tarif_achat = source.m_tarif_achat;
    m_tarif_vente = source.m_tarif_vente;
    m_nb_pieces = source.m_nb_pieces;
    m_nb_pieces_ml = source.m_nb_pieces_ml;
    m_quantite = source.m_quantite;
    m_secable = source.m_secable;
    m_code_export = source.m_code_export;
}

QString TQuincaillerie::GetXml() const
{
    return QStringLiteral("<quincaillerie") + AttributXml(QStringLiteral("id"), m_id) +
           AttributXml(QStringLiteral("libelle"), m_libelle) +
           AttributXml(QStringLiteral("libelle2"), m_libelle2) +
           AttributXml(QStringLiteral("tarif_vente"), MontantXml(m_tarif_vente)) +
           AttributXml(QStringLiteral("tarif_achat"), MontantXml(m_tarif_achat)) +
           AttributXml(QStringLiteral("nb_pieces"), MontantXml(m_nb_pieces)) +
           AttributXml(QStringLiteral("nb_pieces_ml"), MontantXml(m_nb_pieces_ml)) +
           AttributXml(QStringLiteral("quantite"), MontantXml(m_quantite)) +
           AttributXml(QStringLiteral("secable"), EntierXml(m_secable)) +
           AttributXml(QStringLiteral("code_export"), m_code_export) + QStringLiteral("/>\n");
}
