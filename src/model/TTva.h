#pragma once

#include <QString>

// One VAT rate of the host configuration: its type code, its label and its rate in percent
// (20 means 20 %). A type of -1 means no rate was chosen.
class TTva {
public:
    TTva() = default;
    TTva(int type_tva, QString libelle, double valeur);
    TTva(const TTva &) = delete;
    TTva &operator=(const TTva &) = delete;

    int type_tva() const { return m_type_tva; }
    void setType_tva(int valeur) { m_type_tva = valeur; }
    const QString &libelle() const { return m_libelle; }
    void setLibelle(const QString &valeur) { m_libelle = valeur; }
    double valeur() const { return m_valeur; }
    void setValeur(double valeur) { m_valeur = valeur; }

    // Takes the type, label and rate of source.
    void Copier(const TTva &source);

    // The rate's element of the exchange file: tva with type_tva, libelle and valeur.
    QString GetXml() const;

private:
    int m_type_tva = -1;
    QString m_libelle;
    double m_valeur = 0;
};
