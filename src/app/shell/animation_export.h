#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QWidget>

#include "simulation/simulation_state.h"

namespace vireflu {

// "E&xporter l'animation...": asks for a file name, then writes one period of the current
// settings and presentation, from clock zero, as a looping GIF of the view's size, with a
// progress dialog that can cancel it. The frames are drawn from a copy of the state on a
// scene of their own, so the running animation goes on undisturbed. A cancelled or failed
// export leaves no file behind and says why.
class AnimationExport {
    Q_DECLARE_TR_FUNCTIONS(vireflu::AnimationExport)

public:
    static void Run(QWidget* parent, const SimulationState& state, QSize viewSize);

private:
    static QString AskForFileName(QWidget* parent);
    // Draws the frames of ticks 0 to ticks - 1 into the file; an empty text when it is
    // written, otherwise why not (nothing is then left on disk).
    static QString Write(QWidget* parent, const SimulationState& state, QSize size, int ticks,
                         const QString& path);
};

}  // namespace vireflu
