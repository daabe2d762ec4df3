#include "catalogue/SchemaCatalogue.h"

#include "catalogue/TDMPose.h"
#include "platform/Erreurs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
struct CodeHote {
    const char *code;
    int famille;
    int typeFamille;
    int typeModele;
    const char *nom;
};

// The host's item codes: the family digit, then the family type and the model type on two
// digits each.
const CodeHote codesHote[] = {
    {"10100", 1, 1, 0, "Menuiseries"},
    {"10101", 1, 1, 1, "Sans V.R."},
    {"10102", 1, 1, 2, "V.R. dans la hauteur"},
    {"10103", 1, 1, 3, "V.R. compris hauteur"},
    {"10200", 1, 2, 0, "Volet Battant"},
    {"10300", 1, 3, 0, "Volet Roulant"},
    {"10400", 1, 4, 0, "Bloc Porte"},
    {"10500", 1, 5, 0, "Porte d'entrée"},
    {"10501", 1, 5, 1, "Imposte"},
    {"10502", 1, 5, 2, "Latéral"},
    {"10600", 1, 6, 0, "Porte de Garage"},
    {"10700", 1, 7, 0, "Grille de défense"},
    {"10800", 1, 8, 0, "Persienne"},
};

QString litteral(const QString &texte)
{
    QString echappe = texte;
    echappe.replace(u'\'', QStringLiteral("''"));
    return u'\'' + echappe + u'\'';
}

// The eight tables that come with a catalogue file (the ninth, KestrovaLibelle, is the
// restructuring's), with the indexes the screens' look-ups use.
const char *const schema[] = {
    "CREATE TABLE Categorie (IdCategorie INTEGER PRIMARY KEY AUTOINCREMENT, Libelle VARCHAR(100), "
    "IdCategorieType INTEGER)",
    "CREATE TABLE CategorieType (IdCategorieType INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Libelle VARCHAR(100), KestrovaLibelle VARCHAR(5), MotsClefs VARCHAR(100))",
    "CREATE TABLE CategorieContrainte (IdCategorieContrainte INTEGER PRIMARY KEY AUTOINCREMENT, "
    "IdCategorie INTEGER, IdOperande INTEGER, Operateur VARCHAR(2), Valeur VARCHAR(20))",
    "CREATE TABLE Operande (IdOperande INTEGER PRIMARY KEY, Libelle VARCHAR(50), "
    "Code VARCHAR(50))",
    "CREATE TABLE Pose (IdPose INTEGER PRIMARY KEY AUTOINCREMENT, Libelle VARCHAR(50), "
    "CodeExport VARCHAR(50), Livraison REAL, LivraisonCompliquee REAL, Autorisation REAL, "
    "Manutention REAL, TypeTva INTEGER, CodeExportLivraison VARCHAR(50), "
    "CodeExportLivraisonCompliquee VARCHAR(50), CodeExportAutorisation VARCHAR(50), "
    "CodeExportManutention VARCHAR(50))",
    "CREATE TABLE Poseur (IdPoseur INTEGER PRIMARY KEY AUTOINCREMENT, Code VARCHAR(50), "
    "Nom VARCHAR(100), Rue1 VARCHAR(100), Rue2 VARCHAR(100), Cp VARCHAR(10), Ville VARCHAR(100), "
    "Tel VARCHAR(30), Fax VARCHAR(30), Portable VARCHAR(30), Mail VARCHAR(100), "
    "Contact VARCHAR(100), Siret VARCHAR(14), RGE VARCHAR(25))",
    "CREATE TABLE Tarif (IdTarif INTEGER PRIMARY KEY AUTOINCREMENT, IdPose INTEGER, "
    "IdCategorie INTEGER, IdPoseur INTEGER, Prix REAL)",
    "CREATE TABLE Quincaillerie (IdQuincaillerie INTEGER PRIMARY KEY AUTOINCREMENT, "
    "CodeExport VARCHAR(100), Libelle VARCHAR(100), Libelle2 VARCHAR(100), TarifVente REAL, "
    "TarifAchat REAL, NbPieces REAL, NbPiecesML REAL, Secable INTEGER)",
    "CREATE INDEX Tarif_PosePoseur ON Tarif (IdPose, IdPoseur)",
    "CREATE INDEX Tarif_Categorie ON Tarif (IdCategorie)",
    "CREATE INDEX CategorieContrainte_Categorie ON CategorieContrainte (IdCategorie)",
    "CREATE INDEX Categorie_CategorieType ON Categorie (IdCategorieType)",
    "CREATE INDEX Poseur_Code ON Poseur (Code)",
    // The operands the constraint rule evaluates.
    "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (1, 'Périmètre', 'PERIMETRE')",
    "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (2, 'Hauteur', 'HAUTEUR')",
    "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (3, 'Largeur', 'LARGEUR')",
    "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (4, 'Nombre de vantaux', 'VANTAIL')",
    "INSERT INTO Operande (IdOperande, Libelle, Code) VALUES (5, 'Largeur par vantail', "
    "'LARGEUR_VANTAIL')",
};

