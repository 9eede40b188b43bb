#pragma once

// The archive list. At most one is open: a second start brings the open one to the front.
// On a thread number of its own: returns at once.
void BrowsArchief();
