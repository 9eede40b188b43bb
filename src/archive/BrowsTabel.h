#pragma once

// The list of software classes, started from the main frame on a thread number of its own.
// A second start brings the open list forward.
void BrowsTabel();
