#pragma once

#include "model/TTva.h"

#include <QString>

// An installation type and its VAT rate. An empty id means none has been chosen yet.
class TPose {
public:
    TPose() = default;
    virtual ~TPose() = default;
    TPose(const TPose &) = delete;
    TPose &operator=(const TPose &) = delete;

    const QString &id() const { return m_id; }
    void setId(const QString &valeur) { m_id = valeur; }
    const QString &libelle() const { return m_libelle; }
    void setLibelle(const QString &valeur) { m_libelle = valeur; }
    const QString &code_export() const { return m_code_export; }
    void setCode_export(const QString &valeur) { m_code_export = valeur; }

    // Owned for the object's whole life; changed in place, never replaced.
    TTva &tva() { return m_tva; }
    const TTva &tva() const { return m_tva; }

    // Takes the type, rate and label of source into the installation type's VAT rate.
    void SetTva(const TTva &source);

    // The pose element of the exchange file: the opening tag with id, libelle and code_export;
    // then the tva element and the closing tag; GetXml is the two joined.
    QString GetXmlDebut() const;
    QString GetXmlFin() const;
    virtual QString GetXml() const;

private:
    QString m_id;
    QString m_libelle;
    QString m_code_export;
    TTva m_tva;
};
