#pragma once

#include <QString>

// One hardware line: a catalogue article counted in sale units (pieces or linear metres).
class TQuincaillerie {
public:
    TQuincaillerie() = default;
    TQuincaillerie(const TQuincaillerie &) = delete;
    TQuincaillerie &operator=(const TQuincaillerie &) = delete;

    const QString &id() const { return m_id; }
    void setId(const QString &valeur) { m_id = valeur; }
    const QString &libelle() const { return m_libelle; }
    void setLibelle(const QString &valeur) { m_libelle = valeur; }
    const QString &libelle2() const { return m_libelle2; }
    void setLibelle2(const QString &valeur) { m_libelle2 = valeur; }
    double tarif_achat() const { return m_tarif_achat; }
    void setTarif_achat(double valeur) { m_tarif_achat = valeur; }
    double tarif_vente() const { return m_tarif_vente; }
    void setTarif_vente(double valeur) { m_tarif_vente = valeur; }
    double nb_pieces() const { return m_nb_pieces; }
    void setNb_pieces(double valeur) { m_nb_pieces = valeur; }
    double nb_pieces_ml() const { return m_nb_pieces_ml; }
    void setNb_pieces_ml(double valeur) { m_nb_pieces_ml = valeur; }
    double quantite() const { return m_quantite; }
    void setQuantite(double valeur) { m_quantite = valeur; }
    int secable() const { return m_secable; }
    void setSecable(int valeur) { m_secable = valeur; }
    const QString &code_export() const { return m_code_export; }
    void setCode_export(const QString &valeur) { m_code_export = valeur; }

    // Takes every field of source.
    void Copier(const TQuincaillerie &source);

    // The line's quincaillerie element of the exchange file.
    QString GetXml() const;

private:
    QString m_id;
    QString m_libelle;
    QString m_libelle2;
    double m_tarif_achat = 0;
    double m_tarif_vente = 0;
    double m_nb_pieces = 0;
    double m_nb_pieces_ml = 0;
    double m_quantite = 0;
    int m_secable = 0;
    QString m_code_export;
};
