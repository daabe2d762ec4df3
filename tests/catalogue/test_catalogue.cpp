#include "CatalogueTemporaire.h"
#include "TestMain.h"
#include "UtilisateurScripte.h"

#include "catalogue/SchemaCatalogue.h"
#include "catalogue/TDMPose.h"
#include "catalogue/TObjectCode.h"
#include "model/TTva.h"
#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"
#include "platform/FichierIni.h"
#include "platform/TexteWindows.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QSet>
#include <QTableWidgetItem>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <atomic>
#include <memory>

namespace {
const QStringList codesAttendus = {
    QStringLiteral("10100"), QStringLiteral("10101"), QStringLiteral("10102"),
    QStringLiteral("10103"), QStringLiteral("10200"), QStringLiteral("10300"),
    QStringLiteral("10400"), QStringLiteral("10500"), QStringLiteral("10501"),
    QStringLiteral("10502"), QStringLiteral("10600"), QStringLiteral("10700"),
    QStringLiteral("10800")};

// The rows of a SELECT, each as its columns' texts joined by "|".
QStringList lignes(TRequete &requete, const QString &sql)
{
    requete.SetSQL(sql);
    requete.Open();
    QStringList resultat;
    for (requete.First(); !requete.Eof(); requete.Next()) {
        QStringList colonnes;
        for (const QString &colonne : requete.FieldNames())
            colonnes.append(requete.FieldAsString(colonne));
        resultat.append(colonnes.join(u'|'));
    }
    requete.Close();
    return resultat;
}

QStringList colonnes(CatalogueTemporaire &catalogue, const QString &table)
{
    TRequete requete(catalogue.dm.Orvane);
    return lignes(requete, QStringLiteral("SELECT name FROM pragma_table_info('") + table +
                               QStringLiteral("')"));
}

// The whole stored schema, to tell that a run changed nothing.
QString schema(CatalogueTemporaire &catalogue)
{
    TRequete requete(catalogue.dm.Orvane);
    return lignes(requete,
                  QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"))
        .join(u'\n');
}

// A catalogue as an older version of the program left it: no KestrovaLibelle, no column
// KestrovaLibelle in CategorieType, no Siret nor RGE in Poseur; with a few rows.
void vieillir(CatalogueTemporaire &catalogue)
{
    catalogue.executer(QStringLiteral("DROP TABLE KestrovaLibelle"));
    catalogue.executer(QStringLiteral("ALTER TABLE CategorieType DROP COLUMN KestrovaLibelle"));
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN Siret"));
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN RGE"));
    catalogue.executer(QStringLiteral(
        "INSERT INTO CategorieType (Libelle, MotsClefs) VALUES ('Fenêtre', 'fenêtre')"));
    catalogue.executer(
        QStringLiteral("INSERT INTO Poseur (Code, Nom, Ville) VALUES ('P1', 'Durand', 'Nantes')"));
}

std::unique_ptr<TDMPose> ouvrir(const QString &chemin)
{
    auto dm = std::make_unique<TDMPose>();
    dm->Orvane.SetDatabaseFileName(chemin);
    dm->Orvane.Open();
    return dm;
}
} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void init() { utilisateur.reinitialiser(); }
    void cleanup() { VERIFIER_UTILISATEUR(utilisateur); }

    // Engine
    void ouvertureFichierAbsentOuInvalide_data();
    void ouvertureFichierAbsentOuInvalide();
    void parametresParNom();
    void parametresTexteNulEtLiteraux();
    void lectureEtLignesAffectees();
    void conversionsDeChamps_data();
    void conversionsDeChamps();
    void erreursDeChamps();
    void erreurMoteur();
    void objetTable();
    void dernierAutoIncrement();
    void transactionAnnuleeOuValidee();

    // Restructuring
    void restructurationFichierAncien();
    void restructurationIdempotente();
    void restructurationKestrovaExistante_data();
    void restructurationKestrovaExistante();
    void restructurationPoseurAvecSiretSansRge();
    void restructurationInsertionRefusee();
    void restructurationCreationRefusee();
    void restructurationTableAbsente();

    // New and demo catalogues
    void nouveauCatalogue();
    void catalogueExistantJamaisRemplace();
    void outilRefuseDEcraser();
    void catalogueDemoAccordeAuxExemples();

    // Several instances on one file
    void deuxInstancesLisentEtEcrivent();
    void transactionFaitAttendreLAutreEcrivain();
    void ecrituresConcurrentesSansPerte();

    // VAT table and look-ups
    void rxTvaOrdreInverse();
    void rechercheTva_data();
    void rechercheTva();
    void remplirComboTvaDeuxFois();

    // Combo boxes and list views
    void selectionnerCode();
    void codeSelectionne();
    void viderComboLibereLesObjets();
    void viderListeLibereLesObjets();

private:
    UtilisateurScripte utilisateur;
};

// ---------------------------------------------------------------------------------------------
// Engine

void TestCatalogue::ouvertureFichierAbsentOuInvalide_data()
{
    QTest::addColumn<QByteArray>("contenu"); // empty: no file at all
    QTest::addColumn<QString>("debutMessage");
    QTest::newRow("absent") << QByteArray()
                            << QStringLiteral("Le fichier de la base de données n'existe pas : ");
    QTest::newRow("pas une base") << QByteArray("[Poseur]\r\nNb=0\r\n" + QByteArray(600, 'x'))
                                  << QStringLiteral("Impossible d'ouvrir la base de données ");
}

void TestCatalogue::ouvertureFichierAbsentOuInvalide()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, debutMessage);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Orvane.abs"));
    if (!contenu.isEmpty())
        EcrireFichier(chemin, contenu);

    TDMPose dm;
    dm.Orvane.SetDatabaseFileName(chemin);
    try {
        dm.Orvane.Open();
        QFAIL("Open should have failed");
    } catch (const EDatabaseError &erreur) {
        QVERIFY2(erreur.message().startsWith(debutMessage), qPrintable(erreur.message()));
        QVERIFY(erreur.message().contains(chemin));
    }
    QVERIFY(!dm.Orvane.GetConnected());
    // Never created, never altered.
    QCOMPARE(QFile::exists(chemin), !contenu.isEmpty());
    if (!contenu.isEmpty())
        QCOMPARE(LireFichier(chemin), contenu);
}