void executer(TRequete &requete, const QString &sql)
{
    requete.SetSQL(sql);
    requete.ExecSQL();
}

// ---------------------------------------------------------------------------------------------
// The demo catalogue. Installers P001 to P003 and VAT types 1 to 3 are those of
// examples/config.ini; the host codes of the category types cover the items of
// examples/devis.xml.

struct PoseDemo {
    const char *libelle;
    const char *codeExport;
    double livraison, compliquee, autorisation, manutention;
    int typeTva;
    double coefficient; // applied to the reference prices of the categories
};

const PoseDemo posesDemo[] = {
    {"Pose en rénovation", "POSE-RENO", 45, 85, 35, 30, 2, 1.0},
    {"Pose en neuf", "POSE-NEUF", 45, 85, 35, 30, 3, 0.85},
    {"Rénovation énergétique", "POSE-ENER", 45, 85, 35, 30, 1, 1.1},
};

struct PoseurDemo {
    const char *code, *nom, *rue1, *rue2, *cp, *ville, *tel, *fax, *portable, *mail, *contact,
        *siret, *rge;
    double partPrix; // the installer's share of the sale price
};

const PoseurDemo poseursDemo[] = {
    {"P001", "Lefèvre Menuiserie Pose", "12 rue des Tilleuls", "ZA du Moulin", "44300", "Nantes",
     "02 40 12 34 56", "02 40 12 34 57", "06 12 34 56 78", "contact@lefevre-pose.fr",
     "Julien Lefèvre", "81234567800015", "E-E123456", 0.70},
    {"P002", "Atelier Garnier", "5 impasse des Acacias", "", "49000", "Angers", "02 41 23 45 67",
     "", "06 23 45 67 89", "atelier.garnier@orange.fr", "Sophie Garnier", "52345678900021",
     "E-E234567", 0.72},
    {"P003", "Bernard Rénovation Habitat", "28 avenue de la Gare", "Bâtiment B", "85000",
     "La Roche-sur-Yon", "02 51 34 56 78", "02 51 34 56 70", "07 34 56 78 90",
     "devis@bernard-renovation.fr", "Marc Bernard", "43456789000034", "E-E345678", 0.68},
};

struct ContrainteDemo {
    int operande; // IdOperande
    const char *operateur;
    const char *valeur;
};

struct CategorieDemo {
    int type; // index in typesDemo
    const char *libelle;
    double prix; // reference general sale price
    QVector<ContrainteDemo> contraintes;
};

struct TypeDemo {
    const char *libelle;
    const char *code;
    const char *motsClefs;
};

const TypeDemo typesDemo[] = {
    {"Fenêtre", "10101", "fenêtre porte-fenêtre"},
    {"Fenêtre avec volet roulant", "10103", "fenêtre coffre volet roulant"},
    {"Volet roulant", "10300", "volet roulant"},
    {"Volet battant", "10200", "volet battant persienne"},
    {"Porte d'entrée", "10500", "porte entrée"},
    {"Porte de garage", "10600", "porte garage sectionnelle basculante"},
};

enum { Perimetre = 1, Hauteur, Largeur, Vantail, LargeurVantail };

