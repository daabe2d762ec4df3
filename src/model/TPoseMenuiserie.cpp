#include "model/TPoseMenuiserie.h"

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
