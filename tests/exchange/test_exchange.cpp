#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "exchange/EcritureEchange.h"
#include "exchange/LectureEchange.h"
#include "model/EchapperXml.h"
#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"
#include "platform/Erreurs.h"
#include "platform/TexteWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// One quote as the pricing screen holds it.
struct Devis {
    TPoseLivraison poseDevis;
    TQuincailleries quincailleriesGlobales;
    TMenuiseries menuiseries;
    TLectureEchange lecture;
};

QString Reel(double valeur)
{
    return QString::number(valeur, 'g', 17);
}

QString DecrireTva(const TTva &tva)
{
    return QStringLiteral("tva %1|%2|%3")
        .arg(tva.type_tva())
        .arg(tva.libelle(), Reel(tva.valeur()));
}

void DecrireQuincailleries(const TQuincailleries &liste, const QString &retrait, QStringList &d)
{
    for (const TQuincaillerie &q : liste)
        d << retrait + QStringLiteral("quincaillerie %1|%2|%3|vente %4|achat %5|pieces %6|ml %7|"
                                      "quantite %8|secable %9|%10")
                           .arg(q.id(), q.libelle(), q.libelle2(), Reel(q.tarif_vente()),
                                Reel(q.tarif_achat()), Reel(q.nb_pieces()), Reel(q.nb_pieces_ml()),
                                Reel(q.quantite()))
                           .arg(q.secable())
                           .arg(q.code_export());
}

// Every field of the model, one line each, so that two models compare line by line.
QStringList Decrire(const TPoseLivraison &p, const TQuincailleries &globales,
                    const TMenuiseries &menuiseries)
{
    QStringList d;
    d << QStringLiteral("pose %1|%2|%3").arg(p.id(), p.libelle(), p.code_export())
      << DecrireTva(p.tva());
    const auto option = [&](const char *nom, bool choix, double prix, const QString &code) {
        d << QStringLiteral("%1 %2|%3|%4")
                 .arg(QString::fromLatin1(nom), QString::number(choix), Reel(prix), code);
    };
    option("livraison", p.livraison_choix(), p.livraison_prix(), p.livraison_code_export());
    option("compliquee", p.livraison_compliquee_choix(), p.livraison_compliquee_prix(),
           p.livraison_compliquee_code_export());
    option("autorisation", p.livraison_autorisation_choix(), p.livraison_autorisation_prix(),
           p.livraison_autorisation_code_export());
    option("manutention", p.livraison_manutention_choix(), p.livraison_manutention_prix(),
           p.livraison_manutention_code_export());
    DecrireQuincailleries(globales, QStringLiteral("global "), d);
    for (const TMenuiserie &m : menuiseries) {
        d << QStringLiteral("menuiserie %1|%2|%3|%4")
                 .arg(m.code(), m.libelle(), m.description())
                 .arg(m.quantite());
        d << QStringLiteral("  pose %1|%2|%3")
                 .arg(m.pose().id(), m.pose().libelle(), m.pose().code_export())
          << QStringLiteral("  ") + DecrireTva(m.pose().tva());
        for (const TPropriete &propriete : m.proprietes())
            d << QStringLiteral("  propriete %1=%2").arg(propriete.id(), propriete.valeur());
        for (const TTarif &t : m.tarifs()) {
            d << QStringLiteral("  tarif %1|%2|%3|incluse %4|%5")
                     .arg(t.id(), t.libelle(), Reel(t.prix()),
                          QString::number(t.quincaillerie_incluse()), t.code_export())
              << QStringLiteral("    poseur %1|%2|%3|%4|%5")
                     .arg(t.poseur_id(), t.poseur_nom(), Reel(t.poseur_prix()), t.poseur_siret(),
                          t.poseur_rge())
              << QStringLiteral("    ") + DecrireTva(t.tva());
            DecrireQuincailleries(t.quincailleries(), QStringLiteral("    "), d);
        }
    }
    return d;
}

QStringList Decrire(const Devis &devis)
{
    return Decrire(devis.poseDevis, devis.quincailleriesGlobales, devis.menuiseries);
}

TQuincaillerie &AjouterQuincaillerie(TQuincailleries &liste, const QString &id, double ml)
{
    TQuincaillerie &q = liste.Ajouter();
    q.setId(id);
    q.setLibelle(QStringLiteral("Vis \"inox\" <A4> & rondelles"));
    q.setLibelle2(QStringLiteral("Boîte l'atelier"));
    q.setTarif_vente(9.5);
    q.setTarif_achat(4.1);
    q.setNb_pieces(100);
    q.setNb_pieces_ml(ml);
    q.setQuantite(2.25);
    q.setSecable(1);
    q.setCode_export(QStringLiteral("Q&") + id);
    return q;
}

