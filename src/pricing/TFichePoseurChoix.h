#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class TDMPose;

namespace Ui {
class TFichePoseurChoix;
}

// Choice of an installer among those of the catalogue, listed by name. A click on a row chooses
// it at once and closes the dialog with the OK result.
class TFichePoseurChoix : public QDialog {
    Q_OBJECT
public:
    // Fills the list from the catalogue.
    explicit TFichePoseurChoix(TDMPose &dm, QWidget *parent = nullptr);
    ~TFichePoseurChoix() override;

    // Kept, but the list preselects nothing.
    void SetIdPoseur(const QString &valeur) { idPoseur = valeur; }
    // The chosen identifier, after the OK result.
    const QString &GetIdPoseur() const { return idPoseur; }

    void RemplirListe();
    void lvListeClick();
    void FormClose();

    std::unique_ptr<Ui::TFichePoseurChoix> ui;

protected:
    void done(int resultat) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    TDMPose &m_dm;
    QString idPoseur;
};
