// tolvaric itself, ending at its first paint.
#include "Application.h"
#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    return tolvaric::runTolvaric(argc, argv, [](QWidget& window) { new FirstPaint(window); });
}