// A quote that uses every field, with texts full of markup and characters outside
// ISO-8859-1. With arrondi, the reals are those that come back from the file (two decimals).
void RemplirDevis(Devis &devis, bool arrondi)
{
    TPoseLivraison &p = devis.poseDevis;
    p.setId(QStringLiteral("3"));
    p.setLibelle(QStringLiteral("Pose en rénovation \"dépose\""));
    p.setCode_export(QStringLiteral("P<3>"));
    p.tva().setType_tva(2);
    p.tva().setLibelle(QStringLiteral("TVA 10 % €"));
    p.tva().setValeur(10);
    p.setLivraison_choix(true);
    p.setLivraison_prix(45);
    p.setLivraison_code_export(QStringLiteral("LIV"));
    p.setLivraison_compliquee_choix(false);
    p.setLivraison_compliquee_prix(arrondi ? 30.33 : 30.333);
    p.setLivraison_compliquee_code_export(QStringLiteral("LIV'C"));
    p.setLivraison_autorisation_choix(true);
    p.setLivraison_autorisation_prix(12.5);
    p.setLivraison_autorisation_code_export(QStringLiteral("AUTO"));
    p.setLivraison_manutention_choix(true);
    p.setLivraison_manutention_prix(-20);
    p.setLivraison_manutention_code_export(QString());

    AjouterQuincaillerie(devis.quincailleriesGlobales, QStringLiteral("41"), 0.25);
    AjouterQuincaillerie(devis.quincailleriesGlobales, QStringLiteral("42"), arrondi ? 0.33 : 0.333)
        .setSecable(0);

    TMenuiserie &m = devis.menuiseries.Ajouter();
    m.setCode(QStringLiteral("F&001"));
    m.setLibelle(QStringLiteral("Porte & fenêtre « Œdipe » – “coulissante”"));
    m.setDescription(QStringLiteral("Ligne 1\r\nLigne 2\n\tretrait 'fin' 250 €"));
    m.setQuantite(3);
    m.pose().setId(QStringLiteral("5"));
    m.pose().setLibelle(QStringLiteral("Pose neuve"));
    m.pose().setCode_export(QStringLiteral("PN"));
    m.pose().tva().setType_tva(1);
    m.pose().tva().setLibelle(QStringLiteral("TVA 5,5 %"));
    m.pose().tva().setValeur(5.5);
    m.proprietes().Add(QStringLiteral("HAUTEUR"), QStringLiteral("1350"));
    m.proprietes().Add(QStringLiteral("LARGEUR"), QStringLiteral("1200"));
    m.proprietes().Add(QStringLiteral("QUANTITE"), QStringLiteral("3"));
    m.proprietes().Add(QStringLiteral("KESTROVA_LIBELLE_CODE"), QStringLiteral("<10101>"));

    TTarif &t1 = m.tarifs().Ajouter();
    t1.setId(QStringLiteral("17"));
    t1.setLibelle(QStringLiteral("Fenêtre & Rénovation"));
    t1.setPrix(arrondi ? 1234.57 : 1234.5678);
    t1.setQuincaillerie_incluse(true);
    t1.setCode_export(QStringLiteral("T\"17\""));
    t1.setPoseur_id(QStringLiteral("2"));
    t1.setPoseur_nom(QStringLiteral("Martin & Fils <SARL> l'Écluse"));
    t1.setPoseur_prix(120);
    t1.setPoseur_siret(QStringLiteral("123 456 789 00012"));
    t1.setPoseur_rge(QStringLiteral("Oui"));
    t1.tva().setType_tva(1);
    t1.tva().setLibelle(QStringLiteral("TVA 5,5 %"));
    t1.tva().setValeur(5.5);
    AjouterQuincaillerie(t1.quincailleries(), QStringLiteral("7"), 3);

    TTarif &t2 = m.tarifs().Ajouter();
    t2.setId(QStringLiteral("18"));
    t2.setLibelle(QStringLiteral("Volet"));
    t2.setPrix(80);
    t2.setQuincaillerie_incluse(false);
    AjouterQuincaillerie(t2.quincailleries(), QStringLiteral("8"), 1);
    AjouterQuincaillerie(t2.quincailleries(), QStringLiteral("9"), 2);

    // A second item with nothing but its identity: every container empty.
    TMenuiserie &vide = devis.menuiseries.Ajouter();
    vide.setCode(QStringLiteral("P002"));
    vide.setLibelle(QStringLiteral("Porte"));
}

// The name of the platform error that f raised, "" when it raised none; its text in message.
QString ErreurLevee(const std::function<void()> &f, QString *message = nullptr)
{
    try {
        f();
    } catch (const EFileError &e) {
        if (message)
            *message = e.message();
        return QStringLiteral("EFileError");
    } catch (const EXmlError &e) {
        if (message)
            *message = e.message();
        return QStringLiteral("EXmlError");
    } catch (const EConvertError &e) {
        if (message)
            *message = e.message();
        return QStringLiteral("EConvertError");
    }
    return QString();
}

QByteArray Utf8(const char *texte)
{
    return QByteArray(texte);
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void allerRetour();
    void documentEcrit();
    void echapperXml_data();
    void echapperXml();
    void encoderDocumentSortie_data();
    void encoderDocumentSortie();
    void lectureCasParticuliers_data();
    void lectureCasParticuliers();
    void lectureFichierHote();
    void encodages_data();
    void encodages();
    void lectureEnErreur_data();
    void lectureEnErreur();
    void lectureArreteeSurTypeTva();
    void lectureSansArchivePossible();
    void ecritureEnEchec_data();
    void ecritureEnEchec();
    void ecritureArchiveImpossible();

private:
    QString chemin(const QString &nom) const { return m_dossier->filePath(nom); }
    QString prefixe() const { return chemin(QStringLiteral("Xml/20240419_160405")); }
    QString archiveEntree() const { return prefixe() + QStringLiteral(".entree.xml"); }
    QString archiveSortie() const { return prefixe() + QStringLiteral(".sortie.xml"); }
    QString echange() const { return chemin(QStringLiteral("echange.xml")); }
    void lire(Devis &devis)
    {
        LireFichierEchange(echange(), prefixe(), devis.poseDevis, devis.quincailleriesGlobales,
                           devis.menuiseries, devis.lecture);
    }
    void lireOctets(const QByteArray &octets, Devis &devis)
    {
        EcrireFichier(echange(), octets);
        lire(devis);
    }
    void ecrire(const Devis &devis, bool priseDeCote, const QString &fichier)
    {
        EcrireFichierEchange(fichier, prefixe(), devis.poseDevis, priseDeCote,
                             devis.quincailleriesGlobales, devis.menuiseries);
    }

    UtilisateurScripte utilisateur;
    std::unique_ptr<QTemporaryDir> m_dossier;
};

