#include "Capture.h"
#include "CatalogueTemporaire.h"
#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "catalogue/TObjectCode.h"
#include "model/TMenuiserie.h"
#include "pricing/ContraintesCategorie.h"
#include "pricing/TFichePoseChoix.h"
#include "pricing/TFichePoseurChoix.h"
#include "pricing/TFicheTarifChoix.h"

#include "ui_TFichePoseChoix.h"
#include "ui_TFichePoseurChoix.h"
#include "ui_TFicheTarifChoix.h"

#include <QStyle>

namespace {
// "NOM=valeur" entries become the item's properties.
void donnerProprietes(TMenuiserie &menuiserie, const QStringList &proprietes)
{
    for (const QString &propriete : proprietes) {
        const int egal = propriete.indexOf(u'=');
        menuiserie.proprietes().Add(propriete.left(egal), propriete.mid(egal + 1));
    }
}

QString litteral(const QString &texte)
{
    QString echappe = texte;
    return u'\'' + echappe.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// The operands of a new catalogue, plus one the constraint rule does not know.
int operande(const QString &code)
{
    const QStringList codes = {QStringLiteral("PERIMETRE"),       QStringLiteral("HAUTEUR"),
                               QStringLiteral("LARGEUR"),         QStringLiteral("VANTAIL"),
                               QStringLiteral("LARGEUR_VANTAIL"), QStringLiteral("EPAISSEUR")};
    return int(codes.indexOf(code)) + 1;
}

void ajouterOperandeInconnu(CatalogueTemporaire &catalogue)
{
    catalogue.executer(QStringLiteral(
        "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (6, 'Epaisseur', 'EPAISSEUR')"));
}

// "CODE|operateur|valeur": the operator and the value are stored as written, blanks included.
void ajouterContrainte(CatalogueTemporaire &catalogue, int idCategorie, const QString &contrainte)
{
    const QStringList parties = contrainte.split(u'|');
    catalogue.executer(QStringLiteral("INSERT INTO CategorieContrainte (IdCategorie, IdOperande, "
                                      "Operateur, Valeur) VALUES (%1, %2, %3, %4)")
                           .arg(idCategorie)
                           .arg(operande(parties.at(0)))
                           .arg(litteral(parties.at(1)), litteral(parties.at(2))));
}

// A catalogue of every case the tariff list must tell apart. Types: 1 "Fenêtre" (host code
// 10101), 2 "Volet roulant" (10300), 3 "Porte d'entrée" (a code holding an apostrophe).
// Categories 13 (no type) and 14 (a type that is gone) are never listed.
void remplirCatalogueTarifs(CatalogueTemporaire &c)
{
    c.executer(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                              "KestrovaLibelle) VALUES (1, 'Fenêtre', '10101')"));
    c.executer(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                              "KestrovaLibelle) VALUES (2, 'Volet roulant', '10300')"));
    c.executer(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                              "KestrovaLibelle) VALUES (3, 'Porte d''entrée', '10''50')"));
    const struct {
        int id;
        const char *libelle;
        int type;
    } categories[] = {{10, "2 vantaux", 1},     {11, "", 1},          {12, "motorisé", 2},
                      {13, "sans type", -1},    {14, "disparue", 99}, {15, "standard", 3},
                      {16, "grande hauteur", 1}};
    for (const auto &categorie : categories)
        c.executer(QStringLiteral("INSERT INTO Categorie (IdCategorie, Libelle, IdCategorieType) "
                                  "VALUES (%1, %2, %3)")
                       .arg(categorie.id)
                       .arg(litteral(QString::fromUtf8(categorie.libelle)))
                       .arg(categorie.type));
    ajouterContrainte(c, 10, QStringLiteral("VANTAIL|=|2"));
    ajouterContrainte(c, 16, QStringLiteral("HAUTEUR|>=|2000"));
    // IdTarif, IdPose, IdCategorie, IdPoseur, Prix: identifier order is not label order.
    const char *const tarifs[] = {"1, 1, 12, 0, 150", "2, 1, 10, 0, 185", "3, 1, 13, 0, 99",
                                  "4, 1, 11, 0, 120", "5, 1, 14, 0, 77",  "6, 1, 10, 1, 130",
                                  "7, 2, 10, 0, 170", "8, 1, 15, 0, 380", "9, 1, 16, 0, 260"};
    for (const char *tarif : tarifs)
        c.executer(QStringLiteral("INSERT INTO Tarif (IdTarif, IdPose, IdCategorie, IdPoseur, "
                                  "Prix) VALUES (") +
                   QString::fromLatin1(tarif) + u')');
}