void TestCatalogue::parametresParNom()
{
    CatalogueTemporaire catalogue;
    TRequete &q = catalogue.dm.qryExec;
    q.SetSQL(QStringLiteral("INSERT INTO Quincaillerie (CodeExport, Libelle, TarifVente, Secable) "
                            "VALUES (:Code, :Libelle, :Prix, :Secable)"));
    q.SetParamText(QStringLiteral("code"), QStringLiteral("Q-1")); // names ignore case
    q.SetParamText(QStringLiteral("Libelle"), QStringLiteral("Vis d'ancrage"));
    q.SetParamFloat(QStringLiteral("Prix"), 12.5);
    q.SetParamInteger(QStringLiteral("Secable"), 1);
    QCOMPARE(q.ExecSQL(), 1);

    // A name used twice is bound twice; a text compared with an integer column is a number.
    TRequete &s = catalogue.dm.qrySelect;
    s.SetSQL(QStringLiteral("SELECT Libelle, TarifVente, Secable FROM Quincaillerie "
                            "WHERE (CodeExport = :code OR Libelle2 = :CODE) AND Secable = :s"));
    s.SetParamText(QStringLiteral("Code"), QStringLiteral("Q-1"));
    s.SetParamText(QStringLiteral("S"), QStringLiteral("1"));
    s.Open();
    QCOMPARE(s.RecordCount(), 1);
    QCOMPARE(s.FieldAsString(QStringLiteral("libelle")), QStringLiteral("Vis d'ancrage"));
    QCOMPARE(s.FieldAsFloat(QStringLiteral("TarifVente")), 12.5);
    QCOMPARE(s.FieldAsInteger(QStringLiteral("Secable")), 1);

    // A new SQL text clears the parameters: one left unset is NULL.
    s.SetSQL(QStringLiteral("SELECT :code IS NULL AS Nul"));
    s.Open();
    QCOMPARE(s.FieldAsInteger(QStringLiteral("Nul")), 1);

    // Clearing by hand, and setting NULL explicitly.
    s.SetSQL(QStringLiteral("SELECT :a IS NULL AS A, :b IS NULL AS B"));
    s.SetParamText(QStringLiteral("a"), QStringLiteral("x"));
    s.SetParamInteger(QStringLiteral("b"), 3);
    s.ClearParams();
    s.SetParamInteger(QStringLiteral("b"), 3);
    s.Open();
    QCOMPARE(s.FieldAsInteger(QStringLiteral("A")), 1);
    QCOMPARE(s.FieldAsInteger(QStringLiteral("B")), 0);
    s.SetParamNull(QStringLiteral("b"));
    s.Open();
    QCOMPARE(s.FieldAsInteger(QStringLiteral("B")), 1);
}

void TestCatalogue::parametresTexteNulEtLiteraux()
{
    CatalogueTemporaire catalogue(CatalogueTemporaire::Demo);
    TRequete &s = catalogue.dm.qrySelect;
    // A null QString binds the empty text, so "LIKE :filtre || '%'" keeps every row.
    s.SetSQL(QStringLiteral("SELECT count(*) AS n FROM Quincaillerie WHERE "
                            "UPPER(Libelle) LIKE UPPER(:filtre) || '%'"));
    s.SetParamText(QStringLiteral("filtre"), QString());
    s.Open();
    QVERIFY(s.FieldAsInteger(QStringLiteral("n")) > 0);
    QCOMPARE(s.FieldAsInteger(QStringLiteral("n")),
             catalogue.valeur(QStringLiteral("SELECT count(*) FROM Quincaillerie")).toLongLong());

    // A colon inside a literal, a quoted name or a comment is not a parameter.
    s.SetSQL(QStringLiteral("SELECT ':pas' AS t, 'l''heure :x' AS u, :vrai AS v -- :non\n"));
    s.SetParamText(QStringLiteral("vrai"), QStringLiteral("oui"));
    s.Open();
    QCOMPARE(s.FieldAsString(QStringLiteral("t")), QStringLiteral(":pas"));
    QCOMPARE(s.FieldAsString(QStringLiteral("u")), QStringLiteral("l'heure :x"));
    QCOMPARE(s.FieldAsString(QStringLiteral("v")), QStringLiteral("oui"));
}