void TestExchange::init()
{
    utilisateur.reinitialiser();
    m_dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dossier->isValid());
}

void TestExchange::cleanup()
{
    m_dossier.reset();
    VERIFIER_UTILISATEUR(utilisateur);
}

// What the module writes, it reads back: every field, with reals rounded to two decimals.
void TestExchange::allerRetour()
{
    Devis original;
    RemplirDevis(original, false);
    ecrire(original, false, echange());

    Devis attendu;
    RemplirDevis(attendu, true);
    Devis relu;
    lire(relu);
    QCOMPARE(Decrire(relu), Decrire(attendu));
    QVERIFY(relu.lecture.poseTrouvee);
    QVERIFY(relu.lecture.cotesTrouve);
    QCOMPARE(relu.lecture.cotes, false);
    QVERIFY(relu.lecture.globalTrouve);
    QVERIFY(relu.lecture.complete);

    // Both archive copies hold the exchange file's bytes; the output is pure ISO-8859-1 with no
    // byte that Windows-1252 reads differently.
    const QByteArray octets = LireFichier(echange());
    QCOMPARE(LireFichier(archiveSortie()), octets);
    QCOMPARE(LireFichier(archiveEntree()), octets);
    for (const char c : octets)
        QVERIFY2(uchar(c) < 0x80 || uchar(c) >= 0xA0, qPrintable(QString::number(uchar(c))));
    QVERIFY(octets.contains("&#8364;"));

    // Written again, the quote read back gives the same file.
    EcrireFichierEchange(chemin(QStringLiteral("encore.xml")), prefixe(), relu.poseDevis, false,
                         relu.quincailleriesGlobales, relu.menuiseries);
    QCOMPARE(LireFichier(chemin(QStringLiteral("encore.xml"))), octets);
}

// The document the host receives for a minimal quote: order, formats and empty containers.
void TestExchange::documentEcrit()
{
    Devis devis;
    TMenuiserie &m = devis.menuiseries.Ajouter();
    m.setCode(QStringLiteral("F1"));
    m.setLibelle(QStringLiteral("Porte & fenêtre"));
    m.setQuantite(2);
    m.tarifs().Ajouter().setPrix(99.999);

    const QString attendu = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
        "<Orvane>\r\n"
        "  <pose id=\"\" libelle=\"\" code_export=\"\">\r\n"
        "    <livraison choix=\"0\" prix=\"0,00\" code_export=\"\"/>\r\n"
        "    <livraison_compliquee choix=\"0\" prix=\"0,00\" code_export=\"\"/>\r\n"
        "    <livraison_autorisation choix=\"0\" prix=\"0,00\" code_export=\"\"/>\r\n"
        "    <livraison_manutention choix=\"0\" prix=\"0,00\" code_export=\"\"/>\r\n"
        "    <tva type_tva=\"-1\" libelle=\"\" valeur=\"0,00\"/>\r\n"
        "  </pose>\r\n"
        "  <cotes choix=\"1\"/>\r\n"
        "  <global>\r\n"
        "    <quincailleries>\r\n"
        "    </quincailleries>\r\n"
        "  </global>\r\n"
        "  <menuiseries>\r\n"
        "    <menuiserie code=\"F1\" libelle=\"Porte &amp; fenêtre\" description=\"\" "
        "quantite=\"2\">\r\n"
        "      <pose id=\"\" libelle=\"\" code_export=\"\">\r\n"
        "        <tva type_tva=\"-1\" libelle=\"\" valeur=\"0,00\"/>\r\n"
        "      </pose>\r\n"
        "      <proprietes>\r\n"
        "      </proprietes>\r\n"
        "      <tarifs>\r\n"
        "        <tarif id=\"\" libelle=\"\" prix=\"100,00\" quincaillerie_incluse=\"1\" "
        "code_export=\"\">\r\n"
        "          <poseur id=\"\" nom=\"\" prix=\"0,00\" siret=\"\" rge=\"\"/>\r\n"
        "          <tva type_tva=\"-1\" libelle=\"\" valeur=\"0,00\"/>\r\n"
        "          <quincailleries>\r\n"
        "          </quincailleries>\r\n"
        "        </tarif>\r\n"
        "      </tarifs>\r\n"
        "    </menuiserie>\r\n"
        "  </menuiseries>\r\n"
        "</Orvane>\r\n");
    QCOMPARE(ConstruireDocumentSortie(devis.poseDevis, true, devis.quincailleriesGlobales,
                                      devis.menuiseries),
             attendu);

    Devis vide;
    const QString sansMenuiserie = ConstruireDocumentSortie(
        vide.poseDevis, false, vide.quincailleriesGlobales, vide.menuiseries);
    QVERIFY(sansMenuiserie.contains(QStringLiteral("<cotes choix=\"0\"/>")));
    QVERIFY(sansMenuiserie.endsWith(
        QStringLiteral("  <menuiseries>\r\n  </menuiseries>\r\n</Orvane>\r\n")));

    // Hardware of a line whose hardware is not included is still written.
    TTarif &t = m.tarifs()[0];
    t.setQuincaillerie_incluse(false);
    AjouterQuincaillerie(t.quincailleries(), QStringLiteral("7"), 0.5);
    QCOMPARE(t.GetXml().section(u'\n', 0, 0),
             QStringLiteral("<tarif id=\"\" libelle=\"\" prix=\"100,00\" "
                            "quincaillerie_incluse=\"0\" code_export=\"\">"));
    QCOMPARE(t.quincailleries().GetXml(),
             QStringLiteral("<quincailleries>\n"
                            "<quincaillerie id=\"7\" libelle=\"Vis &quot;inox&quot; &lt;A4&gt; "
                            "&amp; rondelles\" libelle2=\"Boîte l&apos;atelier\" "
                            "tarif_vente=\"9,50\" tarif_achat=\"4,10\" nb_pieces=\"100,00\" "
                            "nb_pieces_ml=\"0,50\" quantite=\"2,25\" secable=\"1\" "
                            "code_export=\"Q&amp;7\"/>\n"
                            "</quincailleries>\n"));
}