// The rows of a tariff or installer list as "code|column 0|column 1...".
QStringList lignes(const QTreeWidget &liste)
{
    QStringList resultat;
    for (int i = 0; i < liste.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *ligne = liste.topLevelItem(i);
        QStringList cellules{CodeDe(ObjetDe(ligne))};
        for (int colonne = 0; colonne < liste.columnCount(); ++colonne)
            cellules << ligne->text(colonne);
        resultat << cellules.join(u'|');
    }
    return resultat;
}

QStringList selection(const QTreeWidget &liste)
{
    QStringList resultat;
    for (const QTreeWidgetItem *ligne : liste.selectedItems())
        resultat << ligne->text(0);
    return resultat;
}

// A point of the list's viewport below its last row.
QPoint zoneVide(const QTreeWidget &liste)
{
    const int n = liste.topLevelItemCount();
    const int bas = n ? liste.visualItemRect(liste.topLevelItem(n - 1)).bottom() : 0;
    return QPoint(20, bas + 20);
}

QPoint centreLigne(const QTreeWidget &liste, int index)
{
    return liste.visualItemRect(liste.topLevelItem(index)).center();
}

void insererPose(CatalogueTemporaire &c, int id, const QString &libelle)
{
    c.executer(QStringLiteral("INSERT INTO Pose (IdPose, Libelle) VALUES (%1, %2)")
                   .arg(id)
                   .arg(litteral(libelle)));
}
} // namespace

class TestChoix : public QObject {
    Q_OBJECT
private slots:
    void init() { utilisateur.reinitialiser(); }
    void cleanup() { VERIFIER_UTILISATEUR(utilisateur); }

    void contraintes_data();
    void contraintes();
    void listeTarifs_data();
    void listeTarifs();
    void activationAfficheLesDimensions();
    void dimensionNonEntiereArreteActivation();
    void choixDuPrix_data();
    void choixDuPrix();
    void doubleClicSansSelection();
    void preselectionDuTarif();
    void choixPose_data();
    void choixPose();
    void choixPoseCatalogueVide();
    void poseursParNom();
    void clicSurLaZoneVideDesPoseurs();
    void captures();

private:
    UtilisateurScripte utilisateur;
};

