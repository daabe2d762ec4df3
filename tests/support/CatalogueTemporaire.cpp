#include "CatalogueTemporaire.h"

#include "catalogue/SchemaCatalogue.h"
#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"

CatalogueTemporaire::CatalogueTemporaire(Contenu contenu)
{
    if (!m_dossier.isValid())
        throw EFileError(QStringLiteral("Impossible de créer un dossier temporaire"));
    m_dossierPrecedent = DossierProgramme();
    DefinirDossierProgramme(m_dossier.path());
    m_chemin = CheminCatalogue();
    if (contenu == Demo)
        CreerCatalogueDemo(m_chemin);
    else
        CreerCatalogue(m_chemin);
    dm.Orvane.SetDatabaseFileName(m_chemin);
    dm.Orvane.Open();
}

CatalogueTemporaire::~CatalogueTemporaire()
{
    dm.Orvane.Close();
    // A catalogue made inside another one's life gives the folder back to it.
    if (DossierProgramme() == dossier())
        DefinirDossierProgramme(m_dossierPrecedent);
}

void CatalogueTemporaire::executer(const QString &sql)
{
    TRequete requete(dm.Orvane);
    requete.SetSQL(sql);
    requete.ExecSQL();
}

QString CatalogueTemporaire::valeur(const QString &sql)
{
    TRequete requete(dm.Orvane);
    requete.SetSQL(sql);
    requete.Open();
    if (requete.Eof() || requete.FieldNames().isEmpty())
        return QString();
    return requete.FieldAsString(requete.FieldNames().first());
}

QString CheminExemple(const QString &nom)
{
    return QStringLiteral(ORVANE_EXAMPLES_DIR "/") + nom;
}
