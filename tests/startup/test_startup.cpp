#include "Capture.h"
#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "admin/TFicheAdministration.h"
#include "catalogue/SchemaCatalogue.h"
#include "catalogue/TDMPose.h"
#include "platform/DossierProgramme.h"
#include "platform/TexteWindows.h"
#include "pricing/TFicheModeNormal.h"
#include "startup/ImportConfiguration.h"
#include "startup/TFicheMain.h"

#include "ui_TFicheAdministration.h"
#include "ui_TFicheMain.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {
// A program folder of its own for each test: the catalogue, the logo and the host's files lie in
// it, and DossierProgramme() points at it while it lives.
class DossierProgrammeDeTest {
public:
    DossierProgrammeDeTest() { DefinirDossierProgramme(m_dossier.path()); }
    ~DossierProgrammeDeTest() { DefinirDossierProgramme(QString()); }

    QString chemin(const QString &nom) const { return m_dossier.filePath(nom); }
    void creerCatalogue() const { CreerCatalogue(CheminCatalogue()); }
    // The host writes its files in Windows-1252.
    QString ecrire(const QString &nom, const QString &texte) const
    {
        QDir().mkpath(QFileInfo(chemin(nom)).path());
        EcrireFichier(chemin(nom), EncoderWindows1252(texte));
        return chemin(nom);
    }
    void creerLogo(int largeur, int hauteur) const
    {
        QImage image(largeur, hauteur, QImage::Format_RGB32);
        image.fill(QColor(0, 70, 140));
        QPainter peintre(&image);
        peintre.setPen(Qt::white);
        QFont police = peintre.font();
        police.setPixelSize(hauteur / 4);
        police.setBold(true);
        peintre.setFont(police);
        peintre.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Orvane"));
        peintre.end();
        QVERIFY(image.save(CheminLogo(), "BMP"));
    }

private:
    QTemporaryDir m_dossier;
};

// Runs statements on the catalogue beside the program, outside the launch.
void Executer(const QStringList &instructions)
{
    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(CheminCatalogue());
    dm.Orvane.Open();
    for (const QString &sql : instructions) {
        dm.qryExec.SetSQL(sql);
        dm.qryExec.ExecSQL();
    }
}

// One line per row, "col1|col2|...", in the order of the statement.
QStringList Lignes(const QString &sql, const QStringList &colonnes)
{
    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(CheminCatalogue());
    dm.Orvane.Open();
    dm.qrySelect.SetSQL(sql);
    dm.qrySelect.Open();
    QStringList lignes;
    for (; !dm.qrySelect.Eof(); dm.qrySelect.Next()) {
        QStringList valeurs;
        for (const QString &colonne : colonnes)
            valeurs << dm.qrySelect.FieldAsString(colonne);
        lignes << valeurs.join(u'|');
    }
    return lignes;
}

QStringList Poseurs()
{
    return Lignes(QStringLiteral("SELECT * FROM Poseur ORDER BY IdPoseur"),
                  {QStringLiteral("IdPoseur"), QStringLiteral("Code"), QStringLiteral("Nom"),
                   QStringLiteral("Ville"), QStringLiteral("RGE")});
}

QStringList Tva(const TDMPose &dm)
{
    QStringList lignes;
    for (const auto &e : dm.rxTva.Enregistrements())
        lignes << QString::number(e.TypeTva) + u'|' + e.Libelle + u'|' + QString::number(e.Valeur);
    return lignes;
}

QStringList CodesKestrova()
{
    return Lignes(QStringLiteral("SELECT Code FROM KestrovaLibelle ORDER BY Code"),
                  {QStringLiteral("Code")});
}

