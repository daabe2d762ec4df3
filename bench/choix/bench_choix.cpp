// Times the filling of the tariff choice list and the constraint rule on a large catalogue:
// 2,000 categories with 3 constraints each, 10,000 general tariffs of one installation type
// (and as many installer tariffs, which the list must skip).

#include "CatalogueVolumineux.h"

#include "catalogue/TDMPose.h"
#include "model/TMenuiserie.h"
#include "pricing/ContraintesCategorie.h"
#include "pricing/TFicheTarifChoix.h"

#include "ui_TFicheTarifChoix.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int repetitions = 5;
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    QTemporaryDir dossier;
    TDMPose dm;
    CreerCatalogueVolumineux(dm, dossier.filePath(QStringLiteral("Orvane.abs")));

    TMenuiserie menuiserie;
    menuiserie.proprietes().Add(QStringLiteral("HAUTEUR"), QStringLiteral("1350"));
    menuiserie.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("1200"));
    menuiserie.proprietes().Add(QStringLiteral("VANTAIL"), QStringLiteral("2"));
    TMenuiserie sansCode;
    sansCode.proprietes().Add(QStringLiteral("HAUTEUR"), QStringLiteral("1350"));
    sansCode.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("1200"));
    sansCode.proprietes().Add(QStringLiteral("VANTAIL"), QStringLiteral("2"));
    menuiserie.proprietes().Add(QStringLiteral("KESTROVA_LIBELLE_CODE"), CodeHoteVolumineux(3));

    Mesurer("CategorieAutorisee, each of 2000 categories", repetitions, [&] {
        for (int categorie = 1; categorie <= NbCategoriesVolumineux; ++categorie)
            CategorieAutorisee(dm, QString::number(categorie), menuiserie);
    });

    TFicheTarifChoix fiche(dm);
    fiche.SetIdPose(QStringLiteral("1"));
    int lignes = 0;
    fiche.SetMenuiserie(menuiserie);
    Mesurer("RemplirListe, item with a host code", repetitions, [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    fiche.SetMenuiserie(sansCode);
    Mesurer("RemplirListe, item without host code", repetitions, [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    fiche.SetMenuiserie(menuiserie);
    fiche.ui->cbSansFiltrage->setChecked(true); // refills once
    Mesurer("RemplirListe, \"Sans filtrage\"", repetitions, [&] {
        fiche.RemplirListe();
        lignes = fiche.ui->lvListe->topLevelItemCount();
    });
    std::printf("    %d rows\n", lignes);
    dm.Orvane.Close();
    return 0;
}
