#pragma once

// The window "Scan Results": a medium scanned, walked and imported into the archive. Runs
// the scan options first; opens only when a scan was made, and only once.
void ScanResults();
