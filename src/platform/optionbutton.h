#pragma once

#include <QRadioButton>

// An option button that stays chosen when it is clicked again; only code clears it.
// The option buttons of one parent are one group: choosing one clears the others, the
// group is one tab stop (the chosen button, else the first) and the arrow keys move to the
// previous or next button of the group, round the end, and choose it as a click does. A
// focused button is framed in the focus blue.
namespace platform {

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<OptionButton *> group() const;
    void chosenChanged(bool chosen);
    void setTabStop() const;
};

} // namespace platform
