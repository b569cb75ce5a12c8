#pragma once

#include <QRadioButton>

// An option button that stays chosen when it is clicked again; only code clears it.
namespace platform {

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
};

} // namespace platform
