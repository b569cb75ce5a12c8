#include "platform/form.h"

#include <QCloseEvent>
#include <QWindowStateChangeEvent>

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
    if (!focusWidget())
        focusFirstTabStop();
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