void TestCatalogue::lectureEtLignesAffectees()
{
    CatalogueTemporaire catalogue(CatalogueTemporaire::Demo);
    TRequete &s = catalogue.dm.qrySelect;
    s.SetSQL(QStringLiteral("SELECT Code FROM KestrovaLibelle ORDER BY Code DESC;"));
    s.Open();
    QVERIFY(s.Active());
    QCOMPARE(s.RecordCount(), 13);
    QCOMPARE(s.FieldAsString(QStringLiteral("Code")), QStringLiteral("10800"));
    int vues = 0;
    for (; !s.Eof(); s.Next())
        ++vues;
    QCOMPARE(vues, 13);
    s.Next(); // past the end stays at the end
    QVERIFY(s.Eof());
    QCOMPARE(s.FieldAsString(QStringLiteral("Code")), QString());
    s.First();
    QCOMPARE(s.FieldAsString(QStringLiteral("Code")), QStringLiteral("10800"));
    s.Close();
    QCOMPARE(s.RecordCount(), 0);

    // The statements of the Parts, as they are written: names in any case, numbers in quotes.
    const QString tarifsGeneraux = catalogue.valeur(
        QStringLiteral("SELECT count(*) FROM Tarif WHERE IdPose = 1 AND IdPoseur = 0"));
    TRequete &e = catalogue.dm.qryExec;
    e.SetSQL(
        QStringLiteral("UPDATE tarif SET prix = prix + 1 WHERE idPose = '1' AND Idposeur = 0"));
    QCOMPARE(QString::number(e.ExecSQL()), tarifsGeneraux);
    QCOMPARE(QString::number(e.GetRowsAffected()), tarifsGeneraux);
    e.SetSQL(QStringLiteral("DELETE FROM Tarif WHERE IdPose = 999"));
    QCOMPARE(e.ExecSQL(), 0);
    QCOMPARE(e.GetRowsAffected(), 0);
    e.SetSQL(QStringLiteral(
        "INSERT INTO Tarif (idPose, idCategorie, idPoseur, Prix) SELECT DISTINCT :idPoseSec AS "
        "idPose, idCategorie, :idPoseurSec AS idPoseur, Prix FROM Tarif WHERE idPose = "
        ":idPoseInit AND idPoseur = :idPoseurInit"));
    e.SetParamText(QStringLiteral("idPoseSec"), QStringLiteral("3"));
    e.SetParamText(QStringLiteral("idPoseurSec"), QStringLiteral("7"));
    e.SetParamText(QStringLiteral("idPoseInit"), QStringLiteral("1"));
    e.SetParamText(QStringLiteral("idPoseurInit"), QStringLiteral("0"));
    QCOMPARE(QString::number(e.ExecSQL()), tarifsGeneraux);
    QCOMPARE(catalogue.valeur(
                 QStringLiteral("SELECT count(*) FROM Tarif WHERE IdPose = 3 AND IdPoseur = 7")),
             tarifsGeneraux);
}

void TestCatalogue::conversionsDeChamps_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<qint64>("entier");
    QTest::addColumn<double>("reel");
    QTest::addColumn<bool>("nul");
    QTest::newRow("entier") << QStringLiteral("42") << QStringLiteral("42") << qint64(42) << 42.0
                            << false;
    QTest::newRow("réel") << QStringLiteral("12.5") << QStringLiteral("12,5") << qint64(13) << 12.5
                          << false;
    QTest::newRow("réel entier") << QStringLiteral("120.0") << QStringLiteral("120") << qint64(120)
                                 << 120.0 << false;
    QTest::newRow("texte entier") << QStringLiteral("'7'") << QStringLiteral("7") << qint64(7)
                                  << 7.0 << false;
    QTest::newRow("texte réel SQL")
        << QStringLiteral("'2.25'") << QStringLiteral("2.25") << qint64(0) << 2.25 << false;
    QTest::newRow("texte réel français")
        << QStringLiteral("'2,25'") << QStringLiteral("2,25") << qint64(0) << 2.25 << false;
    QTest::newRow("NULL") << QStringLiteral("NULL") << QString() << qint64(0) << 0.0 << true;
    QTest::newRow("texte vide") << QStringLiteral("''") << QString() << qint64(0) << 0.0 << false;
}

void TestCatalogue::conversionsDeChamps()
{
    QFETCH(QString, expression);
    QFETCH(QString, texte);
    QFETCH(qint64, entier);
    QFETCH(double, reel);
    QFETCH(bool, nul);
    CatalogueTemporaire catalogue;
    TRequete &s = catalogue.dm.qrySelect;
    s.SetSQL(QStringLiteral("SELECT ") + expression + QStringLiteral(" AS Champ"));
    s.Open();
    QCOMPARE(s.FieldAsString(QStringLiteral("CHAMP")), texte);
    QCOMPARE(s.FieldAsFloat(QStringLiteral("champ")), reel);
    QCOMPARE(s.FieldIsNull(QStringLiteral("Champ")), nul);
    if (!texte.contains(u'.') && !texte.contains(u','))
        QCOMPARE(s.FieldAsInteger(QStringLiteral("Champ")), entier);
}

void TestCatalogue::erreursDeChamps()
{
    CatalogueTemporaire catalogue;
    TRequete &s = catalogue.dm.qrySelect;
    s.SetSQL(QStringLiteral("SELECT 'abc' AS Texte, '2.25' AS Reel"));
    s.Open();
    QVERIFY_THROWS_EXCEPTION(EConvertError, s.FieldAsInteger(QStringLiteral("Texte")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, s.FieldAsFloat(QStringLiteral("Texte")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, s.FieldAsInteger(QStringLiteral("Reel")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, s.FieldAsString(QStringLiteral("Inconnue")));
}

void TestCatalogue::erreurMoteur()
{
    CatalogueTemporaire catalogue;
    TRequete &s = catalogue.dm.qrySelect;
    s.SetSQL(QStringLiteral("SELECT * FROM Inexistante"));
    try {
        s.Open();
        QFAIL("Open should have failed");
    } catch (const EDatabaseError &erreur) {
        QVERIFY2(erreur.message().contains(QStringLiteral("Inexistante")),
                 qPrintable(erreur.message()));
    }
    QVERIFY(!s.Active());
    catalogue.dm.qryExec.SetSQL(QStringLiteral("INSERT INTO KestrovaLibelle (Code) VALUES (1)"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, catalogue.dm.qryExec.ExecSQL());
}

void TestCatalogue::objetTable()
{
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("INSERT INTO CategorieType (Libelle) VALUES ('A'), ('B')"));

    TTable table(catalogue.dm.Orvane, QStringLiteral("categorietype"));
    QVERIFY(table.GetTableExists());
    table.Open();
    table.Close();
    QVERIFY(table.FindField(QStringLiteral("MOTSCLEFS")));
    QVERIFY(!table.FindField(QStringLiteral("Couleur")));
    QCOMPARE(table.RecordCount(), 2);

    table.AddField(QStringLiteral("Couleur"), QStringLiteral("VARCHAR(20)"));
    QVERIFY(table.FindField(QStringLiteral("couleur")));
    TRequete requete(catalogue.dm.Orvane);
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Libelle, Couleur FROM CategorieType "
                                            "ORDER BY IdCategorieType")),
             QStringList({QStringLiteral("A|"), QStringLiteral("B|")}));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             table.AddField(QStringLiteral("X"), QStringLiteral("TEXT; DROP")));

    table.SetTableName(QStringLiteral("Absente"));
    QVERIFY(!table.GetTableExists());
    QVERIFY(!table.FindField(QStringLiteral("Couleur")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, table.Open());
}

