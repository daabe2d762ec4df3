#include "TestMain.h"

#include "model/TListeObjets.h"
#include "model/TMenuiserie.h"
#include "model/TMenuiseries.h"
#include "model/TPose.h"
#include "model/TPoseMenuiserie.h"
#include "model/TPropriete.h"
#include "model/TProprietes.h"
#include "model/TQuincaillerie.h"
#include "model/TQuincailleries.h"
#include "model/TTarif.h"
#include "model/TTarifs.h"
#include "model/TTva.h"

#include "platform/Erreurs.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace {

// An element that counts its live instances, to see what a list frees and when.
struct Compte {
    static int vivants;
    int valeur = 0;
    Compte() { ++vivants; }
    explicit Compte(int v)
        : valeur(v)
    {
        ++vivants;
    }
    ~Compte() { --vivants; }
    Compte(const Compte &) = delete;
    Compte &operator=(const Compte &) = delete;
};
int Compte::vivants = 0;

TQuincaillerie &AjouterQuincaillerie(TQuincailleries &liste, const QString &id, double vente,
                                     double achat, double quantite)
{
    TQuincaillerie &ligne = liste.Ajouter();
    ligne.setId(id);
    ligne.setTarif_vente(vente);
    ligne.setTarif_achat(achat);
    ligne.setQuantite(quantite);
    return ligne;
}

TTarif &AjouterTarif(TTarifs &tarifs, double prix, double taux, double poseurPrix)
{
    TTarif &tarif = tarifs.Ajouter();
    tarif.setPrix(prix);
    tarif.tva().setValeur(taux);
    tarif.setPoseur_prix(poseurPrix);
    return tarif;
}

// The example line: 200 at 5,5 %, installer paid 120, one hardware line of 3 units at 10 (6 to
// buy).
TTarif &AjouterLigneExemple(TTarifs &tarifs, bool incluse)
{
    TTarif &tarif = AjouterTarif(tarifs, 200, 5.5, 120);
    AjouterQuincaillerie(tarif.quincailleries(), QStringLiteral("7"), 10, 6, 3);
    tarif.setQuincaillerie_incluse(incluse);
    return tarif;
}

// "ID=valeur" pairs, in order.
void RemplirProprietes(TProprietes &proprietes, const QStringList &paires)
{
    for (const QString &paire : paires) {
        const int egal = paire.indexOf(u'=');
        proprietes.Add(paire.left(egal), paire.mid(egal + 1));
    }
}

void RemplirPose(TPose &pose, const QString &id, int typeTva, double taux)
{
    pose.setId(id);
    pose.setLibelle(QStringLiteral("Pose ") + id);
    pose.setCode_export(QStringLiteral("P") + id);
    pose.tva().setType_tva(typeTva);
    pose.tva().setLibelle(QStringLiteral("Taux ") + QString::number(typeTva));
    pose.tva().setValeur(taux);
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void valeursInitiales();

    void listePossedeSesElements();
    void listeIndicesHorsLimites();

    void totauxQuincailleries();
    void chercherQuincaillerie();
    void totauxLigneTarif_data();
    void totauxLigneTarif();
    void totauxPlusieursLignes();

    void totauxMenuiserie_data();
    void totauxMenuiserie();
    void totauxDevis_data();
    void totauxDevis();
    void totauxDevisQuantiteInvalide_data();
    void totauxDevisQuantiteInvalide();
    void nbTarifs();

    void totalLivraison_data();
    void totalLivraison();

    void chercherPropriete_data();
    void chercherPropriete();
    void valeurDe_data();
    void valeurDe();

    void copierQuincaillerie();
    void copierTva();
    void appliquerPose();
    void appliquerTva();
};

