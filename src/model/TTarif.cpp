#include "model/TTarif.h"

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
