#pragma once

#include <QListWidget>

#include <functional>

// A list whose click handler runs whenever the user changes its selection, by mouse or by
// keyboard (arrows, Home, End, Page Up and Down, a first letter), and again when the entry
// already chosen is clicked; one click runs it once. The entry the keyboard's focus frames
// without choosing it is chosen, as by a click, by Space or Enter and by an arrow, Page
// Up/Down, Home or End that stays on it; a key on the entry already chosen runs nothing.
// Filling, emptying or choosing an entry from code runs nothing. A focused list is framed in
// the focus blue round its entries.
namespace platform {

class ListBox : public QListWidget
{
    Q_OBJECT

public:
    using ClickHandler = std::function<void()>;

    explicit ListBox(QWidget *parent = nullptr);
    void setClickHandler(ClickHandler handler);

    // The selected entry's text and position: empty and -1 when none is selected, also
    // when an entry is current without being selected (as the keyboard's focus leaves it).
    QString selectedText() const;
    int selectedRow() const;
    // The current entry's text, empty when there is none. In the click handler it is the
    // entry just chosen, which may not be selected yet.
    QString currentText() const;

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseFramed();
    void selectionMoved();
    void entryClicked();

    ClickHandler m_handler;
    bool m_userInput = false;    // a mouse or key event of the user is being handled
    bool m_movedByPress = false; // the current press already ran the handler
};

} // namespace platform
