#include "platform/ApplicationOrvane.h"

#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"
#include "platform/Interactions.h"
#include "platform/InteractionsReelles.h"

#include <QLibraryInfo>
#include <QTranslator>

ApplicationOrvane::ApplicationOrvane(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(TitreApplication());
    setApplicationDisplayName(TitreApplication());
    InstallerTraductionsFrancaises(*this);
    definirInteractionsParDefaut(&interactionsReelles());
}

ApplicationOrvane::~ApplicationOrvane()
{
    definirInteractionsParDefaut(nullptr);
}

bool ApplicationOrvane::notify(QObject *receveur, QEvent *evenement)
{
    try {
        return QApplication::notify(receveur, evenement);
    } catch (...) {
        AfficherExceptionCourante();
    }
    return false;
}

void ApplicationOrvane::AfficherExceptionCourante()
{
    try {
        throw;
    } catch (const EPlatformError &e) {
        AfficherErreurStandard(e.message());
    } catch (const std::exception &e) {
        AfficherErreurStandard(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        AfficherErreurStandard(QStringLiteral("Erreur inconnue"));
    }
}

void InstallerTraductionsFrancaises(QCoreApplication &application)
{
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *nom : {"qtbase_fr", "qt_fr"}) {
        auto *traducteur = new QTranslator(&application);
        if (traducteur->load(QString::fromLatin1(nom), dossier))
            QCoreApplication::installTranslator(traducteur);
        else
            delete traducteur;
    }
}