void TestExchange::echapperXml_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("sans balisage")
        << QStringLiteral("Fenêtre 2 vantaux €") << QStringLiteral("Fenêtre 2 vantaux €");
    QTest::newRow("vide") << QString() << QString();
    QTest::newRow("esperluette") << QStringLiteral("Porte & fenêtre")
                                 << QStringLiteral("Porte &amp; fenêtre");
    QTest::newRow("guillemets et apostrophe")
        << QStringLiteral("\"a\" 'b'") << QStringLiteral("&quot;a&quot; &apos;b&apos;");
    QTest::newRow("chevrons") << QStringLiteral("<b>") << QStringLiteral("&lt;b&gt;");
    QTest::newRow("entité déjà écrite") << QStringLiteral("&lt;") << QStringLiteral("&amp;lt;");
    QTest::newRow("sauts de ligne et tabulation")
        << QStringLiteral("a\r\nb\tc") << QStringLiteral("a&#13;&#10;b&#9;c");
    QTest::newRow("contrôles interdits") << QStringLiteral("a\x01"
                                                           "b\x0B"
                                                           "c\x1F"
                                                           "d")
                                         << QStringLiteral("abcd");
    QTest::newRow("non-caractères")
        << QString(QChar(0xFFFE)) + QChar(0xFFFF) + u'x' << QStringLiteral("x");
    QTest::newRow("substitut isolé")
        << QStringLiteral("a") + QChar(0xD800) + u'b' + QChar(0xDC00) << QStringLiteral("ab");
    QTest::newRow("paire de substituts") << QStringLiteral("a😀") << QStringLiteral("a😀");
}

void TestExchange::echapperXml()
{
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    QCOMPARE(EchapperXml(texte), attendu);
}

void TestExchange::encoderDocumentSortie_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("ascii") << QStringLiteral("<a b=\"1\"/>") << QByteArray("<a b=\"1\"/>");
    QTest::newRow("latin-1") << QStringLiteral("éàÿ") + QChar(0xA0)
                             << QByteArray("\xE9\xE0\xFF\xA0");
    QTest::newRow("euro") << QStringLiteral("250 €") << QByteArray("250 &#8364;");
    QTest::newRow("ligature et guillemets")
        << QStringLiteral("œ “x”") << QByteArray("&#339; &#8220;x&#8221;");
    QTest::newRow("contrôle C1") << QString(QChar(0x80)) + QChar(0x9F)
                                 << QByteArray("&#128;&#159;");
    QTest::newRow("hors plan de base") << QStringLiteral("😀") << QByteArray("&#128512;");
}

void TestExchange::encoderDocumentSortie()
{
    QFETCH(QString, texte);
    QFETCH(QByteArray, attendu);
    QCOMPARE(EncoderDocumentSortie(texte), attendu);
}

