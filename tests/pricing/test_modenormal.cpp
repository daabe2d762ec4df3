#include "Capture.h"
#include "CatalogueTemporaire.h"
#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "exchange/LectureEchange.h"
#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"
#include "model/TTarif.h"
#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/TexteWindows.h"
#include "pricing/CalculsDevis.h"
#include "pricing/TFicheModeNormal.h"
#include "pricing/TFichePoseChoix.h"

#include "ui_TFicheModeNormal.h"
#include "ui_TFichePoseChoix.h"

#include <QDir>
#include <QSignalSpy>

namespace {
// The host's VAT rates, as the start-up imports them from examples/config.ini.
void remplirTva(TDMPose &dm)
{
    dm.rxTva.Insert(1, QStringLiteral("TVA 5,5 %"), 5.5);
    dm.rxTva.Insert(2, QStringLiteral("TVA 10 %"), 10);
    dm.rxTva.Insert(3, QStringLiteral("TVA 20 %"), 20);
}

// An exchange file as the host writes it: Windows-1252 bytes under the iso-8859-1 label.
QString ecrireDevis(const QString &dossier, const QString &corps)
{
    const QString chemin = dossier + QStringLiteral("devis.xml");
    EcrireFichierTexte(chemin, QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                                              "<Orvane>") +
                                   corps + QStringLiteral("</Orvane>\r\n"));
    return chemin;
}

// One item: its properties as "NOM=valeur" and, when given, its tariff lines as raw XML.
QString menuiserie(const QString &libelle, const QStringList &proprietes,
                   const QString &tarifs = QString(), const QString &pose = QString())
{
    QString xml = QStringLiteral("<menuiserie code=\"C\" libelle=\"%1\" description=\"Description "
                                 "de %1\" quantite=\"1\">")
                      .arg(libelle);
    xml += pose;
    xml += QStringLiteral("<proprietes>");
    for (const QString &p : proprietes) {
        const int egal = p.indexOf(u'=');
        xml += QStringLiteral("<propriete id=\"%1\" valeur=\"%2\"/>")
                   .arg(p.left(egal), p.mid(egal + 1));
    }
    return xml + QStringLiteral("</proprietes><tarifs>") + tarifs +
           QStringLiteral("</tarifs></menuiserie>");
}

QString poseDevisXml(const QString &id, const QString &libelle, const QString &livraisons,
                     int typeTva, const QString &valeurTva)
{
    return QStringLiteral("<pose id=\"%1\" libelle=\"%2\" code_export=\"POSE\">%3"
                          "<tva type_tva=\"%4\" libelle=\"TVA\" valeur=\"%5\"/></pose>")
        .arg(id, libelle, livraisons)
        .arg(typeTva)
        .arg(valeurTva);
}

const QStringList Fenetre = {QStringLiteral("HAUTEUR=1350"), QStringLiteral("LARGEUR=1200"),
                             QStringLiteral("VANTAIL=2"), QStringLiteral("QUANTITE=2"),
                             QStringLiteral("KESTROVA_LIBELLE_CODE=10101")};
const QStringList PorteEntree = {QStringLiteral("HAUTEUR=2150"), QStringLiteral("LARGEUR=900"),
                                 QStringLiteral("VANTAIL=1"), QStringLiteral("QUANTITE=1"),
                                 QStringLiteral("KESTROVA_LIBELLE_CODE=10500")};
const QStringList SansCode = {QStringLiteral("HAUTEUR=1000"), QStringLiteral("LARGEUR=800"),
                              QStringLiteral("QUANTITE=1")};