void TestCatalogue::dernierAutoIncrement()
{
    CatalogueTemporaire catalogue;
    TTable &table = catalogue.dm.tblCategorie;
    QCOMPARE(table.LastAutoincValue(), qint64(0));

    TRequete &e = catalogue.dm.qryExec;
    for (int i = 0; i < 3; ++i) {
        e.SetSQL(QStringLiteral("INSERT INTO Categorie (Libelle, IdCategorieType) VALUES "
                                "(:Libelle, -1)"));
        e.SetParamText(QStringLiteral("Libelle"), QStringLiteral("C") + QString::number(i));
        e.ExecSQL();
    }
    QCOMPARE(table.LastAutoincValue(), qint64(3));
    QCOMPARE(e.LastInsertId(), qint64(3));
    // A key is never given twice, even after the last row is deleted.
    catalogue.executer(QStringLiteral("DELETE FROM Categorie WHERE IdCategorie = 3"));
    QCOMPARE(table.LastAutoincValue(), qint64(3));
    catalogue.executer(QStringLiteral("INSERT INTO Categorie (Libelle) VALUES ('D')"));
    QCOMPARE(table.LastAutoincValue(), qint64(4));
}

void TestCatalogue::transactionAnnuleeOuValidee()
{
    CatalogueTemporaire catalogue;
    const auto nombre = [&] {
        return catalogue.valeur(QStringLiteral("SELECT count(*) FROM Pose"));
    };
    {
        TTransaction transaction(catalogue.dm.Orvane);
        catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('A')"));
        {
            TTransaction interieure(catalogue.dm.Orvane); // a savepoint of the outer one
            catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('B')"));
        }
        QCOMPARE(nombre(), QStringLiteral("1"));
    }
    QCOMPARE(nombre(), QStringLiteral("0"));
    {
        TTransaction transaction(catalogue.dm.Orvane);
        catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('A')"));
        TTransaction interieure(catalogue.dm.Orvane);
        catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('B')"));
        interieure.Commit();
        transaction.Commit();
    }
    QCOMPARE(nombre(), QStringLiteral("2"));
    // A new transaction can start after the others ended.
    TTransaction apres(catalogue.dm.Orvane);
    apres.Commit();
}

// ---------------------------------------------------------------------------------------------
// Restructuring

void TestCatalogue::restructurationFichierAncien()
{
    CatalogueTemporaire catalogue;
    vieillir(catalogue);

    catalogue.dm.RestructureBase();

    TRequete requete(catalogue.dm.Orvane);
    const QStringList kestrova =
        lignes(requete, QStringLiteral("SELECT Code, Famille, TypeFamille, TypeModele, Nom FROM "
                                       "KestrovaLibelle ORDER BY rowid"));
    QCOMPARE(kestrova.size(), 13);
    QStringList codes;
    for (const QString &ligne : kestrova)
        codes.append(ligne.section(u'|', 0, 0));
    QCOMPARE(codes, codesAttendus);
    QCOMPARE(kestrova.at(7), QStringLiteral("10500|1|5|0|Porte d'entrée"));
    QCOMPARE(kestrova.at(11), QStringLiteral("10700|1|7|0|Grille de défense"));

    QVERIFY(colonnes(catalogue, QStringLiteral("CategorieType"))
                .contains(QStringLiteral("KestrovaLibelle")));
    const QStringList poseur = colonnes(catalogue, QStringLiteral("Poseur"));
    QCOMPARE(poseur.mid(poseur.size() - 2),
             QStringList({QStringLiteral("Siret"), QStringLiteral("RGE")}));
    // Existing rows kept, with an empty code.
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Libelle, MotsClefs, KestrovaLibelle FROM "
                                            "CategorieType")),
             QStringList({QStringLiteral("Fenêtre|fenêtre|")}));
    QCOMPARE(lignes(requete, QStringLiteral("SELECT IdPoseur, Code, Nom, Ville, Siret, RGE FROM "
                                            "Poseur")),
             QStringList({QStringLiteral("1|P1|Durand|Nantes||")}));
    // The key and the unique index hold.
    catalogue.dm.qryExec.SetSQL(QStringLiteral(
        "INSERT INTO KestrovaLibelle (Code, Famille, TypeFamille, TypeModele) VALUES "
        "('19999', 1, 1, 0)"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, catalogue.dm.qryExec.ExecSQL());
}

void TestCatalogue::restructurationIdempotente()
{
    CatalogueTemporaire catalogue;
    vieillir(catalogue);
    catalogue.dm.RestructureBase();
    const QString apresPremiere = schema(catalogue);
    TRequete requete(catalogue.dm.Orvane);
    const QStringList lignesApres =
        lignes(requete, QStringLiteral("SELECT * FROM KestrovaLibelle ORDER BY rowid"));

    catalogue.dm.RestructureBase();

    QCOMPARE(schema(catalogue), apresPremiere);
    QCOMPARE(lignes(requete, QStringLiteral("SELECT * FROM KestrovaLibelle ORDER BY rowid")),
             lignesApres);
    // A catalogue made current from the start is not changed either.
    {
        CatalogueTemporaire neuf;
        QCOMPARE(CheminCatalogue(), neuf.chemin());
        const QString avant = schema(neuf);
        neuf.dm.RestructureBase();
        QCOMPARE(schema(neuf), avant);
    }
    QCOMPARE(CheminCatalogue(), catalogue.chemin());
    // cleanup() checks that no message was shown.
}

void TestCatalogue::restructurationKestrovaExistante_data()
{
    QTest::addColumn<int>("lignesAvant");
    QTest::addColumn<int>("lignesApres");
    QTest::newRow("vide: remplie") << 0 << 13;
    QTest::newRow("une ligne: laissée") << 1 << 1;
}

