#include "declaratives.h"

namespace tolvaric::declaratives {

EngineData engineData;

} // namespace tolvaric::declaratives
