// VEMTOR: a golfer's record of courses and rounds. The data files live in the current
// directory; one copy of the program runs on them at a time. The start-up check makes them
// when they are missing, then asks for a restart.
#include "mainwindow/HUVUDMENY.h"
#include "platform/storemessages.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    store::FolderLock lock; // held until the program ends
    if (!platform::holdDataFolder(lock) || !platform::startupCheck())
        return 0;
    HUVUDMENY mainWindow;
    mainWindow.show();
    return app.exec();
}
