#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TDMPose;

// The launch: open the catalogue, bring it up to date, then act on the command line (program
// name left out): "ADMIN" configfile opens the administration hub, "CREATION" or "MAJ"
// configfile recoveryfile opens the pricing screen. Each working window is shown modally through
// ExecuterModal and freed when it closes.

enum class ModeLancement { Administration, Tarification, Incorrect };

// The mode word is compared exactly, case included, and the count must match it.
ModeLancement AnalyserArguments(const QStringList &arguments);

QString MessageConfigurationAbsente(const QString &fichierConfiguration);
QString MessageRecuperationAbsente(const QString &fichierRecuperation);
QString MessageParametresIncorrects(int nombreArguments);

// Sets the catalogue file beside the program, opens it and restructures it.
void OuvrirCatalogue(TDMPose &dm);
// Checks the files the command line names, imports the host configuration and opens the working
// window (owned by proprietaire while shown), or shows the message that explains why not.
void ExecuterCommande(TDMPose &dm, const QStringList &arguments, QWidget *proprietaire);
void FermerCatalogue(TDMPose &dm);

// The whole sequence. Returns the program's exit status: 0 after a normal end (argument messages
// included); after an error, which is shown in the standard error box and ends the sequence,
// the catalogue is closed and 1 is returned.
int ExecuterLancement(TDMPose &dm, const QStringList &arguments, QWidget *proprietaire);