const QString configurationSimple = QStringLiteral("[Poseur]\r\nNb=1\r\n"
                                                   "[Poseur0]\r\nCode=P01\r\nNom=Durand\r\n"
                                                   "[TVA]\r\nNb=1\r\n"
                                                   "[TVA0]\r\nTypeTva=1\r\nLibelle=Normale\r\n"
                                                   "Valeur=20\r\n");
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { utilisateur.reinitialiser(); }
    void cleanup() { VERIFIER_UTILISATEUR(utilisateur); }

    void ficheMainALaConstruction();
    void argumentsIncorrects_data();
    void argumentsIncorrects();
    void fichiersAbsents_data();
    void fichiersAbsents();
    void administrationApresImport();
    void tarificationRecoitSesFichiers_data();
    void tarificationRecoitSesFichiers();
    void catalogueInutilisable_data();
    void catalogueInutilisable();
    void erreurPendantImport();

    void importPoseurs_data();
    void importPoseurs();
    void cleVideEnregistreeCommeTexteVide();
    void importTva_data();
    void importTva();

    void logo_data();
    void logo();
    void boutonsDuHub();

private:
    // Builds the start-up window on the command line and runs its launch at once.
    int lancer(TDMPose &dm, const QStringList &arguments)
    {
        TFicheMain fiche(dm, arguments);
        QSignalSpy fin(&fiche, &TFicheMain::LancementTermine);
        fiche.show();
        fiche.timerLancementTimer();
        [&] {
            QVERIFY(fiche.isHidden());
            QVERIFY(!fiche.timerLancement->isActive());
            // The program ends on this signal, with the launch's status.
            QCOMPARE(fin.size(), 1);
            QCOMPARE(fin.at(0).at(0).toInt(), fiche.CodeSortie());
        }();
        return fiche.CodeSortie();
    }

    UtilisateurScripte utilisateur;
};

void TestStartup::ficheMainALaConstruction()
{
    DossierProgrammeDeTest dossier;
    TDMPose dm;
    TFicheMain fiche(dm, {});
    QCOMPARE(fiche.windowTitle(), QStringLiteral("Kestrova - Orvane"));
    QCOMPARE(fiche.size(), QSize(492, 340));
    QCOMPARE(fiche.ui->Label1->text(), QStringLiteral("Version 1.47 du 19/04/2024 16:04"));
    // The launch waits for the first tick, about one second after the window is built.
    QVERIFY(fiche.timerLancement->isActive());
    QCOMPARE(fiche.timerLancement->interval(), 1000);
    QVERIFY(!dm.Orvane.GetConnected());
}

void TestStartup::argumentsIncorrects_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString config = QStringLiteral("config.ini");
    const QString devis = QStringLiteral("devis.xml");
    const auto message = [](int n) -> QString {
        return QStringLiteral("Orvane - Les paramètres(") + QString::number(n) +
               QStringLiteral(") ne sont pas corrects.");
    };
    QTest::newRow("aucun") << QStringList()
                           << QStringLiteral("Orvane - Les paramètres(0) ne sont pas corrects.");
    QTest::newRow("admin en minuscules")
        << QStringList{QStringLiteral("admin"), config} << message(2);
    QTest::newRow("ADMIN avec deux chemins")
        << QStringList{QStringLiteral("ADMIN"), config, devis} << message(3);
    QTest::newRow("ADMIN seul") << QStringList{QStringLiteral("ADMIN")} << message(1);
    QTest::newRow("CREATION avec un chemin")
        << QStringList{QStringLiteral("CREATION"), config} << message(2);
    QTest::newRow("MAJ avec un chemin") << QStringList{QStringLiteral("MAJ"), config} << message(2);
    QTest::newRow("Maj en casse mêlée")
        << QStringList{QStringLiteral("Maj"), config, devis} << message(3);
    QTest::newRow("quatre arguments")
        << QStringList{QStringLiteral("CREATION"), config, devis, devis} << message(4);
    QTest::newRow("mot inconnu") << QStringList{QStringLiteral("AUTRE"), config} << message(2);
    QTest::newRow("mot avec un blanc")
        << QStringList{QStringLiteral("ADMIN "), config} << message(2);
}

