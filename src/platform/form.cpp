#include "platform/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace platform {

Form::Form(QStringView name, QStringView caption, int widthTwips, int heightTwips)
{
    setObjectName(name.toString());
    setWindowTitle(caption.toString());
    setFixedSize(pixels(widthTwips), pixels(heightTwips));
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::loadAndShow()
{
    formLoad();
    if (!m_unloaded)
        formPaint();
    if (m_unloaded)
        return;
    show();
    keepOnScreen();
    if (!focusWidget())
        focusFirstTabStop();
}

// The desktop places a window as it maps it, before the window first shows on the screen:
// each move until then is the desktop's placing. A move once the window shows is the user's.
void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (isVisible() && windowHandle() && !windowHandle()->isExposed())
        keepOnScreen();
}

void Form::keepOnScreen()
{
    const QRect frame = frameGeometry();
    const QScreen *on = QGuiApplication::screenAt(frame.center());
    const QRect area = (on ? on : screen())->availableGeometry();
    // Past the bottom or right edge the window moves up or left; it never leaves the top or
    // left edge, so its caption stays on the screen also when it is larger than the area.
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(left, top);
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    // Queued, so that the handler runs once the restoring is done.
    if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized())
        QMetaObject::invokeMethod(this, &Form::formPaint, Qt::QueuedConnection);
}

void Form::unload()
{
    m_unloaded = true;
    close();
}

void Form::closeEvent(QCloseEvent *event)
{
    m_unloaded = true;
    event->accept();
}

} // namespace platform
