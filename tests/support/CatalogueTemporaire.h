#pragma once

#include "catalogue/TDMPose.h"

#include <QString>
#include <QTemporaryDir>

// A fresh catalogue for one test: made in a temporary folder (empty, or with the demo data),
// opened in dm, and that folder made the program's folder, so CheminCatalogue() and the other
// files beside the program lie there. Everything goes when the object does, and the program's
// folder is given back.
class CatalogueTemporaire {
public:
    enum Contenu { Vide, Demo };

    explicit CatalogueTemporaire(Contenu contenu = Vide);
    ~CatalogueTemporaire();
    CatalogueTemporaire(const CatalogueTemporaire &) = delete;
    CatalogueTemporaire &operator=(const CatalogueTemporaire &) = delete;

    // The folder, ending in a separator, and the catalogue file in it.
    QString dossier() const { return m_dossier.path() + QStringLiteral("/"); }
    const QString &chemin() const { return m_chemin; }

    // Runs one statement on the catalogue (fixtures: rows, old schemas); raises EDatabaseError.
    void executer(const QString &sql);
    // The first column of the first row of a SELECT, as text ("" without row).
    QString valeur(const QString &sql);

private:
    QTemporaryDir m_dossier; // outlives dm
    QString m_chemin;
    QString m_dossierPrecedent;

public:
    TDMPose dm;
};

// examples/config.ini and examples/devis.xml of the source tree.
QString CheminExemple(const QString &nom);