void TestModel::valeursInitiales()
{
    const TTva tva;
    QCOMPARE(tva.type_tva(), -1);
    QCOMPARE(tva.libelle(), QString());
    QCOMPARE(tva.valeur(), 0.0);

    TTarif tarif;
    QVERIFY(tarif.quincaillerie_incluse());
    QCOMPARE(tarif.quincailleries().Count(), 0);
    QCOMPARE(tarif.quincailleries().taux_tva(), 20.0);
    QCOMPARE(tarif.tva().type_tva(), -1);
    QCOMPARE(tarif.tva().valeur(), 0.0);
    tarif.setPrix(150);
    QCOMPARE(tarif.PrixTva(), 0.0);
    QCOMPARE(tarif.PrixTtc(), 150.0);

    QCOMPARE(TQuincailleries().taux_tva(), 20.0);
    const TQuincaillerie ligne;
    QCOMPARE(ligne.quantite(), 0.0);
    QCOMPARE(ligne.secable(), 0);
    QCOMPARE(ligne.nb_pieces_ml(), 0.0);

    const TPoseLivraison livraison;
    QVERIFY(!livraison.livraison_choix());
    QVERIFY(!livraison.livraison_compliquee_choix());
    QVERIFY(!livraison.livraison_autorisation_choix());
    QVERIFY(!livraison.livraison_manutention_choix());
    QCOMPARE(livraison.TotalLivraisonHt(), 0.0);
    QVERIFY(livraison.id().isEmpty());
    QCOMPARE(livraison.tva().type_tva(), -1);

    const TMenuiserie menuiserie;
    QCOMPARE(menuiserie.quantite(), 0);
    QVERIFY(menuiserie.pose().id().isEmpty());
    QCOMPARE(menuiserie.pose().tva().type_tva(), -1);
    QCOMPARE(menuiserie.proprietes().Count(), 0);
    QCOMPARE(menuiserie.tarifs().Count(), 0);
    QCOMPARE(menuiserie.TotalTtc(), 0.0);
}

void TestModel::listePossedeSesElements()
{
    Compte::vivants = 0;
    {
        TListeObjets<Compte> liste;
        for (int i = 0; i < 5; ++i)
            liste.Add(std::make_unique<Compte>(i));
        QCOMPARE(Compte::vivants, 5);

        liste.Delete(1);
        QCOMPARE(Compte::vivants, 4);
        QCOMPARE(liste[1].valeur, 2);

        // An element of another list is neither removed nor freed.
        Compte etranger(99);
        QCOMPARE(liste.Remove(&etranger), -1);
        QCOMPARE(Compte::vivants, 5);

        Compte *troisieme = &liste[2];
        QCOMPARE(liste.IndexOf(troisieme), 2);
        QCOMPARE(liste.Remove(troisieme), 2);
        QCOMPARE(liste.IndexOf(troisieme), -1);
        QCOMPARE(Compte::vivants, 4);

        std::unique_ptr<Compte> extrait = liste.Extraire(0);
        QCOMPARE(extrait->valeur, 0);
        QCOMPARE(liste.Count(), 2);
        liste.Insert(1, std::move(extrait));
        QList<int> ordre;
        for (const Compte &c : liste)
            ordre << c.valeur;
        QCOMPARE(ordre, (QList<int>{2, 0, 4}));

        liste.Clear();
        QCOMPARE(liste.Count(), 0);
        QCOMPARE(Compte::vivants, 1);

        liste.Ajouter();
        liste.Ajouter();
        QCOMPARE(Compte::vivants, 3);
    }
    QCOMPARE(Compte::vivants, 0);
}

void TestModel::listeIndicesHorsLimites()
{
    TTarifs tarifs;
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Items(0));
    tarifs.Ajouter();
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs[1]);
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Items(-1));
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Delete(1));
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Extraire(-1));
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Insert(2, std::make_unique<TTarif>()));
    QVERIFY_THROWS_EXCEPTION(EListError, tarifs.Add(nullptr));
    QCOMPARE(tarifs.Count(), 1);
}

void TestModel::totauxQuincailleries()
{
    TQuincailleries vide;
    QCOMPARE(vide.TotalHt(), 0.0);
    QCOMPARE(vide.TotalTtc(), 0.0);

    TQuincailleries liste;
    AjouterQuincaillerie(liste, QStringLiteral("1"), 10, 6, 3);
    AjouterQuincaillerie(liste, QStringLiteral("2"), 4.5, 2.25, 0.5);
    QCOMPARE(liste.TotalAchatHt(), 18 + 1.125);
    QCOMPARE(liste.TotalHt(), 30 + 2.25);
    QCOMPARE(liste.TotalTva(), 6.45);
    QCOMPARE(liste.TotalTtc(), 38.7);
}

