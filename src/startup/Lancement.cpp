#include "startup/Lancement.h"

#include "admin/TFicheAdministration.h"
#include "catalogue/TDMPose.h"
#include "platform/ApplicationOrvane.h"
#include "platform/DossierProgramme.h"
#include "platform/Interactions.h"
#include "pricing/TFicheModeNormal.h"
#include "startup/ImportConfiguration.h"

#include <QFileInfo>

namespace {
bool FichierExiste(const QString &chemin)
{
    const QFileInfo info(chemin);
    return info.exists() && info.isFile();
}

void ImporterConfiguration(TDMPose &dm, const QString &fichierConfiguration)
{
    ImporterPoseurs(dm, fichierConfiguration);
    ImporterTva(dm, fichierConfiguration);
}

void LancerAdministration(TDMPose &dm, const QString &fichierConfiguration, QWidget *proprietaire)
{
    if (!FichierExiste(fichierConfiguration)) {
        ShowMessage(MessageConfigurationAbsente(fichierConfiguration));
        return;
    }
    ImporterConfiguration(dm, fichierConfiguration);
    TFicheAdministration fiche(dm, proprietaire);
    ExecuterModal(fiche);
}

void LancerTarification(TDMPose &dm, const QString &fichierConfiguration,
                        const QString &fichierRecuperation, QWidget *proprietaire)
{
    // Both files are checked so that the user learns of both at once.
    bool manquant = false;
    if (!FichierExiste(fichierConfiguration)) {
        ShowMessage(MessageConfigurationAbsente(fichierConfiguration));
        manquant = true;
    }
    if (!FichierExiste(fichierRecuperation)) {
        ShowMessage(MessageRecuperationAbsente(fichierRecuperation));
        manquant = true;
    }
    if (manquant)
        return;
    ImporterConfiguration(dm, fichierConfiguration);
    TFicheModeNormal fiche(dm, proprietaire);
    fiche.SetFichierConfiguration(fichierConfiguration);
    fiche.SetFichierRecuperation(fichierRecuperation);
    ExecuterModal(fiche);
}
} // namespace

ModeLancement AnalyserArguments(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.at(0) == QStringLiteral("ADMIN"))
        return ModeLancement::Administration;
    if (arguments.size() == 3 &&
        (arguments.at(0) == QStringLiteral("CREATION") || arguments.at(0) == QStringLiteral("MAJ")))
        return ModeLancement::Tarification;
    return ModeLancement::Incorrect;
}

QString MessageConfigurationAbsente(const QString &fichierConfiguration)
{
    return QStringLiteral("Orvane - Le fichier de configuration n'existe pas : ") +
           fichierConfiguration;
}

QString MessageRecuperationAbsente(const QString &fichierRecuperation)
{
    return QStringLiteral("Orvane - Le fichier de récupération n'existe pas : ") +
           fichierRecuperation;
}

QString MessageParametresIncorrects(int nombreArguments)
{
    return QStringLiteral("Orvane - Les paramètres(") + QString::number(nombreArguments) +
           QStringLiteral(") ne sont pas corrects.");
}

void OuvrirCatalogue(TDMPose &dm)
{
    dm.Orvane.SetDatabaseFileName(CheminCatalogue());
    dm.Orvane.Open();
    dm.RestructureBase();
}

void ExecuterCommande(TDMPose &dm, const QStringList &arguments, QWidget *proprietaire)
{
    switch (AnalyserArguments(arguments)) {
    case ModeLancement::Administration:
        LancerAdministration(dm, arguments.at(1), proprietaire);
        break;
    case ModeLancement::Tarification:
        LancerTarification(dm, arguments.at(1), arguments.at(2), proprietaire);
        break;
    case ModeLancement::Incorrect:
        ShowMessage(MessageParametresIncorrects(int(arguments.size())));
        break;
    }
}

void FermerCatalogue(TDMPose &dm)
{
    if (dm.Orvane.GetConnected())
        dm.Orvane.Close();
}

int ExecuterLancement(TDMPose &dm, const QStringList &arguments, QWidget *proprietaire)
{
    try {
        OuvrirCatalogue(dm);
        ExecuterCommande(dm, arguments, proprietaire);
    } catch (...) {
        // The launch cannot go on: no working window is open and the start-up window is hidden,
        // so the run ends here, with a status the host can see.
        ApplicationOrvane::AfficherExceptionCourante();
        FermerCatalogue(dm);
        return 1;
    }
    FermerCatalogue(dm);
    return 0;
}
