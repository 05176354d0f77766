#pragma once
// This process's threads and modules now, as a tool listing them would see them.

namespace standin {

int CountThreads();
int CountModules();

}  // namespace standin
