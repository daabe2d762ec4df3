#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

class QTimer;
class TDMPose;

namespace Ui {
class TFicheMain;
}

// The start-up window: shows the logo while the program starts, then, on the first tick of its
// timer, hides itself, runs the launch and closes, which ends the program (LancementTermine).
class TFicheMain : public QWidget {
    Q_OBJECT
public:
    // arguments: the command line without the program's name.
    TFicheMain(TDMPose &dm, QStringList arguments, QWidget *parent = nullptr);
    ~TFicheMain() override;

    // The program's exit status once the launch has run: 0, or 1 when an error stopped it.
    int CodeSortie() const { return m_codeSortie; }

    std::unique_ptr<Ui::TFicheMain> ui;
    QTimer *timerLancement;

public slots:
    void timerLancementTimer();

signals:
    // The launch is over and the window closed: the program ends with this status.
    void LancementTermine(int codeSortie);

private:
    TDMPose &m_dm;
    QStringList m_arguments;
    int m_codeSortie = 0;
};
