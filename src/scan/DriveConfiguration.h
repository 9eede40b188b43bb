#pragma once

// The dialog "Configure drives": which of the drive letters A to L exist, what kind of
// medium each reads, and the host folder each stands for. Runs modally and returns when it
// closes; it always marks the configuration as done.
void DriveConfiguration();