void TestStartup::argumentsIncorrects()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    // The files named exist: only the arguments are wrong.
    dossier.ecrire(QStringLiteral("config.ini"), configurationSimple);
    dossier.ecrire(QStringLiteral("devis.xml"), QStringLiteral("<devis/>"));
    for (QString &argument : arguments)
        if (argument.endsWith(QStringLiteral(".ini")) || argument.endsWith(QStringLiteral(".xml")))
            argument = dossier.chemin(argument);
    // The catalogue is brought up to date before the arguments are looked at.
    Executer({QStringLiteral("DROP TABLE KestrovaLibelle")});

    TDMPose dm;
    QCOMPARE(lancer(dm, arguments), 0);
    QCOMPARE(utilisateur.prendreMessages(), QStringList{message});
    QVERIFY(!dm.Orvane.GetConnected());
    QCOMPARE(dm.rxTva.RecordCount(), 0);
    QCOMPARE(Poseurs(), QStringList());
    QCOMPARE(CodesKestrova().size(), 13);
}

void TestStartup::fichiersAbsents_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("configurationPresente");
    QTest::addColumn<bool>("recuperationPresente");
    QTest::addColumn<QStringList>("messages");
    const QString config = QStringLiteral("Orvane - Le fichier de configuration n'existe pas : ");
    const QString recup = QStringLiteral("Orvane - Le fichier de récupération n'existe pas : ");
    // "%c" and "%r" stand for the paths of the configuration and of the recovery file.
    QTest::newRow("ADMIN sans configuration")
        << QStringLiteral("ADMIN") << false << true << QStringList{config + QStringLiteral("%c")};
    for (const QString &mode : {QStringLiteral("CREATION"), QStringLiteral("MAJ")}) {
        QTest::addRow("%s sans les deux", qPrintable(mode))
            << mode << false << false
            << QStringList{config + QStringLiteral("%c"), recup + QStringLiteral("%r")};
        QTest::addRow("%s sans configuration", qPrintable(mode))
            << mode << false << true << QStringList{config + QStringLiteral("%c")};
        QTest::addRow("%s sans récupération", qPrintable(mode))
            << mode << true << false << QStringList{recup + QStringLiteral("%r")};
    }
}

void TestStartup::fichiersAbsents()
{
    QFETCH(QString, mode);
    QFETCH(bool, configurationPresente);
    QFETCH(bool, recuperationPresente);
    QFETCH(QStringList, messages);
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    const QString config = dossier.chemin(QStringLiteral("hôte/config.ini"));
    const QString recup = dossier.chemin(QStringLiteral("hôte/devis.xml"));
    if (configurationPresente)
        dossier.ecrire(QStringLiteral("hôte/config.ini"), configurationSimple);
    if (recuperationPresente)
        dossier.ecrire(QStringLiteral("hôte/devis.xml"), QStringLiteral("<devis/>"));
    for (QString &message : messages)
        message.replace(QStringLiteral("%c"), config).replace(QStringLiteral("%r"), recup);
    QStringList arguments{mode, config};
    if (mode != QStringLiteral("ADMIN"))
        arguments << recup;

    TDMPose dm;
    QCOMPARE(lancer(dm, arguments), 0);
    QCOMPARE(utilisateur.prendreMessages(), messages);
    // Nothing is imported when a file is missing, and no working window opens.
    QCOMPARE(Poseurs(), QStringList());
    QCOMPARE(dm.rxTva.RecordCount(), 0);
    QVERIFY(!dm.Orvane.GetConnected());
}

