#pragma once

#include "model/TPose.h"
#include "model/TProprietes.h"
#include "model/TTarifs.h"

#include <QString>

// One joinery item of the quote: its identity, its quantity, its properties, its own copy of an
// installation type and its tariff lines.
class TMenuiserie {
public:
    TMenuiserie() = default;
    TMenuiserie(const TMenuiserie &) = delete;
    TMenuiserie &operator=(const TMenuiserie &) = delete;

    const QString &code() const { return m_code; }
    void setCode(const QString &valeur) { m_code = valeur; }
    const QString &libelle() const { return m_libelle; }
    void setLibelle(const QString &valeur) { m_libelle = valeur; }
    const QString &description() const { return m_description; }
    void setDescription(const QString &valeur) { m_description = valeur; }
    int quantite() const { return m_quantite; }
    void setQuantite(int valeur) { m_quantite = valeur; }

    // Owned for the item's whole life; changed in place, never replaced.
    TProprietes &proprietes() { return m_proprietes; }
    const TProprietes &proprietes() const { return m_proprietes; }
    TTarifs &tarifs() { return m_tarifs; }
    const TTarifs &tarifs() const { return m_tarifs; }
    TPose &pose() { return m_pose; }
    const TPose &pose() const { return m_pose; }

    // The item's totals: its quantity times the totals of its tariff lines.
    double TotalAchatHt() const;
    double TotalHt() const;
    double TotalTva() const;
    double TotalTtc() const;

    // Makes the item's installation type a copy of source (id, label, code and VAT rate); the
    // tariff lines are left alone.
    void AppliquerPose(const TPose &source);
    // Gives every tariff line of the item the rate source.
    void AppliquerTva(const TTva &source);

    // The item's menuiserie element, with its pose, proprietes and tarifs inside.
    QString GetXml() const;

private:
    QString m_code;
    QString m_libelle;
    QString m_description;
    int m_quantite = 0;
    TProprietes m_proprietes;
    TTarifs m_tarifs;
    TPose m_pose;
};
