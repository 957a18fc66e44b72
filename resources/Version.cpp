#include "Version.h"

#include <QtGlobal>

static void initTolvaricResources() {
    Q_INIT_RESOURCE(tolvaric);
}

namespace tolvaric {

void initResources() {
    initTolvaricResources();
}

} // namespace tolvaric