void TestStartup::administrationApresImport()
{
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configurationSimple);
    TDMPose dm;
    bool ouverte = false;
    utilisateur.piloterDialogue(QStringLiteral("TFicheAdministration"), [&](QDialog &fiche) {
        ouverte = true;
        // The import has run before the hub opens, and the catalogue is open while it shows.
        [&] {
            QCOMPARE(fiche.windowTitle(), QStringLiteral("Kestrova - Orvane - Administration"));
            QVERIFY(dm.Orvane.GetConnected());
            QCOMPARE(Tva(dm), QStringList{QStringLiteral("1|Normale|20")});
            QCOMPARE(Poseurs(), QStringList{QStringLiteral("1|P01|Durand||")});
        }();
        return int(QDialog::Rejected);
    });
    QCOMPARE(lancer(dm, {QStringLiteral("ADMIN"), config}), 0);
    QVERIFY(ouverte);
    QVERIFY(!dm.Orvane.GetConnected());
}

void TestStartup::tarificationRecoitSesFichiers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("CREATION") << QStringLiteral("CREATION");
    QTest::newRow("MAJ") << QStringLiteral("MAJ");
}

void TestStartup::tarificationRecoitSesFichiers()
{
    QFETCH(QString, mode);
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configurationSimple);
    const QString recup = dossier.ecrire(QStringLiteral("devis.xml"), QStringLiteral("<devis/>"));
    TDMPose dm;
    bool ouverte = false;
    utilisateur.piloterDialogue(QStringLiteral("TFicheModeNormal"), [&](QDialog &dialogue) {
        ouverte = true;
        [&] {
            auto *fiche = qobject_cast<TFicheModeNormal *>(&dialogue);
            QVERIFY(fiche);
            QCOMPARE(fiche->windowTitle(), QStringLiteral("Orvane "));
            QCOMPARE(fiche->FichierConfiguration(), config);
            QCOMPARE(fiche->FichierRecuperation(), recup);
            QCOMPARE(Tva(dm), QStringList{QStringLiteral("1|Normale|20")});
            QCOMPARE(Poseurs(), QStringList{QStringLiteral("1|P01|Durand||")});
        }();
        return int(QDialog::Accepted);
    });
    QCOMPARE(lancer(dm, {mode, config, recup}), 0);
    QVERIFY(ouverte);
    QVERIFY(!dm.Orvane.GetConnected());
}

void TestStartup::catalogueInutilisable_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("present");
    QTest::newRow("absent") << QByteArray() << false;
    QTest::newRow("illisible")
        << QByteArray("ceci n'est pas un catalogue, mais du texte\n").repeated(64) << true;
}

void TestStartup::catalogueInutilisable()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, present);
    DossierProgrammeDeTest dossier;
    if (present)
        EcrireFichier(CheminCatalogue(), contenu);
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configurationSimple);

    TDMPose dm;
    // The error ends the launch: no import, no message, no working window, and a failure status.
    QCOMPARE(lancer(dm, {QStringLiteral("ADMIN"), config}), 1);
    const QStringList erreurs = utilisateur.prendreErreurs();
    QCOMPARE(erreurs.size(), 1);
    QVERIFY2(erreurs.constFirst().contains(CheminCatalogue()), qPrintable(erreurs.constFirst()));
    QVERIFY(!dm.Orvane.GetConnected());
    QCOMPARE(dm.rxTva.RecordCount(), 0);
    // A missing catalogue is never created in its place.
    QCOMPARE(QFileInfo::exists(CheminCatalogue()), present);
}

void TestStartup::erreurPendantImport()
{
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    Executer({QStringLiteral("CREATE TRIGGER refus BEFORE INSERT ON Poseur BEGIN "
                             "SELECT RAISE(ABORT, 'poseur refusé'); END")});
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configurationSimple);

    TDMPose dm;
    QCOMPARE(lancer(dm, {QStringLiteral("ADMIN"), config}), 1);
    const QStringList erreurs = utilisateur.prendreErreurs();
    QCOMPARE(erreurs.size(), 1);
    QVERIFY2(erreurs.constFirst().contains(QStringLiteral("poseur refusé")),
             qPrintable(erreurs.constFirst()));
    // The VAT import comes after the installers' and does not run.
    QCOMPARE(dm.rxTva.RecordCount(), 0);
    QVERIFY(!dm.Orvane.GetConnected());
}

