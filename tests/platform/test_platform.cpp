#include "Capture.h"
#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"
#include "platform/FichierIni.h"
#include "platform/Gestionnaire.h"
#include "platform/Interactions.h"
#include "platform/Nombres.h"
#include "platform/TexteWindows.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <limits>

namespace {
QByteArray lire(const QString &chemin)
{
    return LireFichier(chemin);
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    EcrireFichier(chemin, octets);
}

// A small dialog, as the screens build them, for the seam's tests.
class DialogueSaisie : public QDialog {
    Q_OBJECT
public:
    DialogueSaisie()
    {
        edtValeur = new QLineEdit(this);
        edtValeur->setObjectName(QStringLiteral("edtValeur"));
        auto *disposition = new QVBoxLayout(this);
        disposition->addWidget(edtValeur);
    }
    QLineEdit *edtValeur;
};
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void init() { utilisateur.reinitialiser(); }
    void cleanup() { VERIFIER_UTILISATEUR(utilisateur); }

    void formatMontant_data();
    void formatMontant();
    void formatNombre_data();
    void formatNombre();
    void conversionReelle_data();
    void conversionReelle();
    void conversionEntiere_data();
    void conversionEntiere();

    void iniLecture_data();
    void iniLecture();
    void iniEcritureGardeLeReste();
    void iniEcritureCreeLeFichier();
    void iniUtf8AvecBom();

    void windows1252AllerRetour();
    void windows1252CaractereImpossible();
    void ecritureEchoueeGardeLAncienFichier();

    void dossierProgramme();

    void messageEtQuestionScriptes();
    void dialogueScripte();
    void inattenduRapporte();
    void erreurDUnGestionnaireAfficheeParLaBoiteStandard();
    void erreurEchappeeAfficheeParLApplication();

private:
    UtilisateurScripte utilisateur;
};

void TestPlatform::formatMontant_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("milliers sans séparateur") << 1234.5 << QStringLiteral("1234,50");
    QTest::newRow("négatif") << -3.0 << QStringLiteral("-3,00");
    QTest::newRow("zéro") << 0.0 << QStringLiteral("0,00");
    QTest::newRow("zéro négatif") << -0.0 << QStringLiteral("0,00");
    QTest::newRow("arrondi à zéro") << -0.001 << QStringLiteral("0,00");
    QTest::newRow("arrondi au centime") << 0.335 << QStringLiteral("0,34");
    QTest::newRow("somme binaire") << 0.1 + 0.2 << QStringLiteral("0,30");
    QTest::newRow("un tiers") << 1.0 / 3.0 << QStringLiteral("0,33");
    QTest::newRow("million") << 1234567.891 << QStringLiteral("1234567,89");
    QTest::newRow("quinze chiffres") << 1234567890123.456 << QStringLiteral("1234567890123,46");
}

void TestPlatform::formatMontant()
{
    QFETCH(double, valeur);
    QFETCH(QString, attendu);
    QCOMPARE(FormatMontant(valeur), attendu);
}

void TestPlatform::formatNombre_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("entier") << 20.0 << QStringLiteral("20");
    QTest::newRow("cinq et demi") << 5.5 << QStringLiteral("5,5");
    QTest::newRow("douze et demi") << 12.5 << QStringLiteral("12,5");
    QTest::newRow("cent") << 100.0 << QStringLiteral("100");
    QTest::newRow("grand sans séparateur") << 123456.0 << QStringLiteral("123456");
}

void TestPlatform::formatNombre()
{
    QFETCH(double, valeur);
    QFETCH(QString, attendu);
    QCOMPARE(FormatNombre(valeur), attendu);
}

void TestPlatform::conversionReelle_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<double>("valeur");
    QTest::newRow("virgule") << QStringLiteral("12,50") << true << 12.5;
    QTest::newRow("entier") << QStringLiteral("200") << true << 200.0;
    QTest::newRow("négatif") << QStringLiteral("-1") << true << -1.0;
    QTest::newRow("blancs autour") << QStringLiteral("  5,5 ") << true << 5.5;
    QTest::newRow("point refusé") << QStringLiteral("12.50") << false << 0.0;
    QTest::newRow("point de 5.5") << QStringLiteral("5.5") << false << 0.0;
    QTest::newRow("séparateur de groupe") << QStringLiteral("1 234,56") << false << 0.0;
    QTest::newRow("espace fine") << QStringLiteral("1\u202f234,56") << false << 0.0;
    QTest::newRow("vide") << QString() << false << 0.0;
    QTest::newRow("blancs seuls") << QStringLiteral("   ") << false << 0.0;
    QTest::newRow("suite de lettres") << QStringLiteral("12,5abc") << false << 0.0;
    QTest::newRow("lettres") << QStringLiteral("abc") << false << 0.0;
}

