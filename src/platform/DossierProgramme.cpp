#include "platform/DossierProgramme.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &dossierForce()
{
    static QString dossier;
    return dossier;
}

QString avecSeparateur(QString dossier)
{
    if (!dossier.endsWith(u'/'))
        dossier += u'/';
    return dossier;
}
} // namespace

QString DossierProgramme()
{
    if (!dossierForce().isEmpty())
        return dossierForce();
    return avecSeparateur(QCoreApplication::applicationDirPath());
}

void DefinirDossierProgramme(const QString &dossier)
{
    dossierForce() = dossier.isEmpty() ? QString() : avecSeparateur(QDir::cleanPath(dossier));
}

QString CheminCatalogue()
{
    return DossierProgramme() + QStringLiteral("Orvane.abs");
}
QString CheminLogo()
{
    return DossierProgramme() + QStringLiteral("Orvane.bmp");
}
QString CheminParametresModule()
{
    return DossierProgramme() + QStringLiteral("Module_Orvane.ini");
}
QString DossierArchives()
{
    return DossierProgramme() + QStringLiteral("Xml/");
}
QString TitreApplication()
{
    return QStringLiteral("Orvane");
}