const CategorieDemo categoriesDemo[] = {
    {0, "1 vantail", 145, {{Vantail, "=", "1"}}},
    {0, "2 vantaux", 185, {{Vantail, "=", "2"}, {Hauteur, "<", "1800"}}},
    {0, "2 vantaux grande hauteur", 230, {{Vantail, "=", "2"}, {Hauteur, ">=", "1800"}}},
    {0, "3 vantaux et plus", 290, {{Vantail, ">=", "3"}}},
    {1, "jusqu'à 1200 mm de large", 260, {{Largeur, "<=", "1200"}}},
    {1, "plus de 1200 mm de large", 320, {{Largeur, ">", "1200"}}},
    {2, "jusqu'à 1800 mm de large", 150, {{Largeur, "<=", "1800"}}},
    {2, "plus de 1800 mm de large", 210, {{Largeur, ">", "1800"}}},
    {3, "2 vantaux", 120, {{Vantail, "=", "2"}, {LargeurVantail, "<=", "600"}}},
    {3, "2 vantaux larges", 160, {{Vantail, "=", "2"}, {LargeurVantail, ">", "600"}}},
    {4, "standard", 380, {{Hauteur, "<=", "2250"}}},
    {4, "grande hauteur", 450, {{Hauteur, ">", "2250"}}},
    {5, "sectionnelle", 520, {{Perimetre, "<=", "10000"}}},
    {5, "basculante", 420, {}},
};

struct QuincaillerieDemo {
    const char *codeExport, *libelle, *libelle2;
    double vente, achat, nbPieces, nbPiecesMl;
    int secable;
};

const QuincaillerieDemo quincailleriesDemo[] = {
    {"QUI-MOUSSE-750", "Mousse expansive polyuréthane", "Cartouche 750 ml", 14.90, 8.20, 1, 0.2, 0},
    {"QUI-SILICONE-310", "Mastic silicone neutre blanc", "Cartouche 310 ml", 9.50, 4.80, 1, 0.15,
     0},
    {"QUI-BANDE-12M", "Bande de calfeutrement précomprimée", "Rouleau de 12 m", 28.00, 15.40, 12, 1,
     1},
    {"QUI-VIS-112", "Vis de fixation cadre 7,5 x 112", "Boîte de 100", 32.00, 18.50, 100, 2.5, 0},
    {"QUI-CALES-200", "Cales de pose assorties", "Sachet de 200", 19.90, 9.90, 200, 4, 0},
    {"QUI-HAB-40", "Habillage aluminium blanc 40 mm", "Barre de 3 m", 21.60, 12.10, 3, 1, 1},
};

double arrondi(double prix)
{
    return std::round(prix * 2) / 2; // to the half unit of currency
}