void TestCatalogue::restructurationKestrovaExistante()
{
    QFETCH(int, lignesAvant);
    QFETCH(int, lignesApres);
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("DELETE FROM KestrovaLibelle"));
    if (lignesAvant == 1)
        catalogue.executer(QStringLiteral("INSERT INTO KestrovaLibelle (Code, Famille, "
                                          "TypeFamille, TypeModele, Nom) VALUES ('10600', 1, 6, "
                                          "0, 'Porte de Garage')"));

    catalogue.dm.RestructureBase();

    QCOMPARE(catalogue.valeur(QStringLiteral("SELECT count(*) FROM KestrovaLibelle")),
             QString::number(lignesApres));
    QCOMPARE(catalogue.valeur(QStringLiteral("SELECT Code FROM KestrovaLibelle ORDER BY rowid")),
             lignesAvant == 1 ? QStringLiteral("10600") : QStringLiteral("10100"));
}

void TestCatalogue::restructurationPoseurAvecSiretSansRge()
{
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN RGE"));
    catalogue.dm.RestructureBase();
    const QStringList poseur = colonnes(catalogue, QStringLiteral("Poseur"));
    QVERIFY(poseur.contains(QStringLiteral("Siret")));
    QVERIFY(!poseur.contains(QStringLiteral("RGE"), Qt::CaseInsensitive));
}

void TestCatalogue::restructurationInsertionRefusee()
{
    // One seed row refused by the engine: its message, and the twelve others inserted.
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("DELETE FROM KestrovaLibelle"));
    catalogue.executer(QStringLiteral(
        "CREATE TRIGGER refus BEFORE INSERT ON KestrovaLibelle WHEN NEW.Code = '10501' "
        "BEGIN SELECT RAISE(ABORT, 'code refusé'); END"));

    catalogue.dm.RestructureBase();

    QCOMPARE(utilisateur.prendreMessages(),
             QStringList({QStringLiteral("TDMPose::RestructureBase : Erreur sur l'insertion dans "
                                         "la table KestrovaLibelle\ncode refusé")}));
    TRequete requete(catalogue.dm.Orvane);
    QStringList attendus = codesAttendus;
    attendus.removeAll(QStringLiteral("10501"));
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Code FROM KestrovaLibelle ORDER BY rowid")),
             attendus);
}

void TestCatalogue::restructurationCreationRefusee()
{
    // A view in the table's place: the creation fails, the seed rows are not tried, and the
    // column steps still run (here a Poseur that lost Siret but kept RGE: Siret is added).
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("DROP TABLE KestrovaLibelle"));
    catalogue.executer(QStringLiteral("CREATE VIEW KestrovaLibelle AS SELECT 1 AS Code"));
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN Siret"));

    catalogue.dm.RestructureBase();

    const QStringList messages = utilisateur.prendreMessages();
    QVERIFY2(messages.size() == 1, qPrintable(messages.join(u'#')));
    QVERIFY2(messages.first().startsWith(
                 QStringLiteral("TDMPose::RestructureBase : Erreur sur la création de la table "
                                "KestrovaLibelle\n")),
             qPrintable(messages.first()));
    QVERIFY(messages.first().size() > 80); // followed by the engine's text
    const QStringList poseur = colonnes(catalogue, QStringLiteral("Poseur"));
    QVERIFY(poseur.contains(QStringLiteral("Siret")));
    QCOMPARE(poseur.count(QStringLiteral("RGE")), 1);
}

void TestCatalogue::restructurationTableAbsente()
{
    // A failing column step shows the engine's text alone and the next step still runs.
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("DROP TABLE CategorieType"));
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN RGE"));
    catalogue.executer(QStringLiteral("ALTER TABLE Poseur DROP COLUMN Siret"));

    catalogue.dm.RestructureBase();

    const QStringList messages = utilisateur.prendreMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("CategorieType")),
             qPrintable(messages.first()));
    QVERIFY(colonnes(catalogue, QStringLiteral("Poseur")).contains(QStringLiteral("RGE")));
}

// ---------------------------------------------------------------------------------------------
// New and demo catalogues

void TestCatalogue::nouveauCatalogue()
{
    CatalogueTemporaire catalogue;
    TRequete requete(catalogue.dm.Orvane);
    QCOMPARE(
        lignes(requete, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                       "AND name NOT LIKE 'sqlite%' ORDER BY name")),
        QStringList({QStringLiteral("Categorie"), QStringLiteral("CategorieContrainte"),
                     QStringLiteral("CategorieType"), QStringLiteral("KestrovaLibelle"),
                     QStringLiteral("Operande"), QStringLiteral("Pose"), QStringLiteral("Poseur"),
                     QStringLiteral("Quincaillerie"), QStringLiteral("Tarif")}));
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Code FROM Operande ORDER BY IdOperande")),
             QStringList({QStringLiteral("PERIMETRE"), QStringLiteral("HAUTEUR"),
                          QStringLiteral("LARGEUR"), QStringLiteral("VANTAIL"),
                          QStringLiteral("LARGEUR_VANTAIL")}));
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Code FROM KestrovaLibelle ORDER BY rowid")),
             codesAttendus);
    for (const QString &table :
         {QStringLiteral("Categorie"), QStringLiteral("Pose"), QStringLiteral("Poseur"),
          QStringLiteral("Tarif"), QStringLiteral("Quincaillerie")})
        QCOMPARE(catalogue.valeur(QStringLiteral("SELECT count(*) FROM ") + table),
                 QStringLiteral("0"));
    // The look-ups of the screens use an index.
    const QString plan = lignes(requete, QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM Tarif "
                                                        "WHERE IdPose = 1 AND IdPoseur = 0"))
                             .join(u' ');
    QVERIFY2(plan.contains(QStringLiteral("INDEX")), qPrintable(plan));
    QCOMPARE(catalogue.dm.Orvane.ModeJournal(), QStringLiteral("wal"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(catalogue.dossier())
                 .entryList(QDir::Files | QDir::Hidden)
                 .filter(QStringLiteral("Orvane.abs.")),
             QStringList());
}

