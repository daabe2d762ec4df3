#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QTreeWidgetItem;
class TDMPose;
class TMenuiserie;

namespace Ui {
class TFicheTarifChoix;
}

// Choice of a general tariff of one installation type for a joinery item. Only the categories
// that suit the item are listed, unless "Sans filtrage" is checked. A double click on a row
// chooses it and closes the dialog with the OK result.
class TFicheTarifChoix : public QDialog {
    Q_OBJECT
public:
    explicit TFicheTarifChoix(TDMPose &dm, QWidget *parent = nullptr);
    ~TFicheTarifChoix() override;

    // Set before the dialog is shown; the item is not owned.
    void SetMenuiserie(const TMenuiserie &valeur) { menuiserie = &valeur; }
    void SetMenuiserie(const TMenuiserie *valeur) { menuiserie = valeur; }
    void SetIdTarif(const QString &valeur) { idTarif = valeur; }
    void SetIdPose(const QString &valeur) { idPose = valeur; }

    // The choice, after the OK result.
    const QString &GetIdTarif() const { return idTarif; }
    const QString &GetLibelle() const { return libelle; }
    double GetPrix() const { return prix; }

    // Reads the item's dimensions, shows them and fills the list; runs whenever the dialog is
    // shown. Raises EConvertError when HAUTEUR, LARGEUR or VANTAIL is not a whole number.
    void FormActivate();
    void RemplirListe();
    void lvListeDblClick();
    void cbSansFiltrageClick();
    void FormClose();

    std::unique_ptr<Ui::TFicheTarifChoix> ui;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int resultat) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    TDMPose &m_dm;
    const TMenuiserie *menuiserie = nullptr;
    QString idPose;
    QString idTarif;
    QString libelle;
    double prix = 0;
    int hauteur = 0;
    int largeur = 0;
    int vantail = 0;
    int perimetre = 0;
};
