#include "UtilisateurScripte.h"

#include <QDialog>
#include <QMetaObject>

UtilisateurScripte::UtilisateurScripte()
{
    installerInteractions(this);
}

UtilisateurScripte::~UtilisateurScripte()
{
    installerInteractions(nullptr);
}

void UtilisateurScripte::repondre(bool oui)
{
    m_reponses.enqueue(oui);
}

void UtilisateurScripte::piloterDialogue(const QString &classe, Pilote pilote)
{
    m_pilotes[classe].enqueue(std::move(pilote));
}

void UtilisateurScripte::choisirFichier(const QString &chemin)
{
    m_fichiers.enqueue(chemin);
}

QStringList UtilisateurScripte::prendreMessages()
{
    return std::exchange(m_messages, {});
}

QStringList UtilisateurScripte::prendreErreurs()
{
    return std::exchange(m_erreurs, {});
}

bool UtilisateurScripte::toutEstAttendu() const
{
    bool pilotesRestants = false;
    for (const auto &file : m_pilotes)
        pilotesRestants = pilotesRestants || !file.isEmpty();
    return m_messages.isEmpty() && m_erreurs.isEmpty() && m_inattendus.isEmpty() &&
           m_reponses.isEmpty() && m_fichiers.isEmpty() && !pilotesRestants;
}

QString UtilisateurScripte::rapport() const
{
    QStringList lignes;
    for (const QString &m : m_messages)
        lignes << QStringLiteral("message non lu : ") + m;
    for (const QString &e : m_erreurs)
        lignes << QStringLiteral("erreur non lue : ") + e;
    for (const QString &i : m_inattendus)
        lignes << QStringLiteral("inattendu : ") + i;
    if (!m_reponses.isEmpty())
        lignes << QStringLiteral("%1 réponse(s) non utilisée(s)").arg(m_reponses.size());
    if (!m_fichiers.isEmpty())
        lignes << QStringLiteral("fichier(s) non choisi(s) : ") +
                      QStringList(m_fichiers).join(u", ");
    for (auto it = m_pilotes.cbegin(); it != m_pilotes.cend(); ++it)
        if (!it.value().isEmpty())
            lignes << QStringLiteral("dialogue jamais ouvert : ") + it.key();
    return lignes.join(u'\n');
}

void UtilisateurScripte::reinitialiser()
{
    m_reponses.clear();
    m_pilotes.clear();
    m_fichiers.clear();
    m_messages.clear();
    m_erreurs.clear();
    m_questions.clear();
    m_inattendus.clear();
}

void UtilisateurScripte::afficherMessage(const QString &texte)
{
    m_messages << texte;
}

bool UtilisateurScripte::reponse(const QString &texte)
{
    m_questions << texte;
    if (m_reponses.isEmpty()) {
        m_inattendus << QStringLiteral("question sans réponse : ") + texte;
        return false;
    }
    return m_reponses.dequeue();
}

bool UtilisateurScripte::confirmer(const QString &texte)
{
    return reponse(texte);
}

bool UtilisateurScripte::questionOuiNon(const QString &texte)
{
    return reponse(texte);
}

void UtilisateurScripte::afficherErreur(const QString &texte)
{
    m_erreurs << texte;
}

int UtilisateurScripte::executerModal(QDialog &dialogue)
{
    const QString classe = QString::fromLatin1(dialogue.metaObject()->className());
    auto it = m_pilotes.find(classe);
    if (it == m_pilotes.end() || it->isEmpty()) {
        m_inattendus << QStringLiteral("dialogue sans pilote : ") + classe;
        return QDialog::Rejected;
    }
    Pilote pilote = it->dequeue();
    const int resultat = pilote(dialogue);
    dialogue.setResult(resultat);
    return resultat;
}

QString UtilisateurScripte::fichier(const ChoixFichier &choix)
{
    m_choixFichiers << choix;
    if (m_fichiers.isEmpty()) {
        m_inattendus << QStringLiteral("choix de fichier sans réponse : ") + choix.titre;
        return QString();
    }
    return m_fichiers.dequeue();
}

QString UtilisateurScripte::choisirFichierOuvrir(QWidget *, const ChoixFichier &choix)
{
    return fichier(choix);
}

QString UtilisateurScripte::choisirFichierEnregistrer(QWidget *, const ChoixFichier &choix)
{
    return fichier(choix);
}
