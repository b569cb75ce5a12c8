#pragma once

#include <QLineEdit>

#include <functional>

// A one-line text box whose key handler sees every typed character first, as its
// Windows-1252 code (Backspace is 8), and may change it; code 0 swallows it.
// Text that arrives any other way (paste, drop, input method) passes through the
// same handler character by character. Line breaks never enter. A focused box is framed in
// the focus blue.
namespace platform {

class KeyTextBox : public QLineEdit
{
    Q_OBJECT

public:
    using KeyHandler = std::function<int(int code)>;

    explicit KeyTextBox(QWidget *parent = nullptr);

    void setKeyHandler(KeyHandler handler);

    // Feeds one code through the handler, then into the box as the handler left it
    // (nothing while the box is read-only).
    void typeCode(int code);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void typeText(const QString &text);
    void pasteThroughHandler();

    KeyHandler m_handler;
};

} // namespace platform