void TestCatalogue::catalogueExistantJamaisRemplace()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Orvane.abs"));
    EcrireFichier(chemin, "mon catalogue");
    QVERIFY_THROWS_EXCEPTION(EFileError, CreerCatalogue(chemin));
    QVERIFY_THROWS_EXCEPTION(EFileError, CreerCatalogueDemo(chemin));
    QCOMPARE(LireFichier(chemin), QByteArray("mon catalogue"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("Orvane.abs")}));
}

void TestCatalogue::outilRefuseDEcraser()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Nouveau.abs"));
    QProcess outil;
    outil.start(QStringLiteral(ORVANE_OUTIL_CATALOGUE), {QStringLiteral("new"), chemin});
    QVERIFY(outil.waitForFinished(60000));
    QCOMPARE(outil.exitCode(), 0);
    const QByteArray cree = LireFichier(chemin);

    outil.start(QStringLiteral(ORVANE_OUTIL_CATALOGUE), {QStringLiteral("demo"), chemin});
    QVERIFY(outil.waitForFinished(60000));
    QVERIFY(outil.exitCode() != 0);
    QVERIFY(QString::fromLocal8Bit(outil.readAllStandardError()).contains(chemin));
    QCOMPARE(LireFichier(chemin), cree);
}

void TestCatalogue::catalogueDemoAccordeAuxExemples()
{
    CatalogueTemporaire catalogue(CatalogueTemporaire::Demo);
    TRequete requete(catalogue.dm.Orvane);

    // Every host code of the demo quote has a category type with general tariffs.
    QFile devis(CheminExemple(QStringLiteral("devis.xml")));
    QVERIFY(devis.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&devis);
    QSet<QString> codes;
    int menuiseries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("menuiserie"))
            ++menuiseries;
        if (xml.name() == QStringLiteral("propriete") &&
            xml.attributes().value(QStringLiteral("id")) == QStringLiteral("KESTROVA_LIBELLE_CODE"))
            codes.insert(xml.attributes().value(QStringLiteral("valeur")).toString());
        QVERIFY2(xml.name() != QStringLiteral("pose"), "the user chooses the installation");
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(menuiseries >= 4 && menuiseries <= 6);
    QVERIFY(!codes.isEmpty());
    for (const QString &code : codes) {
        QVERIFY2(catalogue
                         .valeur(QStringLiteral("SELECT count(*) FROM Tarif t, Categorie c, "
                                                "CategorieType ct WHERE t.IdCategorie = "
                                                "c.IdCategorie AND c.IdCategorieType = "
                                                "ct.IdCategorieType AND t.IdPoseur = 0 AND "
                                                "ct.KestrovaLibelle = '") +
                                 code + QStringLiteral("'"))
                         .toInt() > 0,
                 qPrintable(code));
        QCOMPARE(catalogue.valeur(QStringLiteral("SELECT count(*) FROM KestrovaLibelle WHERE "
                                                 "Code = '") +
                                  code + QStringLiteral("'")),
                 QStringLiteral("1"));
    }

    // The VAT types of the installation types and the installers are those of config.ini.
    const TIniFile config(CheminExemple(QStringLiteral("config.ini")));
    QSet<QString> typesTva;
    for (int i = 0; i < config.ReadInteger(QStringLiteral("TVA"), QStringLiteral("Nb"), 0); ++i)
        typesTva.insert(QString::number(config.ReadInteger(
            QStringLiteral("TVA") + QString::number(i), QStringLiteral("TypeTva"), -1)));
    QCOMPARE(typesTva.size(), 3);
    const QStringList typesPose =
        lignes(requete, QStringLiteral("SELECT DISTINCT TypeTva FROM Pose"));
    QVERIFY(!typesPose.isEmpty());
    for (const QString &type : typesPose)
        QVERIFY2(typesTva.contains(type), qPrintable(type));

    QSet<QString> codesPoseurs;
    for (int i = 0; i < config.ReadInteger(QStringLiteral("Poseur"), QStringLiteral("Nb"), 0); ++i)
        codesPoseurs.insert(config.ReadString(QStringLiteral("Poseur") + QString::number(i),
                                              QStringLiteral("Code"), QString()));
    const QStringList poseurs = lignes(requete, QStringLiteral("SELECT Code FROM Poseur"));
    QCOMPARE(QSet<QString>(poseurs.begin(), poseurs.end()), codesPoseurs);
    // Installer tariffs point at installers of the catalogue.
    QCOMPARE(catalogue.valeur(QStringLiteral("SELECT count(*) FROM Tarif WHERE IdPoseur <> 0 AND "
                                             "IdPoseur NOT IN (SELECT IdPoseur FROM Poseur)")),
             QStringLiteral("0"));

    // Both files are Windows-1252 text (é is one byte), the configuration with CR LF.
    const QByteArray octetsConfig = LireFichier(CheminExemple(QStringLiteral("config.ini")));
    QVERIFY(octetsConfig.contains("Lef\xe8vre"));
    QCOMPARE(octetsConfig.count("\r\n"), octetsConfig.count('\n'));
    QVERIFY(LireFichier(CheminExemple(QStringLiteral("devis.xml"))).contains("Fen\xeatre"));
}

// ---------------------------------------------------------------------------------------------
// Several instances on one file

void TestCatalogue::deuxInstancesLisentEtEcrivent()
{
    CatalogueTemporaire catalogue;
    auto autre = ouvrir(catalogue.chemin());

    catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('Pose A')"));
    TRequete &s = autre->qrySelect;
    s.SetSQL(QStringLiteral("SELECT Libelle FROM Pose"));
    s.Open();
    QCOMPARE(s.FieldAsString(QStringLiteral("Libelle")), QStringLiteral("Pose A"));

    autre->qryExec.SetSQL(QStringLiteral("UPDATE Pose SET Libelle = 'Pose B'"));
    QCOMPARE(autre->qryExec.ExecSQL(), 1);
    QCOMPARE(catalogue.valeur(QStringLiteral("SELECT Libelle FROM Pose")),
             QStringLiteral("Pose B"));
}

