#include "platform/ApplicationOrvane.h"

#include "platform/DossierProgramme.h"
#include "platform/Gestionnaire.h"
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
    // The last resort, for an error that a handler let escape: handlers connected through
    // Gestionnaire() show theirs before it reaches the toolkit.
    try {
        return QApplication::notify(receveur, evenement);
    } catch (...) {
        AfficherExceptionCourante();
    }
    return false;
}

void ApplicationOrvane::AfficherExceptionCourante()
{
    ::AfficherExceptionCourante();
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