void remplirDemo(TDMPose &dm)
{
    TRequete &q = dm.qryExec;
    for (const PoseDemo &pose : posesDemo) {
        q.SetSQL(QStringLiteral(
            "INSERT INTO Pose (Libelle, CodeExport, Livraison, LivraisonCompliquee, Autorisation, "
            "Manutention, TypeTva, CodeExportLivraison, CodeExportLivraisonCompliquee, "
            "CodeExportAutorisation, CodeExportManutention) VALUES (:Libelle, :CodeExport, "
            ":Livraison, :LivraisonCompliquee, :Autorisation, :Manutention, :TypeTva, "
            ":CodeExportLivraison, :CodeExportLivraisonCompliquee, :CodeExportAutorisation, "
            ":CodeExportManutention)"));
        const QString code = QString::fromUtf8(pose.codeExport);
        q.SetParamText(QStringLiteral("Libelle"), QString::fromUtf8(pose.libelle));
        q.SetParamText(QStringLiteral("CodeExport"), code);
        q.SetParamFloat(QStringLiteral("Livraison"), pose.livraison);
        q.SetParamFloat(QStringLiteral("LivraisonCompliquee"), pose.compliquee);
        q.SetParamFloat(QStringLiteral("Autorisation"), pose.autorisation);
        q.SetParamFloat(QStringLiteral("Manutention"), pose.manutention);
        q.SetParamInteger(QStringLiteral("TypeTva"), pose.typeTva);
        q.SetParamText(QStringLiteral("CodeExportLivraison"), code + QStringLiteral("-LIV"));
        q.SetParamText(QStringLiteral("CodeExportLivraisonCompliquee"),
                       code + QStringLiteral("-LIVC"));
        q.SetParamText(QStringLiteral("CodeExportAutorisation"), code + QStringLiteral("-AUT"));
        q.SetParamText(QStringLiteral("CodeExportManutention"), code + QStringLiteral("-MAN"));
        q.ExecSQL();
    }

    for (const PoseurDemo &p : poseursDemo) {
        q.SetSQL(QStringLiteral(
            "INSERT INTO Poseur (Code, Nom, Rue1, Rue2, Cp, Ville, Tel, Fax, Portable, Mail, "
            "Contact, Siret, RGE) VALUES (:Code, :Nom, :Rue1, :Rue2, :Cp, :Ville, :Tel, :Fax, "
            ":Portable, :Mail, :Contact, :Siret, :RGE)"));
        const char *const valeurs[] = {p.code,    p.nom,   p.rue1, p.rue2,     p.cp,
                                       p.ville,   p.tel,   p.fax,  p.portable, p.mail,
                                       p.contact, p.siret, p.rge};
        const char *const noms[] = {"Code", "Nom",      "Rue1", "Rue2",    "Cp",    "Ville", "Tel",
                                    "Fax",  "Portable", "Mail", "Contact", "Siret", "RGE"};
        for (int i = 0; i < 13; ++i)
            q.SetParamText(QString::fromLatin1(noms[i]), QString::fromUtf8(valeurs[i]));
        q.ExecSQL();
    }

    QVector<qint64> idsTypes;
    for (const TypeDemo &type : typesDemo) {
        q.SetSQL(QStringLiteral("INSERT INTO CategorieType (Libelle, KestrovaLibelle, MotsClefs) "
                                "VALUES (:Libelle, :KestrovaLibelle, :MotsClefs)"));
        q.SetParamText(QStringLiteral("Libelle"), QString::fromUtf8(type.libelle));
        q.SetParamText(QStringLiteral("KestrovaLibelle"), QString::fromUtf8(type.code));
        q.SetParamText(QStringLiteral("MotsClefs"), QString::fromUtf8(type.motsClefs));
        q.ExecSQL();
        idsTypes.append(q.LastInsertId());
    }

    for (const CategorieDemo &categorie : categoriesDemo) {
        q.SetSQL(QStringLiteral("INSERT INTO Categorie (Libelle, IdCategorieType) VALUES "
                                "(:Libelle, :IdCategorieType)"));
        q.SetParamText(QStringLiteral("Libelle"), QString::fromUtf8(categorie.libelle));
        q.SetParamInteger(QStringLiteral("IdCategorieType"), idsTypes.at(categorie.type));
        q.ExecSQL();
        const qint64 idCategorie = q.LastInsertId();

        for (const ContrainteDemo &contrainte : categorie.contraintes) {
            q.SetSQL(QStringLiteral("INSERT INTO CategorieContrainte (IdCategorie, IdOperande, "
                                    "Operateur, Valeur) VALUES (:IdCategorie, :IdOperande, "
                                    ":Operateur, :Valeur)"));
            q.SetParamInteger(QStringLiteral("IdCategorie"), idCategorie);
            q.SetParamInteger(QStringLiteral("IdOperande"), contrainte.operande);
            q.SetParamText(QStringLiteral("Operateur"), QString::fromLatin1(contrainte.operateur));
            q.SetParamText(QStringLiteral("Valeur"), QString::fromLatin1(contrainte.valeur));
            q.ExecSQL();
        }

        // The general sale tariff of every installation type, then each installer's price.
        for (int pose = 0; pose < int(std::size(posesDemo)); ++pose) {
            const double prix = arrondi(categorie.prix * posesDemo[pose].coefficient);
            for (int poseur = 0; poseur <= int(std::size(poseursDemo)); ++poseur) {
                q.SetSQL(QStringLiteral("INSERT INTO Tarif (IdPose, IdCategorie, IdPoseur, Prix) "
                                        "VALUES (:IdPose, :IdCategorie, :IdPoseur, :Prix)"));
                q.SetParamInteger(QStringLiteral("IdPose"), pose + 1);
                q.SetParamInteger(QStringLiteral("IdCategorie"), idCategorie);
                q.SetParamInteger(QStringLiteral("IdPoseur"), poseur);
                q.SetParamFloat(QStringLiteral("Prix"),
                                poseur == 0 ? prix
                                            : arrondi(prix * poseursDemo[poseur - 1].partPrix));
                q.ExecSQL();
            }
        }
    }

    for (const QuincaillerieDemo &article : quincailleriesDemo) {
        q.SetSQL(QStringLiteral(
            "INSERT INTO Quincaillerie (CodeExport, Libelle, Libelle2, TarifVente, TarifAchat, "
            "NbPieces, NbPiecesML, Secable) VALUES (:CodeExport, :Libelle, :Libelle2, "
            ":TarifVente, :TarifAchat, :NbPieces, :NbPiecesML, :Secable)"));
        q.SetParamText(QStringLiteral("CodeExport"), QString::fromUtf8(article.codeExport));
        q.SetParamText(QStringLiteral("Libelle"), QString::fromUtf8(article.libelle));
        q.SetParamText(QStringLiteral("Libelle2"), QString::fromUtf8(article.libelle2));
        q.SetParamFloat(QStringLiteral("TarifVente"), article.vente);
        q.SetParamFloat(QStringLiteral("TarifAchat"), article.achat);
        q.SetParamFloat(QStringLiteral("NbPieces"), article.nbPieces);
        q.SetParamFloat(QStringLiteral("NbPiecesML"), article.nbPiecesMl);
        q.SetParamInteger(QStringLiteral("Secable"), article.secable);
        q.ExecSQL();
    }
    q.SetSQL(QString());
}

