#include "startup/TFicheMain.h"

#include "ui_TFicheMain.h"

#include "platform/DossierProgramme.h"
#include "startup/Lancement.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

TFicheMain::TFicheMain(TDMPose &dm, QStringList arguments, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TFicheMain>())
    , timerLancement(new QTimer(this))
    , m_dm(dm)
    , m_arguments(std::move(arguments))
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Kestrova - Orvane"));
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    // A missing or unreadable logo leaves the image empty: the launch does not depend on it.
    const QPixmap logo(CheminLogo());
    if (!logo.isNull())
        ui->imgLogo->setPixmap(
            logo.scaled(ui->imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    timerLancement->setObjectName(QStringLiteral("timerLancement"));
    timerLancement->setInterval(1000);
    connect(timerLancement, &QTimer::timeout, this, &TFicheMain::timerLancementTimer);
    timerLancement->start();
}

TFicheMain::~TFicheMain() = default;

void TFicheMain::timerLancementTimer()
{
    timerLancement->stop();
    hide();
    m_codeSortie = ExecuterLancement(m_dm, m_arguments, this);
    close();
    emit LancementTermine(m_codeSortie);
}
