#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class TDMPose;

namespace Ui {
class TFicheModeNormal;
}

// The quote pricing screen, shown modally by the launch in CREATION and MAJ modes. The launch
// hands it the host configuration file, then the exchange file, before showing it.
class TFicheModeNormal : public QDialog {
    Q_OBJECT
public:
    explicit TFicheModeNormal(TDMPose &dm, QWidget *parent = nullptr);
    ~TFicheModeNormal() override;

    void SetFichierConfiguration(const QString &fichier);
    void SetFichierRecuperation(const QString &fichier);
    const QString &FichierConfiguration() const { return fichierConfiguration; }
    const QString &FichierRecuperation() const { return fichierRecuperation; }

    std::unique_ptr<Ui::TFicheModeNormal> ui;

private:
    TDMPose &m_dm;
    QString fichierConfiguration;
    QString fichierRecuperation;
};