// Each row reads one document and looks at one value of what was read.
void TestExchange::lectureCasParticuliers_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("attendu");

    const auto tarif = [](const char *attributs) -> QByteArray {
        return QByteArray("<r><menuiseries><menuiserie><tarifs><tarif ") + attributs +
               "/></tarifs></menuiserie></menuiseries></r>";
    };
    const auto menuiserie = [](const char *quantite, const char *propriete) -> QByteArray {
        return QByteArray("<r><menuiseries><menuiserie ") + quantite + "><proprietes><propriete " +
               propriete + "/></proprietes></menuiserie></menuiseries></r>";
    };

    QTest::newRow("quincaillerie_incluse absente") << tarif("prix=\"1\"") << "incluse"
                                                   << "0";
    QTest::newRow("quincaillerie_incluse 1") << tarif("quincaillerie_incluse=\"1\"") << "incluse"
                                             << "1";
    QTest::newRow("quincaillerie_incluse true")
        << tarif("quincaillerie_incluse=\"true\"") << "incluse"
        << "0";
    QTest::newRow("prix avec virgule") << tarif("prix=\"12,50\"") << "prix"
                                       << "12.5";
    QTest::newRow("prix avec point") << tarif("prix=\"12.50\"") << "prix"
                                     << "0";
    QTest::newRow("prix absent") << tarif("id=\"1\"") << "prix"
                                 << "0";
    QTest::newRow("prix illisible") << tarif("prix=\"douze\"") << "prix"
                                    << "0";

    QTest::newRow("QUANTITE quand quantite vaut 0")
        << menuiserie("quantite=\"0\"", "id=\"QUANTITE\" valeur=\"4\"") << "quantite"
        << "4";
    QTest::newRow("QUANTITE quand quantite manque")
        << menuiserie("code=\"F\"", "id=\"QUANTITE\" valeur=\"4\"") << "quantite"
        << "4";
    QTest::newRow("quantite 2 gardée")
        << menuiserie("quantite=\"2\"", "id=\"QUANTITE\" valeur=\"4\"") << "quantite"
        << "2";
    QTest::newRow("Quantite ne fixe pas quantite")
        << menuiserie("quantite=\"0\"", "id=\"Quantite\" valeur=\"4\"") << "quantite"
        << "0";
    QTest::newRow("Quantite rangée en majuscules")
        << menuiserie("quantite=\"0\"", "id=\"Quantite\" valeur=\"4\"") << "proprietes"
        << "QUANTITE=4";
    QTest::newRow("QUANTITE illisible")
        << menuiserie("quantite=\"0\"", "id=\"QUANTITE\" valeur=\"4,5\"") << "quantite"
        << "0";
    QTest::newRow("quantite illisible")
        << menuiserie("quantite=\"deux\"", "id=\"HAUTEUR\" valeur=\"1\"") << "quantite"
        << "0";

    QTest::newRow("pose du premier article pour le devis")
        << Utf8("<r><menuiseries><menuiserie><pose id=\"5\" libelle=\"Neuve\" code_export=\"N\">"
                "<tva type_tva=\"1\" libelle=\"TVA 5,5\" valeur=\"5,5\"/></pose></menuiserie>"
                "</menuiseries></r>")
        << "poseDevis"
        << "5|Neuve|N|tva 1|TVA 5,5|5.5|trouvée";
    QTest::newRow("sans pose") << Utf8("<r><cotes choix=\"1\"/><tva type_tva=\"3\"/></r>")
                               << "poseDevis"
                               << "|||tva -1||0|absente";
    QTest::newRow("options de livraison")
        << Utf8("<r><pose id=\"1\"><livraison_manutention choix=\"1\" prix=\"7,25\" "
                "code_export=\"M\"/><livraison choix=\"0\" prix=\"3\"/></pose></r>")
        << "livraisons"
        << "0|3|;0|0|;0|0|;1|7.25|M";
    QTest::newRow("cotes 0") << Utf8("<r><cotes choix=\"0\"/></r>") << "cotes"
                             << "trouvé 0";
    QTest::newRow("cotes autre que 1") << Utf8("<r><cotes choix=\"oui\"/></r>") << "cotes"
                                       << "trouvé 0";
    QTest::newRow("sans cotes") << Utf8("<r/>") << "cotes"
                                << "absent 1";

    QTest::newRow("Menuiserie avec une capitale")
        << Utf8("<r><MENUISERIES><Menuiserie LIBELLE=\"A\"/><menuiserie libelle=\"B\"/>"
                "</MENUISERIES></r>")
        << "libelles"
        << "A,B";
    QTest::newRow("menuiseries vide") << Utf8("<r><menuiseries/></r>") << "libelles"
                                      << "";
    QTest::newRow("menuiserie hors de menuiseries")
        << Utf8("<r><menuiseries><groupe><menuiserie libelle=\"X\"/></groupe>"
                "<menuiserie libelle=\"Y\"/></menuiseries></r>")
        << "libelles"
        << "Y";
    QTest::newRow("premier menuiseries dans l'ordre du document")
        << Utf8("<r><a><menuiseries><menuiserie libelle=\"profond\"/></menuiseries></a>"
                "<menuiseries><menuiserie libelle=\"suivant\"/></menuiseries></r>")
        << "libelles"
        << "profond";
    QTest::newRow("entités décodées")
        << Utf8("<r><menuiseries><menuiserie libelle=\"a &amp; b &lt;c&gt; &quot;d&quot; "
                "&apos;e&apos; &#8364;&#x153;&#10;f\"/></menuiseries></r>")
        << "libelles"
        << "a & b <c> \"d\" 'e' €œ\nf";

    QTest::newRow("chaque ligne sa quincaillerie")
        << Utf8("<r><menuiseries><menuiserie><tarifs>"
                "<tarif id=\"1\"><quincailleries><quincaillerie id=\"Q1\"/></quincailleries>"
                "</tarif>"
                "<tarif id=\"2\"><quincailleries><quincaillerie id=\"Q2\"/>"
                "<quincaillerie id=\"Q3\"/></quincailleries></tarif>"
                "<tarif id=\"3\"/>"
                "</tarifs></menuiserie></menuiseries></r>")
        << "quincailleries des lignes"
        << "Q1;Q2,Q3;";
    QTest::newRow("quincaillerie globale et sécable")
        << Utf8("<r><global><quincailleries><quincaillerie id=\"G1\" secable=\"1\"/>"
                "<quincaillerie id=\"G2\" secable=\"2\"/></quincailleries></global></r>")
        << "global"
        << "G1:1,G2:0";
    QTest::newRow("global sans quincailleries") << Utf8("<r><global/></r>") << "global"
                                                << "trouvé";
    QTest::newRow("poseur et tva de la ligne")
        << Utf8("<r><menuiseries><menuiserie><tarifs><tarif><POSEUR ID=\"4\" Nom=\"Durand\" "
                "prix=\"80,5\" siret=\"S\" rge=\"R\"/><tva type_tva=\" 2 \" libelle=\"T\" "
                "valeur=\"10\"/></tarif></tarifs></menuiserie></menuiseries></r>")
        << "poseur"
        << "4|Durand|80.5|S|R|tva 2|T|10";
}