void TestStartup::importPoseurs_data()
{
    QTest::addColumn<QStringList>("existants");
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QStringList>("attendus"); // IdPoseur|Code|Nom|Ville|RGE, by IdPoseur
    // Rows that a second import of the same file adds: none, unless a code is ambiguous.
    QTest::addColumn<int>("ajoutesAuSecond");

    const auto poseur = [](const QString &code, const QString &nom) -> QString {
        return QStringLiteral("INSERT INTO Poseur (Code, Nom, Ville, RGE) VALUES ('") + code +
               QStringLiteral("', '") + nom + QStringLiteral("', 'Lyon', 'R1')");
    };

    QTest::newRow("sections manquantes")
        << QStringList()
        << QStringLiteral("[Poseur]\nNb=3\n[Poseur0]\nCode=A\nNom=Alpha\n"
                          "[Poseur2]\nCode=C\nNom=Gamma\nVille=Nantes\n")
        << QStringList{QStringLiteral("1|A|Alpha||"), QStringLiteral("2|C|Gamma|Nantes|")} << 0;
    QTest::newRow("code connu mis à jour")
        << QStringList{poseur(QStringLiteral("A"), QStringLiteral("Ancien")),
                       poseur(QStringLiteral("B"), QStringLiteral("Bêta"))}
        << QStringLiteral("[Poseur]\nNb=1\n[Poseur0]\nCode=B\nNom=Nouveau\nVille=Paris\n")
        << QStringList{QStringLiteral("1|A|Ancien|Lyon|R1"), QStringLiteral("2|B|Nouveau|Paris|")}
        << 0;
    QTest::newRow("code en double : un de plus")
        << QStringList{poseur(QStringLiteral("A"), QStringLiteral("Un")),
                       poseur(QStringLiteral("A"), QStringLiteral("Deux"))}
        << QStringLiteral("[Poseur]\nNb=1\n[Poseur0]\nCode=A\nNom=Trois\n")
        << QStringList{QStringLiteral("1|A|Un|Lyon|R1"), QStringLiteral("2|A|Deux|Lyon|R1"),
                       QStringLiteral("3|A|Trois||")}
        << 1;
    QTest::newRow("apostrophe dans le code")
        << QStringList{poseur(QStringLiteral("L''Atelier"), QStringLiteral("Ancien"))}
        << QStringLiteral("[Poseur]\nNb=2\n[Poseur0]\nCode=L'Atelier\nNom=L'Atelier du bois\n"
                          "[Poseur1]\nCode=O'Neil\nNom=O'Neil\n")
        << QStringList{QStringLiteral("1|L'Atelier|L'Atelier du bois||"),
                       QStringLiteral("2|O'Neil|O'Neil||")}
        << 0;
    QTest::newRow("code qui ressemble à du SQL")
        << QStringList{poseur(QStringLiteral("A"), QStringLiteral("Alpha"))}
        << QStringLiteral("[Poseur]\nNb=1\n[Poseur0]\nCode=x' OR '1'='1\nNom=Pirate\n")
        << QStringList{QStringLiteral("1|A|Alpha|Lyon|R1"),
                       QStringLiteral("2|x' OR '1'='1|Pirate||")}
        << 0;
    QTest::newRow("casse des sections et des clés, accents")
        << QStringList()
        << QStringLiteral("[POSEUR]\nnb=1\n[poseur0]\nCODE=é1\nnom=Menuiserie Hélène\n"
                          "VILLE=Besançon\nrge=E-12\n")
        << QStringList{QStringLiteral("1|é1|Menuiserie Hélène|Besançon|E-12")} << 0;
    QTest::newRow("Nb absent") << QStringList() << QStringLiteral("[Poseur0]\nCode=A\nNom=Alpha\n")
                               << QStringList() << 0;
    QTest::newRow("Nb illisible") << QStringList()
                                  << QStringLiteral("[Poseur]\nNb=deux\n[Poseur0]\nCode=A\n")
                                  << QStringList() << 0;
    QTest::newRow("fichier vide") << QStringList() << QString() << QStringList() << 0;
}

