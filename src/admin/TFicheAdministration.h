#pragma once

#include <QDialog>

#include <memory>

class TDMPose;

namespace Ui {
class TFicheAdministration;
}

// The administration hub: a menu of the catalogue screens, shown modally by the launch in
// ADMIN mode; the run ends when it closes.
class TFicheAdministration : public QDialog {
    Q_OBJECT
public:
    explicit TFicheAdministration(TDMPose &dm, QWidget *parent = nullptr);
    ~TFicheAdministration() override;

    std::unique_ptr<Ui::TFicheAdministration> ui;

private:
    TDMPose &m_dm;
};
