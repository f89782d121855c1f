#include "viewer/ViewerEnvironment.h"

#include <QDateTime>

#include "platform/SystemEnvironment.h"

namespace Tabulon {

ViewerEnvironment SystemViewerEnvironment() {
    ViewerEnvironment environment;
    environment.locale = SystemNumberLocale();
    environment.clock = [] {
        const QDateTime now = QDateTime::currentDateTime();
        return ClockReading{now.date().year(), now.date().month(), now.date().day(),
                            now.time().hour(), now.time().minute()};
    };
    return environment;
}

}  // namespace Tabulon
