#pragma once
// Network mode: workstations that run the program from another computer's
// folder stamp the shared data folder; for 15 days after such a start every
// workstation rereads tickets and refreshes balances before new tickets.

#include "core/app.h"

namespace core {

// When running from a network path, writes today's date serial into
// "network.txt" in the data folder.
void WriteNetworkStamp(App& app);
// The stamp is less than 15 days old; a missing or unreadable stamp is not.
bool NetworkActive(const App& app);

}  // namespace core
