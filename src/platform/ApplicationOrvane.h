#pragma once

#include <QApplication>

// The application object: title "Orvane", French texts for Qt's own dialogs, and the last place
// where a platform error that escapes an event handler is caught and shown in the standard error
// box; the program then goes on. Handlers connected through Gestionnaire() (platform/
// Gestionnaire.h) show their errors themselves, before they unwind through the toolkit.
class ApplicationOrvane : public QApplication {
    Q_OBJECT
public:
    ApplicationOrvane(int &argc, char **argv);
    ~ApplicationOrvane() override;

    bool notify(QObject *receveur, QEvent *evenement) override;

    // Shows the standard error box for the exception being handled; used by notify and by the
    // program entry.
    static void AfficherExceptionCourante();
};

// Loads Qt's French translations so its own buttons and dialogs speak French.
void InstallerTraductionsFrancaises(QCoreApplication &application);
