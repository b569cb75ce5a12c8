#include "platform/form.h"

#include <QCloseEvent>

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
        show();
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
