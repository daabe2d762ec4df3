#include "startup/ImportConfiguration.h"

#include "catalogue/TDMPose.h"
#include "platform/FichierIni.h"

#include <QStringList>

namespace {
// The installer keys, each bound as a parameter of the same name.
const QStringList &ClesPoseur()
{
    static const QStringList cles{
        QStringLiteral("Code"), QStringLiteral("Nom"),     QStringLiteral("Rue1"),
        QStringLiteral("Rue2"), QStringLiteral("Cp"),      QStringLiteral("Ville"),
        QStringLiteral("Tel"),  QStringLiteral("Fax"),     QStringLiteral("Portable"),
        QStringLiteral("Mail"), QStringLiteral("Contact"), QStringLiteral("Siret"),
        QStringLiteral("RGE")};
    return cles;
}

int NombreDePoseursDeCode(TDMPose &dm, const QString &code)
{
    // Bound rather than pasted into the text, so that any code, apostrophes included, is found.
    dm.qrySelect.SetSQL(QStringLiteral("SELECT * FROM Poseur WHERE Code = :Code ORDER BY Nom ASC"));
    dm.qrySelect.SetParamText(QStringLiteral("Code"), code);
    dm.qrySelect.Open();
    const int nombre = dm.qrySelect.RecordCount();
    dm.qrySelect.Close();
    dm.qrySelect.ClearParams();
    return nombre;
}
} // namespace

void ImporterPoseurs(TDMPose &dm, const QString &fichierConfiguration)
{
    const TIniFile ini(fichierConfiguration);
    const int nb = ini.ReadInteger(QStringLiteral("Poseur"), QStringLiteral("Nb"), 0);
    for (int i = 0; i < nb; ++i) {
        const QString section = QStringLiteral("Poseur") + QString::number(i);
        if (!ini.SectionExists(section))
            continue;

        QStringList valeurs;
        for (const QString &cle : ClesPoseur())
            valeurs << ini.ReadString(section, cle, QString());

        // Exactly one row with this code is updated; none, or an ambiguous several, gets a new row.
        if (NombreDePoseursDeCode(dm, valeurs.constFirst()) == 1)
            dm.qryExec.SetSQL(QStringLiteral(
                "UPDATE Poseur SET Nom = :Nom , Rue1 = :Rue1, Rue2 = :Rue2, Cp = :Cp, Ville = "
                ":Ville, Tel = :Tel, Fax = :Fax, Portable = :Portable, Mail = :Mail, Contact = "
                ":Contact, Siret = :Siret, RGE = :RGE WHERE Code = :Code"));
        else
            dm.qryExec.SetSQL(QStringLiteral(
                "INSERT INTO Poseur ( Code, Nom, Rue1, Rue2, Cp, Ville, Tel, Fax, Portable, Mail, "
                "Contact, Siret, RGE) VALUES ( :Code , :Nom, :Rue1, :Rue2, :Cp, :Ville , :Tel, "
                ":Fax, :Portable, :Mail, :Contact, :Siret, :RGE)"));
        for (int k = 0; k < ClesPoseur().size(); ++k)
            dm.qryExec.SetParamText(ClesPoseur().at(k), valeurs.at(k));
        dm.qryExec.ExecSQL();
        dm.qryExec.ClearParams();
    }
}

void ImporterTva(TDMPose &dm, const QString &fichierConfiguration)
{
    const TIniFile ini(fichierConfiguration);
    const int nb = ini.ReadInteger(QStringLiteral("TVA"), QStringLiteral("Nb"), 0);
    for (int i = 0; i < nb; ++i) {
        const QString section = QStringLiteral("TVA") + QString::number(i);
        if (!ini.SectionExists(section))
            continue;
        const int typeTva = ini.ReadInteger(section, QStringLiteral("TypeTva"), -1);
        const QString libelle = ini.ReadString(section, QStringLiteral("Libelle"), QString());
        const double valeur = ini.ReadFloat(section, QStringLiteral("Valeur"), 0);
        if (typeTva >= 0)
            dm.rxTva.Insert(typeTva, libelle, valeur);
    }
}