void TestCatalogue::transactionFaitAttendreLAutreEcrivain()
{
    CatalogueTemporaire catalogue;
    std::atomic<bool> ecrit{false};
    QString erreur;
    std::unique_ptr<QThread> ecrivain;
    {
        TTransaction transaction(catalogue.dm.Orvane);
        catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('premier')"));
        // Another instance writes meanwhile: it waits for the lock instead of failing.
        ecrivain.reset(QThread::create([&] {
            try {
                auto autre = ouvrir(catalogue.chemin());
                autre->qryExec.SetSQL(
                    QStringLiteral("INSERT INTO Pose (Libelle) VALUES ('second')"));
                autre->qryExec.ExecSQL();
                ecrit = true;
            } catch (const EPlatformError &e) {
                erreur = e.message();
            }
        }));
        ecrivain->start();
        QThread::msleep(400);
        QVERIFY(!ecrit);
        transaction.Commit();
    }
    QVERIFY(ecrivain->wait(20000));
    QVERIFY2(ecrit, qPrintable(erreur));
    TRequete requete(catalogue.dm.Orvane);
    QCOMPARE(lignes(requete, QStringLiteral("SELECT Libelle FROM Pose ORDER BY IdPose")),
             QStringList({QStringLiteral("premier"), QStringLiteral("second")}));
}

void TestCatalogue::ecrituresConcurrentesSansPerte()
{
    // Read-modify-write from two instances at once: none fails, none is lost.
    CatalogueTemporaire catalogue;
    catalogue.executer(QStringLiteral("INSERT INTO Pose (Libelle, Livraison) VALUES ('C', 0)"));
    const int tours = 150;
    QStringList erreurs;
    QMutex verrou;
    auto travail = [&] {
        try {
            auto dm = ouvrir(catalogue.chemin());
            for (int i = 0; i < tours; ++i) {
                TTransaction transaction(dm->Orvane);
                dm->qrySelect.SetSQL(QStringLiteral("SELECT Livraison FROM Pose"));
                dm->qrySelect.Open();
                const double valeur = dm->qrySelect.FieldAsFloat(QStringLiteral("Livraison"));
                dm->qryExec.SetSQL(QStringLiteral("UPDATE Pose SET Livraison = :v"));
                dm->qryExec.SetParamFloat(QStringLiteral("v"), valeur + 1);
                dm->qryExec.ExecSQL();
                transaction.Commit();
            }
        } catch (const EPlatformError &e) {
            QMutexLocker garde(&verrou);
            erreurs.append(e.message());
        }
    };
    std::unique_ptr<QThread> a(QThread::create(travail));
    std::unique_ptr<QThread> b(QThread::create(travail));
    a->start();
    b->start();
    QVERIFY(a->wait(60000));
    QVERIFY(b->wait(60000));
    QCOMPARE(erreurs, QStringList());
    QCOMPARE(catalogue.valeur(QStringLiteral("SELECT Livraison FROM Pose")),
             QString::number(2 * tours));
}

// ---------------------------------------------------------------------------------------------
// VAT table and look-ups

void TestCatalogue::rxTvaOrdreInverse()
{
    TRxTva rx;
    rx.Insert(1, QStringLiteral("TVA 5,5 %"), 5.5);
    rx.Insert(2, QStringLiteral("TVA 10 %"), 10);
    rx.Insert(3, QStringLiteral("Un libellé beaucoup trop long pour le champ"), 20);
    QCOMPARE(rx.RecordCount(), 3);
    QCOMPARE(rx.Enregistrements().at(0).TypeTva, 3);
    QCOMPARE(rx.Enregistrements().at(1).TypeTva, 2);
    QCOMPARE(rx.Enregistrements().at(2).TypeTva, 1);
    QCOMPARE(rx.Enregistrements().at(0).Libelle, QStringLiteral("Un libellé beaucoup trop long "));
    QCOMPARE(rx.Enregistrements().at(2).Valeur, 5.5);
    rx.Clear();
    QCOMPARE(rx.RecordCount(), 0);
    rx.Insert(4, QStringLiteral("x"), 1);
    rx.Insert(5, QStringLiteral("y"), 2);
    QCOMPARE(rx.Enregistrements().first().TypeTva, 5);
}

void TestCatalogue::rechercheTva_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("trouve");
    QTest::addColumn<QString>("libelle");
    QTest::addColumn<double>("valeur");
    QTest::newRow("présent") << 1 << true << QStringLiteral("TVA 5,5 %") << 5.5;
    QTest::newRow("absent") << 9 << false << QString() << -1.0;
    // Inserted "ancien" then "nouveau": records are "nouveau", "ancien"; the last one wins.
    QTest::newRow("doublon: le dernier") << 2 << true << QStringLiteral("ancien") << 10.0;
    QTest::newRow("type zéro") << 0 << true << QStringLiteral("Exonéré") << 0.0;
}

void TestCatalogue::rechercheTva()
{
    QFETCH(int, type);
    QFETCH(bool, trouve);
    QFETCH(QString, libelle);
    QFETCH(double, valeur);
    TDMPose dm;
    dm.rxTva.Insert(0, QStringLiteral("Exonéré"), 0);
    dm.rxTva.Insert(1, QStringLiteral("TVA 5,5 %"), 5.5);
    dm.rxTva.Insert(2, QStringLiteral("ancien"), 10);
    dm.rxTva.Insert(2, QStringLiteral("nouveau"), 20);

    const std::unique_ptr<TTva> tva = dm.TrouverTva(type);
    QCOMPARE(bool(tva), trouve);
    QCOMPARE(dm.ValeurTva(type), valeur);
    if (tva) {
        QCOMPARE(tva->type_tva(), type);
        QCOMPARE(tva->libelle(), libelle);
        QCOMPARE(tva->valeur(), valeur);
    }
}

