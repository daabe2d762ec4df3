#include "catalogue/TDMPose.h"
#include "platform/ApplicationOrvane.h"
#include "startup/TFicheMain.h"

int main(int argc, char **argv)
{
    ApplicationOrvane application(argc, argv);
    try {
        TDMPose dm;
        TFicheMain ficheMain(dm, QCoreApplication::arguments().mid(1));
        ficheMain.show();
        const int code = application.exec();
        return code != 0 ? code : ficheMain.CodeSortie();
    } catch (...) {
        // Reported as a failure, so that the host does not take an aborted run for a finished one.
        ApplicationOrvane::AfficherExceptionCourante();
        return 1;
    }
}