// Each row: the category's constraints ("CODE|operateur|valeur"), the item's properties, and
// whether the category is offered. A row with one constraint also checks EvaluerContrainte alone.
void TestChoix::contraintes_data()
{
    QTest::addColumn<QStringList>("contraintesCategorie");
    QTest::addColumn<QStringList>("proprietes");
    QTest::addColumn<bool>("autorisee");

    const QStringList entre1000et2000 = {QStringLiteral("HAUTEUR|>=|1000"),
                                         QStringLiteral("HAUTEUR|<|2000")};
    QTest::newRow("hauteur 1500 entre 1000 et 2000")
        << entre1000et2000 << QStringList{QStringLiteral("HAUTEUR=1500")} << true;
    QTest::newRow("hauteur 2000 hors de [1000, 2000[")
        << entre1000et2000 << QStringList{QStringLiteral("HAUTEUR=2000")} << false;
    QTest::newRow("sans hauteur, la hauteur vaut 0")
        << entre1000et2000 << QStringList{QStringLiteral("LARGEUR=1500")} << false;
    QTest::newRow("nom de propriété en minuscules")
        << entre1000et2000 << QStringList{QStringLiteral("hauteur=1999")} << true;
    QTest::newRow("aucune contrainte") << QStringList() << QStringList() << true;

    QTest::newRow("= tenu") << QStringList{QStringLiteral("VANTAIL|=|2")}
                            << QStringList{QStringLiteral("VANTAIL=2")} << true;
    QTest::newRow("= manqué") << QStringList{QStringLiteral("VANTAIL|=|2")}
                              << QStringList{QStringLiteral("VANTAIL=3")} << false;
    QTest::newRow("> à la limite") << QStringList{QStringLiteral("LARGEUR|>|1200")}
                                   << QStringList{QStringLiteral("LARGEUR=1200")} << false;
    QTest::newRow("<= à la limite") << QStringList{QStringLiteral("LARGEUR|<=|1200")}
                                    << QStringList{QStringLiteral("LARGEUR=1200")} << true;
    QTest::newRow("périmètre explicite")
        << QStringList{QStringLiteral("PERIMETRE|<=|6000")}
        << QStringList{QStringLiteral("PERIMETRE=5000"), QStringLiteral("HAUTEUR=9000")} << true;
    QTest::newRow("opérateur =>") << QStringList{QStringLiteral("HAUTEUR|=>|1000")}
                                  << QStringList{QStringLiteral("HAUTEUR=1500")} << false;
    QTest::newRow("opérateur précédé d'un blanc")
        << QStringList{QStringLiteral("HAUTEUR| >|1000")}
        << QStringList{QStringLiteral("HAUTEUR=1500")} << false;

    const QStringList parVantail600 = {QStringLiteral("LARGEUR_VANTAIL|<=|600")};
    QTest::newRow("1250 / 2 = 625 > 600")
        << parVantail600 << QStringList{QStringLiteral("LARGEUR=1250"), QStringLiteral("VANTAIL=2")}
        << false;
    QTest::newRow("1250 / 3 = 416 <= 600")
        << parVantail600 << QStringList{QStringLiteral("LARGEUR=1250"), QStringLiteral("VANTAIL=3")}
        << true;
    QTest::newRow("largeur par vantail sans vantail")
        << parVantail600 << QStringList{QStringLiteral("LARGEUR=1250")} << false;
    QTest::newRow("largeur par vantail avec 0 vantail")
        << parVantail600 << QStringList{QStringLiteral("LARGEUR=1250"), QStringLiteral("VANTAIL=0")}
        << false;
    QTest::newRow("division entière : 1201 / 2 = 600")
        << parVantail600 << QStringList{QStringLiteral("LARGEUR=1201"), QStringLiteral("VANTAIL=2")}
        << true;

    QTest::newRow("opérande inconnu") << QStringList{QStringLiteral("EPAISSEUR|>=|0")}
                                      << QStringList{QStringLiteral("EPAISSEUR=50")} << false;
    QTest::newRow("contrainte inconnue après une contrainte tenue")
        << QStringList{QStringLiteral("HAUTEUR|>=|1000"), QStringLiteral("EPAISSEUR|>=|0")}
        << QStringList{QStringLiteral("HAUTEUR=1500")} << false;

    // A limit that is not a whole number counts as 0.
    QTest::newRow("limite \"1 000\" vaut 0 : 5 >= 0")
        << QStringList{QStringLiteral("HAUTEUR|>=|1 000")}
        << QStringList{QStringLiteral("HAUTEUR=5")} << true;
    QTest::newRow("limite \"1 000\" vaut 0 : 500 < 0 faux")
        << QStringList{QStringLiteral("HAUTEUR|<|1 000")}
        << QStringList{QStringLiteral("HAUTEUR=500")} << false;
    QTest::newRow("limite \"12,5\" vaut 0") << QStringList{QStringLiteral("VANTAIL|>|12,5")}
                                            << QStringList{QStringLiteral("VANTAIL=1")} << true;
    QTest::newRow("valeur de l'article non entière vaut 0")
        << QStringList{QStringLiteral("HAUTEUR|<|10")}
        << QStringList{QStringLiteral("HAUTEUR=1500,5")} << true;
}

void TestChoix::contraintes()
{
    QFETCH(QStringList, contraintesCategorie);
    QFETCH(QStringList, proprietes);
    QFETCH(bool, autorisee);

    CatalogueTemporaire catalogue;
    ajouterOperandeInconnu(catalogue);
    catalogue.executer(QStringLiteral(
        "INSERT INTO Categorie (IdCategorie, Libelle, IdCategorieType) VALUES (7, 'c', -1)"));
    for (const QString &contrainte : contraintesCategorie)
        ajouterContrainte(catalogue, 7, contrainte);
    // A constraint of another category must not count.
    ajouterContrainte(catalogue, 8, QStringLiteral("HAUTEUR|<|0"));
    TMenuiserie menuiserie;
    donnerProprietes(menuiserie, proprietes);

    QCOMPARE(CategorieAutorisee(catalogue.dm, QStringLiteral("7"), menuiserie), autorisee);
    if (contraintesCategorie.size() == 1) {
        const QStringList parties = contraintesCategorie.first().split(u'|');
        QCOMPARE(EvaluerContrainte(parties.at(0), parties.at(1), parties.at(2), menuiserie),
                 autorisee);
    }
}