// A line taken from the general tariff of a demo category, at a price of our choosing.
QString ligneTarif(CatalogueTemporaire &c, const QString &idPose, const QString &prix)
{
    const QString idTarif =
        c.valeur(QStringLiteral("SELECT MIN(IdTarif) FROM Tarif WHERE IdPose = ") + idPose +
                 QStringLiteral(" AND IdPoseur = 0"));
    return QStringLiteral(
               "<tarif id=\"%1\" libelle=\"Ligne\" prix=\"%2\" quincaillerie_incluse=\"1\" "
               "code_export=\"X\"><poseur id=\"\" nom=\"\" prix=\"0,00\" siret=\"\" rge=\"\"/>"
               "<tva type_tva=\"3\" libelle=\"TVA 20 %\" "
               "valeur=\"20,00\"/><quincailleries/></tarif>")
        .arg(idTarif, prix);
}

QString prixGeneral(CatalogueTemporaire &c, const QString &idTarif)
{
    return c.valeur(QStringLiteral("SELECT Prix FROM Tarif WHERE IdTarif = ") + idTarif);
}
} // namespace

class TestModeNormal : public QObject {
    Q_OBJECT
private slots:
    void init() { utilisateur.reinitialiser(); }
    void cleanup() { VERIFIER_UTILISATEUR(utilisateur); }

    void devisDemoSansPoseDemandeLaPoseEtPreRemplit();
    void devisAvecLignesNonPreRempli();
    void navigationEtMode();
    void lignesEnRouge();
    void tvaDeLaLivraisonToujoursAVingtPourCent();
    void livraisonDecocheeDecocheLesAutres();
    void prixDeLivraisonIncorrect_data();
    void prixDeLivraisonIncorrect();
    void changerLaPoseDuDevisRemplaceCelleDeChaqueMenuiserie();
    void validerEcritLeDevisEtLesDeuxArchives();
    void fermerSansValiderNEcritRien();
    void lectureInterrompueRefuseDEcrire();

private:
    // Builds the screen on the exchange file and runs its first activation.
    std::unique_ptr<TFicheModeNormal> ouvrir(CatalogueTemporaire &c, const QString &fichier)
    {
        remplirTva(c.dm);
        auto fiche = std::make_unique<TFicheModeNormal>(c.dm);
        fiche->SetFichierConfiguration(CheminExemple(QStringLiteral("config.ini")));
        fiche->SetFichierRecuperation(fichier);
        fiche->FormActivate();
        return fiche;
    }

    // The next installation type dialog picks the entry of this label.
    void choisirPose(const QString &libelle)
    {
        utilisateur.piloterDialogue(QStringLiteral("TFichePoseChoix"), [libelle](QDialog &d) {
            auto &choix = static_cast<TFichePoseChoix &>(d);
            const auto trouvees = choix.ui->lvListe->findItems(libelle, Qt::MatchExactly);
            if (trouvees.isEmpty())
                return int(QDialog::Rejected);
            choix.ui->lvListe->setCurrentItem(trouvees.constFirst());
            choix.btnValiderClick();
            return choix.result();
        });
    }

    UtilisateurScripte utilisateur;
};

