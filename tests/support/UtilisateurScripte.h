#pragma once

#include "platform/Interactions.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// A scripted stand-in for the user. While it lives it replaces the real dialogs: message boxes
// and error boxes are recorded, questions take the answers queued with repondre(), a modal dialog
// is driven by the function queued for its class, a file dialog returns the queued path.
// Anything the script did not foresee is recorded as unexpected and answered No / Cancel / "".
// A test checks toutEstAttendu() at its end: an unread message or an unexpected dialog fails it.
class UtilisateurScripte final : public Interactions {
public:
    using Pilote = std::function<int(QDialog &)>;

    UtilisateurScripte();
    ~UtilisateurScripte() override;

    void repondre(bool oui);
    // Queues a driver for the next dialog of this class (its metaObject's class name).
    void piloterDialogue(const QString &classe, Pilote pilote);
    void choisirFichier(const QString &chemin);

    // The messages and error texts shown since the last call, which empties the record.
    QStringList prendreMessages();
    QStringList prendreErreurs();
    QStringList questionsPosees() const { return m_questions; }
    QList<ChoixFichier> fichiersDemandes() const { return m_choixFichiers; }

    bool toutEstAttendu() const;
    QString rapport() const;
    void reinitialiser();

    void afficherMessage(const QString &texte) override;
    bool confirmer(const QString &texte) override;
    bool questionOuiNon(const QString &texte) override;
    void afficherErreur(const QString &texte) override;
    int executerModal(QDialog &dialogue) override;
    QString choisirFichierOuvrir(QWidget *parent, const ChoixFichier &choix) override;
    QString choisirFichierEnregistrer(QWidget *parent, const ChoixFichier &choix) override;

private:
    bool reponse(const QString &texte);
    QString fichier(const ChoixFichier &choix);

    QQueue<bool> m_reponses;
    QHash<QString, QQueue<Pilote>> m_pilotes;
    QQueue<QString> m_fichiers;
    QStringList m_messages;
    QStringList m_erreurs;
    QStringList m_questions;
    QStringList m_inattendus;
    QList<ChoixFichier> m_choixFichiers;
};

// Fails the current test with the report when the script left something unread or unforeseen.
#define VERIFIER_UTILISATEUR(u) QVERIFY2((u).toutEstAttendu(), qPrintable((u).rapport()))