void TestChoix::listeTarifs_data()
{
    QTest::addColumn<QStringList>("proprietes");
    QTest::addColumn<bool>("sansFiltrage");
    QTest::addColumn<QStringList>("attendues");

    const QString fenetre2 = QStringLiteral("2|Fenêtre 2 vantaux|185,00");
    const QString fenetre = QStringLiteral("4|Fenêtre|120,00");
    const QString volet = QStringLiteral("1|Volet roulant motorisé|150,00");
    const QString porte = QStringLiteral("8|Porte d'entrée standard|380,00");
    const QString grande = QStringLiteral("9|Fenêtre grande hauteur|260,00");
    const QStringList fenetre1500 = {QStringLiteral("KESTROVA_LIBELLE_CODE=10101"),
                                     QStringLiteral("VANTAIL=2"), QStringLiteral("HAUTEUR=1500")};

    QTest::newRow("code et contraintes") << fenetre1500 << false << QStringList{fenetre2, fenetre};
    QTest::newRow("sans filtrage : tous les types, jamais sans type")
        << fenetre1500 << true << QStringList{volet, fenetre2, fenetre, porte, grande};
    QTest::newRow("autre nombre de vantaux")
        << QStringList{QStringLiteral("KESTROVA_LIBELLE_CODE=10101"), QStringLiteral("VANTAIL=3")}
        << false << QStringList{fenetre};
    QTest::newRow("sans code, les contraintes seules")
        << QStringList{QStringLiteral("VANTAIL=2"), QStringLiteral("HAUTEUR=2100")} << false
        << QStringList{volet, fenetre2, fenetre, porte, grande};
    QTest::newRow("code avec une apostrophe")
        << QStringList{QStringLiteral("KESTROVA_LIBELLE_CODE=10'50")} << false
        << QStringList{porte};
    QTest::newRow("code d'aucun type")
        << QStringList{QStringLiteral("KESTROVA_LIBELLE_CODE=99999")} << false << QStringList();
}

// The list as the user sees it after opening the dialog and, for some rows, clicking "Sans
// filtrage": the general tariffs of the installation type, in identifier order.
void TestChoix::listeTarifs()
{
    QFETCH(QStringList, proprietes);
    QFETCH(bool, sansFiltrage);
    QFETCH(QStringList, attendues);

    CatalogueTemporaire catalogue;
    remplirCatalogueTarifs(catalogue);
    TMenuiserie menuiserie;
    donnerProprietes(menuiserie, proprietes);

    TFicheTarifChoix fiche(catalogue.dm);
    fiche.SetMenuiserie(menuiserie);
    fiche.SetIdPose(QStringLiteral("1"));
    QStringList vues;
    utilisateur.piloterDialogue(QStringLiteral("TFicheTarifChoix"), [&](QDialog &dialogue) {
        dialogue.show();
        auto &f = static_cast<TFicheTarifChoix &>(dialogue);
        if (sansFiltrage)
            QTest::mouseClick(f.ui->cbSansFiltrage, Qt::LeftButton);
        vues = lignes(*f.ui->lvListe);
        return int(QDialog::Rejected);
    });
    QCOMPARE(ExecuterModal(fiche), int(QDialog::Rejected));
    QCOMPARE(vues, attendues);
}

void TestChoix::activationAfficheLesDimensions()
{
    CatalogueTemporaire catalogue;
    TMenuiserie menuiserie;
    donnerProprietes(menuiserie, {QStringLiteral("HAUTEUR=1350"), QStringLiteral("LARGEUR= 1200"),
                                  QStringLiteral("VANTAIL=2"), QStringLiteral("PERIMETRE=1")});
    TFicheTarifChoix fiche(catalogue.dm);
    QCOMPARE(fiche.ui->lblHauteur->text(), QStringLiteral("0"));
    fiche.SetMenuiserie(menuiserie);
    fiche.FormActivate();
    QCOMPARE(fiche.ui->lblHauteur->text(), QStringLiteral("1350"));
    QCOMPARE(fiche.ui->lblLargeur->text(), QStringLiteral("1200"));
    QCOMPARE(fiche.ui->lblVantail->text(), QStringLiteral("2"));
    // Always two heights and two widths, whatever PERIMETRE says.
    QCOMPARE(fiche.ui->lblPerimetre->text(), QStringLiteral("5100"));
}