// Builds the file under a temporary name beside the target and gives it its name only when
// complete, so a failure leaves nothing and an existing file is never replaced.
void construire(const QString &chemin, bool demo)
{
    const QFileInfo cible(chemin);
    if (cible.exists())
        throw EFileError(QStringLiteral("Le fichier existe déjà : ") + chemin);
    QTemporaryFile temporaire(cible.absolutePath() + QStringLiteral("/.") + cible.fileName() +
                              QStringLiteral(".XXXXXX"));
    if (!temporaire.open())
        throw EFileError(QStringLiteral("Impossible de créer le fichier : ") + chemin);
    temporaire.close();

    {
        TDMPose dm;
        dm.Orvane.SetDatabaseFileName(temporaire.fileName());
        dm.Orvane.Open();
        TTransaction transaction(dm.Orvane);
        for (const char *instruction : schema)
            executer(dm.qryExec, QString::fromUtf8(instruction));
        executer(dm.qryExec, TexteCreationKestrovaLibelle());
        for (const QString &insertion : InsertionsKestrovaLibelle())
            executer(dm.qryExec, insertion);
        if (demo)
            remplirDemo(dm);
        dm.qryExec.SetSQL(QString());
        transaction.Commit();
        dm.Orvane.Close();
    }

    if (!QFile::rename(temporaire.fileName(), chemin)) {
        if (QFileInfo::exists(chemin))
            throw EFileError(QStringLiteral("Le fichier existe déjà : ") + chemin);
        throw EFileError(QStringLiteral("Impossible de créer le fichier : ") + chemin);
    }
    temporaire.setAutoRemove(false);
    // The temporary file was private to its owner; a catalogue is shared like any new file.
#ifdef Q_OS_UNIX
    const mode_t masque = umask(0);
    umask(masque);
    ::chmod(QFile::encodeName(chemin).constData(), 0666 & ~masque);
#endif
}
} // namespace

QString TexteCreationKestrovaLibelle()
{
    // The table's key and unique index keep their names, as table constraints.
    return QStringLiteral("CREATE TABLE KestrovaLibelle (") +
           QStringLiteral("Code VARCHAR(5) NOT NULL,") +
           QStringLiteral("Famille INTEGER NOT NULL,") +
           QStringLiteral("TypeFamille INTEGER NOT NULL,") +
           QStringLiteral("TypeModele INTEGER NOT NULL,") + QStringLiteral("Nom VARCHAR(50),") +
           QStringLiteral("CONSTRAINT \"Primary\" PRIMARY KEY (Code),") +
           QStringLiteral("CONSTRAINT \"Unique\" UNIQUE (Famille, TypeFamille, TypeModele)") +
           QStringLiteral(");");
}

QStringList InsertionsKestrovaLibelle()
{
    QStringList insertions;
    for (const CodeHote &code : codesHote) {
        insertions.append(
            QStringLiteral("INSERT INTO KestrovaLibelle (Code, Famille, TypeFamille, TypeModele, "
                           "Nom) values (") +
            litteral(QString::fromLatin1(code.code)) + QStringLiteral(", ") +
            QString::number(code.famille) + QStringLiteral(", ") +
            QString::number(code.typeFamille) + QStringLiteral(", ") +
            QString::number(code.typeModele) + QStringLiteral(", ") +
            litteral(QString::fromUtf8(code.nom)) + QStringLiteral(");"));
    }
    return insertions;
}

void CreerCatalogue(const QString &chemin)
{
    construire(chemin, false);
}

void CreerCatalogueDemo(const QString &chemin)
{
    construire(chemin, true);
}
