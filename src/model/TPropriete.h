#pragma once

#include <QString>

// One named property of a joinery item (a dimension, a host code...). The name is kept in upper
// case so that every lookup ignores case; the value is kept as given.
class TPropriete {
public:
    TPropriete() = default;
    TPropriete(const QString &id, const QString &valeur);
    TPropriete(const TPropriete &) = delete;
    TPropriete &operator=(const TPropriete &) = delete;

    const QString &id() const { return m_id; }
    // Stores id upper-cased with the user's locale rules, accented letters included.
    void setId(const QString &valeur);
    const QString &valeur() const { return m_valeur; }
    void setValeur(const QString &valeur) { m_valeur = valeur; }

    // The form in which property names are stored and compared.
    static QString NomNormalise(const QString &nom);

    // The propriete element with id and valeur.
    QString GetXml() const;

private:
    QString m_id;
    QString m_valeur;
};
