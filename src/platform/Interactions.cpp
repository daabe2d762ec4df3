#include "platform/Interactions.h"

#include <QtGlobal>

Interactions::~Interactions() = default;

namespace {
// Without a user interface (a tool, a test that installed nothing) messages go to the log and
// every question is answered No.
class InteractionsJournal final : public Interactions {
public:
    void afficherMessage(const QString &texte) override { qWarning("%s", qUtf8Printable(texte)); }
    bool confirmer(const QString &texte) override
    {
        qWarning("%s", qUtf8Printable(texte));
        return false;
    }
    bool questionOuiNon(const QString &texte) override { return confirmer(texte); }
    void afficherErreur(const QString &texte) override { afficherMessage(texte); }
    int executerModal(QDialog &) override { return 0; }
    QString choisirFichierOuvrir(QWidget *, const ChoixFichier &) override { return QString(); }
    QString choisirFichierEnregistrer(QWidget *, const ChoixFichier &) override
    {
        return QString();
    }
};

Interactions *&installees()
{
    static Interactions *i = nullptr;
    return i;
}

Interactions *&parDefaut()
{
    static Interactions *i = nullptr;
    return i;
}
} // namespace

Interactions &interactions()
{
    static InteractionsJournal journal;
    if (Interactions *i = installees())
        return *i;
    if (Interactions *i = parDefaut())
        return *i;
    return journal;
}

void installerInteractions(Interactions *i)
{
    installees() = i;
}

void definirInteractionsParDefaut(Interactions *i)
{
    parDefaut() = i;
}
void ShowMessage(const QString &texte)
{
    interactions().afficherMessage(texte);
}
bool Confirmer(const QString &texte)
{
    return interactions().confirmer(texte);
}
bool QuestionOuiNon(const QString &texte)
{
    return interactions().questionOuiNon(texte);
}
void AfficherErreurStandard(const QString &texte)
{
    interactions().afficherErreur(texte);
}
int ExecuterModal(QDialog &dialogue)
{
    return interactions().executerModal(dialogue);
}
QString ChoisirFichierOuvrir(QWidget *parent, const ChoixFichier &choix)
{
    return interactions().choisirFichierOuvrir(parent, choix);
}
QString ChoisirFichierEnregistrer(QWidget *parent, const ChoixFichier &choix)
{
    return interactions().choisirFichierEnregistrer(parent, choix);
}