void TestModeNormal::devisDemoSansPoseDemandeLaPoseEtPreRemplit()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    QFile::copy(CheminExemple(QStringLiteral("devis.xml")),
                c.dossier() + QStringLiteral("devis.xml"));
    choisirPose(QStringLiteral("Pose en neuf"));
    auto fiche = ouvrir(c, c.dossier() + QStringLiteral("devis.xml"));
    const QString idPose =
        c.valeur(QStringLiteral("SELECT IdPose FROM Pose WHERE Libelle = 'Pose en neuf'"));

    QCOMPARE(fiche->PoseDevis().id(), idPose);
    QCOMPARE(fiche->ui->lvPose->item(0)->text(), QStringLiteral("Pose en neuf"));
    QCOMPARE(fiche->PoseDevis().tva().valeur(), 20.0);
    QCOMPARE(fiche->ui->lvListe->topLevelItemCount(), fiche->Menuiseries().Count());
    QCOMPARE(fiche->ui->lvListe->topLevelItem(0)->text(2), QStringLiteral("1350"));
    // Every item and every pre-filled line takes the chosen installation type and its VAT, and
    // every line is the general tariff of a category of the item's host code.
    for (const TMenuiserie &m : fiche->Menuiseries()) {
        QCOMPARE(m.pose().id(), idPose);
        QVERIFY2(m.tarifs().Count() >= 1, qPrintable(m.libelle()));
        for (const TTarif &t : m.tarifs()) {
            QCOMPARE(t.tva().type_tva(), 3);
            QCOMPARE(FormatMontant(t.prix()),
                     FormatMontant(StrToFloat(prixGeneral(c, t.id()).replace(u'.', u','))));
            QCOMPARE(t.code_export(), fiche->PoseDevis().code_export());
            QVERIFY(t.quincaillerie_incluse());
            QVERIFY(t.poseur_id().isEmpty());
        }
    }
    // A 1350 mm window with two leaves gets the "2 vantaux" category only.
    const TMenuiserie &fenetre = fiche->Menuiseries()[0];
    QCOMPARE(fenetre.tarifs().Count(), 1);
    QCOMPARE(fenetre.tarifs()[0].libelle(), QStringLiteral("Fenêtre 2 vantaux"));

    // The first item is shown with its lines, its VAT and its totals, computed with the VAT.
    QCOMPARE(fiche->MenuiserieCourante(), &fiche->Menuiseries()[0]);
    QCOMPARE(fiche->TarifCourant(), &fenetre.tarifs()[0]);
    QCOMPARE(fiche->ui->lvPoseMenuiserie->item(0)->text(), QStringLiteral("Pose en neuf"));
    QCOMPARE(fiche->ui->lblTvaMenuiserie->text(), QStringLiteral("20"));
    QCOMPARE(fiche->ui->cbTvaMenuiserie->currentText(), QStringLiteral("TVA 20 %"));
    const double prix = fenetre.tarifs()[0].prix();
    QCOMPARE(fiche->ui->lvCategorie->topLevelItem(0)->text(3), FormatMontant(prix * 0.2));
    QCOMPARE(fiche->ui->lblTotalMenuiserieHt->text(), FormatMontant(2 * prix));
    QCOMPARE(fiche->ui->lblTotalMenuiserieTtc->text(), FormatMontant(2 * prix * 1.2));
    QCOMPARE(fiche->ui->lblTarifTvaValeur->text(), QStringLiteral("20,00"));
    QVERIFY(!fiche->ui->btnPrecedent->isEnabled());
    QVERIFY(fiche->ui->btnSuivant->isEnabled());

    // Delivery is checked from the start and priced from the installation type.
    QVERIFY(fiche->ui->cbLivraison->isChecked());
    QCOMPARE(fiche->ui->edtLivraison->text(), QStringLiteral("45,00"));
    const TTotauxDevis t = CalculerTotauxDevis(fiche->PoseDevis(), fiche->Menuiseries(),
                                               fiche->QuincailleriesGlobales());
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("45,00"));
    QCOMPARE(fiche->ui->lblTotalHt->text(), FormatMontant(45 + t.menuiseriesHt));
    QCOMPARE(fiche->ui->lblTotalTtc->text(), FormatMontant(45 * 1.2 + t.menuiseriesTtc));
    CapturerFenetre(*fiche, QStringLiteral("TFicheModeNormal_demo"));
}

