#include "platform/optionbutton.h"

namespace platform {

// Qt's own exclusivity would also refuse to clear the chosen button from code, so the
// buttons of one parent exclude each other here instead.
OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked || !parentWidget())
            return;
        const auto siblings = parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
        for (OptionButton *sibling : siblings) {
            if (sibling != this)
                sibling->setChecked(false);
        }
    });
}

void OptionButton::nextCheckState()
{
    setChecked(true);
}

} // namespace platform