void TestModel::chercherQuincaillerie()
{
    TQuincailleries liste;
    TQuincaillerie &premiere = AjouterQuincaillerie(liste, QStringLiteral("A12"), 1, 1, 1);
    AjouterQuincaillerie(liste, QStringLiteral("B"), 2, 2, 2);
    AjouterQuincaillerie(liste, QStringLiteral("A12"), 3, 3, 3);

    QCOMPARE(liste.Chercher(QStringLiteral("A12")), &premiere);
    QCOMPARE(liste.Chercher(QStringLiteral("B"))->tarif_vente(), 2.0);
    QCOMPARE(liste.Chercher(QStringLiteral("a12")), nullptr);
    QCOMPARE(liste.Chercher(QStringLiteral("A1")), nullptr);
    QCOMPARE(liste.Chercher(QString()), nullptr);
    const TQuincailleries &lecture = liste;
    QCOMPARE(lecture.Chercher(QStringLiteral("A12")), &premiere);
}

void TestModel::totauxLigneTarif_data()
{
    QTest::addColumn<double>("prix");
    QTest::addColumn<double>("taux");
    QTest::addColumn<double>("poseurPrix");
    QTest::addColumn<double>("venteQuinc");
    QTest::addColumn<double>("achatQuinc");
    QTest::addColumn<double>("quantiteQuinc");
    QTest::addColumn<bool>("incluse");
    QTest::addColumn<double>("prixTva");
    QTest::addColumn<double>("totalHt");
    QTest::addColumn<double>("totalTva");
    QTest::addColumn<double>("totalTtc");
    QTest::addColumn<double>("totalAchatHt");
    QTest::addColumn<double>("totalQuincaillerieHt");

    QTest::newRow("quincaillerie incluse") << 200.0 << 5.5 << 120.0 << 10.0 << 6.0 << 3.0 << true
                                           << 11.0 << 230.0 << 17.0 << 247.0 << 138.0 << 30.0;
    QTest::newRow("quincaillerie non incluse")
        << 200.0 << 5.5 << 120.0 << 10.0 << 6.0 << 3.0 << false << 11.0 << 200.0 << 11.0 << 211.0
        << 120.0 << 0.0;
    // The hardware is taxed at 20 % whatever the line's rate.
    QTest::newRow("taux de la ligne sans effet sur la quincaillerie")
        << 100.0 << 10.0 << 50.0 << 10.0 << 4.0 << 2.0 << true << 10.0 << 120.0 << 14.0 << 134.0
        << 58.0 << 20.0;
    QTest::newRow("quantité fractionnaire, rien n'est arrondi")
        << 0.0 << 20.0 << 0.0 << 12.5 << 3.3 << 0.333 << true << 0.0 << 4.1625 << 0.8325 << 4.995
        << 1.0989 << 4.1625;
    QTest::newRow("taux jamais choisi") << 150.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << true << 0.0
                                        << 150.0 << 0.0 << 150.0 << 0.0 << 0.0;
    QTest::newRow("TVA de quelques millièmes")
        << 0.125 << 5.5 << 0.1 << 0.0 << 0.0 << 0.0 << true << 0.006875 << 0.125 << 0.006875
        << 0.131875 << 0.1 << 0.0;
}

void TestModel::totauxLigneTarif()
{
    QFETCH(double, prix);
    QFETCH(double, taux);
    QFETCH(double, poseurPrix);
    QFETCH(double, venteQuinc);
    QFETCH(double, achatQuinc);
    QFETCH(double, quantiteQuinc);
    QFETCH(bool, incluse);

    TTarifs tarifs;
    TTarif &tarif = AjouterTarif(tarifs, prix, taux, poseurPrix);
    AjouterQuincaillerie(tarif.quincailleries(), QStringLiteral("1"), venteQuinc, achatQuinc,
                         quantiteQuinc);
    tarif.setQuincaillerie_incluse(incluse);

    QTEST(tarif.PrixTva(), "prixTva");
    QCOMPARE(tarif.PrixTtc(), prix + tarif.PrixTva());
    QCOMPARE(tarif.PrixAchat(), poseurPrix);
    QTEST(tarifs.TotalHt(), "totalHt");
    QTEST(tarifs.TotalTva(), "totalTva");
    QTEST(tarifs.TotalTtc(), "totalTtc");
    QTEST(tarifs.TotalAchatHt(), "totalAchatHt");
    QTEST(tarifs.TotalQuincaillerieHt(), "totalQuincaillerieHt");
    // Excluded hardware stays on the line.
    QCOMPARE(tarif.quincailleries().Count(), 1);
}

