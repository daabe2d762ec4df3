#include "pricing/TFicheModeNormal.h"

#include "ui_TFicheModeNormal.h"

TFicheModeNormal::TFicheModeNormal(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFicheModeNormal>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

TFicheModeNormal::~TFicheModeNormal() = default;

void TFicheModeNormal::SetFichierConfiguration(const QString &fichier)
{
    fichierConfiguration = fichier;
}

void TFicheModeNormal::SetFichierRecuperation(const QString &fichier)
{
    fichierRecuperation = fichier;
}