void TestStartup::importPoseurs()
{
    QFETCH(QStringList, existants);
    QFETCH(QString, configuration);
    QFETCH(QStringList, attendus);
    QFETCH(int, ajoutesAuSecond);
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    if (!existants.isEmpty())
        Executer(existants);
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configuration);

    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(CheminCatalogue());
    dm.Orvane.Open();
    ImporterPoseurs(dm, config);
    QCOMPARE(Poseurs(), attendus);
    // A second start with the same file finds every installer again and changes nothing.
    ImporterPoseurs(dm, config);
    const QStringList apresSecond = Poseurs();
    QCOMPARE(apresSecond.size(), attendus.size() + ajoutesAuSecond);
    QCOMPARE(apresSecond.mid(0, attendus.size()), attendus);
}

void TestStartup::cleVideEnregistreeCommeTexteVide()
{
    DossierProgrammeDeTest dossier;
    dossier.creerCatalogue();
    Executer({QStringLiteral("INSERT INTO Poseur (Code, Nom, Rue1, Rue2, Mail) "
                             "VALUES ('A', 'Alpha', '1 rue Haute', 'Bât. B', 'a@b.fr')")});
    // Rue1 is written empty, Rue2 is missing: both overwrite the stored address.
    const QString config =
        dossier.ecrire(QStringLiteral("config.ini"),
                       QStringLiteral("[Poseur]\nNb=1\n[Poseur0]\nCode=A\nNom=Alpha\nRue1=\n"));
    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(CheminCatalogue());
    dm.Orvane.Open();
    ImporterPoseurs(dm, config);
    QCOMPARE(Lignes(QStringLiteral("SELECT IdPoseur, Rue1 IS NULL AS n1, Rue2 IS NULL AS n2, "
                                   "Rue1 || '|' || Rue2 || '|' || Mail AS texte FROM Poseur"),
                    {QStringLiteral("IdPoseur"), QStringLiteral("n1"), QStringLiteral("n2"),
                     QStringLiteral("texte")}),
             QStringList{QStringLiteral("1|0|0|||")});
}

void TestStartup::importTva_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QStringList>("attendus"); // TypeTva|Libelle|Valeur, in record order

    QTest::newRow("ordre inverse des sections")
        << QStringLiteral("[TVA]\nNb=2\n[TVA0]\nTypeTva=1\nLibelle=Réduite\nValeur=5,5\n"
                          "[TVA1]\nTypeTva=2\nLibelle=Normale\nValeur=20\n")
        << QStringList{QStringLiteral("2|Normale|20"), QStringLiteral("1|Réduite|5.5")};
    QTest::newRow("type négatif ou absent ignoré")
        << QStringLiteral("[TVA]\nNb=4\n[TVA0]\nTypeTva=-1\nLibelle=Non\nValeur=1\n"
                          "[TVA1]\nLibelle=Sans type\nValeur=2\n"
                          "[TVA2]\nTypeTva=x\nLibelle=Illisible\nValeur=3\n"
                          "[TVA3]\nTypeTva=0\nLibelle=Exonérée\nValeur=0\n")
        << QStringList{QStringLiteral("0|Exonérée|0")};
    QTest::newRow("valeur avec un point")
        << QStringLiteral("[TVA]\nNb=1\n[TVA0]\nTypeTva=3\nLibelle=Point\nValeur=5.5\n")
        << QStringList{QStringLiteral("3|Point|0")};
    QTest::newRow("valeur et libellé absents") << QStringLiteral("[TVA]\nNb=1\n[TVA0]\nTypeTva=4\n")
                                               << QStringList{QStringLiteral("4||0")};
    QTest::newRow("sections manquantes, casse libre")
        << QStringLiteral("[tva]\nNB=3\n[tva2]\ntypetva=7\nLIBELLE=Intermédiaire\nvaleur=10\n")
        << QStringList{QStringLiteral("7|Intermédiaire|10")};
    QTest::newRow("Nb absent") << QStringLiteral("[TVA0]\nTypeTva=1\nValeur=20\n") << QStringList();
}