void TestModel::totauxPlusieursLignes()
{
    TTarifs tarifs;
    AjouterLigneExemple(tarifs, true);
    AjouterLigneExemple(tarifs, false);
    AjouterTarif(tarifs, 100, 10, 60);
    QCOMPARE(tarifs.TotalHt(), 230.0 + 200 + 100);
    QCOMPARE(tarifs.TotalTva(), 17.0 + 11 + 10);
    QCOMPARE(tarifs.TotalTtc(), 247.0 + 211 + 110);
    QCOMPARE(tarifs.TotalAchatHt(), 138.0 + 120 + 60);
    QCOMPARE(tarifs.TotalQuincaillerieHt(), 30.0);

    tarifs.Delete(0);
    QCOMPARE(tarifs.TotalHt(), 300.0);
    tarifs.Clear();
    QCOMPARE(tarifs.TotalTtc(), 0.0);
}

void TestModel::totauxMenuiserie_data()
{
    QTest::addColumn<int>("quantite");
    QTest::addColumn<bool>("exemple");
    QTest::addColumn<double>("totalHt");
    QTest::addColumn<double>("totalTva");
    QTest::addColumn<double>("totalTtc");
    QTest::addColumn<double>("totalAchatHt");

    // One line of 100 at 10 %, installer paid 60; with "exemple", the example line is added.
    QTest::newRow("quantité 3") << 3 << false << 300.0 << 30.0 << 330.0 << 180.0;
    QTest::newRow("quantité 3 avec quincaillerie") << 3 << true << 990.0 << 81.0 << 1071.0 << 594.0;
    QTest::newRow("quantité 0") << 0 << true << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestModel::totauxMenuiserie()
{
    QFETCH(int, quantite);
    QFETCH(bool, exemple);

    TMenuiserie menuiserie;
    menuiserie.setQuantite(quantite);
    // The item totals use the quantite field, never the QUANTITE property.
    menuiserie.proprietes().Add(QStringLiteral("QUANTITE"), QStringLiteral("7"));
    AjouterTarif(menuiserie.tarifs(), 100, 10, 60);
    if (exemple)
        AjouterLigneExemple(menuiserie.tarifs(), true);

    QTEST(menuiserie.TotalHt(), "totalHt");
    QTEST(menuiserie.TotalTva(), "totalTva");
    QTEST(menuiserie.TotalTtc(), "totalTtc");
    QTEST(menuiserie.TotalAchatHt(), "totalAchatHt");
}

void TestModel::totauxDevis_data()
{
    QTest::addColumn<QString>("quantiteA");
    QTest::addColumn<QString>("quantiteB");
    QTest::addColumn<bool>("incluse");
    QTest::addColumn<double>("totalHt");
    QTest::addColumn<double>("totalTva");
    QTest::addColumn<double>("totalTtc");
    QTest::addColumn<double>("totalAchatHt");
    QTest::addColumn<double>("totalQuincaillerieHt");

    // A: the example line (230 / 17 / 247 / 138 / 30 included, 200 / 11 / 211 / 120 / 0 not);
    // B: 100 at 10 %, installer paid 60.
    QTest::newRow("2 et 3, quincaillerie incluse")
        << QStringLiteral("2") << QStringLiteral("3") << true << 760.0 << 64.0 << 824.0 << 456.0
        << 60.0;
    QTest::newRow("2 et 3, quincaillerie non incluse")
        << QStringLiteral("2") << QStringLiteral("3") << false << 700.0 << 52.0 << 752.0 << 420.0
        << 0.0;
    QTest::newRow("0 et 1") << QStringLiteral("0") << QStringLiteral("1") << true << 100.0 << 10.0
                            << 110.0 << 60.0 << 0.0;
}

void TestModel::totauxDevis()
{
    QFETCH(QString, quantiteA);
    QFETCH(QString, quantiteB);
    QFETCH(bool, incluse);

    TMenuiseries menuiseries;
    TMenuiserie &a = menuiseries.Ajouter();
    a.setQuantite(1);
    a.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("800"));
    a.proprietes().Add(QStringLiteral("quantite"), quantiteA);
    AjouterLigneExemple(a.tarifs(), incluse);
    TMenuiserie &b = menuiseries.Ajouter();
    b.setQuantite(5);
    b.proprietes().Add(QStringLiteral("Quantite"), quantiteB);
    AjouterTarif(b.tarifs(), 100, 10, 60);

    QTEST(menuiseries.TotalHt(), "totalHt");
    QTEST(menuiseries.TotalTva(), "totalTva");
    QTEST(menuiseries.TotalTtc(), "totalTtc");
    QTEST(menuiseries.TotalAchatHt(), "totalAchatHt");
    QTEST(menuiseries.TotalQuincaillerieHt(), "totalQuincaillerieHt");

    // Each item's own totals keep following its quantite field.
    QCOMPARE(a.TotalHt(), incluse ? 230.0 : 200.0);
    QCOMPARE(b.TotalHt(), 500.0);
}

