#include "CatalogueVolumineux.h"

#include "catalogue/SchemaCatalogue.h"
#include "catalogue/TDMPose.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

QString CodeHoteVolumineux(int type)
{
    return QStringLiteral("1%1").arg(type, 4, 10, QLatin1Char('0'));
}

void RemplirCatalogueVolumineux(TDMPose &dm)
{
    TTransaction transaction(dm.Orvane);
    TRequete &q = dm.qryExec;
    for (int type = 1; type <= NbTypesVolumineux; ++type) {
        q.SetSQL(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                                "KestrovaLibelle) VALUES (:Id, :Libelle, :Code)"));
        q.SetParamInteger(QStringLiteral("Id"), type);
        q.SetParamText(QStringLiteral("Libelle"), QStringLiteral("Type %1").arg(type));
        q.SetParamText(QStringLiteral("Code"), CodeHoteVolumineux(type));
        q.ExecSQL();
    }
    q.SetSQL(QStringLiteral("INSERT INTO Pose (IdPose, Libelle, CodeExport, Livraison, TypeTva) "
                            "VALUES (1, 'Pose', 'POSE', 45, 3)"));
    q.ExecSQL();
    // Three constraints that a usual window satisfies, so each is evaluated.
    const struct {
        int operande;
        const char *operateur;
        const char *valeur;
    } contraintes[] = {{2, ">=", "500"}, {2, "<", "3000"}, {5, "<=", "2000"}};
    int idTarif = 0;
    for (int categorie = 1; categorie <= NbCategoriesVolumineux; ++categorie) {
        q.SetSQL(QStringLiteral("INSERT INTO Categorie (IdCategorie, Libelle, IdCategorieType) "
                                "VALUES (:Id, :Libelle, :Type)"));
        q.SetParamInteger(QStringLiteral("Id"), categorie);
        q.SetParamText(QStringLiteral("Libelle"), QStringLiteral("Catégorie %1").arg(categorie));
        q.SetParamInteger(QStringLiteral("Type"), 1 + categorie % NbTypesVolumineux);
        q.ExecSQL();
        for (const auto &contrainte : contraintes) {
            q.SetSQL(QStringLiteral("INSERT INTO CategorieContrainte (IdCategorie, IdOperande, "
                                    "Operateur, Valeur) VALUES (:Categorie, :Operande, "
                                    ":Operateur, :Valeur)"));
            q.SetParamInteger(QStringLiteral("Categorie"), categorie);
            q.SetParamInteger(QStringLiteral("Operande"), contrainte.operande);
            q.SetParamText(QStringLiteral("Operateur"), QString::fromLatin1(contrainte.operateur));
            q.SetParamText(QStringLiteral("Valeur"), QString::fromLatin1(contrainte.valeur));
            q.ExecSQL();
        }
    }
    // Tariffs in an order unrelated to the categories', general then installer prices.
    for (int poseur = 0; poseur <= 1; ++poseur) {
        for (int i = 0; i < NbCategoriesVolumineux * TarifsParCategorieVolumineux; ++i) {
            q.SetSQL(QStringLiteral("INSERT INTO Tarif (IdTarif, IdPose, IdCategorie, IdPoseur, "
                                    "Prix) VALUES (:Id, 1, :Categorie, :Poseur, :Prix)"));
            q.SetParamInteger(QStringLiteral("Id"), ++idTarif);
            q.SetParamInteger(QStringLiteral("Categorie"), 1 + (i * 7919) % NbCategoriesVolumineux);
            q.SetParamInteger(QStringLiteral("Poseur"), poseur);
            q.SetParamFloat(QStringLiteral("Prix"), 100 + i % 400);
            q.ExecSQL();
        }
    }
    q.SetSQL(QString());
    transaction.Commit();
}

void CreerCatalogueVolumineux(TDMPose &dm, const QString &chemin)
{
    CreerCatalogue(chemin);
    dm.Orvane.SetDatabaseFileName(chemin);
    dm.Orvane.Open();
    QElapsedTimer chrono;
    chrono.start();
    RemplirCatalogueVolumineux(dm);
    std::printf("catalogue built in %lld ms (%d categories, %d general tariffs)\n",
                chrono.elapsed(), NbCategoriesVolumineux,
                NbCategoriesVolumineux * TarifsParCategorieVolumineux);
}

void Mesurer(const char *nom, int repetitions, const std::function<void()> &travail)
{
    std::vector<double> durees;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("%-52s best %8.1f ms   median %8.1f ms\n", nom, durees.front(),
                durees[durees.size() / 2]);
}
