#pragma once

#include <QIcon>

// The program's own icons, drawn rather than shipped, so the screens need no image files.
QIcon IconePose(); // installation type, 32 x 32
QIcon IconeAjouter();
QIcon IconeDupliquer();
QIcon IconeModifier();
QIcon IconeSupprimer();
QIcon IconeSupprimerTout();
QIcon IconeActualiser();