void TestModel::totauxDevisQuantiteInvalide_data()
{
    QTest::addColumn<QStringList>("proprietes");

    QTest::newRow("sans QUANTITE") << QStringList{QStringLiteral("HAUTEUR=1200")};
    QTest::newRow("QUANTITE vide") << QStringList{QStringLiteral("QUANTITE=")};
    QTest::newRow("QUANTITE décimale") << QStringList{QStringLiteral("QUANTITE=2,5")};
    QTest::newRow("QUANTITE en lettres") << QStringList{QStringLiteral("QUANTITE=deux")};
    QTest::newRow("QUANTITE suivie de texte") << QStringList{QStringLiteral("QUANTITE=3 pièces")};
    QTest::newRow("première QUANTITE invalide")
        << QStringList{QStringLiteral("QUANTITE=x"), QStringLiteral("QUANTITE=3")};
}

void TestModel::totauxDevisQuantiteInvalide()
{
    QFETCH(QStringList, proprietes);

    // A valid item first: the fault of a later one still stops the whole total.
    TMenuiseries menuiseries;
    TMenuiserie &valide = menuiseries.Ajouter();
    valide.proprietes().Add(QStringLiteral("QUANTITE"), QStringLiteral("2"));
    AjouterTarif(valide.tarifs(), 100, 10, 60);
    TMenuiserie &fautive = menuiseries.Ajouter();
    fautive.setQuantite(1);
    RemplirProprietes(fautive.proprietes(), proprietes);
    AjouterTarif(fautive.tarifs(), 50, 10, 30);

    QVERIFY_THROWS_EXCEPTION(EConvertError, menuiseries.TotalHt());
    QVERIFY_THROWS_EXCEPTION(EConvertError, menuiseries.TotalTva());
    QVERIFY_THROWS_EXCEPTION(EConvertError, menuiseries.TotalTtc());
    QVERIFY_THROWS_EXCEPTION(EConvertError, menuiseries.TotalAchatHt());
    QVERIFY_THROWS_EXCEPTION(EConvertError, menuiseries.TotalQuincaillerieHt());
    // The item's own totals do not read the property.
    QCOMPARE(fautive.TotalHt(), 50.0);
}

void TestModel::nbTarifs()
{
    TMenuiseries menuiseries;
    QCOMPARE(menuiseries.NbTarifs(), 0);
    menuiseries.Ajouter();
    TMenuiserie &deuxieme = menuiseries.Ajouter();
    AjouterTarif(deuxieme.tarifs(), 1, 0, 0);
    AjouterTarif(deuxieme.tarifs(), 2, 0, 0);
    AjouterTarif(menuiseries.Ajouter().tarifs(), 3, 0, 0);
    QCOMPARE(menuiseries.NbTarifs(), 3);
    deuxieme.tarifs().Clear();
    QCOMPARE(menuiseries.NbTarifs(), 1);
}

void TestModel::totalLivraison_data()
{
    QTest::addColumn<QList<bool>>("choix");
    QTest::addColumn<double>("total");

    // Prices 50, 30, 20 and 10 in option order.
    QTest::newRow("aucune option") << QList<bool>{false, false, false, false} << 0.0;
    QTest::newRow("livraison et manutention") << QList<bool>{true, false, false, true} << 60.0;
    QTest::newRow("compliquée et autorisation") << QList<bool>{false, true, true, false} << 50.0;
    QTest::newRow("toutes") << QList<bool>{true, true, true, true} << 110.0;
}

void TestModel::totalLivraison()
{
    QFETCH(QList<bool>, choix);

    TPoseLivraison pose;
    pose.setLivraison_prix(50);
    pose.setLivraison_compliquee_prix(30);
    pose.setLivraison_autorisation_prix(20);
    pose.setLivraison_manutention_prix(10);
    pose.setLivraison_choix(choix[0]);
    pose.setLivraison_compliquee_choix(choix[1]);
    pose.setLivraison_autorisation_choix(choix[2]);
    pose.setLivraison_manutention_choix(choix[3]);

    QTEST(pose.TotalLivraisonHt(), "total");
    // A price whose option is not chosen is kept, only not counted.
    QCOMPARE(pose.livraison_compliquee_prix(), 30.0);
    QCOMPARE(pose.livraison_manutention_prix(), 10.0);
}

