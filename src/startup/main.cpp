#include "catalogue/TDMPose.h"
#include "platform/ApplicationOrvane.h"
#include "startup/TFicheMain.h"

int main(int argc, char **argv)
{
    ApplicationOrvane application(argc, argv);
    try {
        TDMPose dm;
        TFicheMain ficheMain(dm, QCoreApplication::arguments().mid(1));
        // The run ends when the launch is over, with its status, and not when whichever window
        // happens to be the last one (a message box of the launch) closes.
        application.setQuitOnLastWindowClosed(false);
        QObject::connect(&ficheMain, &TFicheMain::LancementTermine, &application,
                         &QCoreApplication::exit, Qt::QueuedConnection);
        ficheMain.show();
        return application.exec();
    } catch (...) {
        // Reported as a failure, so that the host does not take an aborted run for a finished one.
        ApplicationOrvane::AfficherExceptionCourante();
        return 1;
    }
}
