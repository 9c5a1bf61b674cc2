#pragma once

// Ends the application's event loop. A browser page's program never returns
// from that loop, so there the page is told as well: it takes the program's
// place with a line saying it has ended, and a way to start it again.
void endApplication();
