#include "command_bar.h"

#include <QCoreApplication>
#include <QHBoxLayout>

#include <algorithm>

#include "shell/main_menu.h"

namespace vireflu {

namespace {

// The bar's template in pixels: buttons 97 wide (65 dialog units) at x = 10 and x = 123,
// 6 pixels below the top of a 32-pixel bar.
constexpr int kButtonWidth = 97;
constexpr int kLeftMargin = 10;
constexpr int kButtonGap = 16;
constexpr int kTopMargin = 6;
constexpr int kBarHeight = 32;

}  // namespace

CommandBar::CommandBar(QWidget* parent)
    : QFrame(parent),
      resetButton(new QPushButton(QCoreApplication::translate("CommandBar", kResetCaption), this)),
      animationButton(
          new QPushButton(QCoreApplication::translate("CommandBar", kAnimationCaption), this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAccessibleName(QCoreApplication::translate("CommandBar", "Commandes de l'horloge"));
    for (QPushButton* button : {resetButton, animationButton}) {
        // Wider only where a translation needs it.
        button->setMinimumWidth(kButtonWidth);
        button->setAutoDefault(false);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kLeftMargin, kTopMargin, kLeftMargin, kTopMargin);
    layout->setSpacing(kButtonGap);
    layout->addWidget(resetButton);
    layout->addWidget(animationButton);
    layout->addStretch();
    // The buttons keep their natural height, so the bar grows with a larger font.
    setFixedHeight(std::max(kBarHeight, resetButton->sizeHint().height() + 2 * kTopMargin));
}

}  // namespace vireflu