void TestExchange::lectureCasParticuliers()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, champ);
    QFETCH(QString, attendu);

    Devis devis;
    lireOctets(document, devis);
    QVERIFY(devis.lecture.complete);

    const auto premierTarif = [&]() -> const TTarif & { return devis.menuiseries[0].tarifs()[0]; };
    QString valeur;
    if (champ == u"incluse") {
        valeur = QString::number(premierTarif().quincaillerie_incluse());
    } else if (champ == u"prix") {
        valeur = Reel(premierTarif().prix());
    } else if (champ == u"quantite") {
        valeur = QString::number(devis.menuiseries[0].quantite());
    } else if (champ == u"proprietes") {
        QStringList proprietes;
        for (const TPropriete &p : devis.menuiseries[0].proprietes())
            proprietes << p.id() + u'=' + p.valeur();
        valeur = proprietes.join(u',');
    } else if (champ == u"poseDevis") {
        const TPoseLivraison &p = devis.poseDevis;
        valeur = QStringList{p.id(), p.libelle(), p.code_export(), DecrireTva(p.tva()),
                             devis.lecture.poseTrouvee ? QStringLiteral("trouvée")
                                                       : QStringLiteral("absente")}
                     .join(u'|');
    } else if (champ == u"livraisons") {
        const TPoseLivraison &p = devis.poseDevis;
        valeur = QStringList{QStringList{QString::number(p.livraison_choix()),
                                         Reel(p.livraison_prix()), p.livraison_code_export()}
                                 .join(u'|'),
                             QStringList{QString::number(p.livraison_compliquee_choix()),
                                         Reel(p.livraison_compliquee_prix()),
                                         p.livraison_compliquee_code_export()}
                                 .join(u'|'),
                             QStringList{QString::number(p.livraison_autorisation_choix()),
                                         Reel(p.livraison_autorisation_prix()),
                                         p.livraison_autorisation_code_export()}
                                 .join(u'|'),
                             QStringList{QString::number(p.livraison_manutention_choix()),
                                         Reel(p.livraison_manutention_prix()),
                                         p.livraison_manutention_code_export()}
                                 .join(u'|')}
                     .join(u';');
    } else if (champ == u"cotes") {
        valeur =
            (devis.lecture.cotesTrouve ? QStringLiteral("trouvé ") : QStringLiteral("absent ")) +
            QString::number(devis.lecture.cotes);
    } else if (champ == u"libelles") {
        QStringList libelles;
        for (const TMenuiserie &m : devis.menuiseries)
            libelles << m.libelle();
        valeur = libelles.join(u',');
    } else if (champ == u"quincailleries des lignes") {
        QStringList lignes;
        for (const TTarif &t : devis.menuiseries[0].tarifs()) {
            QStringList ids;
            for (const TQuincaillerie &q : t.quincailleries())
                ids << q.id();
            lignes << ids.join(u',');
        }
        valeur = lignes.join(u';');
    } else if (champ == u"global") {
        QStringList ids;
        for (const TQuincaillerie &q : devis.quincailleriesGlobales)
            ids << q.id() + u':' + QString::number(q.secable());
        valeur = devis.quincailleriesGlobales.isEmpty() && devis.lecture.globalTrouve
                     ? QStringLiteral("trouvé")
                     : ids.join(u',');
    } else if (champ == u"poseur") {
        const TTarif &t = premierTarif();
        valeur = QStringList{t.poseur_id(),    t.poseur_nom(), Reel(t.poseur_prix()),
                             t.poseur_siret(), t.poseur_rge(), DecrireTva(t.tva())}
                     .join(u'|');
    } else {
        QFAIL(qPrintable(QStringLiteral("champ inconnu : ") + champ));
    }
    QCOMPARE(valeur, attendu);
}

// A file as a host writes it: Windows-1252 text labelled ISO-8859-1, line ends CRLF, names in
// mixed case, a comment and element text.
void TestExchange::lectureFichierHote()
{
    const QByteArray octets =
        LireFichier(QStringLiteral(ORVANE_FIXTURES_DIR "/exchange/devis_hote.xml"));
    Devis devis;
    lireOctets(octets, devis);
    QCOMPARE(LireFichier(archiveEntree()), octets);

    const QStringList attendu = {
        QStringLiteral("pose 3|Pose en rénovation|POSE-RENO"),
        QStringLiteral("tva 2|TVA 10 %|10"),
        QStringLiteral("livraison 1|45|LIV"),
        QStringLiteral("compliquee 0|30|LIVC"),
        QStringLiteral("autorisation 1|12.5|AUTO"),
        QStringLiteral("manutention 1|20|MANU"),
        QStringLiteral("global quincaillerie 41|Mousse expansive 750 ml|Bombe|vente 14.9|"
                       "achat 8.1999999999999993|pieces 1|ml 0.25|quantite 2|secable 0|QMOUSSE"),
        QStringLiteral("menuiserie F001|Fenêtre PVC 2 vantaux – 1350 × 1200|Oscillo-battante, "
                       "prix garanti 3 mois : 250 €|3"),
        QStringLiteral("  pose ||"),
        QStringLiteral("  tva -1||0"),
        QStringLiteral("  propriete HAUTEUR=1350"),
        QStringLiteral("  propriete LARGEUR=1200"),
        QStringLiteral("  propriete VANTAIL=2"),
        QStringLiteral("  propriete QUANTITE=3"),
        QStringLiteral("  propriete KESTROVA_LIBELLE_CODE=10101"),
        QStringLiteral("  tarif 17|Fenêtre Rénovation|180|incluse 1|T17"),
        QStringLiteral("    poseur 2|Martin & Fils|120|123 456 789 00012|Oui"),
        QStringLiteral("    tva 2|TVA 10 %|10"),
        QStringLiteral("    quincaillerie 7|Vis inox|Boîte de 100|vente 9.5|achat "
                       "4.0999999999999996|pieces 100|ml 3|quantite 0.5|secable 1|QVIS"),
        QStringLiteral("menuiserie P002|Porte d’entrée « Œdipe »||1"),
        QStringLiteral("  pose ||"),
        QStringLiteral("  tva -1||0"),
        QStringLiteral("  propriete QUANTITE=1"),
    };
    QCOMPARE(Decrire(devis), attendu);
    QVERIFY(devis.lecture.cotesTrouve);
    QCOMPARE(devis.lecture.cotes, false);
    QVERIFY(devis.lecture.complete);
}