void TestModeNormal::devisAvecLignesNonPreRempli()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString pose = poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose en rénovation"),
                                      QString(), 2, QStringLiteral("10,00"));
    const QString fichier = ecrireDevis(
        c.dossier(), pose + QStringLiteral("<menuiseries>") +
                         menuiserie(QStringLiteral("Avec ligne"), PorteEntree,
                                    ligneTarif(c, QStringLiteral("1"), QStringLiteral("99,00"))) +
                         menuiserie(QStringLiteral("Sans ligne"), Fenetre) +
                         QStringLiteral("</menuiseries>"));
    auto fiche = ouvrir(c, fichier);
    QCOMPARE(fiche->Menuiseries()[0].tarifs().Count(), 1);
    QCOMPARE(fiche->Menuiseries()[1].tarifs().Count(), 0);

    // Without any line, an item with a host code is pre-filled, one without is not.
    const QString fichier2 = ecrireDevis(
        c.dossier(),
        pose + QStringLiteral("<menuiseries>") + menuiserie(QStringLiteral("Sans code"), SansCode) +
            menuiserie(QStringLiteral("Fenêtre"), Fenetre) + QStringLiteral("</menuiseries>"));
    auto fiche2 = ouvrir(c, fichier2);
    QCOMPARE(fiche2->Menuiseries()[0].tarifs().Count(), 0);
    QCOMPARE(fiche2->Menuiseries()[1].tarifs().Count(), 1);
    // The item without lines shows an empty line panel.
    QCOMPARE(fiche2->ui->lvCategorie->topLevelItemCount(), 0);
    QVERIFY(!fiche2->TarifCourant());
    QCOMPARE(fiche2->ui->lblTotalMenuiserieHt->text(), QStringLiteral("0,00"));
}

void TestModeNormal::navigationEtMode()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString pose = poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose en rénovation"),
                                      QString(), 2, QStringLiteral("10,00"));
    auto seule =
        ouvrir(c, ecrireDevis(c.dossier(), pose + QStringLiteral("<menuiseries>") +
                                               menuiserie(QStringLiteral("Seule"), Fenetre) +
                                               QStringLiteral("</menuiseries>")));
    QVERIFY(!seule->ui->btnPrecedent->isEnabled());
    QVERIFY(!seule->ui->btnSuivant->isEnabled());

    auto fiche =
        ouvrir(c, ecrireDevis(c.dossier(), pose + QStringLiteral("<menuiseries>") +
                                               menuiserie(QStringLiteral("Une"), Fenetre) +
                                               menuiserie(QStringLiteral("Deux"), PorteEntree) +
                                               menuiserie(QStringLiteral("Trois"), SansCode) +
                                               QStringLiteral("</menuiseries>")));
    QTest::mouseClick(fiche->ui->btnSuivant, Qt::LeftButton);
    QCOMPARE(fiche->MenuiserieCourante(), &fiche->Menuiseries()[1]);
    QVERIFY(fiche->ui->btnPrecedent->isEnabled());
    QCOMPARE(fiche->ui->memoDescription->toPlainText(), QStringLiteral("Description de Deux"));
    QTest::mouseClick(fiche->ui->btnSuivant, Qt::LeftButton);
    QCOMPARE(fiche->MenuiserieCourante(), &fiche->Menuiseries()[2]);
    QVERIFY(!fiche->ui->btnSuivant->isEnabled());
    QCOMPARE(fiche->ui->lvCategorie->topLevelItemCount(), 0);
    QTest::mouseClick(fiche->ui->btnPrecedent, Qt::LeftButton);
    QCOMPARE(fiche->MenuiserieCourante(), &fiche->Menuiseries()[1]);
    QCOMPARE(fiche->ui->lvCategorie->topLevelItemCount(), fiche->Menuiseries()[1].tarifs().Count());

    QCOMPARE(fiche->ui->btnMode->text(), QStringLiteral("Voir la description de la menuiserie"));
    QTest::mouseClick(fiche->ui->btnMode, Qt::LeftButton);
    QVERIFY(fiche->ui->lvListe->isHidden());
    QVERIFY(!fiche->ui->memoDescription->isHidden());
    QCOMPARE(fiche->ui->btnMode->text(), QStringLiteral("Voir la liste des menuiseries"));
    QTest::mouseClick(fiche->ui->btnMode, Qt::LeftButton);
    QVERIFY(!fiche->ui->lvListe->isHidden());
}