void TestPlatform::conversionReelle()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    QFETCH(double, valeur);
    if (valide) {
        QCOMPARE(StrToFloat(texte), valeur);
        QCOMPARE(StrToFloatDef(texte, -1), valeur);
    } else {
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(texte));
        QCOMPARE(StrToFloatDef(texte, -1), -1.0);
        QCOMPARE(StrToFloatDef(texte, 0), 0.0);
    }
}

void TestPlatform::conversionEntiere_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<int>("valeur");
    QTest::newRow("simple") << QStringLiteral("42") << true << 42;
    QTest::newRow("négatif") << QStringLiteral("-1") << true << -1;
    QTest::newRow("signe plus") << QStringLiteral("+7") << true << 7;
    QTest::newRow("blancs autour") << QStringLiteral(" 3 ") << true << 3;
    QTest::newRow("zéros devant") << QStringLiteral("007") << true << 7;
    QTest::newRow("décimal") << QStringLiteral("12,5") << false << 0;
    QTest::newRow("milliers") << QStringLiteral("1 000") << false << 0;
    QTest::newRow("vide") << QString() << false << 0;
    QTest::newRow("signe seul") << QStringLiteral("-") << false << 0;
    QTest::newRow("hexadécimal") << QStringLiteral("0x10") << false << 0;
    QTest::newRow("trop grand") << QStringLiteral("99999999999") << false << 0;
}

void TestPlatform::conversionEntiere()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    QFETCH(int, valeur);
    if (valide) {
        QCOMPARE(StrToInt(texte), valeur);
        QCOMPARE(StrToIntDef(texte, -1), valeur);
    } else {
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(texte));
        QCOMPARE(StrToIntDef(texte, -1), -1);
    }
}

void TestPlatform::iniLecture_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("entier");
    QTest::addColumn<double>("reel");
    // Defaults: "?" for text, -1 for integers, 0 for reals.
    QTest::newRow("casse de la section et de la clé") << "tva0"
                                                      << "typetva"
                                                      << "1" << 1 << 1.0;
    QTest::newRow("virgule gardée") << "TVA0"
                                    << "Valeur"
                                    << "5,5" << -1 << 5.5;
    QTest::newRow("point refusé en réel") << "TVA1"
                                          << "Valeur"
                                          << "5.5" << -1 << 0.0;
    QTest::newRow("blancs autour") << "TVA1"
                                   << "Libelle"
                                   << "TVA normale" << -1 << 0.0;
    QTest::newRow("guillemets") << "TVA1"
                                << "Code"
                                << "a;b" << -1 << 0.0;
    QTest::newRow("barre oblique inverse") << "Poseur0"
                                           << "Dossier"
                                           << "C:\\Temp\\new" << -1 << 0.0;
    QTest::newRow("accent Windows-1252") << "Poseur0"
                                         << "Nom"
                                         << "Sébastien & Fils" << -1 << 0.0;
    QTest::newRow("valeur vide") << "Poseur0"
                                 << "Fax"
                                 << "" << -1 << 0.0;
    QTest::newRow("clé absente") << "Poseur0"
                                 << "Mail"
                                 << "?" << -1 << 0.0;
    QTest::newRow("section absente") << "Poseur9"
                                     << "Nom"
                                     << "?" << -1 << 0.0;
    QTest::newRow("commentaire ignoré") << "Poseur0"
                                        << ";Nom"
                                        << "?" << -1 << 0.0;
    QTest::newRow("première occurrence") << "Poseur"
                                         << "Nb"
                                         << "2" << 2 << 2.0;
}

void TestPlatform::iniLecture()
{
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, texte);
    QFETCH(int, entier);
    QFETCH(double, reel);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("config.ini"));
    ecrire(chemin, EncoderWindows1252(QStringLiteral(
                       "; configuration de l'hôte\r\n"
                       "[Poseur]\r\nNb=2\r\nnb=5\r\n\r\n"
                       "[Poseur0]\r\nNom=Sébastien & Fils\r\n;Nom=commentaire\r\nFax=\r\n"
                       "Dossier=C:\\Temp\\new\r\n"
                       "[TVA0]\r\nTypeTva=1\r\nValeur=5,5\r\n"
                       "[TVA1]\r\nLibelle =   TVA normale  \r\nValeur=5.5\r\nCode=\"a;b\"\r\n")));
    const TIniFile ini(chemin);
    QCOMPARE(ini.ReadString(section, cle, QStringLiteral("?")), texte);
    QCOMPARE(ini.ReadInteger(section, cle, -1), entier);
    QCOMPARE(ini.ReadFloat(section, cle, 0), reel);
}