void TestExchange::encodages_data()
{
    QTest::addColumn<QByteArray>("document");
    // The same label in every row: "€ éœ ’"
    const QByteArray cp1252 = "<r><menuiseries><menuiserie libelle=\"\x80 \xE9\x9C \x92\"/>"
                              "</menuiseries></r>";
    const QByteArray utf8 = "<r><menuiseries><menuiserie libelle=\"\xE2\x82\xAC \xC3\xA9\xC5\x93 "
                            "\xE2\x80\x99\"/></menuiseries></r>";
    QTest::newRow("iso-8859-1") << QByteArray("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>" +
                                              cp1252);
    QTest::newRow("ISO-8859-1 entre apostrophes")
        << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?>\r\n" + cp1252);
    QTest::newRow("windows-1252") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + cp1252);
    QTest::newRow("UTF-8 déclaré")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + utf8);
    QTest::newRow("sans déclaration") << utf8;
    QTest::newRow("déclaration sans encodage") << QByteArray("<?xml version=\"1.0\"?>" + utf8);
    QTest::newRow("marque UTF-8") << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?>" + utf8);
    QTest::newRow("références numériques")
        << QByteArray("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r><menuiseries><menuiserie "
                      "libelle=\"&#8364; \xE9&#339; &#8217;\"/></menuiseries></r>");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16 avec marque") << QByteArray(utf16.encode(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") + QString::fromUtf8(utf8)));
}

void TestExchange::encodages()
{
    QFETCH(QByteArray, document);
    Devis devis;
    lireOctets(document, devis);
    QCOMPARE(devis.menuiseries.Count(), 1);
    QCOMPARE(devis.menuiseries[0].libelle(), QStringLiteral("€ éœ ’"));
}

void TestExchange::lectureEnErreur_data()
{
    QTest::addColumn<bool>("fichierPresent");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("erreur");
    QTest::addColumn<QString>("extrait");
    QTest::addColumn<bool>("archive");

    QTest::newRow("fichier absent") << false << QByteArray() << "EFileError"
                                    << "echange.xml" << false;
    QTest::newRow("fichier vide") << true << QByteArray() << "EXmlError"
                                  << "ligne" << false;
    QTest::newRow("XML mal formé")
        << true << Utf8("<r>\n<menuiseries>\n<menuiserie libelle=\"a\">\n</menuiseries></r>")
        << "EXmlError"
        << "ligne 4" << false;
    QTest::newRow("esperluette nue")
        << true << Utf8("<r><menuiserie libelle=\"a & b\"/></r>") << "EXmlError"
        << "ligne 1" << false;
    QTest::newRow("UTF-8 invalide") << true << Utf8("<r libelle=\"\xE9t\xE9\"/>") << "EXmlError"
                                    << "UTF-8" << false;
    QTest::newRow("encodage inconnu")
        << true << Utf8("<?xml version=\"1.0\" encoding=\"x-klingon\"?><r/>") << "EXmlError"
        << "x-klingon" << false;
    QTest::newRow("type_tva absent")
        << true << Utf8("<r><pose id=\"1\"><tva libelle=\"T\" valeur=\"5\"/></pose></r>")
        << "EConvertError"
        << "" << true;
    QTest::newRow("type_tva non entier")
        << true << Utf8("<r><pose id=\"1\"><tva type_tva=\"2,5\"/></pose></r>") << "EConvertError"
        << "2,5" << true;
}

void TestExchange::lectureEnErreur()
{
    QFETCH(bool, fichierPresent);
    QFETCH(QByteArray, document);
    QFETCH(QString, erreur);
    QFETCH(QString, extrait);
    QFETCH(bool, archive);

    if (fichierPresent)
        EcrireFichier(echange(), document);
    Devis devis;
    QString message;
    QCOMPARE(ErreurLevee([&] { lire(devis); }, &message), erreur);
    QVERIFY2(message.contains(extrait), qPrintable(message));
    QCOMPARE(QFileInfo::exists(archiveEntree()), archive);
    QCOMPARE(devis.lecture.complete, false);
    QCOMPARE(devis.menuiseries.Count(), 0);
}

// A bad type_tva stops the reading where it is: what came before stays, nothing after is read.
void TestExchange::lectureArreteeSurTypeTva()
{
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Orvane>"
        "<pose id=\"3\" libelle=\"Pose\"><tva type_tva=\"2\" valeur=\"10\"/></pose>"
        "<cotes choix=\"0\"/>"
        "<global><quincailleries><quincaillerie id=\"G1\"/></quincailleries></global>"
        "<menuiseries>"
        "<menuiserie libelle=\"premier\"><tarifs><tarif id=\"1\"><tva type_tva=\"1\"/></tarif>"
        "</tarifs></menuiserie>"
        "<menuiserie libelle=\"second\"><tarifs><tarif id=\"2\"><tva type_tva=\"un\"/></tarif>"
        "</tarifs></menuiserie>"
        "<menuiserie libelle=\"troisième\"/>"
        "</menuiseries></Orvane>";
    EcrireFichier(echange(), document);
    Devis devis;
    QString message;
    QCOMPARE(ErreurLevee([&] { lire(devis); }, &message), QStringLiteral("EConvertError"));
    QVERIFY2(message.contains(QStringLiteral("'un'")), qPrintable(message));
    QCOMPARE(LireFichier(archiveEntree()), document);
    QVERIFY(devis.lecture.poseTrouvee);
    QVERIFY(devis.lecture.cotesTrouve);
    QVERIFY(devis.lecture.globalTrouve);
    QVERIFY(!devis.lecture.complete);
    QCOMPARE(devis.poseDevis.tva().type_tva(), 2);
    QCOMPARE(devis.quincailleriesGlobales.Count(), 1);
    QCOMPARE(devis.menuiseries.Count(), 1);
    QCOMPARE(devis.menuiseries[0].libelle(), QStringLiteral("premier"));
    QCOMPARE(devis.menuiseries[0].tarifs()[0].tva().type_tva(), 1);
}

