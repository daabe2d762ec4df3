#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QString>

#include <memory>

class TDMPose;

namespace Ui {
class TFichePoseChoix;
}

// Choice of an installation type among those of the catalogue, in label order.
class TFichePoseChoix : public QDialog {
    Q_OBJECT
public:
    explicit TFichePoseChoix(TDMPose &dm, QWidget *parent = nullptr);
    ~TFichePoseChoix() override;

    // The installation type to preselect; "" preselects the first one.
    void SetIdPose(const QString &valeur) { idPose = valeur; }
    // The icons of the entries (every entry shows the first one); none leaves them without.
    void SetImages(const QList<QIcon> &valeur) { images = valeur; }
    // Called by the caller after the two setters, before showing the dialog.
    void RemplirListe();
    // The chosen identifier, after the OK result.
    const QString &GetIdPose() const { return idPose; }

    void btnValiderClick();

    std::unique_ptr<Ui::TFichePoseChoix> ui;

private:
    TDMPose &m_dm;
    QString idPose;
    QList<QIcon> images;
};