void TestModeNormal::lignesEnRouge()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString pose = poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose en rénovation"),
                                      QString(), 2, QStringLiteral("10,00"));
    const QString ligne = ligneTarif(c, QStringLiteral("1"), QStringLiteral("0"));
    const QString idTarif = c.valeur(
        QStringLiteral("SELECT MIN(IdTarif) FROM Tarif WHERE IdPose = 1 AND IdPoseur = 0"));
    const QString general = FormatMontant(StrToFloat(prixGeneral(c, idTarif).replace(u'.', u',')));
    const QString auPrixGeneral = ligneTarif(c, QStringLiteral("1"), general);
    const QString inconnue = QStringLiteral(
        "<tarif id=\"999999\" libelle=\"Hors catalogue\" prix=\"12,00\"><tva type_tva=\"3\" "
        "valeur=\"20\"/></tarif><tarif id=\"\" libelle=\"Sans identifiant\" prix=\"5,00\"/>");
    auto fiche = ouvrir(
        c,
        ecrireDevis(c.dossier(),
                    pose + QStringLiteral("<menuiseries>") +
                        menuiserie(QStringLiteral("Prix changé"), Fenetre, auPrixGeneral + ligne) +
                        menuiserie(QStringLiteral("Au tarif"), Fenetre, auPrixGeneral) +
                        menuiserie(QStringLiteral("Hors catalogue"), Fenetre, inconnue) +
                        QStringLiteral("</menuiseries>")));
    QVERIFY(!fiche->TarifEnRouge(0));
    QVERIFY(fiche->TarifEnRouge(1));
    QVERIFY(fiche->MenuiserieEnRouge(0));
    QVERIFY(!fiche->MenuiserieEnRouge(1));
    // A line whose tariff has no general price in the catalogue is never red, nor is one
    // without identifier.
    QVERIFY(!fiche->MenuiserieEnRouge(2));
    fiche->Menuiseries()[1].tarifs()[0].setPrix(1);
    QVERIFY(fiche->MenuiserieEnRouge(1));
    fiche->ui->lvListe->topLevelItem(1)->setSelected(true);
    CapturerFenetre(*fiche, QStringLiteral("TFicheModeNormal_rouge"));
}

void TestModeNormal::tvaDeLaLivraisonToujoursAVingtPourCent()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString livraisons =
        QStringLiteral("<livraison choix=\"1\" prix=\"50,00\" code_export=\"L\"/>"
                       "<livraison_compliquee choix=\"0\" prix=\"30,00\" code_export=\"LC\"/>"
                       "<livraison_autorisation choix=\"0\" prix=\"20,00\" code_export=\"A\"/>"
                       "<livraison_manutention choix=\"1\" prix=\"10,004\" code_export=\"M\"/>");
    auto fiche =
        ouvrir(c, ecrireDevis(c.dossier(), poseDevisXml(QStringLiteral("3"),
                                                        QStringLiteral("Rénovation énergétique"),
                                                        livraisons, 1, QStringLiteral("5,50")) +
                                               QStringLiteral("<menuiseries/>")));
    QCOMPARE(fiche->ui->lblTvaValeur->text(), QStringLiteral("5,50"));
    QVERIFY(fiche->ui->cbLivraison->isChecked());
    QVERIFY(fiche->ui->cbLivraisonManutention->isChecked());
    QVERIFY(!fiche->ui->cbLivraisonCompliquee->isChecked());
    // Prices are stored as displayed.
    QCOMPARE(fiche->ui->edtLivraisonManutention->text(), QStringLiteral("10,00"));
    QCOMPARE(fiche->PoseDevis().livraison_manutention_prix(), 10.0);
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("60,00"));
    QCOMPARE(fiche->ui->lblTotalTva->text(), QStringLiteral("12,00"));
    QCOMPARE(fiche->ui->lblTotalTtc->text(), QStringLiteral("72,00"));
    QCOMPARE(fiche->ui->lblTotalAchatHt->text(), QStringLiteral("0,00"));
}

