#include "model/TQuincaillerie.h"

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