// The dialog's own dimensions are read strictly: the error box shows the conversion error and the
// list stays empty, although the constraint rule would have counted the value as 0.
void TestChoix::dimensionNonEntiereArreteActivation()
{
    CatalogueTemporaire catalogue;
    remplirCatalogueTarifs(catalogue);
    TMenuiserie menuiserie;
    donnerProprietes(menuiserie, {QStringLiteral("HAUTEUR=1500"), QStringLiteral("LARGEUR=12,5")});
    TFicheTarifChoix fiche(catalogue.dm);
    fiche.SetMenuiserie(menuiserie);
    fiche.SetIdPose(QStringLiteral("1"));
    int rangees = -1;
    utilisateur.piloterDialogue(QStringLiteral("TFicheTarifChoix"), [&](QDialog &dialogue) {
        dialogue.show();
        rangees = static_cast<TFicheTarifChoix &>(dialogue).ui->lvListe->topLevelItemCount();
        return int(QDialog::Rejected);
    });
    ExecuterModal(fiche);
    QCOMPARE(rangees, 0);
    const QStringList erreurs = utilisateur.prendreErreurs();
    QCOMPARE(erreurs.size(), 1);
    QVERIFY2(erreurs.first().contains(QStringLiteral("12,5")), qPrintable(erreurs.first()));
}

void TestChoix::choixDuPrix_data()
{
    QTest::addColumn<QVariant>("prixCatalogue");
    QTest::addColumn<QString>("cellule");
    QTest::addColumn<double>("prixChoisi");

    QTest::newRow("prix nul") << QVariant() << QString() << 0.0;
    QTest::newRow("prix ordinaire") << QVariant(1234.5) << QStringLiteral("1234,50") << 1234.5;
    QTest::newRow("le prix affiché, arrondi")
        << QVariant(99.996) << QStringLiteral("100,00") << 100.0;
    QTest::newRow("prix zéro") << QVariant(0.0) << QStringLiteral("0,00") << 0.0;
}

// A double click on a row chooses it: identifier, caption and the displayed price.
void TestChoix::choixDuPrix()
{
    QFETCH(QVariant, prixCatalogue);
    QFETCH(QString, cellule);
    QFETCH(double, prixChoisi);

    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("INSERT INTO CategorieType (IdCategorieType, Libelle, "
                                      "KestrovaLibelle) VALUES (1, 'Volet battant', '10200')"));
    catalogue.executer(QStringLiteral("INSERT INTO Categorie (IdCategorie, Libelle, "
                                      "IdCategorieType) VALUES (5, '2 vantaux', 1)"));
    catalogue.executer(QStringLiteral("INSERT INTO Tarif (IdTarif, IdPose, IdCategorie, IdPoseur, "
                                      "Prix) VALUES (42, 3, 5, 0, %1)")
                           .arg(prixCatalogue.isNull()
                                    ? QStringLiteral("NULL")
                                    : QString::number(prixCatalogue.toDouble(), 'g', 17)));
    const int objetsAvant = NombreObjetsCode();
    TMenuiserie menuiserie;
    {
        TFicheTarifChoix fiche(catalogue.dm);
        fiche.SetMenuiserie(menuiserie);
        fiche.SetIdPose(QStringLiteral("3"));
        QString vue;
        utilisateur.piloterDialogue(QStringLiteral("TFicheTarifChoix"), [&](QDialog &dialogue) {
            dialogue.show();
            QTreeWidget &liste = *static_cast<TFicheTarifChoix &>(dialogue).ui->lvListe;
            vue = lignes(liste).join(u';');
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, centreLigne(liste, 0));
            QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, centreLigne(liste, 0));
            return dialogue.result();
        });
        QCOMPARE(ExecuterModal(fiche), int(QDialog::Accepted));
        QCOMPARE(vue, QStringLiteral("42|Volet battant 2 vantaux|") + cellule);
        QCOMPARE(fiche.GetIdTarif(), QStringLiteral("42"));
        QCOMPARE(fiche.GetLibelle(), QStringLiteral("Volet battant 2 vantaux"));
        QCOMPARE(fiche.GetPrix(), prixChoisi);
        // Closing freed the rows' objects.
        QCOMPARE(NombreObjetsCode(), objetsAvant);
    }
    QCOMPARE(NombreObjetsCode(), objetsAvant);
}