void TestModeNormal::livraisonDecocheeDecocheLesAutres()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    auto fiche = ouvrir(
        c,
        ecrireDevis(c.dossier(),
                    poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose"),
                                 QStringLiteral("<livraison choix=\"1\" prix=\"45\"/>"
                                                "<livraison_compliquee choix=\"1\" prix=\"85\"/>"),
                                 2, QStringLiteral("10")) +
                        QStringLiteral("<menuiseries/>")));
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("130,00"));
    QTest::mouseClick(fiche->ui->cbLivraison, Qt::LeftButton);
    QVERIFY(!fiche->ui->cbLivraisonCompliquee->isChecked());
    QVERIFY(!fiche->PoseDevis().livraison_choix());
    QVERIFY(!fiche->PoseDevis().livraison_compliquee_choix());
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("0,00"));
    // An option needs delivery: checking it checks "Livraison" again.
    QTest::mouseClick(fiche->ui->cbLivraisonAutorisation, Qt::LeftButton);
    QVERIFY(fiche->ui->cbLivraison->isChecked());
    QVERIFY(fiche->PoseDevis().livraison_autorisation_choix());
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("45,00"));
}

void TestModeNormal::prixDeLivraisonIncorrect_data()
{
    QTest::addColumn<QString>("edition");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    const QString livraison =
        QStringLiteral("Veuillez saisir un chiffre correct pour la livraison");
    QTest::newRow("vide") << "edtLivraison"
                          << "" << livraison;
    QTest::newRow("moins un") << "edtLivraison"
                              << "-1" << livraison;
    QTest::newRow("point décimal") << "edtLivraison"
                                   << "12.5" << livraison;
    QTest::newRow("compliquée")
        << "edtLivraisonCompliquee"
        << "abc"
        << QStringLiteral("Veuillez saisir un chiffre correct pour la livraison compliquée");
    QTest::newRow("autorisation") << "edtLivraisonAutorisation"
                                  << ""
                                  << QStringLiteral(
                                         "Veuillez saisir un chiffre correct pour l'autorisation");
    QTest::newRow("manutention") << "edtLivraisonManutention"
                                 << "x"
                                 << QStringLiteral(
                                        "Veuillez saisir un chiffre correct pour la manutention.");
}

void TestModeNormal::prixDeLivraisonIncorrect()
{
    QFETCH(QString, edition);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    auto fiche = ouvrir(
        c,
        ecrireDevis(c.dossier(),
                    poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose"),
                                 QStringLiteral("<livraison choix=\"1\" prix=\"45\"/>"
                                                "<livraison_compliquee choix=\"1\" prix=\"85\"/>"
                                                "<livraison_autorisation choix=\"1\" prix=\"35\"/>"
                                                "<livraison_manutention choix=\"1\" prix=\"30\"/>"),
                                 2, QStringLiteral("10")) +
                        QStringLiteral("<menuiseries/>")));
    auto *champ = fiche->findChild<QLineEdit *>(edition);
    QVERIFY(champ);
    champ->setText(texte);
    QCOMPARE(utilisateur.prendreMessages(), QStringList{message});
    // The stored prices are unchanged, and so is the total.
    QCOMPARE(fiche->PoseDevis().TotalLivraisonHt(), 195.0);
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("195,00"));
    champ->setText(QStringLiteral("12,5"));
    QCOMPARE(fiche->PoseDevis().TotalLivraisonHt() < 195.0, true);
    // Enter after typing a price neither validates nor closes the screen.
    QSignalSpy fermee(fiche.get(), &QDialog::finished);
    fiche->show();
    QTest::keyClick(champ, Qt::Key_Return);
    QCOMPARE(fermee.count(), 0);
}

