#pragma once
// The plug-in's log as a player finds it beside the plug-in: its lines read
// back without their time stamps (each stamp's form checked on the way), and
// who wrote them.
#include <string>
#include <vector>

#include "plugin_session.h"

namespace standin {

std::string LogPath(const Session& session);
// The first line a start of this plug-in writes from its DllMain under this Wine.
std::string StartedLine(const Session& session);
std::vector<std::string> LogLines(const Session& session);

// What Windows says of an error, as the plug-in's log quotes it.
std::string SystemWordsFor(unsigned long error);

// The lines appear in this order (others may come between them).
void CheckLogHolds(const Session& session, const std::vector<std::string>& inOrder, const std::string& what);
// How many lines start with `prefix`.
int CountLogLines(const Session& session, const std::string& prefix);
// Every write to the log came from the plug-in's worker thread, and there was one at least.
void CheckLogWrittenByWorkerOnly();

}  // namespace standin
