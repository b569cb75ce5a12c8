#pragma once

#include "platform/geometry.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>

// A window as the system knows it: fixed client area in twips, a caption, the window
// font, and a load handler that runs after its controls are made and before it shows.
// Closing by the frame is closing by the window's own button. A window that opens lies
// wholly on the screen's available area: where the desktop would place it partly off it,
// it is moved up or left (down or right past the top or left edge) just far enough.
namespace platform {

class Form : public QWidget
{
    Q_OBJECT

public:
    // Runs the load handler; shows the window unless the handler closed it, the focus given
    // by focusFirstTabStop unless the handler put it elsewhere.
    void loadAndShow();
    // Closes the window and discards its controls (its instance keeps the window's data).
    void unload();
    bool isUnloaded() const { return m_unloaded; }

protected:
    Form(QStringView name, QStringView caption, int widthTwips, int heightTwips);

    virtual void formLoad() {}
    // Gives the focus to the window's first tab stop: here the next in Qt's focus chain; a
    // window of the kit gives it to its first that is shown and enabled, in its tab order.
    virtual void focusFirstTabStop() { focusNextPrevChild(true); }
    // The paint handler of a window that loads its data when it is painted: runs after the
    // load handler when the window is shown, and again once it is restored from minimised.
    // A repaint by Qt never runs it, so a message it shows appears once.
    virtual void formPaint() {}
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void keepOnScreen();

    bool m_unloaded = false;
};

// No window-level data outlives the window.
struct NoState
{
};

// The one instance of a window (instansplats). It owns the data that lives from the first
// showing to the end of the program; the window itself is made afresh at every showing.
// A window W has a constructor W(State &) or, for NoState, W().
template <class W, class State = NoState> class Instance
{
public:
    // Shows the window, or brings it to the front without loading it again when it is open.
    W *show()
    {
        if (isOpen()) {
            m_form->raise();
            m_form->activateWindow();
            return m_form;
        }
        if constexpr (std::is_same_v<State, NoState>)
            m_form = new W();
        else
            m_form = new W(m_state);
        m_form->loadAndShow();
        return m_form;
    }

    bool isOpen() const { return m_form && !m_form->isUnloaded(); }
    W *form() const { return isOpen() ? m_form.data() : nullptr; }
    State &state() { return m_state; }

private:
    State m_state;
    QPointer<W> m_form;
};

} // namespace platform