void TestModeNormal::changerLaPoseDuDevisRemplaceCelleDeChaqueMenuiserie()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString poseItem =
        QStringLiteral("<pose id=\"2\" libelle=\"Pose en neuf\" code_export=\"N\">"
                       "<tva type_tva=\"3\" libelle=\"TVA 20 %\" valeur=\"20\"/></pose>");
    const QString fichier = ecrireDevis(
        c.dossier(),
        poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose en rénovation"),
                     QStringLiteral("<livraison choix=\"1\" prix=\"45\"/><livraison_manutention "
                                    "choix=\"1\" prix=\"30\"/>"),
                     2, QStringLiteral("10")) +
            QStringLiteral("<menuiseries>") +
            menuiserie(QStringLiteral("Une"), Fenetre,
                       ligneTarif(c, QStringLiteral("1"), QStringLiteral("100")), poseItem) +
            menuiserie(QStringLiteral("Deux"), PorteEntree) + QStringLiteral("</menuiseries>"));
    auto fiche = ouvrir(c, fichier);
    QCOMPARE(fiche->Menuiseries()[0].pose().id(), QStringLiteral("2"));

    choisirPose(QStringLiteral("Rénovation énergétique"));
    QTest::mouseClick(fiche->ui->lvPose->viewport(), Qt::LeftButton, {},
                      fiche->ui->lvPose->visualItemRect(fiche->ui->lvPose->item(0)).center());
    QCOMPARE(fiche->PoseDevis().id(), QStringLiteral("3"));
    QCOMPARE(fiche->PoseDevis().libelle(), QStringLiteral("Rénovation énergétique"));
    QCOMPARE(fiche->PoseDevis().tva().type_tva(), 1);
    QCOMPARE(fiche->ui->lblTvaValeur->text(), QStringLiteral("5,50"));
    QCOMPARE(fiche->ui->lvPose->item(0)->text(), QStringLiteral("Rénovation énergétique"));
    // Delivery keeps its choice with the new type's price; the other options are cleared.
    QVERIFY(fiche->ui->cbLivraison->isChecked());
    QVERIFY(!fiche->ui->cbLivraisonManutention->isChecked());
    QCOMPARE(fiche->ui->edtLivraison->text(), QStringLiteral("45,00"));
    QCOMPARE(fiche->PoseDevis().livraison_manutention_prix(), 30.0);
    QCOMPARE(fiche->ui->lblTotalLivraisonHt->text(), QStringLiteral("45,00"));
    for (const TMenuiserie &m : fiche->Menuiseries()) {
        QCOMPARE(m.pose().id(), QStringLiteral("3"));
        QCOMPARE(m.pose().tva().valeur(), 5.5);
        for (const TTarif &t : m.tarifs())
            QCOMPARE(t.tva().valeur(), 5.5);
    }
    // The current item is shown again with its new installation type.
    QCOMPARE(fiche->ui->lvPoseMenuiserie->item(0)->text(),
             QStringLiteral("Rénovation énergétique"));
    QCOMPARE(fiche->ui->lblTvaMenuiserie->text(), QStringLiteral("5,5"));
    QCOMPARE(fiche->ui->lvCategorie->topLevelItem(0)->text(3), QStringLiteral("5,50"));
}

