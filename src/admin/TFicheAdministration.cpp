#include "admin/TFicheAdministration.h"

#include "ui_TFicheAdministration.h"

#include "platform/DossierProgramme.h"

#include <QPixmap>

TFicheAdministration::TFicheAdministration(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFicheAdministration>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // A missing or unreadable logo leaves the image empty: the hub stays usable without it.
    const QPixmap logo(CheminLogo());
    if (!logo.isNull())
        ui->imgLogo->setPixmap(
            logo.scaled(ui->imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

TFicheAdministration::~TFicheAdministration() = default;