void TestModel::chercherPropriete_data()
{
    QTest::addColumn<QStringList>("proprietes");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("indexTrouve"); // -1: none
    QTest::addColumn<QString>("idLu");

    const QStringList dimensions{QStringLiteral("hauteur=1200"), QStringLiteral("Largeur=800"),
                                 QStringLiteral("LARGEUR=900")};
    QTest::newRow("HAUTEUR") << dimensions << QStringLiteral("HAUTEUR") << 0
                             << QStringLiteral("HAUTEUR");
    QTest::newRow("Hauteur") << dimensions << QStringLiteral("Hauteur") << 0
                             << QStringLiteral("HAUTEUR");
    QTest::newRow("hauteur") << dimensions << QStringLiteral("hauteur") << 0
                             << QStringLiteral("HAUTEUR");
    QTest::newRow("le premier LARGEUR")
        << dimensions << QStringLiteral("largeur") << 1 << QStringLiteral("LARGEUR");
    QTest::newRow("absent") << dimensions << QStringLiteral("VANTAIL") << -1 << QString();
    QTest::newRow("préfixe seulement") << dimensions << QStringLiteral("HAUT") << -1 << QString();
    QTest::newRow("lettres accentuées") << QStringList{QStringLiteral("côté=gauche")}
                                        << QStringLiteral("CÔTÉ") << 0 << QStringLiteral("CÔTÉ");
    QTest::newRow("accents comptent")
        << QStringList{QStringLiteral("côté=gauche")} << QStringLiteral("COTE") << -1 << QString();
    QTest::newRow("liste vide") << QStringList{} << QStringLiteral("HAUTEUR") << -1 << QString();
}

void TestModel::chercherPropriete()
{
    QFETCH(QStringList, proprietes);
    QFETCH(QString, nom);
    QFETCH(int, indexTrouve);

    TProprietes liste;
    RemplirProprietes(liste, proprietes);

    const TPropriete *trouvee = liste.Chercher(nom);
    if (indexTrouve < 0) {
        QCOMPARE(trouvee, nullptr);
        return;
    }
    QCOMPARE(trouvee, &liste[indexTrouve]);
    QTEST(trouvee->id(), "idLu");
}

void TestModel::valeurDe_data()
{
    QTest::addColumn<QStringList>("proprietes");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("valeur");

    const QStringList fenetre{QStringLiteral("HAUTEUR=1200"), QStringLiteral("LARGEUR=800"),
                              QStringLiteral("VANTAIL=2")};
    QTest::newRow("sans regard à la casse")
        << fenetre << QStringLiteral("hauteur") << QStringLiteral("1200");
    QTest::newRow("valeur gardée telle quelle")
        << QStringList{QStringLiteral("KESTROVA_LIBELLE_CODE= Fen ÉTÉ ")}
        << QStringLiteral("kestrova_libelle_code") << QStringLiteral(" Fen ÉTÉ ");
    QTest::newRow("le premier de deux")
        << QStringList{QStringLiteral("LARGEUR=800"), QStringLiteral("largeur=900")}
        << QStringLiteral("Largeur") << QStringLiteral("800");
    QTest::newRow("VANTAIL absent")
        << QStringList{QStringLiteral("HAUTEUR=1200")} << QStringLiteral("VANTAIL") << QString();
    QTest::newRow("PERIMETRE explicite")
        << (fenetre + QStringList{QStringLiteral("PERIMETRE=5000")}) << QStringLiteral("PERIMETRE")
        << QStringLiteral("5000");
    QTest::newRow("PERIMETRE explicite non numérique")
        << (fenetre + QStringList{QStringLiteral("Perimetre=n/a")}) << QStringLiteral("perimetre")
        << QStringLiteral("n/a");
    QTest::newRow("PERIMETRE dérivé")
        << fenetre << QStringLiteral("Perimetre") << QStringLiteral("4000");
    QTest::newRow("PERIMETRE dérivé du premier de deux")
        << QStringList{QStringLiteral("LARGEUR=500"), QStringLiteral("HAUTEUR=700"),
                       QStringLiteral("LARGEUR=900")}
        << QStringLiteral("PERIMETRE") << QStringLiteral("2400");
    QTest::newRow("PERIMETRE sans HAUTEUR") << QStringList{QStringLiteral("LARGEUR=800")}
                                            << QStringLiteral("PERIMETRE") << QStringLiteral("0");
    QTest::newRow("PERIMETRE sans LARGEUR") << QStringList{QStringLiteral("HAUTEUR=1200")}
                                            << QStringLiteral("PERIMETRE") << QStringLiteral("0");
    QTest::newRow("PERIMETRE sans propriétés")
        << QStringList{} << QStringLiteral("PERIMETRE") << QStringLiteral("0");
    QTest::newRow("dimension non entière comptée 0")
        << QStringList{QStringLiteral("HAUTEUR=1200,5"), QStringLiteral("LARGEUR=800")}
        << QStringLiteral("PERIMETRE") << QStringLiteral("1600");
    QTest::newRow("dimensions vides")
        << QStringList{QStringLiteral("HAUTEUR="), QStringLiteral("LARGEUR=abc")}
        << QStringLiteral("PERIMETRE") << QStringLiteral("0");
    QTest::newRow("dimensions extrêmes sans débordement")
        << QStringList{QStringLiteral("HAUTEUR=2147483647"), QStringLiteral("LARGEUR=2147483647")}
        << QStringLiteral("PERIMETRE") << QStringLiteral("8589934588");
    QTest::newRow("dimension négative")
        << QStringList{QStringLiteral("HAUTEUR=-100"), QStringLiteral("LARGEUR=300")}
        << QStringLiteral("PERIMETRE") << QStringLiteral("400");
}