void TestStartup::importTva()
{
    QFETCH(QString, configuration);
    QFETCH(QStringList, attendus);
    DossierProgrammeDeTest dossier;
    const QString config = dossier.ecrire(QStringLiteral("config.ini"), configuration);
    // The VAT import does not touch the catalogue.
    TDMPose dm;
    ImporterTva(dm, config);
    QCOMPARE(Tva(dm), attendus);
}

void TestStartup::logo_data()
{
    QTest::addColumn<QString>("etat");
    QTest::newRow("présent") << QStringLiteral("présent");
    QTest::newRow("absent") << QStringLiteral("absent");
    QTest::newRow("illisible") << QStringLiteral("illisible");
}

void TestStartup::logo()
{
    QFETCH(QString, etat);
    DossierProgrammeDeTest dossier;
    if (etat == QStringLiteral("présent"))
        dossier.creerLogo(600, 300);
    else if (etat == QStringLiteral("illisible"))
        EcrireFichier(CheminLogo(), QByteArray("BM pas une image"));
    const bool present = etat == QStringLiteral("présent");

    TDMPose dm;
    TFicheMain ficheMain(dm, {});
    TFicheAdministration hub(dm);
    for (QLabel *image : {ficheMain.ui->imgLogo, hub.ui->imgLogo}) {
        QCOMPARE(image->size(), QSize(450, 250));
        const QPixmap affichee = image->pixmap();
        QCOMPARE(affichee.isNull(), !present);
        // Scaled to fit, proportions kept: 600 x 300 becomes 450 x 225, not 450 x 250.
        if (present)
            QCOMPARE(affichee.size(), QSize(450, 225));
    }
    if (present) {
        CapturerFenetre(ficheMain, QStringLiteral("TFicheMain"));
        CapturerFenetre(hub, QStringLiteral("TFicheAdministration"));
    }
}

void TestStartup::boutonsDuHub()
{
    DossierProgrammeDeTest dossier;
    TDMPose dm;
    TFicheAdministration hub(dm);
    const QList<QPair<QPushButton *, QString>> boutons{
        {hub.ui->btnPose, QStringLiteral("Gestion des poses")},
        {hub.ui->btnPoseur, QStringLiteral("Gestion des poseurs")},
        {hub.ui->btnCategorieType, QStringLiteral("Gestion des types de catégorie")},
        {hub.ui->btnCategorie, QStringLiteral("Gestion des catégories")},
        {hub.ui->btnOperande, QStringLiteral("Gestion des opérandes")},
        {hub.ui->btnQuincaillerie, QStringLiteral("Gestion des quincailleries")},
        {hub.ui->btnCoefficient, QStringLiteral("Gestion des marges")},
        {hub.ui->btnTarif, QStringLiteral("Gestion des tarifs ( Général et poseurs)")}};
    for (const auto &[bouton, libelle] : boutons)
        QCOMPARE(bouton->text(), libelle);
    // The right-hand column, top to bottom, the wide tariff button alone under the image.
    for (int i = 1; i < 7; ++i)
        QVERIFY(boutons.at(i).first->y() > boutons.at(i - 1).first->y());
    QVERIFY(hub.ui->btnTarif->y() >= hub.ui->imgLogo->geometry().bottom());
    // Keyboard order: the tariff button first, then the column.
    QWidget *suivant = hub.ui->btnTarif;
    for (int i = 0; i < 7; ++i) {
        suivant = suivant->nextInFocusChain();
        while (suivant->focusPolicy() == Qt::NoFocus)
            suivant = suivant->nextInFocusChain();
        QCOMPARE(suivant, boutons.at(i).first);
    }
}

ORVANE_TEST_MAIN(TestStartup)
#include "test_startup.moc"
