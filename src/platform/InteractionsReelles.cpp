#include "platform/InteractionsReelles.h"

#include "platform/DossierProgramme.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
bool questionDeuxBoutons(QMessageBox::Icon icone, const QString &texte, const QString &oui,
                         const QString &non)
{
    QMessageBox boite(icone, TitreApplication(), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton *boutonOui = boite.addButton(oui, QMessageBox::YesRole);
    QPushButton *boutonNon = boite.addButton(non, QMessageBox::NoRole);
    boite.setDefaultButton(boutonOui);
    boite.setEscapeButton(boutonNon);
    boite.exec();
    return boite.clickedButton() == boutonOui;
}

QString choisir(QFileDialog::AcceptMode mode, QWidget *parent, const ChoixFichier &choix)
{
    QFileDialog dialogue(parent, choix.titre, choix.dossierInitial, choix.filtre);
    dialogue.setAcceptMode(mode);
    dialogue.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    if (!choix.nomFichier.isEmpty())
        dialogue.selectFile(choix.nomFichier);
    if (!choix.extensionParDefaut.isEmpty())
        dialogue.setDefaultSuffix(choix.extensionParDefaut);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().constFirst();
}

class InteractionsReelles final : public Interactions {
public:
    void afficherMessage(const QString &texte) override
    {
        QMessageBox boite(QMessageBox::NoIcon, TitreApplication(), texte, QMessageBox::Ok,
                          QApplication::activeWindow());
        boite.exec();
    }
    bool confirmer(const QString &texte) override
    {
        return questionDeuxBoutons(QMessageBox::Question, texte, QStringLiteral("&Oui"),
                                   QStringLiteral("&Non"));
    }
    bool questionOuiNon(const QString &texte) override
    {
        return questionDeuxBoutons(QMessageBox::Information, texte, QStringLiteral("&Oui"),
                                   QStringLiteral("&Non"));
    }
    void afficherErreur(const QString &texte) override
    {
        QMessageBox boite(QMessageBox::Critical, TitreApplication(), texte, QMessageBox::Ok,
                          QApplication::activeWindow());
        boite.exec();
    }
    int executerModal(QDialog &dialogue) override { return dialogue.exec(); }
    QString choisirFichierOuvrir(QWidget *parent, const ChoixFichier &choix) override
    {
        return choisir(QFileDialog::AcceptOpen, parent, choix);
    }
    QString choisirFichierEnregistrer(QWidget *parent, const ChoixFichier &choix) override
    {
        return choisir(QFileDialog::AcceptSave, parent, choix);
    }
};
} // namespace

Interactions &interactionsReelles()
{
    static InteractionsReelles reelles;
    return reelles;
}
