// Times the filling of the tariff choice list and the constraint rule on a large catalogue:
// 2,000 categories with 3 constraints each, 10,000 general tariffs of one installation type
// (and as many installer tariffs, which the list must skip).

#include "catalogue/SchemaCatalogue.h"
#include "catalogue/TDMPose.h"
#include "model/TMenuiserie.h"
#include "pricing/ContraintesCategorie.h"
#include "pricing/TFicheTarifChoix.h"

#include "ui_TFicheTarifChoix.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int nbTypes = 10;
constexpr int nbCategories = 2000;
constexpr int tarifsParCategorie = 5;
constexpr int repetitions = 5;

QString codeHote(int type)
{
    return QStringLiteral("1%1").arg(type, 4, 10, QLatin1Char('0'));
}

void remplir(TDMPose &dm)
{
    TTransaction transaction(dm.Orvane);
    TRequete &q = dm.qryExec;
    for (int type = 1; type <= nbTypes; ++type) {
        q.SetSQL(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                                "KestrovaLibelle) VALUES (:Id, :Libelle, :Code)"));
        q.SetParamInteger(QStringLiteral("Id"), type);
        q.SetParamText(QStringLiteral("Libelle"), QStringLiteral("Type %1").arg(type));
        q.SetParamText(QStringLiteral("Code"), codeHote(type));
        q.ExecSQL();
    }
    // Three constraints that a usual window satisfies, so each is evaluated.
    const struct {
        int operande;
        const char *operateur;
        const char *valeur;
    } contraintes[] = {{2, ">=", "500"}, {2, "<", "3000"}, {5, "<=", "2000"}};
    int idTarif = 0;
    for (int categorie = 1; categorie <= nbCategories; ++categorie) {
        q.SetSQL(QStringLiteral("INSERT INTO Categorie (IdCategorie, Libelle, IdCategorieType) "
                                "VALUES (:Id, :Libelle, :Type)"));
        q.SetParamInteger(QStringLiteral("Id"), categorie);
        q.SetParamText(QStringLiteral("Libelle"), QStringLiteral("Catégorie %1").arg(categorie));
        q.SetParamInteger(QStringLiteral("Type"), 1 + categorie % nbTypes);
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
        for (int i = 0; i < nbCategories * tarifsParCategorie; ++i) {
            q.SetSQL(QStringLiteral("INSERT INTO Tarif (IdTarif, IdPose, IdCategorie, IdPoseur, "
                                    "Prix) VALUES (:Id, 1, :Categorie, :Poseur, :Prix)"));
            q.SetParamInteger(QStringLiteral("Id"), ++idTarif);
            q.SetParamInteger(QStringLiteral("Categorie"), 1 + (i * 7919) % nbCategories);
            q.SetParamInteger(QStringLiteral("Poseur"), poseur);
            q.SetParamFloat(QStringLiteral("Prix"), 100 + i % 400);
            q.ExecSQL();
        }
    }
    q.SetSQL(QString());
    transaction.Commit();
}

// Best and median of a few runs, in milliseconds.
void mesurer(const char *nom, const std::function<void()> &travail)
{
    std::vector<double> durees;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("%-48s best %8.1f ms   median %8.1f ms\n", nom, durees.front(),
                durees[durees.size() / 2]);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Orvane.abs"));
    CreerCatalogue(chemin);
    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(chemin);
    dm.Orvane.Open();
    QElapsedTimer chrono;
    chrono.start();
    remplir(dm);
    std::printf("catalogue built in %lld ms (%d categories, %d general tariffs)\n",
                chrono.elapsed(), nbCategories, nbCategories * tarifsParCategorie);

    TMenuiserie menuiserie;
    menuiserie.proprietes().Add(QStringLiteral("HAUTEUR"), QStringLiteral("1350"));
    menuiserie.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("1200"));
    menuiserie.proprietes().Add(QStringLiteral("VANTAIL"), QStringLiteral("2"));
    TMenuiserie sansCode;
    sansCode.proprietes().Add(QStringLiteral("HAUTEUR"), QStringLiteral("1350"));
    sansCode.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("1200"));
    sansCode.proprietes().Add(QStringLiteral("VANTAIL"), QStringLiteral("2"));
    menuiserie.proprietes().Add(QStringLiteral("KESTROVA_LIBELLE_CODE"), codeHote(3));

    mesurer("CategorieAutorisee, each of 2000 categories", [&] {
        for (int categorie = 1; categorie <= nbCategories; ++categorie)
            CategorieAutorisee(dm, QString::number(categorie), menuiserie);
    });

    TFicheTarifChoix fiche(dm);
    fiche.SetIdPose(QStringLiteral("1"));
    int lignes = 0;
    fiche.SetMenuiserie(menuiserie);
    mesurer("RemplirListe, item with a host code", [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    fiche.SetMenuiserie(sansCode);
    mesurer("RemplirListe, item without host code", [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    fiche.SetMenuiserie(menuiserie);
    fiche.ui->cbSansFiltrage->setChecked(true); // refills once
    mesurer("RemplirListe, \"Sans filtrage\"", [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    dm.Orvane.Close();
    return 0;
}