// Without its archive copy nothing is read.
void TestExchange::lectureSansArchivePossible()
{
    EcrireFichier(echange(), "<r><pose id=\"1\"/><menuiseries><menuiserie/></menuiseries></r>");
    Devis devis;
    QCOMPARE(ErreurLevee([&] {
                 LireFichierEchange(echange(), chemin(QStringLiteral("absent/Xml/20240419_160405")),
                                    devis.poseDevis, devis.quincailleriesGlobales,
                                    devis.menuiseries, devis.lecture);
             }),
             QStringLiteral("EFileError"));
    QVERIFY(!devis.lecture.poseTrouvee);
    QVERIFY(devis.poseDevis.id().isEmpty());
    QCOMPARE(devis.menuiseries.Count(), 0);

    // A missing archive folder is created.
    QVERIFY(!QFileInfo::exists(chemin(QStringLiteral("Xml"))));
    lire(devis);
    QVERIFY(QFileInfo::exists(archiveEntree()));
}

// A failed write leaves the host's previous file as it was, and no archive copy.
void TestExchange::ecritureEnEchec_data()
{
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("erreur");
    QTest::newRow("chemin d'un dossier") << "dossier"
                                         << "EFileError";
    QTest::newRow("dossier absent") << "dossier absent"
                                    << "EFileError";
    QTest::newRow("dossier en lecture seule") << "lecture seule"
                                              << "EFileError";
    QTest::newRow("disque plein") << "disque plein"
                                  << "EFileError";
    QTest::newRow("document mal formé") << "mal formé"
                                        << "EXmlError";
}

void TestExchange::ecritureEnEchec()
{
    QFETCH(QString, cas);
    QFETCH(QString, erreur);

    Devis devis;
    RemplirDevis(devis, false);
    const QByteArray precedent = "<?xml version=\"1.0\"?><Orvane>précédent</Orvane>";
    QString fichier = echange();
    EcrireFichier(fichier, precedent);

    std::function<void()> ecriture = [&] { ecrire(devis, true, fichier); };
    if (cas == u"dossier") {
        fichier = chemin(QStringLiteral("dossier.xml"));
        QVERIFY(QDir().mkdir(fichier));
    } else if (cas == u"dossier absent") {
        fichier = chemin(QStringLiteral("absent/echange.xml"));
    } else if (cas == u"lecture seule") {
        if (geteuid() == 0)
            QSKIP("the superuser writes in read-only folders");
        fichier = chemin(QStringLiteral("protege/echange.xml"));
        QVERIFY(QDir().mkdir(chemin(QStringLiteral("protege"))));
        EcrireFichier(fichier, precedent);
        QVERIFY(QFile::setPermissions(chemin(QStringLiteral("protege")),
                                      QFile::ReadOwner | QFile::ExeOwner));
    } else if (cas == u"disque plein") {
        // A file size limit makes the write fail part-way, as a full disk would.
        for (int i = 0; i < 50; ++i)
            devis.menuiseries.Ajouter().setLibelle(QStringLiteral("Menuiserie %1").arg(i));
        ecriture = [&] {
            const auto gestionnaire = std::signal(SIGXFSZ, SIG_IGN);
            rlimit ancienne{};
            getrlimit(RLIMIT_FSIZE, &ancienne);
            rlimit limite = ancienne;
            limite.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limite);
            try {
                ecrire(devis, true, fichier);
            } catch (...) {
                setrlimit(RLIMIT_FSIZE, &ancienne);
                std::signal(SIGXFSZ, gestionnaire);
                throw;
            }
            setrlimit(RLIMIT_FSIZE, &ancienne);
            std::signal(SIGXFSZ, gestionnaire);
        };
    } else if (cas == u"mal formé") {
        ecriture = [&] {
            EnregistrerDocumentSortie(QStringLiteral("<Orvane><pose></Orvane>"), fichier,
                                      prefixe());
        };
    }

    QCOMPARE(ErreurLevee(ecriture), erreur);
    if (QFileInfo(fichier).isFile())
        QCOMPARE(LireFichier(fichier), precedent);
    QCOMPARE(LireFichier(echange()), precedent);
    QVERIFY(!QFileInfo::exists(archiveSortie()));
    if (cas == u"lecture seule")
        QFile::setPermissions(chemin(QStringLiteral("protege")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The archive copy comes after the exchange file: when the archive folder cannot be made, the
// host has its answer and the error is still reported.
void TestExchange::ecritureArchiveImpossible()
{
    Devis devis;
    RemplirDevis(devis, false);
    QCOMPARE(ErreurLevee([&] {
                 EcrireFichierEchange(echange(), chemin(QStringLiteral("absent/Xml/p")),
                                      devis.poseDevis, true, devis.quincailleriesGlobales,
                                      devis.menuiseries);
             }),
             QStringLiteral("EFileError"));
    Devis attendu;
    RemplirDevis(attendu, true);
    Devis relu;
    lire(relu);
    QCOMPARE(Decrire(relu), Decrire(attendu));
    QVERIFY(!QFileInfo::exists(chemin(QStringLiteral("absent"))));
}

ORVANE_TEST_MAIN(TestExchange)
#include "test_exchange.moc"
