#include "platform/Gestionnaire.h"

#include "platform/Erreurs.h"
#include "platform/Interactions.h"

#include <QString>

#include <exception>

void AfficherExceptionCourante()
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

void ExecuterGestionnaire(const std::function<void()> &gestionnaire)
{
    try {
        gestionnaire();
    } catch (...) {
        AfficherExceptionCourante();
    }
}