void TestChoix::doubleClicSansSelection()
{
    CatalogueTemporaire catalogue;
    remplirCatalogueTarifs(catalogue);
    TMenuiserie menuiserie;
    TFicheTarifChoix fiche(catalogue.dm);
    fiche.SetMenuiserie(menuiserie);
    fiche.SetIdPose(QStringLiteral("1"));
    QStringList messages;
    bool ouverte = false;
    int rangees = 0;
    utilisateur.piloterDialogue(QStringLiteral("TFicheTarifChoix"), [&](QDialog &dialogue) {
        dialogue.show();
        QTreeWidget &liste = *static_cast<TFicheTarifChoix &>(dialogue).ui->lvListe;
        rangees = liste.topLevelItemCount();
        QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, zoneVide(liste));
        messages = utilisateur.prendreMessages();
        ouverte = dialogue.isVisible();
        QTest::mouseClick(static_cast<TFicheTarifChoix &>(dialogue).ui->btnFermer, Qt::LeftButton);
        return dialogue.result();
    });
    QCOMPARE(ExecuterModal(fiche), int(QDialog::Rejected));
    QVERIFY(rangees > 0);
    QCOMPARE(messages, QStringList{QStringLiteral("Veuillez sélectionner un tarif")});
    QVERIFY(ouverte);
    QCOMPARE(fiche.GetIdTarif(), QString());
}

// The tariff given on entry is selected; a double click anywhere in the list then chooses it.
void TestChoix::preselectionDuTarif()
{
    CatalogueTemporaire catalogue;
    remplirCatalogueTarifs(catalogue);
    TMenuiserie menuiserie;
    TFicheTarifChoix fiche(catalogue.dm);
    fiche.SetMenuiserie(menuiserie);
    fiche.SetIdPose(QStringLiteral("1"));
    fiche.SetIdTarif(QStringLiteral("8"));
    QStringList selectionnes;
    utilisateur.piloterDialogue(QStringLiteral("TFicheTarifChoix"), [&](QDialog &dialogue) {
        dialogue.show();
        QTreeWidget &liste = *static_cast<TFicheTarifChoix &>(dialogue).ui->lvListe;
        selectionnes = selection(liste);
        QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, zoneVide(liste));
        return dialogue.result();
    });
    QCOMPARE(ExecuterModal(fiche), int(QDialog::Accepted));
    QCOMPARE(selectionnes, QStringList{QStringLiteral("Porte d'entrée standard")});
    QCOMPARE(fiche.GetIdTarif(), QStringLiteral("8"));
    QCOMPARE(fiche.GetPrix(), 380.0);
}

void TestChoix::choixPose_data()
{
    QTest::addColumn<QString>("idEntree");
    QTest::addColumn<QString>("preselection");
    QTest::addColumn<QString>("idChoisi"); // "" when "Valider" must refuse

    QTest::newRow("sans identifiant, la première par libellé")
        << QString() << QStringLiteral("Dépose totale") << QStringLiteral("2");
    QTest::newRow("identifiant connu")
        << QStringLiteral("3") << QStringLiteral("Pose en neuf") << QStringLiteral("3");
    QTest::newRow("identifiant disparu") << QStringLiteral("99") << QString() << QString();
}

