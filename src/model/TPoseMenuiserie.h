#pragma once

#include "model/TPose.h"

#include <QString>

// The installation type of the whole quote, with its four delivery and handling options. Each
// option keeps its price and code whether it is chosen or not; only chosen ones are charged.
class TPoseLivraison : public TPose {
public:
    TPoseLivraison() = default;

    bool livraison_choix() const { return m_livraison_choix; }
    void setLivraison_choix(bool valeur) { m_livraison_choix = valeur; }
    double livraison_prix() const { return m_livraison_prix; }
    void setLivraison_prix(double valeur) { m_livraison_prix = valeur; }
    const QString &livraison_code_export() const { return m_livraison_code_export; }
    void setLivraison_code_export(const QString &valeur) { m_livraison_code_export = valeur; }

    bool livraison_compliquee_choix() const { return m_livraison_compliquee_choix; }
    void setLivraison_compliquee_choix(bool valeur) { m_livraison_compliquee_choix = valeur; }
    double livraison_compliquee_prix() const { return m_livraison_compliquee_prix; }
    void setLivraison_compliquee_prix(double valeur) { m_livraison_compliquee_prix = valeur; }
    const QString &livraison_compliquee_code_export() const
    {
        return m_livraison_compliquee_code_export;
    }
    void setLivraison_compliquee_code_export(const QString &valeur)
    {
        m_livraison_compliquee_code_export = valeur;
    }

    bool livraison_autorisation_choix() const { return m_livraison_autorisation_choix; }
    void setLivraison_autorisation_choix(bool valeur) { m_livraison_autorisation_choix = valeur; }
    double livraison_autorisation_prix() const { return m_livraison_autorisation_prix; }
    void setLivraison_autorisation_prix(double valeur) { m_livraison_autorisation_prix = valeur; }
    const QString &livraison_autorisation_code_export() const
    {
        return m_livraison_autorisation_code_export;
    }
    void setLivraison_autorisation_code_export(const QString &valeur)
    {
        m_livraison_autorisation_code_export = valeur;
    }

    bool livraison_manutention_choix() const { return m_livraison_manutention_choix; }
    void setLivraison_manutention_choix(bool valeur) { m_livraison_manutention_choix = valeur; }
    double livraison_manutention_prix() const { return m_livraison_manutention_prix; }
    void setLivraison_manutention_prix(double valeur) { m_livraison_manutention_prix = valeur; }
    const QString &livraison_manutention_code_export() const
    {
        return m_livraison_manutention_code_export;
    }
    void setLivraison_manutention_code_export(const QString &valeur)
    {
        m_livraison_manutention_code_export = valeur;
    }

    // Sum of the prices of the chosen options, excluding VAT.
    double TotalLivraisonHt() const;

    // The four option elements, livraison to livraison_manutention, each with choix, prix and
    // code_export.
    QString GetXmlLivraisons() const;
    // The quote's pose element: the options sit inside it, before its tva.
    QString GetXml() const override;

private:
    bool m_livraison_choix = false;
    double m_livraison_prix = 0;
    QString m_livraison_code_export;
    bool m_livraison_compliquee_choix = false;
    double m_livraison_compliquee_prix = 0;
    QString m_livraison_compliquee_code_export;
    bool m_livraison_autorisation_choix = false;
    double m_livraison_autorisation_prix = 0;
    QString m_livraison_autorisation_code_export;
    bool m_livraison_manutention_choix = false;
    double m_livraison_manutention_prix = 0;
    QString m_livraison_manutention_code_export;
};
