#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QWidget>

#include "setup/setup.h"

namespace vireflu {

// "E&xporter l'animation...": asks for a file name, then writes one period of the setup shown
// (PeriodAnimation) as a looping GIF of the view's size, with a progress dialog that can
// cancel it. A cancelled or failed export leaves no file behind and says why.
class AnimationExport {
    Q_DECLARE_TR_FUNCTIONS(vireflu::AnimationExport)

public:
    static void Run(QWidget* parent, const Setup& setup, QSize viewSize);

private:
    static QString AskForFileName(QWidget* parent);
    // Draws the frames of ticks 0 to ticks - 1 into the file; an empty text when it is
    // written, otherwise why not (nothing is then left on disk).
    static QString Write(QWidget* parent, const Setup& setup, QSize size, int ticks,
                         const QString& path);
};

}  // namespace vireflu