void TestModeNormal::validerEcritLeDevisEtLesDeuxArchives()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    QFile::copy(CheminExemple(QStringLiteral("devis.xml")),
                c.dossier() + QStringLiteral("devis.xml"));
    const QString fichier = c.dossier() + QStringLiteral("devis.xml");
    choisirPose(QStringLiteral("Pose en rénovation"));
    auto fiche = ouvrir(c, fichier);
    const double totalHt = CalculerTotauxDevis(fiche->PoseDevis(), fiche->Menuiseries(),
                                               fiche->QuincailleriesGlobales())
                               .ht;
    const int lignes = fiche->Menuiseries().NbTarifs();
    QSignalSpy fermee(fiche.get(), &QDialog::accepted);
    QTest::mouseClick(fiche->ui->btnValider, Qt::LeftButton);
    QCOMPARE(fermee.count(), 1);

    TPoseLivraison pose;
    TQuincailleries globales(20);
    TMenuiseries relues;
    TLectureEchange lecture;
    LireFichierEchange(fichier, c.dossier() + QStringLiteral("relu"), pose, globales, relues,
                       lecture);
    QVERIFY(lecture.complete);
    QCOMPARE(pose.libelle(), QStringLiteral("Pose en rénovation"));
    QVERIFY(pose.livraison_choix());
    QCOMPARE(relues.NbTarifs(), lignes);
    QCOMPARE(FormatMontant(CalculerTotauxDevis(pose, relues, globales).ht), FormatMontant(totalHt));
    const QStringList archives = QDir(DossierArchives()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(archives.size(), 2);
    QVERIFY(archives.at(0).endsWith(QStringLiteral(".entree.xml")));
    QVERIFY(archives.at(1).endsWith(QStringLiteral(".sortie.xml")));
    QCOMPARE(LireFichier(DossierArchives() + archives.at(1)), LireFichier(fichier));
}

void TestModeNormal::fermerSansValiderNEcritRien()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    QFile::copy(CheminExemple(QStringLiteral("devis.xml")),
                c.dossier() + QStringLiteral("devis.xml"));
    const QString fichier = c.dossier() + QStringLiteral("devis.xml");
    const QByteArray avant = LireFichier(fichier);
    choisirPose(QStringLiteral("Pose en rénovation"));
    auto fiche = ouvrir(c, fichier);
    fiche->close();
    QCOMPARE(LireFichier(fichier), avant);
    const QStringList archives = QDir(DossierArchives()).entryList(QDir::Files);
    QCOMPARE(archives.size(), 1);
    QVERIFY(archives.at(0).endsWith(QStringLiteral(".entree.xml")));
}

void TestModeNormal::lectureInterrompueRefuseDEcrire()
{
    CatalogueTemporaire c(CatalogueTemporaire::Demo);
    const QString tarifMauvaiseTva =
        QStringLiteral("<tarif id=\"1\" libelle=\"L\" prix=\"10\"><tva type_tva=\"x\"/></tarif>");
    const QString fichier = ecrireDevis(
        c.dossier(),
        poseDevisXml(QStringLiteral("1"), QStringLiteral("Pose"), QString(), 2,
                     QStringLiteral("10")) +
            QStringLiteral("<menuiseries>") + menuiserie(QStringLiteral("Lue"), Fenetre) +
            menuiserie(QStringLiteral("Coupée"), Fenetre, tarifMauvaiseTva) +
            menuiserie(QStringLiteral("Perdue"), Fenetre) + QStringLiteral("</menuiseries>"));
    const QByteArray avant = LireFichier(fichier);
    remplirTva(c.dm);
    TFicheModeNormal fiche(c.dm);
    fiche.SetFichierRecuperation(fichier);
    QVERIFY_THROWS_EXCEPTION(EConvertError, fiche.FormActivate());
    // What was read can be looked at...
    QCOMPARE(fiche.ui->lvListe->topLevelItemCount(), 1);
    QCOMPARE(fiche.MenuiserieCourante(), &fiche.Menuiseries()[0]);
    // ... but is never written over the host's file.
    QVERIFY(!fiche.LectureComplete());
    fiche.btnValiderClick();
    const QStringList messages = utilisateur.prendreMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.at(0).startsWith(QStringLiteral("Le devis n'a pas pu être lu entièrement")));
    QCOMPARE(LireFichier(fichier), avant);
    // A later activation does not read the file a second time.
    fiche.FormActivate();
    QCOMPARE(fiche.Menuiseries().Count(), 1);
}

ORVANE_TEST_MAIN(TestModeNormal)
#include "test_modenormal.moc"