void TestChoix::choixPose()
{
    QFETCH(QString, idEntree);
    QFETCH(QString, preselection);
    QFETCH(QString, idChoisi);

    CatalogueTemporaire catalogue;
    insererPose(catalogue, 1, QStringLiteral("Pose en rénovation"));
    insererPose(catalogue, 2, QStringLiteral("Dépose totale"));
    insererPose(catalogue, 3, QStringLiteral("Pose en neuf"));
    TFichePoseChoix fiche(catalogue.dm);
    fiche.SetIdPose(idEntree);
    fiche.SetImages({fiche.style()->standardIcon(QStyle::SP_DirHomeIcon)});
    fiche.RemplirListe();

    QStringList libelles;
    QString preselectionVue;
    QStringList messages;
    bool iconesPresentes = true;
    utilisateur.piloterDialogue(QStringLiteral("TFichePoseChoix"), [&](QDialog &dialogue) {
        auto &f = static_cast<TFichePoseChoix &>(dialogue);
        dialogue.show();
        for (int i = 0; i < f.ui->lvListe->count(); ++i) {
            libelles << f.ui->lvListe->item(i)->text();
            iconesPresentes = iconesPresentes && !f.ui->lvListe->item(i)->icon().isNull();
        }
        const auto choisies = f.ui->lvListe->selectedItems();
        preselectionVue = choisies.isEmpty() ? QString() : choisies.first()->text();
        QTest::mouseClick(f.ui->btnValider, Qt::LeftButton);
        messages = utilisateur.prendreMessages();
        if (dialogue.isVisible())
            QTest::mouseClick(f.ui->btnFermer, Qt::LeftButton);
        return dialogue.result();
    });
    const int resultat = ExecuterModal(fiche);
    QCOMPARE(libelles, (QStringList{QStringLiteral("Dépose totale"), QStringLiteral("Pose en neuf"),
                                    QStringLiteral("Pose en rénovation")}));
    QVERIFY(iconesPresentes);
    QCOMPARE(preselectionVue, preselection);
    if (idChoisi.isEmpty()) {
        QCOMPARE(messages, QStringList{QStringLiteral("Veuillez sélectionner une pose.")});
        QCOMPARE(resultat, int(QDialog::Rejected));
    } else {
        QCOMPARE(messages, QStringList());
        QCOMPARE(resultat, int(QDialog::Accepted));
        QCOMPARE(fiche.GetIdPose(), idChoisi);
    }
}

void TestChoix::choixPoseCatalogueVide()
{
    CatalogueTemporaire catalogue;
    TFichePoseChoix fiche(catalogue.dm);
    fiche.RemplirListe(); // no image list given
    int entrees = -1;
    QStringList messages;
    bool ouverte = false;
    utilisateur.piloterDialogue(QStringLiteral("TFichePoseChoix"), [&](QDialog &dialogue) {
        auto &f = static_cast<TFichePoseChoix &>(dialogue);
        dialogue.show();
        entrees = f.ui->lvListe->count();
        QTest::mouseClick(f.ui->btnValider, Qt::LeftButton);
        messages = utilisateur.prendreMessages();
        ouverte = dialogue.isVisible();
        QTest::mouseClick(f.ui->btnFermer, Qt::LeftButton);
        return dialogue.result();
    });
    QCOMPARE(ExecuterModal(fiche), int(QDialog::Rejected));
    QCOMPARE(entrees, 0);
    QCOMPARE(messages, QStringList{QStringLiteral("Veuillez sélectionner une pose.")});
    QVERIFY(ouverte);
}

// Listed by name whatever their code, with the cells in the columns' order; a click on a row
// chooses it at once.
void TestChoix::poseursParNom()
{
    CatalogueTemporaire catalogue;
    const char *const poseurs[] = {
        "5, 'A01', 'Lefèvre Pose', '12 rue des Tilleuls', 'ZA du Moulin', '44300', 'Nantes', "
        "'81234567800015', 'E-E1'",
        "6, 'Z99', 'Atelier Garnier', '5 impasse des Acacias', '', '49000', 'Angers', "
        "'52345678900021', 'E-E2'",
        "7, 'M50', 'Bernard Habitat', '28 avenue de la Gare', 'Bâtiment B', '85000', "
        "'La Roche-sur-Yon', '43456789000034', NULL"};
    for (const char *poseur : poseurs)
        catalogue.executer(QStringLiteral("INSERT INTO Poseur (IdPoseur, Code, Nom, Rue1, Rue2, "
                                          "Cp, Ville, Siret, RGE) VALUES (") +
                           QString::fromUtf8(poseur) + u')');
    const int objetsAvant = NombreObjetsCode();
    {
        TFichePoseurChoix fiche(catalogue.dm);
        fiche.SetIdPoseur(QStringLiteral("5")); // nothing is preselected from it
        const QStringList attendues = {
            QStringLiteral("6|Z99|Atelier Garnier|5 impasse des Acacias||49000|Angers|E-E2|"
                           "52345678900021"),
            QStringLiteral("7|M50|Bernard Habitat|28 avenue de la Gare|Bâtiment B|85000|"
                           "La Roche-sur-Yon||43456789000034"),
            QStringLiteral("5|A01|Lefèvre Pose|12 rue des Tilleuls|ZA du Moulin|44300|Nantes|E-E1|"
                           "81234567800015")};
        QCOMPARE(lignes(*fiche.ui->lvListe), attendues);
        QCOMPARE(selection(*fiche.ui->lvListe), QStringList());

        utilisateur.piloterDialogue(QStringLiteral("TFichePoseurChoix"), [&](QDialog &dialogue) {
            dialogue.show();
            QTreeWidget &liste = *static_cast<TFichePoseurChoix &>(dialogue).ui->lvListe;
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, centreLigne(liste, 1));
            return dialogue.result();
        });
        QCOMPARE(ExecuterModal(fiche), int(QDialog::Accepted));
        QCOMPARE(fiche.GetIdPoseur(), QStringLiteral("7"));
    }
    QCOMPARE(NombreObjetsCode(), objetsAvant);
}

