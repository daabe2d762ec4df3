#pragma once

#include "model/TQuincailleries.h"
#include "model/TTva.h"

#include <QString>

// One installation tariff line of a joinery item: the catalogue tariff and its sale price, the
// installer and what he is paid, the line's VAT rate and its hardware lines.
class TTarif {
public:
    TTarif() = default;
    TTarif(const TTarif &) = delete;
    TTarif &operator=(const TTarif &) = delete;

    const QString &id() const { return m_id; }
    void setId(const QString &valeur) { m_id = valeur; }
    const QString &libelle() const { return m_libelle; }
    void setLibelle(const QString &valeur) { m_libelle = valeur; }
    double prix() const { return m_prix; }
    void setPrix(double valeur) { m_prix = valeur; }
    const QString &code_export() const { return m_code_export; }
    void setCode_export(const QString &valeur) { m_code_export = valeur; }
    const QString &poseur_id() const { return m_poseur_id; }
    void setPoseur_id(const QString &valeur) { m_poseur_id = valeur; }
    const QString &poseur_nom() const { return m_poseur_nom; }
    void setPoseur_nom(const QString &valeur) { m_poseur_nom = valeur; }
    double poseur_prix() const { return m_poseur_prix; }
    void setPoseur_prix(double valeur) { m_poseur_prix = valeur; }
    const QString &poseur_siret() const { return m_poseur_siret; }
    void setPoseur_siret(const QString &valeur) { m_poseur_siret = valeur; }
    const QString &poseur_rge() const { return m_poseur_rge; }
    void setPoseur_rge(const QString &valeur) { m_poseur_rge = valeur; }
    bool quincaillerie_incluse() const { return m_quincaillerie_incluse; }
    void setQuincaillerie_incluse(bool valeur) { m_quincaillerie_incluse = valeur; }

    // Owned for the line's whole life; changed in place, never replaced.
    TTva &tva() { return m_tva; }
    const TTva &tva() const { return m_tva; }
    TQuincailleries &quincailleries() { return m_quincailleries; }
    const TQuincailleries &quincailleries() const { return m_quincailleries; }

    // Purchase price: what the installer is paid.
    double PrixAchat() const { return m_poseur_prix; }
    // VAT of the installation price at the line's own rate.
    double PrixTva() const;
    double PrixTtc() const;

    // Takes the type, rate and label of source into the line's VAT rate.
    void SetTva(const TTva &source);

    // The line's tarif element, with its poseur, tva and quincailleries inside.
    QString GetXml() const;

private:
    QString m_id;
    QString m_libelle;
    double m_prix = 0;
    QString m_code_export;
    QString m_poseur_id;
    QString m_poseur_nom;
    double m_poseur_prix = 0;
    QString m_poseur_siret;
    QString m_poseur_rge;
    TTva m_tva;
    bool m_quincaillerie_incluse = true;
    TQuincailleries m_quincailleries{TQuincailleries::TauxTvaQuincaillerie};
};
