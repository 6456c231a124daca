#include "yield.h"

#include <QCoreApplication>

namespace platform {

void yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace platform
