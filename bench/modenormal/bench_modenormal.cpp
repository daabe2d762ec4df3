// Times the pricing screen's first activation (reading the exchange file and pre-filling the
// tariff lines) and its quote totals, for a quote of 300 items with host codes against the large
// catalogue of the tariff choice benchmark.

#include "CatalogueVolumineux.h"

#include "catalogue/TDMPose.h"
#include "exchange/LectureEchange.h"
#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"
#include "platform/DossierProgramme.h"
#include "platform/TexteWindows.h"
#include "pricing/CalculsDevis.h"
#include "pricing/TFicheModeNormal.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int nbMenuiseries = 300;
constexpr int repetitions = 3;

QString devis()
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<Orvane>"
                                 "<pose id=\"1\" libelle=\"Pose\" code_export=\"POSE\">"
                                 "<livraison choix=\"1\" prix=\"45,00\" code_export=\"L\"/>"
                                 "<tva type_tva=\"3\" libelle=\"TVA 20 %\" valeur=\"20,00\"/>"
                                 "</pose><cotes choix=\"1\"/><global><quincailleries/></global>"
                                 "<menuiseries>");
    for (int i = 0; i < nbMenuiseries; ++i) {
        xml += QStringLiteral("<menuiserie code=\"M%1\" libelle=\"Fenêtre %1\" description=\"\" "
                              "quantite=\"1\"><pose id=\"1\" libelle=\"Pose\" code_export=\"POSE\">"
                              "<tva type_tva=\"3\" libelle=\"TVA 20 %\" valeur=\"20,00\"/></pose>"
                              "<proprietes>"
                              "<propriete id=\"HAUTEUR\" valeur=\"%2\"/>"
                              "<propriete id=\"LARGEUR\" valeur=\"%3\"/>"
                              "<propriete id=\"VANTAIL\" valeur=\"2\"/>"
                              "<propriete id=\"QUANTITE\" valeur=\"1\"/>"
                              "<propriete id=\"KESTROVA_LIBELLE_CODE\" valeur=\"%4\"/>"
                              "</proprietes><tarifs/></menuiserie>")
                   .arg(i)
                   .arg(900 + (i % 20) * 50)
                   .arg(600 + (i % 15) * 60)
                   .arg(CodeHoteVolumineux(1 + i % NbTypesVolumineux));
    }
    return xml + QStringLiteral("</menuiseries></Orvane>\r\n");
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    QTemporaryDir dossier;
    DefinirDossierProgramme(dossier.path());
    TDMPose dm;
    CreerCatalogueVolumineux(dm, CheminCatalogue());
    dm.rxTva.Insert(3, QStringLiteral("TVA 20 %"), 20);
    const QString fichier = dossier.filePath(QStringLiteral("devis.xml"));
    EcrireFichierTexte(fichier, devis());

    int lignes = 0;
    Mesurer("reading and pre-filling, without window", repetitions, [&] {
        TPoseLivraison pose;
        TQuincailleries globales(TQuincailleries::TauxTvaQuincaillerie);
        TMenuiseries menuiseries;
        TLectureEchange lecture;
        LireFichierEchange(fichier, DossierArchives() + QStringLiteral("bench"), pose, globales,
                           menuiseries, lecture);
        PreRemplirTarifs(dm, pose, menuiseries);
        lignes = menuiseries.NbTarifs();
    });
    std::printf("    %d items, %d pre-filled lines\n", nbMenuiseries, lignes);

    std::unique_ptr<TFicheModeNormal> fiche;
    Mesurer("first activation of the pricing screen", repetitions, [&] {
        fiche = std::make_unique<TFicheModeNormal>(dm);
        fiche->SetFichierRecuperation(fichier);
        fiche->FormActivate();
    });
    Mesurer("AfficherTotaux", 20, [&] { fiche->AfficherTotaux(); });
    Mesurer("CalculerTotauxDevis", 20, [&] {
        CalculerTotauxDevis(fiche->PoseDevis(), fiche->Menuiseries(),
                            fiche->QuincailleriesGlobales());
    });
    fiche.reset();
    dm.Orvane.Close();
    return 0;
}