void TestModel::valeurDe()
{
    QFETCH(QStringList, proprietes);
    QFETCH(QString, nom);

    TMenuiserie menuiserie;
    RemplirProprietes(menuiserie.proprietes(), proprietes);
    const TProprietes &lecture = menuiserie.proprietes();
    QTEST(lecture.ValeurDe(nom), "valeur");
    // Lookups never add anything.
    QCOMPARE(lecture.Count(), proprietes.size());
}

void TestModel::copierQuincaillerie()
{
    TQuincaillerie source;
    source.setId(QStringLiteral("42"));
    source.setLibelle(QStringLiteral("Vis inox & chevilles"));
    source.setLibelle2(QStringLiteral("Ø 6"));
    source.setTarif_achat(1.25);
    source.setTarif_vente(2.5);
    source.setNb_pieces(100);
    source.setNb_pieces_ml(0.333);
    source.setQuantite(1.5);
    source.setSecable(1);
    source.setCode_export(QStringLiteral("VIS6"));

    TQuincaillerie copie;
    copie.Copier(source);
    QCOMPARE(copie.id(), source.id());
    QCOMPARE(copie.libelle(), source.libelle());
    QCOMPARE(copie.libelle2(), source.libelle2());
    QCOMPARE(copie.tarif_achat(), 1.25);
    QCOMPARE(copie.tarif_vente(), 2.5);
    QCOMPARE(copie.nb_pieces(), 100.0);
    QCOMPARE(copie.nb_pieces_ml(), 0.333);
    QCOMPARE(copie.quantite(), 1.5);
    QCOMPARE(copie.secable(), 1);
    QCOMPARE(copie.code_export(), source.code_export());

    // The copy is independent of its source.
    copie.setQuantite(9);
    QCOMPARE(source.quantite(), 1.5);
}

void TestModel::copierTva()
{
    const TTva source(3, QStringLiteral("Taux réduit"), 5.5);

    TTva tva;
    tva.Copier(source);
    QCOMPARE(tva.type_tva(), 3);
    QCOMPARE(tva.libelle(), QStringLiteral("Taux réduit"));
    QCOMPARE(tva.valeur(), 5.5);

    TTarif tarif;
    tarif.setPrix(200);
    tarif.SetTva(source);
    QCOMPARE(tarif.tva().type_tva(), 3);
    QCOMPARE(tarif.tva().libelle(), QStringLiteral("Taux réduit"));
    QCOMPARE(tarif.PrixTva(), 11.0);

    TPose pose;
    pose.SetTva(source);
    QCOMPARE(pose.tva().type_tva(), 3);
    QCOMPARE(pose.tva().libelle(), QStringLiteral("Taux réduit"));
    QCOMPARE(pose.tva().valeur(), 5.5);
}

