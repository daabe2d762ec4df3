#pragma once

#include <QString>

class QDialog;
class QWidget;

// What a file-choice dialog is asked: title, initial folder, proposed file name, filter
// ("Fichiers CSV (*.csv)") and the extension added to a name typed without one.
struct ChoixFichier {
    QString titre;
    QString dossierInitial;
    QString nomFichier;
    QString filtre;
    QString extensionParDefaut;
};

// The one seam between the program and its user: every message box, question, modal dialog and
// file dialog goes through it, so tests can answer them without an event loop.
class Interactions {
public:
    virtual ~Interactions();

    // Plain message box, OK button, application title as caption.
    virtual void afficherMessage(const QString &texte) = 0;
    // Confirmation box with Yes and No; true for Yes.
    virtual bool confirmer(const QString &texte) = 0;
    // Information box with Oui and Non; true for Oui.
    virtual bool questionOuiNon(const QString &texte) = 0;
    // The application's standard error box.
    virtual void afficherErreur(const QString &texte) = 0;
    // Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int executerModal(QDialog &dialogue) = 0;
    // Returns the chosen path, or the empty text when the user cancels.
    virtual QString choisirFichierOuvrir(QWidget *parent, const ChoixFichier &choix) = 0;
    virtual QString choisirFichierEnregistrer(QWidget *parent, const ChoixFichier &choix) = 0;
};

// The interactions in force: those a test installed, else the default ones.
Interactions &interactions();
// Installs i (not owned) in place of the default ones; nullptr restores them.
void installerInteractions(Interactions *i);
// The default interactions (the real dialogs, set by the application object); without any,
// messages go to the log and questions are answered No.
void definirInteractionsParDefaut(Interactions *i);

// Short forms used by the screens.
void ShowMessage(const QString &texte);
bool Confirmer(const QString &texte);
bool QuestionOuiNon(const QString &texte);
void AfficherErreurStandard(const QString &texte);
int ExecuterModal(QDialog &dialogue);
QString ChoisirFichierOuvrir(QWidget *parent, const ChoixFichier &choix);
QString ChoisirFichierEnregistrer(QWidget *parent, const ChoixFichier &choix);
