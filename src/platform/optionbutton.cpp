#include "platform/optionbutton.h"

#include "platform/focusframe.h"

#include <QKeyEvent>

#include <algorithm>

namespace platform {

// Qt's own exclusivity would also refuse to clear the chosen button from code, so the
// buttons of one parent exclude each other here instead.
OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, &OptionButton::chosenChanged);
    setTabStop();
}

QList<OptionButton *> OptionButton::group() const
{
    if (!parentWidget())
        return {const_cast<OptionButton *>(this)};
    return parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
}

void OptionButton::chosenChanged(bool chosen)
{
    if (chosen) {
        for (OptionButton *sibling : group()) {
            if (sibling != this)
                sibling->setChecked(false);
        }
    }
    setTabStop();
}

// Tab reaches the group at its chosen button, or at its first when none is chosen; the
// others take the focus by click or arrow only.
void OptionButton::setTabStop() const
{
    const QList<OptionButton *> buttons = group();
    const auto chosen = std::find_if(buttons.begin(), buttons.end(), [](auto *b) { return b->isChecked(); });
    const OptionButton *stop = chosen != buttons.end() ? *chosen : buttons.first();
    for (OptionButton *button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    const QList<OptionButton *> buttons = group();
    const qsizetype count = buttons.size();
    const qsizetype self = buttons.indexOf(this);
    for (qsizetype i = 1; i < count; ++i) {
        OptionButton *next = buttons[(self + step * i + count) % count];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return;
        }
    }
}

// The style's focus line round the text is faint, and the windows' option buttons are often
// too narrow to show their text: the frame goes round the whole button.
void OptionButton::paintEvent(QPaintEvent *event)
{
    QRadioButton::paintEvent(event);
    frameIfFocused(*this, rect());
}

void OptionButton::nextCheckState()
{
    setChecked(true);
}

} // namespace platform