void TestModel::appliquerPose()
{
    TPoseLivraison devis;
    RemplirPose(devis, QStringLiteral("4"), 2, 10);
    devis.setLivraison_choix(true);

    TMenuiseries menuiseries;
    TMenuiserie &sansLigne = menuiseries.Ajouter();
    TMenuiserie &avecLigne = menuiseries.Ajouter();
    RemplirPose(avecLigne.pose(), QStringLiteral("1"), 1, 20);
    TTarif &ligne = AjouterTarif(avecLigne.tarifs(), 100, 20, 50);
    ligne.tva().setType_tva(1);

    menuiseries.AppliquerPose(devis);
    for (const TMenuiserie &menuiserie : menuiseries) {
        QCOMPARE(menuiserie.pose().id(), QStringLiteral("4"));
        QCOMPARE(menuiserie.pose().libelle(), QStringLiteral("Pose 4"));
        QCOMPARE(menuiserie.pose().code_export(), QStringLiteral("P4"));
        QCOMPARE(menuiserie.pose().tva().type_tva(), 2);
        QCOMPARE(menuiserie.pose().tva().libelle(), QStringLiteral("Taux 2"));
        QCOMPARE(menuiserie.pose().tva().valeur(), 10.0);
    }
    QCOMPARE(sansLigne.tarifs().Count(), 0);
    // Tariff lines keep their own rate.
    QCOMPARE(avecLigne.tarifs().Count(), 1);
    QCOMPARE(ligne.tva().type_tva(), 1);
    QCOMPARE(ligne.tva().valeur(), 20.0);

    // The item holds a copy: later changes to the source do not reach it.
    devis.setId(QStringLiteral("5"));
    devis.tva().setValeur(5.5);
    QCOMPARE(sansLigne.pose().id(), QStringLiteral("4"));
    QCOMPARE(sansLigne.pose().tva().valeur(), 10.0);

    // One item alone.
    TPose autre;
    RemplirPose(autre, QStringLiteral("9"), 3, 5.5);
    avecLigne.AppliquerPose(autre);
    QCOMPARE(avecLigne.pose().id(), QStringLiteral("9"));
    QCOMPARE(sansLigne.pose().id(), QStringLiteral("4"));
}

void TestModel::appliquerTva()
{
    const TTva taux(2, QStringLiteral("Intermédiaire"), 10);

    TTarifs vide;
    vide.AppliquerTva(taux);
    QCOMPARE(vide.Count(), 0);

    TMenuiseries menuiseries;
    TMenuiserie &premiere = menuiseries.Ajouter();
    AjouterTarif(premiere.tarifs(), 100, 20, 0);
    AjouterLigneExemple(premiere.tarifs(), true);
    menuiseries.Ajouter();
    TMenuiserie &troisieme = menuiseries.Ajouter();
    AjouterTarif(troisieme.tarifs(), 50, 0, 0);
    RemplirPose(troisieme.pose(), QStringLiteral("1"), 1, 20);

    menuiseries.AppliquerTva(taux);
    for (const TMenuiserie &menuiserie : menuiseries)
        for (const TTarif &tarif : menuiserie.tarifs()) {
            QCOMPARE(tarif.tva().type_tva(), 2);
            QCOMPARE(tarif.tva().libelle(), QStringLiteral("Intermédiaire"));
            QCOMPARE(tarif.tva().valeur(), 10.0);
        }
    // Hardware keeps its own rate; the item's installation type keeps its rate.
    QCOMPARE(premiere.tarifs()[1].quincailleries().taux_tva(), 20.0);
    QCOMPARE(premiere.tarifs().TotalTva(), 10.0 + 20 + 6);
    QCOMPARE(troisieme.pose().tva().valeur(), 20.0);

    // The rate of one of the item's own lines can be the source.
    premiere.tarifs()[0].tva().setValeur(5.5);
    premiere.tarifs()[0].tva().setType_tva(3);
    premiere.AppliquerTva(premiere.tarifs()[0].tva());
    QCOMPARE(premiere.tarifs()[1].tva().valeur(), 5.5);
    QCOMPARE(premiere.tarifs()[1].tva().type_tva(), 3);
    QCOMPARE(troisieme.tarifs()[0].tva().valeur(), 10.0);
}

ORVANE_TEST_MAIN(TestModel)
#include "test_model.moc"
