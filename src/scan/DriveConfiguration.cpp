#include "scan/DriveConfiguration.h"

#include "scan/DriveConfigurationWindow.h"

void DriveConfiguration() {
    DriveConfigurationWindow window;
    window.Run();
}