void TestChoix::clicSurLaZoneVideDesPoseurs()
{
    CatalogueTemporaire catalogue;
    catalogue.executer(
        QStringLiteral("INSERT INTO Poseur (IdPoseur, Code, Nom) VALUES (1, 'P1', 'Seul')"));
    TFichePoseurChoix fiche(catalogue.dm);
    QStringList messages;
    bool ouverte = false;
    utilisateur.piloterDialogue(QStringLiteral("TFichePoseurChoix"), [&](QDialog &dialogue) {
        dialogue.show();
        auto &f = static_cast<TFichePoseurChoix &>(dialogue);
        QTest::mouseClick(f.ui->lvListe->viewport(), Qt::LeftButton, {}, zoneVide(*f.ui->lvListe));
        messages = utilisateur.prendreMessages();
        ouverte = dialogue.isVisible();
        QTest::mouseClick(f.ui->btnFermer, Qt::LeftButton);
        return dialogue.result();
    });
    QCOMPARE(ExecuterModal(fiche), int(QDialog::Rejected));
    QCOMPARE(messages, QStringList{QStringLiteral("Veuillez sélectionner un poseur")});
    QVERIFY(ouverte);
    QCOMPARE(fiche.GetIdPoseur(), QString());
}

// The three dialogs on the demo catalogue, written under build/captures for a look.
void TestChoix::captures()
{
    CatalogueTemporaire catalogue(CatalogueTemporaire::Demo);
    TMenuiserie menuiserie;
    donnerProprietes(menuiserie,
                     {QStringLiteral("KESTROVA_LIBELLE_CODE=10101"), QStringLiteral("HAUTEUR=1350"),
                      QStringLiteral("LARGEUR=1200"), QStringLiteral("VANTAIL=2")});

    TFicheTarifChoix tarifs(catalogue.dm);
    tarifs.SetMenuiserie(menuiserie);
    tarifs.SetIdPose(QStringLiteral("1"));
    tarifs.show();
    QTest::mouseClick(tarifs.ui->cbSansFiltrage, Qt::LeftButton);
    QVERIFY(tarifs.ui->lvListe->topLevelItemCount() > 5);
    tarifs.ui->lvListe->setCurrentItem(tarifs.ui->lvListe->topLevelItem(2));
    QVERIFY(!CapturerFenetre(tarifs, QStringLiteral("TFicheTarifChoix")).isEmpty());

    TFichePoseChoix poses(catalogue.dm);
    poses.SetImages({poses.style()->standardIcon(QStyle::SP_DirHomeIcon)});
    poses.RemplirListe();
    poses.show();
    QVERIFY(!CapturerFenetre(poses, QStringLiteral("TFichePoseChoix")).isEmpty());

    TFichePoseurChoix poseurs(catalogue.dm);
    poseurs.show();
    QVERIFY(poseurs.ui->lvListe->topLevelItemCount() >= 3);
    QVERIFY(!CapturerFenetre(poseurs, QStringLiteral("TFichePoseurChoix")).isEmpty());
}

ORVANE_TEST_MAIN(TestChoix)
#include "test_choix.moc"