void TestPlatform::iniEcritureGardeLeReste()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Module_Orvane.ini"));
    const QByteArray avant = EncoderWindows1252(
        QStringLiteral("; réglages\r\n[Marge]\r\nmini=10\r\nAutre=é\r\n\r\n[Divers]\r\nCle=1\r\n"));
    ecrire(chemin, avant);
    TIniFile ini(chemin);
    ini.WriteFloat(QStringLiteral("MARGE"), QStringLiteral("Mini"), 12.5);
    ini.WriteString(QStringLiteral("Divers"), QStringLiteral("Nouvelle"), QStringLiteral("oui"));
    ini.WriteInteger(QStringLiteral("Neuve"), QStringLiteral("N"), 3);
    QCOMPARE(
        DecoderWindows1252(lire(chemin)),
        QStringLiteral("; réglages\r\n[Marge]\r\nMini=12,5\r\nAutre=é\r\n\r\n[Divers]\r\nCle=1\r\n"
                       "Nouvelle=oui\r\n\r\n[Neuve]\r\nN=3\r\n"));
    const TIniFile relu(chemin);
    QCOMPARE(relu.ReadFloat(QStringLiteral("Marge"), QStringLiteral("Mini"), 0), 12.5);
    QVERIFY(relu.SectionExists(QStringLiteral("neuve")));
    QVERIFY(!relu.SectionExists(QStringLiteral("Absente")));
}

void TestPlatform::iniEcritureCreeLeFichier()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("nouveau.ini"));
    TIniFile ini(chemin);
    QVERIFY(!ini.SectionExists(QStringLiteral("Marge")));
    QCOMPARE(ini.ReadInteger(QStringLiteral("Marge"), QStringLiteral("Mini"), 7), 7);
    ini.WriteInteger(QStringLiteral("Marge"), QStringLiteral("Mini"), 15);
    QCOMPARE(lire(chemin), QByteArray("[Marge]\r\nMini=15\r\n"));
}

void TestPlatform::iniUtf8AvecBom()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("utf8.ini"));
    ecrire(chemin,
           QByteArray("\xEF\xBB\xBF[Poseur0]\nNom=") + QStringLiteral("Hélène").toUtf8() + "\n");
    TIniFile ini(chemin);
    QCOMPARE(ini.ReadString(QStringLiteral("Poseur0"), QStringLiteral("Nom"), QString()),
             QStringLiteral("Hélène"));
    ini.WriteString(QStringLiteral("Poseur0"), QStringLiteral("Ville"), QStringLiteral("Sète"));
    QCOMPARE(lire(chemin), QByteArray("\xEF\xBB\xBF[Poseur0]\r\nNom=") +
                               QStringLiteral("Hélène").toUtf8() +
                               "\r\nVille=" + QStringLiteral("Sète").toUtf8() + "\r\n");
}

void TestPlatform::windows1252AllerRetour()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("export.csv"));
    const QString texte = QStringLiteral("Libellé;Prix €;Œuvre « spéciale »\r\n");
    EcrireFichierTexte(chemin, texte);
    const QByteArray octets = lire(chemin);
    QVERIFY(octets.contains("Libell\xE9"));
    QVERIFY(octets.contains("Prix \x80"));
    QVERIFY(octets.contains("\x8C"));
    QCOMPARE(octets.size(), texte.size()); // one byte a character
    QCOMPARE(LireFichierTexte(chemin), texte);
}

void TestPlatform::windows1252CaractereImpossible()
{
    QVERIFY_THROWS_EXCEPTION(EConvertError, EncoderWindows1252(QStringLiteral("prix en ₹")));
}

void TestPlatform::ecritureEchoueeGardeLAncienFichier()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("devis.xml"));
    ecrire(chemin, "ancien");
    // A folder where the file should be: the write fails and raises; nothing else changes.
    QVERIFY_THROWS_EXCEPTION(EFileError,
                             EcrireFichier(dossier.path() + QStringLiteral("/absent/x.xml"), "x"));
    QVERIFY_THROWS_EXCEPTION(EFileError,
                             LireFichier(dossier.filePath(QStringLiteral("absent.xml"))));
    QCOMPARE(lire(chemin), QByteArray("ancien"));
}

