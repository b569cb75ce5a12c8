#pragma once

#include "platform/form.h"
#include "platform/windowkit.h"

#include <span>

// A window that says something and closes by its button: the error windows, the
// information window and the windows still to come share it.
namespace platform {

struct NoticeDesign
{
    QStringView name;
    QStringView caption;
    int width; // twips
    int height;
    bool purple;                          // purple with white text; otherwise the desktop's window colours
    std::span<const ControlRow> controls; // ids 0 .. size - 1
    int closeButton;                      // the id of the button that closes the window
};

class NoticeWindow : public Form
{
    Q_OBJECT

protected:
    explicit NoticeWindow(const NoticeDesign &design);

    const ControlSet &controls() const { return m_controls; }

private:
    ControlSet m_controls;
};

} // namespace platform