void TestCatalogue::remplirComboTvaDeuxFois()
{
    TDMPose dm;
    dm.rxTva.Insert(1, QStringLiteral("TVA 5,5 %"), 5.5);
    dm.rxTva.Insert(3, QStringLiteral("TVA 20 %"), 20);
    QComboBox combo;
    AjouterCode(&combo, QStringLiteral("déjà là"), QStringLiteral("x"));
    dm.RemplirComboTva(&combo);
    dm.RemplirComboTva(&combo);
    QStringList entrees;
    for (int i = 0; i < combo.count(); ++i)
        entrees.append(combo.itemText(i) + u'=' + CodeSelectionne(&combo, i));
    QCOMPARE(entrees, QStringList({QStringLiteral("déjà là=x"), QStringLiteral("TVA 20 %=3"),
                                   QStringLiteral("TVA 5,5 %=1"), QStringLiteral("TVA 20 %=3"),
                                   QStringLiteral("TVA 5,5 %=1")}));
    ViderCombo(&combo);
}

// ---------------------------------------------------------------------------------------------
// Combo boxes and list views

void TestCatalogue::selectionnerCode()
{
    QComboBox combo;
    AjouterCode(&combo, QStringLiteral("Pose A"), QStringLiteral("12"));
    AjouterCode(&combo, QStringLiteral("Pose B"), QStringLiteral("7"));
    AjouterCode(&combo, QStringLiteral("Pose B bis"), QStringLiteral("7"));
    AjouterCode(&combo, QStringLiteral("Code"), QStringLiteral("abc"));
    combo.setCurrentIndex(-1);

    SelectionnerCode(&combo, QStringLiteral("99")); // unknown: still no selection
    QCOMPARE(combo.currentIndex(), -1);
    SelectionnerCode(&combo, QStringLiteral("7")); // the first entry carrying it
    QCOMPARE(combo.currentIndex(), 1);
    SelectionnerCode(&combo, QStringLiteral("ABC")); // case counts: unchanged
    QCOMPARE(combo.currentIndex(), 1);
    SelectionnerCode(&combo, QStringLiteral("abc"));
    QCOMPARE(combo.currentIndex(), 3);
    SelectionnerCode(&combo, QString());
    QCOMPARE(combo.currentIndex(), 3);
    ViderCombo(&combo);
}

void TestCatalogue::codeSelectionne()
{
    QComboBox combo;
    AjouterCode(&combo, QStringLiteral("A"), QStringLiteral("12"));
    QCOMPARE(CodeSelectionne(&combo, -1), QString());
    QCOMPARE(CodeSelectionne(&combo, 0), QStringLiteral("12"));
    QCOMPARE(CodeSelectionne(&combo, 5), QString());
    QCOMPARE(CodeDe(ObjetDe(&combo, 0)), QStringLiteral("12"));
    QCOMPARE(CodeDe(nullptr), QString());
    combo.addItem(QStringLiteral("sans objet")); // not through the helpers
    QCOMPARE(CodeSelectionne(&combo, 1), QString());
    ViderCombo(&combo);
}

void TestCatalogue::viderComboLibereLesObjets()
{
    const int avant = NombreObjetsCode();
    QComboBox combo;
    for (int i = 0; i < 5; ++i)
        AjouterCode(&combo, QStringLiteral("E") + QString::number(i), QString::number(i));
    QCOMPARE(NombreObjetsCode(), avant + 5);
    ViderCombo(&combo);
    QCOMPARE(combo.count(), 0);
    QCOMPARE(NombreObjetsCode(), avant);
    ViderCombo(&combo); // empty already
    QCOMPARE(NombreObjetsCode(), avant);
}

void TestCatalogue::viderListeLibereLesObjets()
{
    const int avant = NombreObjetsCode();
    QTreeWidget liste;
    for (int i = 0; i < 4; ++i) {
        auto *ligne = new QTreeWidgetItem(&liste, {QStringLiteral("L") + QString::number(i)});
        if (i != 2) // a row without an object is skipped
            AttacherCode(ligne, QString::number(10 + i));
    }
    AttacherCode(liste.topLevelItem(0), QStringLiteral("remplacé")); // frees the former object
    QCOMPARE(NombreObjetsCode(), avant + 3);
    QCOMPARE(CodeDe(ObjetDe(liste.topLevelItem(0))), QStringLiteral("remplacé"));
    QCOMPARE(CodeDe(ObjetDe(liste.topLevelItem(1))), QStringLiteral("11"));
    QCOMPARE(ObjetDe(liste.topLevelItem(2)), nullptr);

    ViderObjet(liste.topLevelItem(1));
    QCOMPARE(ObjetDe(liste.topLevelItem(1)), nullptr);
    QCOMPARE(NombreObjetsCode(), avant + 2);

    ViderListe(&liste);
    QCOMPARE(liste.topLevelItemCount(), 0);
    QCOMPARE(NombreObjetsCode(), avant);
    QVERIFY(liste.updatesEnabled());

    // An entry removed without the helpers still frees its object.
    QComboBox combo;
    AjouterCode(&combo, QStringLiteral("A"), QStringLiteral("1"));
    AjouterCode(&combo, QStringLiteral("B"), QStringLiteral("2"));
    combo.removeItem(0);
    QCOMPARE(NombreObjetsCode(), avant + 1);
    {
        QTableWidgetItem cellule;
        AttacherCode(&cellule, QStringLiteral("Q7"));
        QCOMPARE(CodeDe(ObjetDe(&cellule)), QStringLiteral("Q7"));
        auto *ligne = new QTreeWidgetItem(&liste, {QStringLiteral("seule")});
        AttacherCode(ligne, QStringLiteral("9"));
        QCOMPARE(NombreObjetsCode(), avant + 3);
        delete ligne;
    }
    QCOMPARE(NombreObjetsCode(), avant + 1);
}

ORVANE_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