void TestPlatform::dossierProgramme()
{
    QTemporaryDir dossier;
    DefinirDossierProgramme(dossier.path());
    const QString d = dossier.path() + u'/';
    QCOMPARE(DossierProgramme(), d);
    QCOMPARE(CheminCatalogue(), d + QStringLiteral("Orvane.abs"));
    QCOMPARE(CheminLogo(), d + QStringLiteral("Orvane.bmp"));
    QCOMPARE(CheminParametresModule(), d + QStringLiteral("Module_Orvane.ini"));
    QCOMPARE(DossierArchives(), d + QStringLiteral("Xml/"));
    DefinirDossierProgramme(QString());
    QVERIFY(DossierProgramme().endsWith(u'/'));
}

void TestPlatform::messageEtQuestionScriptes()
{
    ShowMessage(QStringLiteral("Veuillez sélectionner un tarif"));
    utilisateur.repondre(true);
    utilisateur.repondre(false);
    QVERIFY(Confirmer(QStringLiteral("Etes-vous sûr ?")));
    QVERIFY(!QuestionOuiNon(QStringLiteral("Voulez-vous actualiser tous les prix des tarifs ?")));
    QCOMPARE(utilisateur.prendreMessages(),
             QStringList{QStringLiteral("Veuillez sélectionner un tarif")});
    QCOMPARE(utilisateur.questionsPosees().size(), 2);
    utilisateur.choisirFichier(QStringLiteral("/tmp/export_tarifs.csv"));
    ChoixFichier choix;
    choix.titre = QStringLiteral("Exporter");
    QCOMPARE(ChoisirFichierEnregistrer(nullptr, choix), QStringLiteral("/tmp/export_tarifs.csv"));
}

void TestPlatform::dialogueScripte()
{
    DialogueSaisie dialogue;
    utilisateur.piloterDialogue(QStringLiteral("DialogueSaisie"), [](QDialog &d) {
        d.findChild<QLineEdit *>(QStringLiteral("edtValeur"))->setText(QStringLiteral("12,5"));
        return int(QDialog::Accepted);
    });
    QCOMPARE(ExecuterModal(dialogue), int(QDialog::Accepted));
    QCOMPARE(dialogue.edtValeur->text(), QStringLiteral("12,5"));
    CapturerFenetre(dialogue, QStringLiteral("platform_dialogue"));
}

void TestPlatform::inattenduRapporte()
{
    DialogueSaisie dialogue;
    QCOMPARE(ExecuterModal(dialogue), int(QDialog::Rejected));
    QVERIFY(!Confirmer(QStringLiteral("Question imprévue ?")));
    QVERIFY(!utilisateur.toutEstAttendu());
    QVERIFY(utilisateur.rapport().contains(QStringLiteral("DialogueSaisie")));
    QVERIFY(utilisateur.rapport().contains(QStringLiteral("Question imprévue ?")));
    utilisateur.reinitialiser();
}

void TestPlatform::erreurDUnGestionnaireAfficheeParLaBoiteStandard()
{
    QWidget fenetre;
    auto *bouton = new QPushButton(QStringLiteral("Valider"), &fenetre);
    int apres = 0;
    QObject::connect(bouton, &QPushButton::clicked, &fenetre, Gestionnaire([&] {
                         StrToInt(QStringLiteral("abc"));
                         ++apres;
                     }));
    fenetre.show();
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(apres, 0);
    QCOMPARE(utilisateur.prendreErreurs(),
             QStringList{QStringLiteral("'abc' n'est pas une valeur entière correcte")});
    // The program goes on: the next click is handled again.
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(utilisateur.prendreErreurs().size(), 1);
}

namespace {
// An object whose own event handler raises, as a window's overridden handler might.
class RecepteurFautif : public QObject {
public:
    bool event(QEvent *evenement) override
    {
        if (evenement->type() == QEvent::User)
            throw EFileError(QStringLiteral("Impossible d'ouvrir le fichier devis.xml"));
        return QObject::event(evenement);
    }
};
} // namespace

void TestPlatform::erreurEchappeeAfficheeParLApplication()
{
    RecepteurFautif recepteur;
    QEvent evenement(QEvent::User);
    QCOMPARE(QCoreApplication::sendEvent(&recepteur, &evenement), false);
    QCOMPARE(utilisateur.prendreErreurs(),
             QStringList{QStringLiteral("Impossible d'ouvrir le fichier devis.xml")});
}

ORVANE_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
