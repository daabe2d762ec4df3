#pragma once

#include <QString>

class QWidget;

// Renders a window, as it stands, to captures/<nom>.png in the build tree so a developer can look
// at it. Returns the path written.
QString CapturerFenetre(QWidget &fenetre, const QString &nom);
